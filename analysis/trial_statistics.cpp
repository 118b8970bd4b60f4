#include "analysis/trial_statistics.h"

#include "files/errors.h"
#include "files/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QStringView>

#include <bit>
#include <climits>
#include <cstdint>
#include <deque>
#include <map>

namespace korven {

namespace {

constexpr int FieldCount = 50;
constexpr int TrialField = 0;
constexpr int DateField = 1;
constexpr int ProblemField = 2;
constexpr int FirstSlotField = 3;
constexpr int TimeField = 49;

constexpr std::uint64_t bit(int n) { return std::uint64_t(1) << n; }
constexpr std::uint64_t slotFieldBits = ((bit(StatSlotCount) - 1) << FirstSlotField);

// Strict decimal conversion: an optional sign and at least one digit, nothing else.
bool parseWholeNumber(QStringView text, int &out)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    bool negative = false;
    if (size > 0 && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        i = 1;
    }
    if (i == size)
        return false;
    std::int64_t value = 0;
    for (; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c - u'0');
        if (value > std::int64_t(INT_MAX) + 1)
            return false;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return false;
    out = int(value);
    return true;
}

// Calls field(view) for each field of a line by the comma-text rule (fields separated by commas
// and by blanks outside double quotes; a quoted field loses its quotes and "" inside it becomes ")
// until it returns false. Fields are views into the line; only a quoted field holding "" is
// copied, into `keep`. This is the record reader's hot loop, so it copies nothing else.
template <typename Field>
void forEachField(QStringView line, std::deque<QString> &keep, Field &&field)
{
    const QChar *d = line.data();
    const qsizetype end = line.size();
    auto isBlank = [d](qsizetype i) { return d[i].unicode() <= ' '; };
    qsizetype pos = 0;
    while (pos < end && isBlank(pos))
        ++pos;
    while (pos < end) {
        bool more;
        if (d[pos] == u'"') {
            const qsizetype start = ++pos;
            bool doubled = false;
            while (pos < end) {
                if (d[pos] == u'"') {
                    if (pos + 1 < end && d[pos + 1] == u'"') {
                        doubled = true;
                        pos += 2;
                        continue;
                    }
                    break;
                }
                ++pos;
            }
            const QStringView inner = line.sliced(start, pos - start);
            if (pos < end)
                ++pos; // the closing quote
            if (doubled) {
                keep.push_back(inner.toString().replace(QStringLiteral("\"\""), QStringLiteral("\"")));
                more = field(QStringView(keep.back()));
            } else {
                more = field(inner);
            }
        } else {
            const qsizetype start = pos;
            while (pos < end && !isBlank(pos) && d[pos] != u',')
                ++pos;
            more = field(line.sliced(start, pos - start));
        }
        if (!more)
            return;
        while (pos < end && isBlank(pos))
            ++pos;
        if (pos < end && d[pos] == u',') {
            // A comma at the very end still closes an (empty) last field.
            if (pos + 1 == end && !field(QStringView()))
                return;
            do {
                ++pos;
            } while (pos < end && isBlank(pos));
        }
    }
}

// The values a written record can hold; anything else comes from an outside edit.
bool inRange(int field, int value)
{
    switch (field) {
    case TrialField:
        return value >= -1; // -1: a record an older version appended to an empty file
    case ProblemField:
        return value >= 1 && value <= 999;
    case TimeField:
        return value >= 0;
    default:
        return value >= -2 && value <= 1;
    }
}

QString fieldName(int field)
{
    switch (field) {
    case TrialField:
        return QCoreApplication::translate("TrialStatistics", "trial number");
    case DateField:
        return QCoreApplication::translate("TrialStatistics", "date");
    case ProblemField:
        return QCoreApplication::translate("TrialStatistics", "problem number");
    case TimeField:
        return QCoreApplication::translate("TrialStatistics", "answer time");
    default:
        return QCoreApplication::translate("TrialStatistics", "result of slot %1").arg(field - FirstSlotField);
    }
}

QString fileNameShown(const QString &path)
{
    return path.isEmpty() ? QCoreApplication::translate("TrialStatistics", "The trial record file")
                          : QCoreApplication::translate("TrialStatistics", "The trial record file %1").arg(QDir::toNativeSeparators(path));
}

// What is wrong with a field of a record line: "field 3 (problem number): "x" is not a whole number".
QString badFieldText(const QString &line, int field)
{
    const QStringList fields = recordFields(line);
    QString what;
    if (field >= fields.size())
        what = QCoreApplication::translate("TrialStatistics", "the field is missing");
    else if (int value = 0; parseWholeNumber(fields.at(field), value))
        what = QCoreApplication::translate("TrialStatistics", "%1 is out of range").arg(value);
    else
        what = QCoreApplication::translate("TrialStatistics", "\"%1\" is not a whole number").arg(fields.at(field));
    return QCoreApplication::translate("TrialStatistics", "field %1 (%2): %3").arg(field + 1).arg(fieldName(field), what);
}

[[noreturn]] void throwBadField(const QString &path, const QString &line, int lineIndex, int field)
{
    throw KorvenError(QCoreApplication::translate("TrialStatistics", "%1, line %2, %3.")
                          .arg(fileNameShown(path))
                          .arg(lineIndex + 1)
                          .arg(badFieldText(line, field)));
}

// One record as the evaluation needs it. Fields that did not convert are marked in `badFields`
// and reported only by the step that reads them.
struct Record {
    int line = 0; // index in the file's lines
    QStringView date;
    QStringView problemText;
    int trial = 0;
    int problem = 0;
    int seconds = 0;
    int hits = 0;
    std::uint64_t missedSlots = 0; // bit s: slot s was not a hit
    std::uint64_t badFields = 0;   // bit f: field f is missing or no whole number
};

Record parseRecord(QStringView line, std::deque<QString> &keep)
{
    Record record;
    int field = 0;
    auto take = [&](QStringView text) {
        int value = 0;
        const bool ok = field == DateField || (parseWholeNumber(text, value) && inRange(field, value));
        if (!ok)
            record.badFields |= bit(field);
        switch (field) {
        case TrialField:
            record.trial = value;
            break;
        case DateField:
            record.date = text;
            break;
        case ProblemField:
            record.problem = value;
            record.problemText = text;
            break;
        case TimeField:
            record.seconds = value;
            break;
        default:
            if (value == 1)
                ++record.hits;
            else
                record.missedSlots |= bit(field - FirstSlotField);
        }
        return ++field < FieldCount;
    };
    forEachField(line, keep, take);
    // Missing fields read as empty texts.
    while (field < FieldCount)
        take(QStringView());
    return record;
}

int missCount(std::uint64_t missedSlots) { return std::popcount(missedSlots); }

WeakSlots weakSlotsOf(const std::array<int, StatSlotCount - 1> &misses)
{
    WeakSlots weak;
    for (int s = 0; s < AutosomeSlotCount; ++s) {
        if (misses[s] > weak.misses)
            weak.misses = misses[s];
    }
    if (weak.misses == 0)
        return weak;
    for (int s = 0; s < AutosomeSlotCount; ++s) {
        if (misses[s] == weak.misses)
            weak.indices.push_back(s);
    }
    return weak;
}

void addSexMisses(SexMisses &sex, ProblemSex problemSex, std::uint64_t missedSlots)
{
    const bool firstMissed = missedSlots & bit(44);
    const bool secondMissed = missedSlots & bit(45);
    switch (problemSex) {
    case ProblemSex::Female:
        sex.xChances += 2;
        sex.xMisses += int(firstMissed) + int(secondMissed);
        break;
    case ProblemSex::Male:
        sex.xChances += 1;
        sex.yChances += 1;
        sex.xMisses += int(firstMissed);
        sex.yMisses += int(secondMissed);
        break;
    case ProblemSex::Unknown:
        break;
    }
}

} // namespace

