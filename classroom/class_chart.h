#pragma once
// The class chart: the class's percentage of correct answers per chromosome pair over all trials,
// one black bar per pair.
#include "analysis/chart.h"
#include "classroom/class_overview.h"

namespace korven {

// The chart of `overview`; without trials it has its axes and no bars.
Chart classPairChart(const ClassOverview &overview);

} // namespace korven
