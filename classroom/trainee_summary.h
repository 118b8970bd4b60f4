#pragma once
// One trainee's row of the class overview, summarised from the trainee's trial record file, which
// is read tolerantly: a damaged file still gives what could be read, and says where it is damaged.
#include "analysis/trial_statistics.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace korven {

constexpr int SlotsPerTrial = 46;
constexpr int PairCount = 23;      // pairs 1..22 and the sex chromosomes
constexpr int SexPair = 23;        // the pair number standing for the slots "X" and "XY"
constexpr int TrendLength = 20;    // scores in the trend

// What could be read of a record file.
enum class RecordState {
    Read,       // every line read
    NoTrials,   // a header and no record yet
    Damaged,    // some lines could not be read; the row shows the rest
    Unreadable, // missing, a folder, or not readable: nothing read
};

// A record the statistics cover: its line (from 1) and its date as read.
struct ReadRecord {
    int line = 0;
    QDate date;
};

// A trainee's record file read tolerantly: the statistics of the good records and every fault.
struct RecordFileReading {
    RecordState state = RecordState::Read;
    std::optional<TrialStatistics> stats; // its today's summary is empty: see `records`
    std::vector<ReadRecord> records;      // the good records, in file order
    std::vector<RecordFault> faults; // by line, for Damaged
    QString error;                   // for Unreadable
};

// A record file's bytes, within the limits the trainer reads record files with. Throws KorvenError
// naming the file when it is missing, no regular file, too large or not readable.
QByteArray readRecordFileBytes(const QString &path);

// Reads from the file's bytes: lines holding bytes that are not CP932, a first line that is not
// the header and records with a date that is no short date or with a missing or non-numeric
// field are faults, and those records are left out. The dates are read in any locale's short
// format (two-digit years placed by `today`), ambiguous ones as the rest of the file suggests.
RecordFileReading readRecordBytes(const QByteArray &bytes, const QDate &today);
// Reads the file at `path`; a file that cannot be read gives Unreadable with the reason.
RecordFileReading readRecordFile(const QString &path, const QDate &today);

// Trials within the last days: today's, and those of the seven days ending today.
constexpr int WeekDays = 7;

struct TraineeSummary {
    QString id;
    RecordState state = RecordState::Read;
    QString mark;             // why the row is marked (file and line); empty for Read
    int trials = 0;
    int trialsToday = 0;
    int trialsLastWeek = 0;   // in the WeekDays days ending today
    int lastScore = 0;        // slots right in the last trial, of 46
    double meanPercent = 0.0; // slots right over all trials, in percent
    int bestScore = 0;
    double meanSeconds = 0.0;
    QDate lastDate;           // the last record's date
    int weakest = 0;          // pair 1..22, SexPair, or 0 when no slot was ever missed
    std::vector<int> recentScores; // the last TrendLength scores, oldest first
    std::array<int, SlotsPerTrial> slotHits{};
    // Case work, each case counted by its last evaluation (the ID.cases file; none: all 0).
    int casesDone = 0;
    int karyotypesRight = 0;
    int countsRight = 0;
    QString casesFault;       // why ID.cases was not read whole (also in `mark`); empty when it was

    // The row is marked: its trial or case record file is damaged or unreadable.
    bool damaged() const
    {
        return state == RecordState::Damaged || state == RecordState::Unreadable || !casesFault.isEmpty();
    }
};

// The score (slots right of 46) of a per-trial correct percentage.
int scoreOfPercentage(double percent);

// The pair whose slots were not right most often over `trials` trials; ties go to the lower pair;
// 0 when no slot was missed.
int weakestPair(const std::array<int, SlotsPerTrial> &slotHits, int trials);
// "1" .. "22", "X/Y" for SexPair, empty for 0.
QString pairText(int pair);
// The least-squares slope of the scores per trial; 0 for fewer than two scores.
double trendSlope(const std::vector<int> &scores);

// The row of the trainee `id` from a reading of the record file at `path`, its trials counted
// by their dates against `today`.
TraineeSummary summarise(const QString &id, const QString &path, const RecordFileReading &reading,
                         const QDate &today);

} // namespace korven