ProblemSex problemSex(const QString &problemName)
{
    if (problemName.isEmpty())
        return ProblemSex::Unknown;
    return problemName.contains(u'女') ? ProblemSex::Female : ProblemSex::Male;
}

QString problemSexWord(const QString &problemName)
{
    if (problemName.isEmpty())
        return QCoreApplication::translate("TrialStatistics", "unknown");
    // The stem's bytes 5 to 8 ("正常" takes bytes 1 to 4) say the sex.
    const QByteArray word = toCp932(problemName).mid(4, 4);
    if (word == toCp932(QStringLiteral("女性")))
        return QCoreApplication::translate("TrialStatistics", "female");
    if (word == toCp932(QStringLiteral("男性")))
        return QCoreApplication::translate("TrialStatistics", "male");
    return fromCp932(word);
}

QStringList recordFields(const QString &line)
{
    QStringList fields;
    std::deque<QString> keep;
    forEachField(line, keep, [&](QStringView field) {
        fields.append(field.toString());
        return true;
    });
    return fields;
}

QString recordDateField(const QString &line)
{
    QString date;
    std::deque<QString> keep;
    int field = 0;
    forEachField(line, keep, [&](QStringView text) {
        if (field == DateField)
            date = text.toString();
        return ++field <= DateField;
    });
    return date;
}

