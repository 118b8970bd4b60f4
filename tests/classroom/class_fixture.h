#pragma once
// A small crafted Result folder for the class overview: trainees with known records (worked out
// by hand in the tests), a trainee without trials, damaged files and a Japanese ID.
#include "files/text_file.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <initializer_list>
#include <utility>

namespace korven::test {

inline const QDate ClassToday(2024, 5, 2);
inline const QDate ClassYesterday(2024, 5, 1);

// A record with every slot right but the given (slot, result) pairs.
inline QString classRecord(int trial, const QDate &date, const QString &problem,
                           std::initializer_list<std::pair<int, int>> wrong, int seconds)
{
    TrialRecord r;
    r.trialNumber = trial;
    r.date = recordDateText(date);
    r.problemNumber = problem;
    r.results.fill(1);
    for (const auto &[slot, result] : wrong)
        r.results[slot] = result;
    r.answerSeconds = seconds;
    return formatTrialRecord(r);
}

// A Monday, and a class whose desktops wrote the record dates in their own locales; each
// trainee's trials in file order. The window of the last seven days runs from 2026-12-01.
inline const QDate MixedToday(2026, 12, 7);
struct MixedTrainee {
    QString id;
    QString locale;
    QList<QDate> dates;
    int today;
    int lastWeek;
};
inline const QList<MixedTrainee> MixedClass = {
    {"c_posix", "C", {QDate(2026, 11, 27), QDate(2026, 12, 4), QDate(2026, 12, 7)}, 1, 2},
    {"de_de", "de_DE", {QDate(2026, 11, 10), QDate(2026, 12, 2)}, 0, 1},
    {"en_gb", "en_GB", {QDate(2026, 11, 30), QDate(2026, 12, 6)}, 0, 1},
    {"en_us", "en_US", {QDate(2026, 11, 27), QDate(2026, 12, 4)}, 0, 1},
    {"ja_jp", "ja_JP", {QDate(2026, 12, 1), QDate(2026, 12, 7)}, 1, 2},
};

class ClassFolder {
public:
    // The dates are written in the Japanese short format ("2024/05/02"); the caller keeps that
    // locale while it reads them.
    ClassFolder()
    {
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        QDir().mkpath(result());
        // alice: scores 46, 43, 44; two trials today; pair 1 and the sex slots missed twice each.
        writeRecords(QStringLiteral("alice"),
                     {classRecord(0, ClassYesterday, QStringLiteral("001"), {}, 300),
                      classRecord(1, ClassToday, QStringLiteral("002"), {{0, 0}, {1, 0}, {44, -1}}, 120),
                      classRecord(2, ClassToday, QStringLiteral("001"), {{2, -2}, {45, 0}}, 90)});
        // bob: scores 44, 44, both yesterday; the sex slots missed three times, pair 6 once.
        writeRecords(QStringLiteral("bob"),
                     {classRecord(0, ClassYesterday, QStringLiteral("003"), {{44, 0}, {45, 0}}, 61),
                      classRecord(1, ClassYesterday, QStringLiteral("003"), {{44, 0}, {10, -1}}, 62)});
        // carol: no trial yet.
        writeRecords(QStringLiteral("carol"), {});
        // dave: one good record among a short line, a word in a number field and broken text.
        QByteArray dave = trialRecordFileStart();
        dave += toCp932(classRecord(0, ClassToday, QStringLiteral("001"), {{5, 0}}, 70)) + "\r\n";
        dave += "1,2024/05/02,001,1,1\r\n";
        dave += toCp932(classRecord(2, ClassToday, QStringLiteral("001"), {}, 70)).replace(",70", ",abc") + "\r\n";
        dave += toCp932(classRecord(3, ClassToday, QStringLiteral("001"), {}, 70)).replace("2024/05/02", "2024/\x80\x80/02") + "\r\n";
        writeBytes(QStringLiteral("dave"), dave);
        // eve: a folder where her record file should be.
        QDir().mkpath(recordPath(result(), QStringLiteral("eve")));
        // gina: a folder without a record file.
        QDir().mkpath(userFolder(result(), QStringLiteral("gina")));
        // 花子: a Japanese ID with one perfect trial.
        writeRecords(QStringLiteral("花子"), {classRecord(0, ClassToday, QStringLiteral("004"), {}, 50)});
        // A stray file beside the trainee folders is no trainee.
        QFile stray(QDir(result()).filePath(QStringLiteral("notes.txt")));
        stray.open(QIODevice::WriteOnly);
    }
    ~ClassFolder() { QLocale::setDefault(QLocale::c()); }

    QString result() const { return dir.filePath(QStringLiteral("Result")); }

    // The mixed class in a Result folder of its own; returns that folder.
    QString writeMixedClass()
    {
        const QString mixed = dir.filePath(QStringLiteral("Mixed"));
        for (const MixedTrainee &trainee : MixedClass) {
            QStringList records;
            for (int t = 0; t < trainee.dates.size(); ++t) {
                TrialRecord r;
                r.trialNumber = t;
                r.date = QLocale(trainee.locale).toString(trainee.dates.at(t), QLocale::ShortFormat);
                r.problemNumber = QStringLiteral("001");
                r.results.fill(1);
                r.answerSeconds = 60;
                records << formatTrialRecord(r);
            }
            QDir().mkpath(userFolder(mixed, trainee.id));
            QFile file(recordPath(mixed, trainee.id));
            file.open(QIODevice::WriteOnly);
            file.write(linesToCp932(QStringList{trialRecordHeader()} + records));
        }
        return mixed;
    }

    void writeRecords(const QString &id, const QStringList &records)
    {
        writeBytes(id, linesToCp932(QStringList{trialRecordHeader()} + records));
    }
    void writeBytes(const QString &id, const QByteArray &bytes)
    {
        QDir().mkpath(userFolder(result(), id));
        QFile file(recordPath(result(), id));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }

    QTemporaryDir dir;
};

} // namespace korven::test
