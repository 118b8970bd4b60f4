#pragma once
// The whole class: every trainee folder of a Result folder summarised, read in parallel, and the
// class's figures per chromosome pair.
#include "classroom/trainee_summary.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

namespace korven {

struct ClassOverview {
    QString resultFolder;
    std::vector<TraineeSummary> trainees;          // in ID order
    std::array<qint64, SlotsPerTrial> slotHits{};  // over every trainee's trials
    qint64 trials = 0;
};

// The trainees of a Result folder: its subfolders (hidden ones left out), in ID order. Throws
// KorvenError when the folder is missing or cannot be read.
QStringList traineeIds(const QString &resultFolder);

// Called from the reading threads after each trainee, with the count done and the total.
using LoadProgress = std::function<void(int done, int total)>;

// Reads and summarises every trainee's record file, several at once, counting trials by their
// dates against `today`. Throws KorvenError when the folder cannot be read; a trainee's bad file
// only marks its row.
ClassOverview loadClass(const QString &resultFolder, const QDate &today,
                        const LoadProgress &progress = {});

// The percentage of slots right per pair (index 0 is pair 1, index 22 the sex chromosomes) over
// all the class's trials; 0 everywhere without trials.
std::array<double, PairCount> classPairPercentages(const ClassOverview &overview);

} // namespace korven
