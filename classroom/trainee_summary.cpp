#include "classroom/trainee_summary.h"

#include "classroom/record_dates.h"
#include "files/errors.h"
#include "files/text_file.h"
#include "users/trial_records.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <set>

namespace korven {

QByteArray readRecordFileBytes(const QString &path)
{
    // The limits of the trainer's own reading of record files.
    return readTextFile(path, RecordFileLimits);
}

namespace {

// A field's text as a message quotes it: a hand-edited line may hold a great deal.
QString shortened(const QString &text)
{
    constexpr qsizetype Longest = 40; // characters
    return text.size() <= Longest ? text : text.left(Longest) + QStringLiteral("...");
}

} // namespace

RecordFileReading readRecordBytes(const QByteArray &bytes, const QDate &today)
{
    RecordFileReading reading;
    CheckedTextLines checked = checkedCp932Lines(bytes);
    QStringList &lines = checked.lines;

    std::vector<RecordFault> faults;
    // Lines with broken text are left out: emptied, they are no record.
    for (int line : checked.invalidLines) {
        faults.push_back({line, QCoreApplication::translate("TraineeSummary", "bytes that are not CP932 text")});
        if (line > 1)
            lines[line - 1].clear();
    }
    if (lines.isEmpty())
        faults.push_back({1, QCoreApplication::translate("TraineeSummary", "the file is empty, without even its header line")});
    else if (lines.first() != trialRecordHeader() && (faults.empty() || faults.front().line != 1))
        faults.push_back({1, QCoreApplication::translate("TraineeSummary", "not the header line of a trial record file")});
    // The dates, read together so that ambiguous ones follow the file's order; a record whose
    // date is no short date is left out, emptied like a broken line.
    QStringList dateTexts;
    std::vector<int> dateLines;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        dateTexts << recordDateField(lines.at(i));
        dateLines.push_back(i + 1);
    }
    const std::vector<QDate> dates = readRecordDates(dateTexts, today, shortDateOrder(QLocale()));
    std::vector<ReadRecord> dated;
    for (size_t k = 0; k < dates.size(); ++k) {
        const int line = dateLines[k];
        if (dates[k].isValid()) {
            dated.push_back({line, dates[k]});
            continue;
        }
        faults.push_back({line, QCoreApplication::translate("TraineeSummary", "the date \"%1\" cannot be read")
                                    .arg(shortened(dateTexts.at(qsizetype(k))))});
        lines[line - 1].clear();
    }
    // Today's summary of the trainer compares date texts; the overview counts by the dates read.
    std::vector<RecordFault> fieldFaults;
    reading.stats = evaluateTrialRecordsTolerantly(lines, QString(), {}, fieldFaults);
    // One fault per line, the first found; a record on a faulty line is left out. Looked up in a
    // set, since a badly damaged file has a fault on nearly every one of its lines.
    std::set<int> faultLines;
    for (const RecordFault &fault : faults)
        faultLines.insert(fault.line);
    for (const RecordFault &fault : fieldFaults) {
        if (faultLines.insert(fault.line).second)
            faults.push_back(fault);
    }
    std::stable_sort(faults.begin(), faults.end(),
                     [](const RecordFault &a, const RecordFault &b) { return a.line < b.line; });
    for (const ReadRecord &record : dated) {
        if (!faultLines.count(record.line))
            reading.records.push_back(record);
    }
    reading.faults = std::move(faults);
    if (!reading.faults.empty())
        reading.state = RecordState::Damaged;
    else if (!reading.stats)
        reading.state = RecordState::NoTrials;
    return reading;
}

RecordFileReading readRecordFile(const QString &path, const QDate &today)
{
    QByteArray bytes;
    try {
        bytes = readRecordFileBytes(path);
    } catch (const KorvenError &e) {
        RecordFileReading reading;
        reading.state = RecordState::Unreadable;
        reading.error = e.message();
        return reading;
    }
    return readRecordBytes(bytes, today);
}

int scoreOfPercentage(double percent)
{
    return int(std::lround(percent * SlotsPerTrial / 100.0));
}

int weakestPair(const std::array<int, SlotsPerTrial> &slotHits, int trials)
{
    int weakest = 0;
    int mostMisses = 0;
    for (int pair = 1; pair <= PairCount; ++pair) {
        const int misses = 2 * trials - slotHits[2 * pair - 2] - slotHits[2 * pair - 1];
        if (misses > mostMisses) {
            mostMisses = misses;
            weakest = pair;
        }
    }
    return weakest;
}

QString pairText(int pair)
{
    if (pair == SexPair)
        return QStringLiteral("X/Y");
    return pair > 0 ? QString::number(pair) : QString();
}

double trendSlope(const std::vector<int> &scores)
{
    const int n = int(scores.size());
    if (n < 2)
        return 0.0;
    const double meanX = (n - 1) / 2.0;
    double meanY = 0.0;
    for (int score : scores)
        meanY += score;
    meanY /= n;
    double sxy = 0.0;
    double sxx = 0.0;
    for (int i = 0; i < n; ++i) {
        sxy += (i - meanX) * (scores[i] - meanY);
        sxx += (i - meanX) * (i - meanX);
    }
    return sxy / sxx;
}

TraineeSummary summarise(const QString &id, const QString &path, const RecordFileReading &reading,
                         const QDate &today)
{
    TraineeSummary row;
    row.id = id;
    row.state = reading.state;
    const QString file = QDir::toNativeSeparators(path);
    switch (reading.state) {
    case RecordState::Read:
        break;
    case RecordState::NoTrials:
        row.mark = QCoreApplication::translate("TraineeSummary", "No trial recorded yet (%1).").arg(file);
        break;
    case RecordState::Unreadable:
        row.mark = reading.error;
        break;
    case RecordState::Damaged: {
        const RecordFault &first = reading.faults.front();
        row.mark = QCoreApplication::translate("TraineeSummary", "%1, line %2: %3.").arg(file).arg(first.line).arg(first.reason);
        const int more = int(reading.faults.size()) - 1;
        if (more > 0)
            row.mark += u' ' + QCoreApplication::translate("TraineeSummary", "%n more damaged line(s) left out.",
                                                          nullptr, more);
        break;
    }
    }
    if (!reading.stats)
        return row;

    const TrialStatistics &stats = *reading.stats;
    row.trials = stats.recordCount;
    for (const ReadRecord &record : reading.records) {
        row.trialsToday += record.date == today;
        row.trialsLastWeek += record.date <= today && record.date > today.addDays(-WeekDays);
    }
    row.lastScore = scoreOfPercentage(stats.correctPercentage.back().value);
    qint64 hits = 0;
    for (int h : stats.slotHitCounts)
        hits += h;
    row.meanPercent = hits * 100.0 / (double(SlotsPerTrial) * stats.recordCount);
    for (const TrialPoint &point : stats.correctPercentage)
        row.bestScore = std::max(row.bestScore, scoreOfPercentage(point.value));
    row.meanSeconds = stats.averageSeconds;
    row.lastDate = reading.records.empty() ? QDate() : reading.records.back().date;
    row.slotHits = stats.slotHitCounts;
    row.weakest = weakestPair(row.slotHits, row.trials);
    const size_t count = stats.correctPercentage.size();
    for (size_t i = count - std::min<size_t>(count, TrendLength); i < count; ++i)
        row.recentScores.push_back(scoreOfPercentage(stats.correctPercentage[i].value));
    return row;
}

} // namespace korven
