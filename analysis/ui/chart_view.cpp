#include "analysis/ui/chart_view.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace korven::ui {

namespace {

// The look, in screen pixels.
constexpr double MarginLeft = 2;
constexpr double MarginTop = 2;
constexpr double MarginRight = 6;
constexpr double MarginBottom = 2;
constexpr double TickLength = 5;  // tick marks outside the plot
constexpr double LabelGap = 2;    // between a tick mark and its label
constexpr double TitleGap = 10;   // between the chart's title and the plot
constexpr double AxisTitleGap = 5; // between an axis's labels and its title
constexpr double DotDiameter = 4; // a line's dots, where shown
const QColor GridColour(0xd8, 0xd8, 0xd8);

QFont labelFont(const ChartAxis &axis)
{
    QFont font = chartFont();
    font.setPixelSize(axis.labelPixelSize);
    return font;
}

QStringList titleLines(const QString &title) { return title.isEmpty() ? QStringList() : title.split(u'\n'); }

double linesWidth(const QFontMetricsF &metrics, const QStringList &lines)
{
    double widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

double widestLabel(const QFontMetricsF &metrics, const ChartAxis &axis)
{
    double widest = 0;
    for (double value : tickValues(axis))
        widest = std::max(widest, metrics.horizontalAdvance(tickLabel(axis, value)));
    return widest;
}

void drawLines(QPainter &painter, const QRectF &box, const QStringList &lines, double lineHeight)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        painter.drawText(QRectF(box.left(), box.top() + double(i) * lineHeight, box.width(), lineHeight),
                         Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextDontClip, lines.at(i));
}

void drawSeries(QPainter &painter, const Chart &chart, const ChartSeries &series, const QRectF &plot)
{
    auto x = [&](double value) { return toPixel(value, chart.x.min, chart.x.max, plot.left(), plot.right()); };
    auto y = [&](double value) { return toPixel(value, chart.y.min, chart.y.max, plot.bottom(), plot.top()); };
    if (series.kind == ChartSeriesKind::Bars) {
        painter.setPen(QPen(series.color, 1));
        painter.setBrush(series.color);
        const double base = std::clamp(0.0, chart.y.min, chart.y.max);
        for (const QPointF &point : series.points) {
            const QRectF bar(QPointF(x(point.x() - series.barWidth / 2), y(point.y())),
                             QPointF(x(point.x() + series.barWidth / 2), y(base)));
            painter.drawRect(bar.normalized());
        }
        return;
    }
    painter.setPen(QPen(series.color, 1));
    painter.setBrush(Qt::NoBrush);
    QPolygonF line;
    for (const QPointF &point : series.points)
        line << QPointF(x(point.x()), y(point.y()));
    painter.drawPolyline(line);
    if (series.pointsVisible) {
        painter.setBrush(series.color);
        for (const QPointF &point : line)
            painter.drawEllipse(point, DotDiameter / 2, DotDiameter / 2);
    }
}

} // namespace

QFont chartFont()
{
    QFont font(QStringLiteral("ＭＳ Ｐ明朝"));
    font.setPixelSize(12);
    return font;
}

ChartView::ChartView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // In a layout, charts take the room there is, as the text beside them does not.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ChartView::sizeHint() const { return QSize(400, 200); }

void ChartView::setChart(const Chart &chart)
{
    chart_ = chart;
    update();
}

QStringList ChartView::turnedTitleLines(const QFontMetricsF &metrics, double room) const
{
    // Turned, a title longer than the chart is high would be cut: it goes on two lines.
    QStringList lines = titleLines(chart_.y.title);
    if (lines.size() == 1 && metrics.horizontalAdvance(lines.first()) > room)
        lines = twoLines(lines.first()).split(u'\n');
    return lines;
}

