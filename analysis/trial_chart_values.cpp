#include "analysis/trial_chart_values.h"

#include "analysis/trial_statistics.h"

#include <QCoreApplication>

#include <algorithm>

namespace korven {

namespace {

// The percentage titles are longer than the plot areas are high: on two lines they stay whole.
QString percentageTitle() { return twoLines(QCoreApplication::translate("TOKBottomDlg", "percentage of correct answers(%)")); }

// "Answer time" over an empty second line.
QString answerTimeTitle() { return QCoreApplication::translate("TOKBottomDlg", "Answer time") + u'\n'; }

ChartSeries redLine(const QString &name, const QString &title)
{
    ChartSeries line;
    line.name = name;
    line.title = title;
    line.kind = ChartSeriesKind::Line;
    line.color = Qt::red;
    return line;
}

// The points of a per-trial series in ascending trial order (equal trials keep file order); a
// line through one point draws nothing, so a single trial shows as a dot.
void plotTrials(ChartSeries &line, const std::vector<TrialPoint> &series)
{
    line.points.clear();
    for (const TrialPoint &point : series)
        line.points.append(QPointF(point.trial, point.value));
    std::stable_sort(line.points.begin(), line.points.end(),
                     [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
    line.pointsVisible = line.points.size() == 1;
}

} // namespace

TrialChartValues emptyTrialCharts()
{
    TrialChartValues c;

    c.perTrial.title = QCoreApplication::translate("TOKBottomDlg", "Percentage of correct chromosomes per trial ( correct number /46)");
    c.perTrial.x.title = QCoreApplication::translate("TOKBottomDlg", "trial(times)");
    c.perTrial.x.setRange(0, 10, 2);
    c.perTrial.y.title = percentageTitle();
    c.perTrial.y.setRange(0, 100, 20);
    c.perTrial.series = {redLine(QString::fromUtf16(PerTrialSeriesName), QStringLiteral("全染色体正答率"))};

    // 46 black bars at the slot indices.
    c.perSlot.title = QCoreApplication::translate("TOKBottomDlg", "Percentage of correct per chromosomes") + u'\n' + QCoreApplication::translate("TOKBottomDlg", "(correct traials/all trials)");
    c.perSlot.x.title = QCoreApplication::translate("TOKBottomDlg", "Chromosome number");
    c.perSlot.x.setRange(0, 46, 5);
    c.perSlot.y.title = percentageTitle();
    c.perSlot.y.setRange(0, 100, 20);
    ChartSeries bars;
    bars.name = QString::fromUtf16(PerSlotSeriesName);
    bars.title = QStringLiteral("正答率");
    bars.kind = ChartSeriesKind::Bars;
    bars.color = Qt::black;
    c.perSlot.series = {bars};

    // The vertical axis starts at 48 seconds.
    c.answerTime.title = answerTimeTitle();
    c.answerTime.x.title = QCoreApplication::translate("TOKBottomDlg", "trials(times)");
    c.answerTime.x.setRange(0, 10, 2);
    c.answerTime.y.title = QCoreApplication::translate("TOKBottomDlg", "Answer time(sec.)");
    c.answerTime.y.setRange(48, 100, 10);
    c.answerTime.series = {redLine(QString::fromUtf16(AnswerTimeSeriesName), QStringLiteral("解答時間"))};
    return c;
}

TrialChartValues trialCharts(const TrialStatistics &stats)
{
    TrialChartValues c = emptyTrialCharts();

    ChartSeries &percentages = c.perTrial.series.front();
    plotTrials(percentages, stats.correctPercentage);
    if (!percentages.points.isEmpty())
        setAutomaticRange(c.perTrial.x, percentages.points.first().x(), percentages.points.last().x());

    ChartSeries &bars = c.perSlot.series.front();
    for (size_t slot = 0; slot < stats.slotPercentage.size(); ++slot)
        bars.points.append(QPointF(double(slot), stats.slotPercentage[slot]));

    ChartSeries &times = c.answerTime.series.front();
    plotTrials(times, stats.answerSeconds);
    if (!times.points.isEmpty())
        setAutomaticRange(c.answerTime.x, times.points.first().x(), times.points.last().x());
    double longest = 48;
    for (const QPointF &point : times.points)
        longest = std::max(longest, point.y());
    // From 48 seconds up to the longest time (at least a little above the fixed minimum).
    const double top = std::max(longest, 49.0);
    c.answerTime.y.setRange(48, top, niceInterval(top - 48));
    return c;
}

} // namespace korven