namespace {

// The evaluation. Without `faults` a field that does not convert stops it (in the step that
// reads the field); with `faults` such records are left out and listed there.
std::optional<TrialStatistics> evaluate(const QStringList &lines, const QString &today,
                                        const ProblemNameLookup &problemName, const QString &path,
                                        std::vector<RecordFault> *faults)
{
    if (lines.size() <= 1)
        return std::nullopt;

    std::deque<QString> keep; // the few fields that had to be unescaped
    std::vector<Record> records;
    records.reserve(lines.size() - 1);
    for (int r = 1; r < lines.size(); ++r) {
        Record record = parseRecord(lines.at(r), keep);
        record.line = r;
        if (faults && record.badFields) {
            faults->push_back({r + 1, badFieldText(lines.at(r), std::countr_zero(record.badFields))});
            continue;
        }
        records.push_back(record);
    }
    const int n = int(records.size());
    if (n == 0)
        return std::nullopt;

    // The first field (in field order) that the step needs and that did not convert.
    auto check = [&](int r, std::uint64_t needed) {
        const std::uint64_t bad = records[r].badFields & needed;
        if (bad)
            throwBadField(path, lines.at(records[r].line), records[r].line, std::countr_zero(bad));
    };

    TrialStatistics stats;
    stats.recordCount = n;

    // Per-trial correct percentage.
    stats.correctPercentage.reserve(n);
    for (int r = 0; r < n; ++r) {
        check(r, bit(TrialField) | slotFieldBits);
        stats.correctPercentage.push_back({records[r].trial, records[r].hits * 100.0 / StatSlotCount});
    }

    // Per-trial answer time.
    stats.answerSeconds.reserve(n);
    for (int r = 0; r < n; ++r) {
        check(r, bit(TimeField));
        stats.answerSeconds.push_back({records[r].trial, double(records[r].seconds)});
    }

    // Per-slot figures, correct answers and the average time.
    std::array<int, StatSlotCount> slotMisses{};
    double secondsSum = 0.0;
    for (const Record &record : records) {
        for (std::uint64_t m = record.missedSlots; m; m &= m - 1)
            ++slotMisses[std::countr_zero(m)];
        if (record.missedSlots == 0)
            ++stats.correctAnswerCount;
        secondsSum += record.seconds;
    }
    for (int s = 0; s < StatSlotCount; ++s) {
        stats.slotHitCounts[s] = n - slotMisses[s];
        stats.slotPercentage[s] = (n - slotMisses[s]) * 100.0 / n;
    }
    stats.averageSeconds = secondsSum / n;
    for (int s = 0; s < StatSlotCount - 1; ++s)
        stats.slotMissCounts[s] = slotMisses[s];
    stats.weakSlots = weakSlotsOf(stats.slotMissCounts);

    // Sex-chromosome misses by the problem's sex; names are looked up once per problem number.
    QHash<int, QString> names;
    auto nameOf = [&](int problem) -> const QString & {
        auto it = names.find(problem);
        if (it == names.end())
            it = names.insert(problem, problemName ? problemName(problem) : QString());
        return it.value();
    };
    std::vector<ProblemSex> sexes(n);
    for (int r = 0; r < n; ++r) {
        check(r, bit(ProblemField));
        sexes[r] = problemSex(nameOf(records[r].problem));
        addSexMisses(stats.sexMisses, sexes[r], records[r].missedSlots);
    }

    // Most-missed problem: the highest average misses per trial; ties keep the lower number.
    struct ProblemMisses {
        std::int64_t misses = 0;
        std::int64_t trials = 0;
        int number = 0;
    };
    std::map<QStringView, ProblemMisses> problems;
    for (const Record &record : records) {
        ProblemMisses &p = problems[record.problemText];
        p.misses += missCount(record.missedSlots);
        ++p.trials;
        p.number = record.problem;
    }
    auto worst = problems.begin();
    for (auto it = std::next(problems.begin()); it != problems.end(); ++it) {
        // it->misses / it->trials > worst->misses / worst->trials, without rounding
        if (it->second.misses * worst->second.trials > worst->second.misses * it->second.trials)
            worst = it;
    }
    stats.mostMissedProblem = worst->first.toString();
    stats.mostMissedSexWord = problemSexWord(nameOf(worst->second.number));

    // Today's summary.
    TodaySummary &day = stats.today;
    day.date = today;
    std::array<int, StatSlotCount - 1> todayMisses{};
    double todaySeconds = 0.0;
    for (int r = 0; r < n; ++r) {
        const Record &record = records[r];
        if (record.date != today)
            continue;
        ++day.count;
        todaySeconds += record.seconds;
        for (int s = 0; s < StatSlotCount - 1; ++s) {
            if (record.missedSlots & bit(s))
                ++todayMisses[s];
        }
        addSexMisses(day.sexMisses, sexes[r], record.missedSlots);
    }
    if (day.count > 0)
        day.averageSeconds = todaySeconds / day.count;
    day.weakSlots = weakSlotsOf(todayMisses);
    stats.lastDate = records.back().date.toString();
    return stats;
}

} // namespace

std::optional<TrialStatistics> evaluateTrialRecords(const QStringList &lines, const QString &today,
                                                    const ProblemNameLookup &problemName,
                                                    const QString &path)
{
    return evaluate(lines, today, problemName, path, nullptr);
}

std::optional<TrialStatistics> evaluateTrialRecordsTolerantly(const QStringList &lines,
                                                              const QString &today,
                                                              const ProblemNameLookup &problemName,
                                                              std::vector<RecordFault> &faults)
{
    return evaluate(lines, today, problemName, QString(), &faults);
}

std::optional<TrialStatistics> evaluateTrialRecordFile(const QString &path, const QString &today,
                                                       const ProblemNameLookup &problemName)
{
    return evaluateTrialRecords(readTextLines(path, RecordFileLimits), today, problemName, path);
}

TrialCounts countTrialRecords(const QStringList &lines, const QString &today)
{
    TrialCounts counts;
    std::deque<QString> keep;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        ++counts.records;
        int field = 0;
        forEachField(lines.at(i), keep, [&](QStringView text) {
            if (field == DateField && text == today)
                ++counts.today;
            return ++field <= DateField;
        });
        keep.clear();
    }
    return counts;
}

} // namespace korven
