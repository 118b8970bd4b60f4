// The trial record file: its header bytes, record lines, numbering and appending.
#include "files/comma_text.h"
#include "files/errors.h"
#include "files/text_file.h"
#include "users/trial_records.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include "support/file_bytes.h"

using korven::test::readBytes;
using korven::test::writeBytes;

using namespace korven;

namespace {

std::array<int, 46> results(int value)
{
    std::array<int, 46> r;
    r.fill(value);
    return r;
}

} // namespace

class TestTrialRecords : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void headerBytes()
    {
        const QByteArray start = trialRecordFileStart();
        QCOMPARE(start.size(), 167);
        QCOMPARE(toCp932(trialRecordHeader()).size(), 165);
        QCOMPARE(start.at(0), ' ');
        QVERIFY(start.endsWith(toCp932(QStringLiteral(",45,46,解答時間\r\n"))));
        QVERIFY(start.startsWith(toCp932(QStringLiteral(" 試行No,日時,データファイル,1,2,3,"))));
        // 3 titles, 46 slot columns, the answer time.
        QCOMPARE(trialRecordHeader().count(u','), 49);
    }

    void recordLine_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("expectedStart");
        QTest::newRow("plain date") << "2012/05/01" << "4,2012/05/01,003,1,0,-1,-2,1,";
        QTest::newRow("date with blanks is quoted") << "5 1 2012" << "4,\"5 1 2012\",003,1,0,-1,-2,1,";
    }

    void recordLine()
    {
        QFETCH(QString, date);
        TrialRecord r;
        r.trialNumber = 4;
        r.date = date;
        r.problemNumber = QStringLiteral("003");
        for (int s = 0; s < 46; ++s)
            r.results[s] = 1 - s % 4; // 1, 0, -1, -2, ...
        r.answerSeconds = 412;
        const QString line = formatTrialRecord(r);
        QFETCH(QString, expectedStart);
        QVERIFY2(line.startsWith(expectedStart), qPrintable(line));
        QVERIFY(line.endsWith(QStringLiteral(",1,0,412")));
        const QStringList fields = splitCommaText(line);
        QCOMPARE(fields.size(), 50);
        QCOMPARE(fields.at(1), date);
        QCOMPARE(fields.at(3 + 3), QStringLiteral("-2"));
    }

    void dateUsesTheShortFormat()
    {
        QCOMPARE(recordDateText(QDate(2012, 5, 1)), QStringLiteral("2012/05/01"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(recordDateText(QDate(2012, 5, 1)), QLocale().toString(QDate(2012, 5, 1), QLocale::ShortFormat));
        QVERIFY(!recordDateText(QDate(2012, 5, 1)).contains(u':'));
    }

    void numberingFromZeroAndAfterReset()
    {
        const QString path = dir.filePath(QStringLiteral("u.kek"));
        resetTrialRecords(path); // a new file: the header only
        QCOMPARE(readBytes(path), trialRecordFileStart());

        const QDate day(2012, 5, 1);
        QCOMPARE(appendTrialRecord(path, results(1), QStringLiteral("003"), 412, day).trialNumber, 0);
        QCOMPARE(appendTrialRecord(path, results(-1), QStringLiteral("017"), 9, day).trialNumber, 1);
        const QByteArray ones = QByteArray(",1").repeated(46);
        const QByteArray empties = QByteArray(",-1").repeated(46);
        QCOMPARE(readBytes(path), trialRecordFileStart() + "0,2012/05/01,003" + ones + ",412\r\n"
                                      + "1,2012/05/01,017" + empties + ",9\r\n");

        resetTrialRecords(path);
        QCOMPARE(readBytes(path), trialRecordFileStart());
        QCOMPARE(appendTrialRecord(path, results(0), QStringLiteral("001"), 1, day).trialNumber, 0);
    }

    void appendKeepsRecordsOnTheirOwnLines()
    {
        // A last line without its line end (edited outside the program) stays a line of its own.
        const QString path = dir.filePath(QStringLiteral("cut.kek"));
        const QByteArray header = toCp932(trialRecordHeader());
        writeBytes(path, header);
        QCOMPARE(appendTrialRecord(path, results(1), QStringLiteral("002"), 5).trialNumber, 0);
        const QStringList lines = readTextLines(path);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), trialRecordHeader());
        QVERIFY(lines.at(1).startsWith(QStringLiteral("0,")));
        QVERIFY(readBytes(path).endsWith(",5\r\n"));
    }

    void appendRepairsTheFileStart_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("trial");
        const QByteArray start = trialRecordFileStart();
        QTest::newRow("empty file gets its header") << QByteArray() << 0;
        QTest::newRow("trailing CP932 lead byte") << start + "0,x,001\r\n\x81" << 1;
        QTest::newRow("lone lead byte only") << QByteArray("\x81") << 0;
    }
    void appendRepairsTheFileStart()
    {
        // Every line after the header must be a record, or every later analysis fails.
        QFETCH(QByteArray, before);
        QFETCH(int, trial);
        const QString path = dir.filePath(QStringLiteral("start.kek"));
        writeBytes(path, before);
        QCOMPARE(appendTrialRecord(path, results(1), QStringLiteral("004"), 9).trialNumber, trial);
        const QStringList lines = readTextLines(path);
        QCOMPARE(lines.size(), trial + 2);
        QCOMPARE(lines.first(), trialRecordHeader());
        QVERIFY(lines.last().startsWith(QString::number(trial) + u','));
        QVERIFY(readBytes(path).endsWith(",9\r\n"));
    }

    // The last trial the analysis can still read is appended; the next is refused with the
    // analysis's own message, and the file stays as it was.
    void appendStopsWhereTheAnalysisStops()
    {
        const QString path = dir.filePath(QStringLiteral("full.kek"));
        QByteArray bytes = trialRecordFileStart();
        bytes.append(QByteArray(RecordFileLimits.maxLines - 2, '\n'));
        writeBytes(path, bytes);
        QCOMPARE(appendTrialRecord(path, results(1), QStringLiteral("001"), 1).trialNumber,
                 int(RecordFileLimits.maxLines - 2));
        QCOMPARE(qint64(readTextLines(path, RecordFileLimits).size()), RecordFileLimits.maxLines);
        const QByteArray full = readBytes(path);
        try {
            appendTrialRecord(path, results(1), QStringLiteral("001"), 1);
            QFAIL("appended past the analysis's limit");
        } catch (const KorvenError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("too many lines")), qPrintable(e.message()));
        }
        QCOMPARE(readBytes(path), full);
    }

    void missingFileGetsNothing()
    {
        const QString path = dir.filePath(QStringLiteral("none/u.kek"));
        try {
            appendTrialRecord(path, results(1), QStringLiteral("001"), 1);
            QFAIL("no error");
        } catch (const KorvenError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("u.kek")), qPrintable(e.message()));
        }
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestTrialRecords)
#include "test_trial_records.moc"
