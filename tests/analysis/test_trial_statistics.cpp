// The evaluation of trial record lines: series, all-trial figures, today's figures and errors.
#include "analysis/trial_statistics.h"
#include "files/comma_text.h"
#include "files/errors.h"
#include "users/trial_records.h"

#include <QTest>

using korven::TrialStatistics;

namespace {

const QString Today = QStringLiteral("2024/05/02");
const QString Yesterday = QStringLiteral("2024/05/01");
const QString FilePath = QStringLiteral("/tmp/u/u.kek");

// Problem 1 is female, problem 2 male; no other number is in the catalogue.
QString problemName(int number)
{
    if (number == 1)
        return QStringLiteral("正常女性染色体核型no10");
    if (number == 2)
        return QStringLiteral("正常男性染色体核型no20");
    return QString();
}

// A record line with every slot right except `missed` (given `missValue`).
QString record(int trial, const QString &date, const QString &problem, const QList<int> &missed,
               int seconds = 100, int missValue = 0)
{
    korven::TrialRecord r;
    r.trialNumber = trial;
    r.date = date;
    r.problemNumber = problem;
    r.results.fill(1);
    for (int slot : missed)
        r.results[slot] = missValue;
    r.answerSeconds = seconds;
    return korven::formatTrialRecord(r);
}

QStringList file(const QStringList &records) { return QStringList{korven::trialRecordHeader()} + records; }

TrialStatistics evaluate(const QStringList &records, const QString &today = Today)
{
    const auto stats = korven::evaluateTrialRecords(file(records), today, problemName, FilePath);
    if (!stats)
        qFatal("no results");
    return *stats;
}

QList<int> toList(const std::vector<int> &v) { return QList<int>(v.begin(), v.end()); }

} // namespace