ChartLayout ChartView::layout(const QRectF &area) const
{
    const QFontMetricsF text(chartFont());
    const QFontMetricsF bottomLabels(labelFont(chart_.x));
    const QFontMetricsF leftLabels(labelFont(chart_.y));
    const QStringList title = titleLines(chart_.title);
    const QStringList bottomTitle = titleLines(chart_.x.title);
    const QRectF bounds = area.adjusted(MarginLeft, MarginTop, -MarginRight, -MarginBottom);
    ChartTextRoom room;
    room.title = title.isEmpty() ? 0 : double(title.size()) * text.height() + TitleGap;
    room.bottomLabels = TickLength + LabelGap + bottomLabels.height();
    room.bottomTitle = bottomTitle.isEmpty() ? 0 : AxisTitleGap + double(bottomTitle.size()) * text.height();
    room.leftLabels = TickLength + LabelGap + widestLabel(leftLabels, chart_.y);
    // The turned title is centred on the plot, whose height the texts beside it do not change.
    const double middle = plotArea(bounds, room).center().y();
    const QStringList leftTitle = turnedTitleLines(text, 2 * std::min(middle - area.top(), area.bottom() - middle));
    room.leftTitle = leftTitle.isEmpty() ? 0 : double(leftTitle.size()) * text.height() + AxisTitleGap;
    const QList<double> bottomTicks = tickValues(chart_.x);
    if (!bottomTicks.isEmpty() && !chart_.x.isCategory())
        room.rightOverhang = std::max(0.0, bottomLabels.horizontalAdvance(tickLabel(chart_.x, bottomTicks.last())) / 2 - MarginRight);

    ChartLayout layout;
    layout.leftTitleLines = leftTitle;
    layout.plot = plotArea(bounds, room);
    // Each title's own extent: the chart's centred over the chart, the axes' along their axes.
    const double titleWidth = linesWidth(text, title);
    layout.title = QRectF(bounds.center().x() - titleWidth / 2, bounds.top(), titleWidth,
                          double(title.size()) * text.height());
    const double bottomWidth = linesWidth(text, bottomTitle);
    layout.bottomTitle = QRectF(layout.plot.center().x() - bottomWidth / 2,
                                layout.plot.bottom() + room.bottomLabels + AxisTitleGap, bottomWidth,
                                double(bottomTitle.size()) * text.height());
    // Turned, the title's lines stand side by side and its length runs along the plot's height.
    const double length = linesWidth(text, leftTitle);
    layout.leftTitle = QRectF(bounds.left(), layout.plot.center().y() - length / 2,
                              double(leftTitle.size()) * text.height(), length);
    return layout;
}

void ChartView::draw(QPainter &painter, const QRectF &area) const
{
    const ChartLayout where = layout(area);
    const QRectF &plot = where.plot;
    const QFont text = chartFont();
    const double lineHeight = QFontMetricsF(text).height();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);

    // Grid lines at the ticks of a value axis, at the band edges of a category axis.
    auto gridValues = [](const ChartAxis &axis) { return axis.isCategory() ? bandEdges(axis) : tickValues(axis); };
    auto x = [&](double value) { return toPixel(value, chart_.x.min, chart_.x.max, plot.left(), plot.right()); };
    auto y = [&](double value) { return toPixel(value, chart_.y.min, chart_.y.max, plot.bottom(), plot.top()); };
    painter.setPen(QPen(GridColour, 1));
    for (double value : gridValues(chart_.x))
        painter.drawLine(QPointF(x(value), plot.top()), QPointF(x(value), plot.bottom()));
    for (double value : gridValues(chart_.y))
        painter.drawLine(QPointF(plot.left(), y(value)), QPointF(plot.right(), y(value)));

    painter.save();
    painter.setClipRect(plot.adjusted(-0.5, -0.5, 0.5, 0.5));
    for (const ChartSeries &series : chart_.series)
        drawSeries(painter, chart_, series, plot);
    painter.restore();

    // The axis lines and their ticks (at the band edges for categories), then the labels.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (double value : gridValues(chart_.x))
        painter.drawLine(QPointF(x(value), plot.bottom()), QPointF(x(value), plot.bottom() + TickLength));
    for (double value : gridValues(chart_.y))
        painter.drawLine(QPointF(plot.left() - TickLength, y(value)), QPointF(plot.left(), y(value)));

    painter.setFont(labelFont(chart_.x));
    const double bottomHeight = QFontMetricsF(painter.font()).height();
    for (double value : tickValues(chart_.x)) {
        const QRectF box(x(value) - 50, plot.bottom() + TickLength + LabelGap, 100, bottomHeight);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, tickLabel(chart_.x, value));
    }
    painter.setFont(labelFont(chart_.y));
    const double leftHeight = QFontMetricsF(painter.font()).height();
    for (double value : tickValues(chart_.y)) {
        const QRectF box(area.left(), y(value) - leftHeight / 2, plot.left() - TickLength - LabelGap - area.left(), leftHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, tickLabel(chart_.y, value));
    }

    painter.setFont(text);
    drawLines(painter, where.title, titleLines(chart_.title), lineHeight);
    drawLines(painter, where.bottomTitle, titleLines(chart_.x.title), lineHeight);
    painter.save();
    painter.translate(where.leftTitle.center());
    painter.rotate(-90);
    const QRectF turned(-where.leftTitle.height() / 2, -where.leftTitle.width() / 2, where.leftTitle.height(),
                        where.leftTitle.width());
    drawLines(painter, turned, where.leftTitleLines, lineHeight);
    painter.restore();
    painter.restore();
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    draw(painter, rect());
}

} // namespace korven::ui
