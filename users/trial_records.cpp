#include "users/trial_records.h"

#include "exercise/comma_text.h"
#include "exercise/errors.h"
#include "exercise/text_file.h"

#include <QDir>
#include <QFile>
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
    // The trial number counts the records already there: every line but the header.
    const QStringList lines = readTextLines(path);

    TrialRecord record;
    record.trialNumber = int(lines.size()) - 1;
    record.date = recordDateText(today);
    record.problemNumber = problemNumber;
    record.results = results;
    record.answerSeconds = answerSeconds;

    QString line = formatTrialRecord(record) + QStringLiteral("\r\n");
    // A file whose last line lacks its line end (an outside edit) would glue the record to it.
    QFile file(path);
    if (file.size() > 0 && file.open(QIODevice::ReadOnly)) {
        file.seek(file.size() - 1);
        char last = 0;
        if (file.getChar(&last) && last != '\n' && last != '\r')
            line.prepend(QStringLiteral("\r\n"));
    }
    appendToFile(path, toCp932(line));
    return record;
}

void resetTrialRecords(const QString &path)
{
    writeFileAtomically(path, trialRecordFileStart());
}

} // namespace korven
