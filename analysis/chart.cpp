#include "analysis/chart.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korven {

void ChartAxis::setRange(double low, double high, double tickInterval)
{
    categories.clear();
    min = low;
    max = high;
    interval = tickInterval;
}

void ChartAxis::setCategories(const QStringList &names)
{
    categories = names;
    min = -0.5;
    max = double(names.size()) - 0.5;
    interval = 1;
}

ChartSeries *Chart::find(const QString &name)
{
    auto it = std::find_if(series.begin(), series.end(), [&](const ChartSeries &s) { return s.name == name; });
    return it == series.end() ? nullptr : &*it;
}

const ChartSeries *Chart::find(const QString &name) const { return const_cast<Chart *>(this)->find(name); }

double niceInterval(double span)
{
    const double raw = std::max(span / 5.0, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double step : {1.0, 2.0, 5.0}) {
        if (step * power >= raw)
            return step * power;
    }
    return 10.0 * power;
}

void setAutomaticRange(ChartAxis &axis, double low, double high)
{
    if (high - low < 1) {
        low -= 1;
        high += 1;
    }
    axis.setRange(low, high, niceInterval(high - low));
}

QList<double> tickValues(const ChartAxis &axis)
{
    QList<double> values;
    if (axis.isCategory()) {
        for (qsizetype i = 0; i < axis.categories.size(); ++i)
            values << double(i);
        return values;
    }
    if (!(axis.interval > 0) || !(axis.max >= axis.min))
        return values;
    // A little slack so that a range ending on a multiple keeps its last tick despite rounding.
    const double slack = axis.interval * 1e-9;
    const double first = std::ceil((axis.min - slack) / axis.interval);
    const double last = std::floor((axis.max + slack) / axis.interval);
    for (double k = first; k <= last && values.size() < 1000; ++k)
        values << k * axis.interval;
    return values;
}

QList<double> bandEdges(const ChartAxis &axis)
{
    QList<double> edges;
    for (qsizetype i = 0; axis.isCategory() && i <= axis.categories.size(); ++i)
        edges << double(i) - 0.5;
    return edges;
}

QString tickLabel(const ChartAxis &axis, double value)
{
    if (axis.isCategory()) {
        const qint64 index = std::llround(value);
        return index >= 0 && index < axis.categories.size() ? axis.categories.at(index) : QString();
    }
    return QString::number(std::llround(value));
}

double toPixel(double value, double min, double max, double from, double to)
{
    if (max == min)
        return from;
    return from + (value - min) / (max - min) * (to - from);
}

QRectF plotArea(const QRectF &bounds, const ChartTextRoom &room)
{
    const double left = bounds.left() + room.leftTitle + room.leftLabels;
    const double top = bounds.top() + room.title;
    const double right = bounds.right() - room.rightOverhang;
    const double bottom = bounds.bottom() - room.bottomTitle - room.bottomLabels;
    return QRectF(QPointF(left, top), QPointF(std::max(left, right), std::max(top, bottom)));
}

QString twoLines(const QString &title)
{
    const qsizetype middle = title.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < title.size(); ++i) {
        if (title.at(i) == u' ' && (best < 0 || std::abs(i - middle) < std::abs(best - middle)))
            best = i;
    }
    if (best < 0)
        return title;
    return title.left(best) + u'\n' + title.mid(best + 1);
}

} // namespace korven
