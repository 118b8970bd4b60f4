#pragma once
// The dates of trial records. The trainer writes each date in the short date format of the
// desktop it runs on, so one class folder holds "10 Dec 2026", "12/10/26", "10/12/2026",
// "2026/12/10", "10.12.26" and more side by side. This reads them all, without changing the files.
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

namespace korven {

// The order of day, month and year in a short date.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// The order of the locale's short date format (day, month, year when it has no date fields).
DateOrder shortDateOrder(const QLocale &locale);

// One reading of a date text.
struct DateCandidate {
    QDate date;
    DateOrder order;
};

// Every date the text can stand for under the short date formats of the locales Qt knows (native
// digits taken as digits). A two-digit year is put in the latest century that does not place it
// after next year, counted from `today`. Empty when no format reads the text.
std::vector<DateCandidate> dateCandidates(const QString &text, const QDate &today);

// The dates of one record file's date texts, in the same order; an invalid date for a text that
// is no short date. Records are appended as the days go by, so a file is taken to be written in
// the order under which its dates decrease least often in file order, then the order that reads
// the most texts, then `preferred` (the reader's own locale). A text that order does not read (a
// desktop changed its locale) gets its reading under the next order.
std::vector<QDate> readRecordDates(const QStringList &texts, const QDate &today, DateOrder preferred);

// A record's date as the overview shows and exports it: ISO 8601, "2026-12-10".
QString shownDate(const QDate &date);

} // namespace korven
