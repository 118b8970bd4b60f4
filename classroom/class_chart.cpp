#include "classroom/class_chart.h"

#include <QCoreApplication>

namespace korven {

Chart classPairChart(const ClassOverview &overview)
{
    Chart chart;
    chart.title = QCoreApplication::translate("korven::ui::ClassWindow", "Class: percentage of correct per chromosome pair (all trials)");
    QStringList pairs;
    for (int pair = 1; pair <= PairCount; ++pair)
        pairs << (pair == SexPair ? QStringLiteral("XY") : pairText(pair)); // "X/Y" would not fit its band
    chart.x.setCategories(pairs);
    chart.x.title = QCoreApplication::translate("korven::ui::ClassWindow", "Chromosome pair");
    // A smaller type keeps the two-digit pairs whole in a chart of 23 bars.
    chart.x.labelPixelSize = 8;
    chart.y.title = QCoreApplication::translate("korven::ui::ClassWindow", "percentage of correct answers(%)");
    chart.y.setRange(0, 100, 20);

    ChartSeries bars;
    bars.name = QStringLiteral("ClassBars");
    bars.title = QCoreApplication::translate("korven::ui::ClassWindow", "Class");
    bars.kind = ChartSeriesKind::Bars;
    bars.color = Qt::black;
    if (overview.trials > 0) {
        const auto percentages = classPairPercentages(overview);
        for (size_t i = 0; i < percentages.size(); ++i)
            bars.points.append(QPointF(double(i), percentages[i]));
    }
    chart.series = {bars};
    return chart;
}

} // namespace korven
