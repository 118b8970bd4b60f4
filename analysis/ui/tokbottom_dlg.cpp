#include "analysis/ui/tokbottom_dlg.h"

#include "analysis/analysis_texts.h"
#include "analysis/trial_statistics.h"
#include "app/program_folder.h"
#include "app/ui/korven_application.h"
#include "exercise/text_file.h"
#include "exercise/ui/tform1.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QAbstractTableModel>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QGraphicsLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QTableWidget>
#include <QTextEdit>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <cstdlib>

TOKBottomDlg *OKBottomDlg = nullptr;

// The hidden grid's content: the record file's lines, split into their 50 fields on demand.
class RecordGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setLines(const QStringList &lines)
    {
        beginResetModel();
        lines_ = lines;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(lines_.size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : 50;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() == 0)
            return QVariant();
        return korven::recordFields(lines_.at(index.row())).value(index.column());
    }

private:
    QStringList lines_;
};

namespace {

// "Answer time" over an empty second line.
constexpr int Label6Top = 56;
constexpr int NoResultsTop = 100;

const QString Chart2Title = QStringLiteral("Answer time<br>&nbsp;");
const QString PercentageTitle = QStringLiteral("percentage of correct answers(%)");

QFont gothic(int pixels)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixels);
    return font;
}

QFont mincho12()
{
    QFont font(QStringLiteral("ＭＳ Ｐ明朝"));
    font.setPixelSize(12);
    return font;
}

QLabel *makeLabel(QWidget *parent, const QString &name, int left, int top, int pixels)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(gothic(pixels));
    label->move(left, top);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QChartView *makeChart(QWidget *parent, const QString &name, const QRect &geometry, const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setTitleFont(mincho12());
    chart->setTitleBrush(Qt::black);
    chart->legend()->hide();
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(2, 2, 6, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    auto *view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setGeometry(geometry);
    view->setFrameShape(QFrame::NoFrame);
    view->setRenderHint(QPainter::Antialiasing);
    view->setBackgroundBrush(Qt::white);
    return view;
}

QValueAxis *makeAxis(QChart *chart, Qt::Alignment alignment, const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(mincho12());
    axis->setTitleBrush(Qt::black);
    axis->setLabelsFont(mincho12());
    axis->setLabelsColor(Qt::black);
    axis->setLinePenColor(Qt::black);
    axis->setGridLineColor(QColor(0xd8, 0xd8, 0xd8));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    chart->addAxis(axis, alignment);
    return axis;
}

// A title on two lines, broken at the blank nearest its middle: the percentage titles are longer
// than the plot areas are high, and the chart would cut them short on one line.
QString twoLineTitle(const QString &title)
{
    const qsizetype middle = title.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < title.size(); ++i) {
        if (title.at(i) == u' ' && (best < 0 || std::abs(i - middle) < std::abs(best - middle)))
            best = i;
    }
    if (best < 0)
        return title.toHtmlEscaped();
    return title.left(best).toHtmlEscaped() + QStringLiteral("<br>") + title.mid(best + 1).toHtmlEscaped();
}

// A round tick interval (1, 2 or 5 times a power of ten) giving about five intervals.
double niceInterval(double span)
{
    const double raw = std::max(span / 5.0, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * power >= raw)
            return step * power;
    }
    return 10.0 * power;
}

void setFixedRange(QValueAxis *axis, double low, double high, double interval)
{
    // The axis lays out its labels at every change: going through a coarse interval keeps a
    // new wide range from being labelled at the old fine interval for a moment.
    axis->setTickInterval(std::max({interval, high - low, axis->max() - axis->min()}));
    axis->setRange(low, high);
    axis->setTickInterval(interval);
}

QLineSeries *makeLine(QChart *chart, const QString &name, QValueAxis *x, QValueAxis *y)
{
    auto *series = new QLineSeries;
    series->setObjectName(name);
    series->setName(name == QLatin1String("Series2") ? QStringLiteral("全染色体正答率")
                                                     : QStringLiteral("解答時間"));
    series->setPen(QPen(Qt::red, 1));
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    return series;
}

