#pragma once
// The three charts of one trainee's trials as chart values: correct percentage per trial,
// correct percentage per slot and answer time per trial. The analysis dialog and the class
// overview show them alike.
#include "analysis/chart.h"

namespace korven {

struct TrialStatistics;

// The series' names in their charts.
inline constexpr char16_t PerTrialSeriesName[] = u"Series2";   // in the per-trial chart
inline constexpr char16_t PerSlotSeriesName[] = u"Series3";    // in the per-slot chart
inline constexpr char16_t AnswerTimeSeriesName[] = u"Series1"; // in the answer-time chart

struct TrialChartValues {
    Chart perTrial;
    Chart perSlot;
    Chart answerTime;
};

// The charts without points, their axes at their empty ranges.
TrialChartValues emptyTrialCharts();
// The charts of `stats`: the trials in ascending order (equal trials in file order), 46 bars.
TrialChartValues trialCharts(const TrialStatistics &stats);

} // namespace korven
