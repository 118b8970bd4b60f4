#pragma once
// The texts of the analysis dialog, built from the evaluated trial records.
#include "analysis/trial_statistics.h"

#include <QString>

namespace korven {

// Label6 and Label2 when the user has no trial on record.
QString noResultsNotice();
QString noResultsAllTrials();

// "Evaluation of " followed by the user's ID.
QString evaluationOfText(const QString &userId);

// An average in whole seconds: fixed point without decimals, halves rounded away from zero.
QString formatAverageSeconds(double seconds);

// Today's text (Label6). With no trial today the average is shown as 0.
QString todayText(const TodaySummary &today);

// The weak autosome slots: five ideographic spaces, then " slot (misses" for each slot, closed
// by ")  ", or by ")" and a blank line for every fourth entry.
QString weakSlotList(const WeakSlots &weak);

// The summary over all trials (Label2).
QString allTrialsText(const TrialStatistics &stats);

// The problem missed most often (Label3).
QString problemText(const TrialStatistics &stats);

} // namespace korven
