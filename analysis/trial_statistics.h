#pragma once
// The evaluation of one user's trial record file: the chart series, the summary over all trials
// and today's summary. Works on the file's lines, so it is independent of any window.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace korven {

constexpr int StatSlotCount = 46;     // karyogram slots 0..45
constexpr int AutosomeSlotCount = 44; // slots 0..43; 44 is "X", 45 is "XY"

// Maps a problem number (1, 2, ...) to its problem name, or an empty text when the current
// catalogue has no such problem.
using ProblemNameLookup = std::function<QString(int problemNumber)>;

enum class ProblemSex { Female, Male, Unknown };

// "女" in the name makes a female problem; any other name is male; no name is unknown.
ProblemSex problemSex(const QString &problemName);

// The word shown after a problem number: "female", "male", the name's bytes 5 to 8 (CP932) as
// they stand for any other name, or "unknown" when there is no name.
QString problemSexWord(const QString &problemName);

struct TrialPoint {
    int trial = 0;
    double value = 0.0;
};

// Misses of the autosome slots 0..43: the greatest non-zero count and every slot that has it.
struct WeakSlots {
    std::vector<int> indices; // ascending; empty when no autosome slot was missed
    int misses = 0;         // their common miss count (0 when the list is empty)
};

// Sex-chromosome misses with the chances behind them: a female record offers two X slots,
// a male record one X slot (44) and one Y slot (45). Records of unknown sex count in neither.
struct SexMisses {
    int xMisses = 0;
    int xChances = 0;
    int yMisses = 0;
    int yChances = 0;
};

struct TodaySummary {
    QString date;                 // today's date text
    int count = 0;                // records dated today
    double averageSeconds = 0.0;  // meaningful only when count > 0
    WeakSlots weakSlots;          // over today's records
    SexMisses sexMisses;          // over today's records
};

struct TrialStatistics {
    int recordCount = 0;
    std::vector<TrialPoint> correctPercentage; // per trial, file order: hits * 100 / 46
    std::vector<TrialPoint> answerSeconds;     // per trial, file order: field 49
    std::array<double, StatSlotCount> slotPercentage{};
    std::array<int, StatSlotCount> slotHitCounts{}; // records in which the slot is a hit
    int correctAnswerCount = 0;
    double averageSeconds = 0.0;
    std::array<int, StatSlotCount - 1> slotMissCounts{}; // slots 0..44
    WeakSlots weakSlots;
    SexMisses sexMisses;
    QString mostMissedProblem;    // problem number text
    QString mostMissedSexWord;
    TodaySummary today;
    QString lastDate;             // the date field of the last record, in file order
};

// Evaluates the lines of a trial record file (line 1 is the header, never read). `path` only
// names the file in error messages. Returns no value (no results) when the file holds no
// record. Throws KorvenError naming the file, the line and the field when a field that is
// needed does not hold a whole number (a record with fewer than 50 fields has empty fields).
std::optional<TrialStatistics> evaluateTrialRecords(const QStringList &lines, const QString &today,
                                                    const ProblemNameLookup &problemName,
                                                    const QString &path = QString());

// A record that a tolerant evaluation left out: its line (from 1) and what is wrong with it.
struct RecordFault {
    int line = 0;
    QString reason;
};

// As evaluateTrialRecords, but a record with a number field that is missing or no whole number
// is left out and listed in `faults` instead of stopping the evaluation; the statistics cover the
// other records, and there is no value when none is left.
std::optional<TrialStatistics> evaluateTrialRecordsTolerantly(const QStringList &lines,
                                                              const QString &today,
                                                              const ProblemNameLookup &problemName,
                                                              std::vector<RecordFault> &faults);

// Reads the file and evaluates it. Throws KorvenError when the file is missing or unreadable.
std::optional<TrialStatistics> evaluateTrialRecordFile(const QString &path, const QString &today,
                                                       const ProblemNameLookup &problemName);

// The number of records and of those dated today (date field equal to `today`), without
// converting any field.
struct TrialCounts {
    int records = 0;
    int today = 0;
};
TrialCounts countTrialRecords(const QStringList &lines, const QString &today);

// The fields of a record line, split by the comma-text rule.
QStringList recordFields(const QString &line);
// The date field (field 1) of a record line, without splitting the fields after it; empty when
// the line has none.
QString recordDateField(const QString &line);

} // namespace korven
