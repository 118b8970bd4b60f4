#pragma once
// The three charts of one trainee's trials (success rate per trial, success rate per slot,
// answer time per trial) in the analysis dialog's look, so that other windows show the same
// charts the same way.
#include "analysis/ui/chart_view.h"

#include <QRect>
#include <QString>

namespace korven {
struct TrialStatistics;
}

namespace korven::ui {

struct TrialCharts {
    ChartView *perTrial = nullptr;   // "Chart1": correct percentage per trial
    ChartView *perSlot = nullptr;    // "Chart3": correct percentage per slot
    ChartView *answerTime = nullptr; // "Chart2": answer time per trial

    // Empties the series and puts the axes back to their empty ranges.
    void clear();
    // Plots the statistics' series (trials in ascending order; 46 bars).
    void fill(const korven::TrialStatistics &stats);
};

// Creates the three charts as children of `parent`, with the given geometries.
TrialCharts makeTrialCharts(QWidget *parent, const QRect &perTrial, const QRect &perSlot,
                            const QRect &answerTime);

} // namespace korven::ui
