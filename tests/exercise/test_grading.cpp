// Grading of single slots and whole boards: pairs, the orientation window, the sex-chromosome
// rules of female and male problems, and the captions and colours of the marks.
#include "exercise/grading.h"

#include <QTest>

using namespace korven;

class TestGrading : public QObject {
    Q_OBJECT
private slots:
    void gradeSlot_data();
    void gradeSlot();
    void wholeBoard();
    void coloursAndCaptions();
};

void TestGrading::gradeSlot_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("female");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty autosome slot") << 7 << -1 << 0 << true << ResultEmpty;
    QTest::newRow("empty XY slot, male") << 45 << -1 << 0 << false << ResultEmpty;
    QTest::newRow("homologue 1 in slot 1 of pair 1") << 0 << 0 << 0 << false << ResultRight;
    QTest::newRow("homologue 2 in slot 1 of pair 1") << 0 << 1 << 0 << false << ResultRight;
    QTest::newRow("homologue 1 in slot 2 of pair 1") << 1 << 0 << 0 << false << ResultRight;
    QTest::newRow("chromosome 2 in the second slot of pair 1") << 1 << 2 << 0 << false << ResultWrong;
    QTest::newRow("chromosome 6 in pair 3, upright") << 4 << 10 << 0 << true << ResultWrong;
    QTest::newRow("chromosome 6 in pair 3, turned") << 4 << 10 << 12 << true << ResultWrong;
    QTest::newRow("chromosome 22 in its pair") << 42 << 43 << 1 << true << ResultRight;
    QTest::newRow("X in an autosome slot") << 43 << 44 << 0 << true << ResultWrong;
    QTest::newRow("autosome in slot X, female") << 44 << 42 << 0 << true << ResultWrong;
    QTest::newRow("autosome in slot XY, male") << 45 << 17 << 0 << false << ResultWrong;

    // The accepted window: 21, 22, 23, 0, 1, 2.
    for (int step : {0, 1, 2, 21, 22, 23})
        QTest::addRow("chromosome 2 at step %d", step) << 2 << 3 << step << true << ResultRight;
    for (int step : {3, 12, 20})
        QTest::addRow("chromosome 2 at step %d", step) << 2 << 3 << step << true << ResultTurned;

    // Female: both X pieces fit both sex slots.
    QTest::newRow("female: piece 45 in slot X") << 44 << 45 << 0 << true << ResultRight;
    QTest::newRow("female: piece 44 in slot XY") << 45 << 44 << 0 << true << ResultRight;
    QTest::newRow("female: piece 44 in slot X") << 44 << 44 << 23 << true << ResultRight;
    QTest::newRow("female: piece 45 in slot XY, upside down") << 45 << 45 << 12 << true << ResultTurned;
    // Male: X only in slot X, Y only in slot XY.
    QTest::newRow("male: X in slot X") << 44 << 44 << 0 << false << ResultRight;
    QTest::newRow("male: Y in slot XY") << 45 << 45 << 2 << false << ResultRight;
    QTest::newRow("male: Y in slot XY at step 3") << 45 << 45 << 3 << false << ResultTurned;
    QTest::newRow("male: Y in slot X") << 44 << 45 << 0 << false << ResultWrong;
    QTest::newRow("male: X in slot XY, upside down") << 45 << 44 << 12 << false << ResultWrong;
}

void TestGrading::gradeSlot()
{
    QFETCH(int, slot);
    QFETCH(int, piece);
    QFETCH(int, step);
    QFETCH(bool, female);
    QFETCH(int, expected);
    QCOMPARE(korven::gradeSlot(slot, piece, step, female), expected);
}

void TestGrading::wholeBoard()
{
    // Every piece in its own slot: all right, whatever the sex.
    std::array<int, 46> content{};
    std::array<int, 46> rotation{};
    for (int s = 0; s < 46; ++s)
        content[s] = s;
    for (bool female : {true, false}) {
        const auto results = gradeBoard(content, rotation, female);
        QCOMPARE(scoreOf(results), 46);
    }

    // The rotation is looked up by piece, not by slot: piece 9 lies in slot 8 and is turned.
    content.fill(-1);
    content[8] = 9;
    rotation[9] = 12;
    content[0] = 1;
    content[2] = 10;
    const auto results = gradeBoard(content, rotation, false);
    QCOMPARE(results[8], ResultTurned);
    QCOMPARE(results[0], ResultRight);
    QCOMPARE(results[2], ResultWrong);
    QCOMPARE(results[1], ResultEmpty);
    QCOMPARE(scoreOf(results), 1);
}

void TestGrading::coloursAndCaptions()
{
    QCOMPARE(slotColour(ResultRight), QColor(102, 255, 255));
    QCOMPARE(slotColour(ResultTurned), QColor(204, 255, 102));
    QCOMPARE(slotColour(ResultWrong), QColor(255, 102, 0));
    QCOMPARE(slotColour(ResultEmpty), QColor(255, 102, 0));

    QCOMPARE(firstEvaluationCaption(46), QStringLiteral("Score: 46/46\n Are these corrected?"));
    QCOMPARE(firstEvaluationCaption(0), QStringLiteral("Score: 0/46\n Are these corrected?"));
    QCOMPARE(correctionCaption(37, 2), QStringLiteral("Score: 37/46\n Under correction\n (2 times)"));
}

QTEST_GUILESS_MAIN(TestGrading)
#include "test_grading.moc"