class TestTrialStatistics : public QObject {
    Q_OBJECT
private slots:
    void noResults_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("header only") << QStringList{korven::trialRecordHeader()};
        QTest::newRow("no line at all") << QStringList();
    }
    void noResults()
    {
        QFETCH(QStringList, lines);
        QVERIFY(!korven::evaluateTrialRecords(lines, Today, problemName).has_value());
    }

    void oneAllCorrectRecord()
    {
        const TrialStatistics s = evaluate({record(0, Today, "002", {}, 412)});
        QCOMPARE(s.recordCount, 1);
        QCOMPARE(int(s.correctPercentage.size()), 1);
        QCOMPARE(s.correctPercentage[0].trial, 0);
        QCOMPARE(s.correctPercentage[0].value, 100.0);
        for (double p : s.slotPercentage)
            QCOMPARE(p, 100.0);
        QCOMPARE(s.correctAnswerCount, 1);
        QCOMPARE(s.averageSeconds, 412.0);
        QVERIFY(s.weakSlots.indices.empty());
        QCOMPARE(s.weakSlots.misses, 0);
        QCOMPARE(s.sexMisses.xMisses, 0);
        QCOMPARE(s.sexMisses.yMisses, 0);
        QCOMPARE(s.mostMissedProblem, QStringLiteral("002"));
        QCOMPARE(s.mostMissedSexWord, QStringLiteral("male"));
    }

    // Trials in file order with their numbers as x; slot and time figures over all records.
    void seriesAndAverages()
    {
        const TrialStatistics s = evaluate({record(0, Yesterday, "001", {5}, 60),
                                            record(1, Yesterday, "001", {5, 45}, 90, -2),
                                            record(2, Today, "001", {}, 75),
                                            record(3, Today, "001", {0, 1, 2}, 80, -1)});
        QCOMPARE(s.recordCount, 4);
        const QList<double> percent{45 * 100.0 / 46, 44 * 100.0 / 46, 100.0, 43 * 100.0 / 46};
        const QList<int> seconds{60, 90, 75, 80};
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(s.correctPercentage[r].trial, r);
            QCOMPARE(s.correctPercentage[r].value, percent[r]);
            QCOMPARE(s.answerSeconds[r].trial, r);
            QCOMPARE(s.answerSeconds[r].value, double(seconds[r]));
        }
        QCOMPARE(s.slotPercentage[5], 50.0);
        QCOMPARE(s.slotPercentage[0], 75.0);
        QCOMPARE(s.slotPercentage[45], 75.0);
        QCOMPARE(s.slotPercentage[6], 100.0);
        QCOMPARE(s.slotMissCounts[5], 2);
        QCOMPARE(s.slotMissCounts[44], 0);
        QCOMPARE(s.correctAnswerCount, 1);
        QCOMPARE(s.averageSeconds, 76.25);
    }

    void weakSlots_data()
    {
        QTest::addColumn<QList<QList<int>>>("misses"); // missed slots of each record
        QTest::addColumn<QList<int>>("weak");
        QTest::addColumn<int>("count");
        QTest::newRow("3, 7 and 30 twice") << QList<QList<int>>{{3, 7, 30}, {3, 7, 30}, {5}, {}}
                                           << QList<int>{3, 7, 30} << 2;
        QTest::newRow("sex slots never weak") << QList<QList<int>>{{44, 45}, {44, 45}, {10}}
                                              << QList<int>{10} << 1;
        QTest::newRow("later greater count wins") << QList<QList<int>>{{0, 43}, {43}}
                                                  << QList<int>{43} << 2;
        QTest::newRow("first and last autosome slot tie") << QList<QList<int>>{{0, 43}, {0, 43, 1}}
                                                          << QList<int>{0, 43} << 2;
        QTest::newRow("nothing missed") << QList<QList<int>>{{}, {}} << QList<int>{} << 0;
    }
    void weakSlots()
    {
        QFETCH(QList<QList<int>>, misses);
        QFETCH(QList<int>, weak);
        QFETCH(int, count);
        QStringList records;
        for (const QList<int> &m : misses)
            records << record(int(records.size()), Today, "001", m);
        const TrialStatistics s = evaluate(records);
        QCOMPARE(toList(s.weakSlots.indices), weak);
        QCOMPARE(s.weakSlots.misses, count);
    }

    void sexMisses_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QList<int>>("missed");
        QTest::addColumn<int>("missValue");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("female, both wrong") << "001" << QList<int>{44, 45} << 0 << 2 << 0;
        QTest::newRow("female, second turned") << "001" << QList<int>{45} << -2 << 1 << 0;
        QTest::newRow("male, both wrong") << "002" << QList<int>{44, 45} << 0 << 1 << 1;
        QTest::newRow("male, Y empty") << "002" << QList<int>{45} << -1 << 0 << 1;
        QTest::newRow("male, autosomes only") << "002" << QList<int>{0, 43} << 0 << 0 << 0;
        QTest::newRow("problem not in catalogue") << "009" << QList<int>{44, 45} << 0 << 0 << 0;
    }
    void sexMisses()
    {
        QFETCH(QString, problem);
        QFETCH(QList<int>, missed);
        QFETCH(int, missValue);
        QFETCH(int, x);
        QFETCH(int, y);
        const TrialStatistics s = evaluate({record(0, Today, problem, missed, 100, missValue)});
        QCOMPARE(s.sexMisses.xMisses, x);
        QCOMPARE(s.sexMisses.yMisses, y);
        QCOMPARE(s.correctAnswerCount, 0); // a sex slot missed alone still spoils the answer
    }

    void mostMissed_data()
    {
        QTest::addColumn<QStringList>("problems"); // one record each
        QTest::addColumn<QList<int>>("missCounts");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("sexWord");
        QTest::newRow("equal averages: lower number") << QStringList{"002", "001", "002"} << QList<int>{3, 2, 1}
                                                      << "001" << "female";
        QTest::newRow("higher average later") << QStringList{"001", "002"} << QList<int>{1, 3} << "002" << "male";
        QTest::newRow("no misses: first number") << QStringList{"002", "001"} << QList<int>{0, 0} << "001"
                                                 << "female";
        QTest::newRow("gone from the catalogue") << QStringList{"001", "009"} << QList<int>{1, 5} << "009"
                                                 << "unknown";
    }
    void mostMissed()
    {
        QFETCH(QStringList, problems);
        QFETCH(QList<int>, missCounts);
        QFETCH(QString, number);
        QFETCH(QString, sexWord);
        QStringList records;
        for (int r = 0; r < problems.size(); ++r) {
            QList<int> missed;
            for (int k = 0; k < missCounts[r]; ++k)
                missed << k;
            records << record(r, Today, problems[r], missed);
        }
        const TrialStatistics s = evaluate(records);
        QCOMPARE(s.mostMissedProblem, number);
        QCOMPARE(s.mostMissedSexWord, sexWord);
    }

    void sexWord_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("word");
        QTest::newRow("female") << "正常女性染色体核型no10" << "female";
        QTest::newRow("male") << "正常男性染色体核型no7" << "male";
        QTest::newRow("other name: bytes 5 to 8") << "abcdefghij" << "efgh";
        QTest::newRow("no name") << "" << "unknown";
    }
    void sexWord()
    {
        QFETCH(QString, name);
        QFETCH(QString, word);
        QCOMPARE(korven::problemSexWord(name), word);
    }

    // Yesterday's records count everywhere but in today's summary, whose figures come from
    // today's records only. A date with blanks (quoted in the file) compares whole.
    void todaySummary()
    {
        const QString today = QStringLiteral("2 May 2024");
        const QStringList records{record(0, Yesterday, "001", {7, 7, 44}, 300),
                                  record(1, today, "001", {3, 44, 45}, 50),
                                  record(2, "1 May 2024", "002", {9}, 60),
                                  record(3, today, "002", {3, 12, 44}, 71)};
        QVERIFY(records[1].contains(QStringLiteral("\"2 May 2024\"")));
        const TrialStatistics s = evaluate(records, today);
        QCOMPARE(s.recordCount, 4);
        QCOMPARE(s.sexMisses.xMisses, 4);

        const korven::TodaySummary &d = s.today;
        QCOMPARE(d.date, today);
        QCOMPARE(d.count, 2);
        QCOMPARE(d.averageSeconds, 60.5);
        QCOMPARE(toList(d.weakSlots.indices), QList<int>{3});
        QCOMPARE(d.weakSlots.misses, 2);
        QCOMPARE(d.sexMisses.xMisses, 3); // female: both X slots; male: slot 44
        QCOMPARE(d.sexMisses.xChances, 3);
        QCOMPARE(d.sexMisses.yMisses, 0);
        QCOMPARE(d.sexMisses.yChances, 1);

        const korven::TrialCounts counts = korven::countTrialRecords(file(records), today);
        QCOMPARE(counts.records, 4);
        QCOMPARE(counts.today, 2);
    }

    void noTrialToday()
    {
        const TrialStatistics s = evaluate({record(0, Yesterday, "001", {3}, 90)});
        QCOMPARE(s.today.count, 0);
        QCOMPARE(s.today.averageSeconds, 0.0);
        QVERIFY(s.today.weakSlots.indices.empty());
        QCOMPARE(s.today.sexMisses.xChances, 0);
    }

    // A field that does not convert stops the evaluation with the file, line and field named;
    // the per-trial hits are read before the answer times, the problem numbers after them.
    void badField_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("where");
        const QString good = record(0, Today, "001", {});
        QString badTrial = good;
        badTrial.replace(0, 1, QStringLiteral("x"));
        QStringList slotFields = korven::recordFields(good);
        slotFields[3 + 10] = QStringLiteral("1.0");
        QStringList timeFields = korven::recordFields(good);
        timeFields[49] = QStringLiteral("12s");
        QStringList problemFields = korven::recordFields(good);
        problemFields[2] = QStringLiteral("abc");
        QStringList shortFields = korven::recordFields(good);
        shortFields.removeLast();

        QTest::newRow("trial number") << QStringList{good, badTrial} << "line 3, field 1 (trial number): \"x\"";
        QTest::newRow("slot result") << QStringList{slotFields.join(',')}
                                     << "line 2, field 14 (result of slot 10): \"1.0\"";
        QTest::newRow("answer time") << QStringList{good, good, timeFields.join(',')}
                                     << "line 4, field 50 (answer time): \"12s\"";
        QTest::newRow("missing answer time") << QStringList{shortFields.join(',')}
                                             << "line 2, field 50 (answer time): the field is missing";
        QTest::newRow("slots before times") << QStringList{timeFields.join(','), slotFields.join(',')}
                                            << "line 3, field 14";
        QTest::newRow("problem number after times") << QStringList{problemFields.join(','), timeFields.join(',')}
                                                    << "line 3, field 50";
        QTest::newRow("problem number") << QStringList{good, problemFields.join(',')}
                                        << "line 3, field 3 (problem number): \"abc\"";
        QTest::newRow("empty line") << QStringList{good, QString()} << "line 3, field 1 (trial number)";
        // Whole numbers no writer produces are refused before any arithmetic uses them.
        QStringList lowest = korven::recordFields(good);
        lowest[2] = QStringLiteral("-2147483648");
        QTest::newRow("problem -2147483648") << QStringList{good, lowest.join(',')}
                                             << "line 3, field 3 (problem number): -2147483648 is out of range";
        QStringList slotTwo = korven::recordFields(good);
        slotTwo[3 + 45] = QStringLiteral("2");
        QTest::newRow("slot result 2") << QStringList{slotTwo.join(',')} << "line 2, field 49 (result of slot 45): 2 is out of range";
        QStringList negativeTime = korven::recordFields(good);
        negativeTime[49] = QStringLiteral("-1");
        QTest::newRow("negative answer time") << QStringList{negativeTime.join(',')} << "field 50 (answer time): -1 is out of range";
    }
    void badField()
    {
        QFETCH(QStringList, records);
        QFETCH(QString, where);
        try {
            korven::evaluateTrialRecords(file(records), Today, problemName, FilePath);
            QFAIL("no error");
        } catch (const korven::KorvenError &e) {
            QVERIFY2(e.message().contains(QDir::toNativeSeparators(FilePath)), qPrintable(e.message()));
            QVERIFY2(e.message().contains(where), qPrintable(e.message()));
        }
    }

    void missingFile()
    {
        const QString path = QDir::temp().filePath(QStringLiteral("no-such-user/no-such-user.kek"));
        try {
            korven::evaluateTrialRecordFile(path, Today, problemName);
            QFAIL("no error");
        } catch (const korven::KorvenError &e) {
            QVERIFY2(e.message().contains(QDir::toNativeSeparators(path)), qPrintable(e.message()));
        }
    }

    // Records are split by the same rule the record writer's comma text follows, the date field
    // alone too.
    void fieldsAsCommaText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << "4,2012/05/01,003,1,-2,412";
        QTest::newRow("quoted date with blanks") << "0,\"10 May 2024\",001,1";
        QTest::newRow("doubled quotes") << "1,\"a \"\"b\"\" c\",x";
        QTest::newRow("empty quoted field") << "\"\",1";
        QTest::newRow("blanks separate") << "  1  2,3 ,  4";
        QTest::newRow("empty fields") << ",1,,2,";
        QTest::newRow("text after closing quote") << "\"ab\"cd,e";
        QTest::newRow("unclosed quote") << "1,\"ab,c";
        QTest::newRow("empty line") << "";
    }
    void fieldsAsCommaText()
    {
        QFETCH(QString, line);
        QCOMPARE(korven::recordFields(line), korven::splitCommaText(line));
        QCOMPARE(korven::recordDateField(line), korven::splitCommaText(line).value(1));
    }

    // More than 50 fields: the extra ones are not read.
    void extraFieldsIgnored()
    {
        const TrialStatistics s = evaluate({record(0, Today, "001", {}, 70) + QStringLiteral(",junk")});
        QCOMPARE(s.averageSeconds, 70.0);
    }
};

QTEST_GUILESS_MAIN(TestTrialStatistics)
#include "test_trial_statistics.moc"
