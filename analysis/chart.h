#pragma once
// A chart as plain values (a title, a horizontal and a vertical axis, line and bar series) and the
// arithmetic that lays it out: tick values, label texts, the plot area and values to pixels. The
// widget in analysis/ui/chart_view.h draws it on screen and on paper.
#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace korven {

// A value axis (a range with ticks at the multiples of `interval`) or, with categories, one band
// per name: category i is centred at value i and the range runs from -0.5 to count - 0.5.
struct ChartAxis {
    QString title; // lines separated by '\n'
    double min = 0;
    double max = 1;
    double interval = 1;
    QStringList categories;
    int labelPixelSize = 12;

    bool isCategory() const { return !categories.isEmpty(); }
    void setRange(double low, double high, double tickInterval);
    void setCategories(const QStringList &names);
};

enum class ChartSeriesKind { Line, Bars };

struct ChartSeries {
    QString name;  // the series' name in the window ("Series2"), for finding it
    QString title; // its title, as a legend would show it
    ChartSeriesKind kind = ChartSeriesKind::Line;
    QColor color;
    // Lines: in the order drawn. Bars: x is the bar's centre on the horizontal axis, y its height.
    QList<QPointF> points;
    bool pointsVisible = false; // lines: a dot on every point (one point alone draws no line)
    double barWidth = 0.7;      // bars: in units of the horizontal axis
};

struct Chart {
    QString title; // lines separated by '\n'; an empty last line keeps room
    ChartAxis x;
    ChartAxis y;
    QList<ChartSeries> series;

    // The series named `name`, or nullptr.
    ChartSeries *find(const QString &name);
    const ChartSeries *find(const QString &name) const;
};

// A round tick interval (1, 2 or 5 times a power of ten, at least 1) giving about five intervals.
double niceInterval(double span);
// Sets `axis` to run over [low, high] with a round interval; a span under 1 gets 1 more on each side.
void setAutomaticRange(ChartAxis &axis, double low, double high);

// The values with a tick: the multiples of the interval inside a value axis's range, or the
// category centres.
QList<double> tickValues(const ChartAxis &axis);
// The edges of the bands of a category axis, where its grid lines go; none for a value axis.
QList<double> bandEdges(const ChartAxis &axis);
// The label at a tick: a value axis shows whole numbers, a category axis its names.
QString tickLabel(const ChartAxis &axis, double value);

// Maps `value` from the axis's range [min, max] onto pixels [from, to]; `to` is smaller than `from`
// for a vertical axis, which grows upwards.
double toPixel(double value, double min, double max, double from, double to);

// The room the texts around the plot take, in pixels.
struct ChartTextRoom {
    double title = 0;         // the chart's title above the plot, with its gap
    double bottomLabels = 0;  // the horizontal axis's labels below the plot, with the ticks
    double bottomTitle = 0;   // the horizontal axis's title below them
    double leftLabels = 0;    // the vertical axis's labels left of the plot, with the ticks
    double leftTitle = 0;     // the vertical axis's title (turned) left of them
    double rightOverhang = 0; // half of the widest bottom label, which may reach past the plot
};
// The plot area inside `bounds` (margins already taken off) once the texts have their room.
QRectF plotArea(const QRectF &bounds, const ChartTextRoom &room);

// Breaks a title into two lines at the blank nearest its middle; a title without blanks stays whole.
QString twoLines(const QString &title);

} // namespace korven
