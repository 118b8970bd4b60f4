#pragma once
// The points of a series in a chart view, found by the series' name; a chart without that series
// gives a single point (-1, -1), which no test expects.
#include "analysis/ui/chart_view.h"

namespace korven::test {

inline QList<QPointF> seriesPoints(const korven::ui::ChartView *view, const QString &name)
{
    const korven::ChartSeries *series = view->chart().find(name);
    return series ? series->points : QList<QPointF>{QPointF(-1, -1)};
}

} // namespace korven::test
