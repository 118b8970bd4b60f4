#pragma once
// The trial record file <ID>.kek: a fixed header line, then one comma-text line per trial.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

namespace korven {

// The header line (without its line end); 165 bytes in CP932, starting with a blank.
QString trialRecordHeader();
// The header line followed by CR LF, in CP932: the whole content of a new or cleared file.
QByteArray trialRecordFileStart();

struct TrialRecord {
    int trialNumber = 0;
    QString date;           // the system's short date format, date only
    QString problemNumber;  // "001", ...
    std::array<int, 46> results{};
    int answerSeconds = 0;
};

// The date text of a record: the locale's short date format, date only.
QString recordDateText(const QDate &date);

// The record's 50 fields joined by the comma-text rule (no line end).
QString formatTrialRecord(const TrialRecord &record);

// Appends one record to the file at path: counts the file's lines to number the trial (line count
// minus 1), then appends the line with CR LF in one write; an empty file gets the header first.
// Returns the record written. Throws KorvenError naming the file when it cannot be read or
// appended to, leaving the file as it was.
TrialRecord appendTrialRecord(const QString &path, const std::array<int, 46> &results,
                              const QString &problemNumber, int answerSeconds,
                              const QDate &today = QDate::currentDate());

// Rewrites the file to its header line only, atomically.
void resetTrialRecords(const QString &path);

} // namespace korven
