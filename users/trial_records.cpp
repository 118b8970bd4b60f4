#include "users/trial_records.h"

#include "files/comma_text.h"
#include "files/errors.h"
#include "files/text_file.h"

#include <QDir>
#include <QLocale>

namespace korven {

QString trialRecordHeader()
{
    QString header = QStringLiteral(" 試行No,日時,データファイル");
    for (int column = 1; column <= 46; ++column)
        header += u',' + QString::number(column);
    header += QStringLiteral(",解答時間");
    return header;
}

QByteArray trialRecordFileStart()
{
    return linesToCp932({trialRecordHeader()});
}

QString recordDateText(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString formatTrialRecord(const TrialRecord &record)
{
    QStringList fields;
    fields.reserve(50);
    fields << QString::number(record.trialNumber) << record.date << record.problemNumber;
    for (int result : record.results)
        fields << QString::number(result);
    fields << QString::number(record.answerSeconds);
    return joinCommaText(fields);
}

TrialRecord appendTrialRecord(const QString &path, const std::array<int, 46> &results,
                              const QString &problemNumber, int answerSeconds, const QDate &today)
{
    // The trial number counts the records already there: every line but the header. The count is
    // streamed, so a large file is never held in memory.
    const LineCount existing = countTextLines(path, RecordFileLimits.maxBytes);

    TrialRecord record;
    record.trialNumber = existing.lines == 0 ? 0 : int(existing.lines - 1);
    record.date = recordDateText(today);
    record.problemNumber = problemNumber;
    record.results = results;
    record.answerSeconds = answerSeconds;

    QString line = formatTrialRecord(record) + QStringLiteral("\r\n");
    if (existing.lines == 0) {
        // An emptied file gets its header back first, so the record is trial 0 and is read.
        line.prepend(trialRecordHeader() + QStringLiteral("\r\n"));
    } else if (!existing.endsWithLineEnd && existing.tornTail == 0) {
        // A last line without its line end (an outside edit) would glue the record to it.
        line.prepend(QStringLiteral("\r\n"));
    }
    // A character cut short at the end is dropped by every reader; the record takes its place.
    const QByteArray bytes = toCp932(line);
    // Never grow the file past what the analysis reads: the trial would be recorded and lost.
    const qint64 linesAfter = existing.lines == 0 ? 2 : existing.lines + 1;
    checkReadLimits(path, existing.bytes - existing.tornTail + bytes.size(), linesAfter, RecordFileLimits);
    appendToFile(path, bytes, existing.tornTail);
    return record;
}

void resetTrialRecords(const QString &path)
{
    writeFileAtomically(path, trialRecordFileStart());
}

} // namespace korven
