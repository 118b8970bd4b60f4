#include "analysis/ui/trial_charts.h"

#include "analysis/trial_chart_values.h"

namespace korven::ui {

namespace {

ChartView *makeView(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *view = new ChartView(parent);
    view->setObjectName(name);
    view->setGeometry(geometry);
    return view;
}

void show(const TrialCharts &charts, const TrialChartValues &values)
{
    charts.perTrial->setChart(values.perTrial);
    charts.perSlot->setChart(values.perSlot);
    charts.answerTime->setChart(values.answerTime);
}

} // namespace

TrialCharts makeTrialCharts(QWidget *parent, const QRect &perTrial, const QRect &perSlot,
                            const QRect &answerTime)
{
    TrialCharts c;
    c.perTrial = makeView(parent, QStringLiteral("Chart1"), perTrial);
    c.perSlot = makeView(parent, QStringLiteral("Chart3"), perSlot);
    c.answerTime = makeView(parent, QStringLiteral("Chart2"), answerTime);
    c.clear();
    return c;
}

void TrialCharts::clear() { show(*this, emptyTrialCharts()); }

void TrialCharts::fill(const korven::TrialStatistics &stats) { show(*this, trialCharts(stats)); }

} // namespace korven::ui
