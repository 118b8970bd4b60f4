// The analysis dialog's texts, character for character.
#include "analysis/analysis_texts.h"

#include <QTest>

Q_DECLARE_METATYPE(korven::WeakSlots)
Q_DECLARE_METATYPE(korven::TodaySummary)

namespace {

korven::WeakSlots weak(const std::vector<int> &indices, int misses) { return {indices, misses}; }

} // namespace

class TestAnalysisTexts : public QObject {
    Q_OBJECT
private slots:
    void average_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("half rounds up") << 2.5 << "3";
        QTest::newRow("below half") << 412.49 << "412";
        QTest::newRow("negative half") << -2.5 << "-3";
        QTest::newRow("five digits") << 99999.4 << "99999";
        QTest::newRow("six digits: still whole seconds") << 123456.7 << "123457";
        QTest::newRow("rounds up to six digits") << 99999.6 << "100000";
    }
    void average()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(korven::formatAverageSeconds(seconds), text);
    }

    void weakSlotList_data()
    {
        QTest::addColumn<korven::WeakSlots>("weakSlots");
        QTest::addColumn<QString>("text");
        const QString lead = QStringLiteral("　　　　　");
        QTest::newRow("none") << weak({}, 0) << lead;
        QTest::newRow("one") << weak({30}, 2) << lead + " 30 (2)  ";
        QTest::newRow("four: line ends after the fourth")
            << weak({3, 7, 30, 31}, 2) << lead + " 3 (2)   7 (2)   30 (2)   31 (2)\n\n";
        QTest::newRow("nine: lines of four")
            << weak({0, 1, 2, 3, 4, 5, 6, 7, 8}, 1)
            << lead + " 0 (1)   1 (1)   2 (1)   3 (1)\n\n 4 (1)   5 (1)   6 (1)   7 (1)\n\n 8 (1)  ";
    }
    void weakSlotList()
    {
        QFETCH(korven::WeakSlots, weakSlots);
        QFETCH(QString, text);
        QCOMPARE(korven::weakSlotList(weakSlots), text);
    }

    void todayText_data()
    {
        QTest::addColumn<korven::TodaySummary>("today");
        QTest::addColumn<QString>("text");

        korven::TodaySummary trained;
        trained.date = QStringLiteral("2024/05/02");
        trained.count = 3;
        trained.averageSeconds = 181.5;
        trained.weakSlots = weak({3, 12}, 2);
        trained.sexMisses = {1, 5, 1, 1};
        QTest::newRow("three trials") << trained
            << QStringLiteral("Today's evaluation (2024/05/02)  You have trained 3 times.\n\n"
                              "Weak point of chromosome of today (2miss / 3trials)\n 3 12\n\n"
                              "Sex chromosome\n    　 X(mistake1trials / 5 trials)\n"
                              "    　 Y(mistake1trials / 1trials)\n"
                              "\n Average of answer time of today is 182 second\n");

        korven::TodaySummary none;
        none.date = QStringLiteral("2024/05/03");
        QTest::newRow("no trial today") << none
            << QStringLiteral("Today's evaluation (2024/05/03)  You have trained 0 times.\n\n"
                              "Weak point of chromosome of today (0miss / 0trials)\n \n\n"
                              "Sex chromosome\n    　 X(mistake0trials / 0 trials)\n"
                              "    　 Y(mistake0trials / 0trials)\n"
                              "\n Average of answer time of today is 0 second\n");

        korven::TodaySummary tie = trained;
        tie.weakSlots = weak({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 1);
        QTest::newRow("long tie cut short") << tie
            << QStringLiteral("Today's evaluation (2024/05/02)  You have trained 3 times.\n\n"
                              "Weak point of chromosome of today (1miss / 3trials)\n 0 1 2 3 4 5 6 7 8 9 ...\n\n"
                              "Sex chromosome\n    　 X(mistake1trials / 5 trials)\n"
                              "    　 Y(mistake1trials / 1trials)\n"
                              "\n Average of answer time of today is 182 second\n");
    }
    void todayText()
    {
        QFETCH(korven::TodaySummary, today);
        QFETCH(QString, text);
        QCOMPARE(korven::todayText(today), text);
    }

    void allTrialsAndProblemText()
    {
        korven::TrialStatistics s;
        s.recordCount = 12;
        s.correctAnswerCount = 4;
        s.averageSeconds = 250.5;
        s.sexMisses.xMisses = 3;
        s.sexMisses.yMisses = 1;
        s.weakSlots = weak({3, 7, 30}, 2);
        s.mostMissedProblem = QStringLiteral("007");
        s.mostMissedSexWord = QStringLiteral("male");
        QCOMPARE(korven::allTrialsText(s),
                 QStringLiteral("Correct answer 4 / All trials 12\n\n\n\n"
                                "Average of answer time:  251 second\n\n\n\n"
                                "Chromosome which it is easy to get a wrong most\n(except sex chromosome)\n\n"
                                "Mistakes of sex chromosome:  X (3)   Y (1)\n\n\n\n"
                                "　　　　　 3 (2)   7 (2)   30 (2)  "
                                "\n\n　   (number of mistakes)\n\n\n"));
        QCOMPARE(korven::problemText(s),
                 QStringLiteral("Question number which it is easy to get a wrong most\n\n　　　　　007 (Normal, male)"));
    }
};

QTEST_GUILESS_MAIN(TestAnalysisTexts)
#include "test_analysis_texts.moc"