// Cuts a label to the whole lines of its text that fit above `limit`, so that a long text stops
// short of the control below it instead of being drawn over it. The text itself stays whole.
void keepAbove(QLabel *label, int limit)
{
    const int room = limit - label->y();
    if (label->height() <= room)
        return;
    const QStringList lines = label->text().split(u'\n');
    const QRect unbounded(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int flags = int(label->alignment()) | Qt::TextExpandTabs;
    int height = 0;
    for (qsizetype shown = lines.size() - 1; shown > 0; --shown) {
        height = label->fontMetrics().boundingRect(unbounded, flags, lines.first(shown).join(u'\n')).height();
        if (height <= room)
            break;
    }
    label->resize(label->width(), std::min(height, room));
}

// The points of a per-trial series in ascending trial order (equal trials keep file order).
QList<QPointF> trialPoints(const std::vector<korven::TrialPoint> &series)
{
    QList<QPointF> points;
    points.reserve(qsizetype(series.size()));
    for (const korven::TrialPoint &point : series)
        points.append(QPointF(point.trial, point.value));
    std::stable_sort(points.begin(), points.end(),
                     [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
    return points;
}

} // namespace

TOKBottomDlg::TOKBottomDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowTitle(QStringLiteral("Evaluation(KORVEN)"));
    setFont(gothic(12));
    setFixedSize(862, 720);

    // Created first so that it is first in the focus chain.
    OKBtn = makeButton(this, QStringLiteral("OKBtn"), QStringLiteral("Close"), QRect(775, 12, 75, 25));
    OKBtn->setDefault(true);
    Button1 = makeButton(this, QStringLiteral("Button1"), QStringLiteral("Print"), QRect(680, 12, 75, 25));
    Button2 = makeButton(this, QStringLiteral("Button2"), QStringLiteral("Delete grades"), QRect(8, 664, 97, 25));
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    Label1 = makeLabel(this, QStringLiteral("Label1"), 24, 8, 16);

    // Success rate per trial.
    Chart1 = makeChart(this, QStringLiteral("Chart1"), QRect(8, 40, 400, 200),
                       QStringLiteral("Percentage of correct chromosomes per trial ( correct number /46)"));
    chart1X_ = makeAxis(Chart1->chart(), Qt::AlignBottom, QStringLiteral("trial(times)"));
    auto *chart1Y = makeAxis(Chart1->chart(), Qt::AlignLeft, twoLineTitle(PercentageTitle));
    setFixedRange(chart1Y, 0, 100, 20);
    Series2 = makeLine(Chart1->chart(), QStringLiteral("Series2"), chart1X_, chart1Y);

    // Success rate per slot: 46 black bars at the slot indices.
    Chart3 = makeChart(this, QStringLiteral("Chart3"), QRect(8, 248, 400, 200),
                       QStringLiteral("Percentage of correct per chromosomes<br>(correct traials/all trials)"));
    auto *chart3X = makeAxis(Chart3->chart(), Qt::AlignBottom, QStringLiteral("Chromosome number"));
    setFixedRange(chart3X, 0, 46, 5);
    auto *chart3Y = makeAxis(Chart3->chart(), Qt::AlignLeft, twoLineTitle(PercentageTitle));
    setFixedRange(chart3Y, 0, 100, 20);
    Series3 = new QBarSeries;
    Series3->setObjectName(QStringLiteral("Series3"));
    Series3->setName(QStringLiteral("正答率"));
    Series3->setBarWidth(0.7);
    Series3Values = new QBarSet(QStringLiteral("縦棒"));
    Series3Values->setColor(Qt::black);
    Series3Values->setBorderColor(Qt::black);
    Series3->append(Series3Values);
    Chart3->chart()->addSeries(Series3);
    Series3->attachAxis(chart3X);
    Series3->attachAxis(chart3Y);

    // Answer time per trial; the vertical axis starts at 48 seconds.
    Chart2 = makeChart(this, QStringLiteral("Chart2"), QRect(8, 456, 400, 200), Chart2Title);
    chart2X_ = makeAxis(Chart2->chart(), Qt::AlignBottom, QStringLiteral("trials(times)"));
    chart2Y_ = makeAxis(Chart2->chart(), Qt::AlignLeft, QStringLiteral("Answer time(sec.)"));
    Series1 = makeLine(Chart2->chart(), QStringLiteral("Series1"), chart2X_, chart2Y_);
    clearCharts();

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(416, 40, 441, 233);
    Bevel2 = new QFrame(this);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel2->setGeometry(416, 272, 441, 441);
    Bevel1->lower();
    Bevel2->lower();

    Label6 = makeLabel(this, QStringLiteral("Label6"), 440, Label6Top, 16);
    // Today's first line can be wider than the frame; it wraps inside the frame instead of
    // running off the dialog.
    Label6->setWordWrap(true);
    Label6->setFixedWidth(Bevel1->geometry().right() - 440 - 6);
    Label2 = makeLabel(this, QStringLiteral("Label2"), 432, 288, 16);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop); // cut at the bottom when too long
    Label3 = makeLabel(this, QStringLiteral("Label3"), 432, 632, 16);

    gridModel_ = new RecordGridModel(this);
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setModel(gridModel_);
    StringGrid1->hide();
    StringGrid2 = new QTableWidget(this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->hide();
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->hide();
    Label12 = makeLabel(this, QStringLiteral("Label12"), 0, 0, 12);
    Label12->hide();
    s = new QLabel(this);
    s->setObjectName(QStringLiteral("s"));
    s->hide();
}

void TOKBottomDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TOKBottomDlg::FormShow()
{
    const QString userId = Form1 ? Form1->UserId : QString();
    Label1->setText(korven::evaluationOfText(userId));
    Label1->adjustSize();
    clearCharts();

    // A file that cannot be read or a field that does not convert is reported; the dialog keeps
    // what was filled up to then.
    korven::ui::guarded([&] {
        const QString path = korven::recordPath(korven::resultFolder(), userId);
        const QStringList lines = korven::readTextLines(path);
        gridModel_->setLines(lines);
        const QString today = korven::recordDateText(today_.isValid() ? today_ : QDate::currentDate());
        const auto problemName = [](int problem) {
            return Form1 ? Form1->problemNameAt(problem - 1) : QString();
        };
        const std::optional<korven::TrialStatistics> stats =
            korven::evaluateTrialRecords(lines, today, problemName, path);

        if (!stats) {
            Label6->move(Label6->x(), NoResultsTop);
            Label6->setText(korven::NoResultsNotice);
            Label2->setText(korven::NoResultsAllTrials);
            Label3->clear();
            for (QLabel *label : {Label6, Label2, Label3})
                label->adjustSize();
            OKBtn->setFocus();
            return;
        }

        // Back to its own place after a no-results showing, or today's text would run into
        // the all-trial text below its frame.
        Label6->move(Label6->x(), Label6Top);
        fillCharts(*stats);
        Label6->setText(korven::todayText(stats->today));
        Label2->setText(korven::allTrialsText(*stats));
        Label3->setText(korven::problemText(*stats));
        for (QLabel *label : {Label6, Label2, Label3})
            label->adjustSize();
        // A long list of weak slots would run into the problem text below.
        keepAbove(Label2, Label3->y());
    });
}

void TOKBottomDlg::OKBtnClick() { accept(); }

void TOKBottomDlg::clearCharts()
{
    Series2->clear();
    Series1->clear();
    if (Series3Values->count() > 0)
        Series3Values->remove(0, Series3Values->count());
    setFixedRange(chart1X_, 0, 10, 2);
    setFixedRange(chart2X_, 0, 10, 2);
    setFixedRange(chart2Y_, 48, 100, 10);
}

void TOKBottomDlg::fillCharts(const korven::TrialStatistics &stats)
{
    const QList<QPointF> percentages = trialPoints(stats.correctPercentage);
    Series2->replace(percentages);
    setAutomaticRange(chart1X_, percentages.first().x(), percentages.last().x());

    QList<qreal> bars(stats.slotPercentage.begin(), stats.slotPercentage.end());
    Series3Values->append(bars);

    const QList<QPointF> times = trialPoints(stats.answerSeconds);
    Series1->replace(times);
    setAutomaticRange(chart2X_, times.first().x(), times.last().x());
    double longest = 48;
    for (const QPointF &point : times)
        longest = std::max(longest, point.y());
    // From 48 seconds up to the longest time (at least a little above the fixed minimum).
    const double top = std::max(longest, 49.0);
    setFixedRange(chart2Y_, 48, top, niceInterval(top - 48));
    Chart2->chart()->setTitle(Chart2Title);
}

// The horizontal axes follow the trial numbers shown; a single trial gets a little room.
void TOKBottomDlg::setAutomaticRange(QValueAxis *axis, double low, double high)
{
    if (high - low < 1) {
        low -= 1;
        high += 1;
    }
    setFixedRange(axis, low, high, niceInterval(high - low));
}
