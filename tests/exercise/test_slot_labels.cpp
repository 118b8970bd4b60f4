// Label texts of the karyogram slots: plain, reference mode, the marks of an evaluation (with
// reference mode on and off) and the correct-answer window.
#include "exercise/grading.h"
#include "exercise/slot_labels.h"

#include <QTest>

using namespace korven;

class TestSlotLabels : public QObject {
    Q_OBJECT
private slots:
    void plainAndAnswer();
    void reference_data();
    void reference();
    void marks_data();
    void marks();
};

void TestSlotLabels::plainAndAnswer()
{
    QCOMPARE(plainSlotLabel(0), QStringLiteral("1"));
    QCOMPARE(plainSlotLabel(1), QStringLiteral("1"));
    QCOMPARE(plainSlotLabel(43), QStringLiteral("22"));
    QCOMPARE(plainSlotLabel(44), QStringLiteral("X"));
    QCOMPARE(plainSlotLabel(45), QStringLiteral("XY"));

    QCOMPARE(answerSlotLabel(13, true), QStringLiteral("7"));
    QCOMPARE(answerSlotLabel(44, true), QStringLiteral("X"));
    QCOMPARE(answerSlotLabel(44, false), QStringLiteral("X"));
    QCOMPARE(answerSlotLabel(45, true), QStringLiteral("X"));
    QCOMPARE(answerSlotLabel(45, false), QStringLiteral("Y"));
}

void TestSlotLabels::reference_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("piece");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("expected");

    QTest::newRow("right pair") << 4 << 5 << true << QStringLiteral("3  3");
    QTest::newRow("chromosome 5 in pair 3") << 4 << 9 << true << QStringLiteral("3  5");
    QTest::newRow("Y in pair 6") << 10 << 45 << false << QStringLiteral("6  Y");
    QTest::newRow("male: X in slot X") << 44 << 44 << false << QStringLiteral("X  X");
    QTest::newRow("male: chromosome 9 in slot X") << 44 << 17 << false << QStringLiteral("X  9");
    QTest::newRow("male: Y in slot XY") << 45 << 45 << false << QStringLiteral("XY  Y");
    QTest::newRow("female: second X in slot X") << 44 << 45 << true << QStringLiteral("X  X");
    QTest::newRow("female: second X in slot XY") << 45 << 45 << true << QStringLiteral("XY  X");
    QTest::newRow("chromosome 2 in slot XY") << 45 << 3 << true << QStringLiteral("XY  2");
}

void TestSlotLabels::reference()
{
    QFETCH(int, slot);
    QFETCH(int, piece);
    QFETCH(bool, female);
    QFETCH(QString, expected);
    QCOMPARE(referenceSlotLabel(slot, piece, female), expected);
}

void TestSlotLabels::marks_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("withReference");
    QTest::addColumn<QString>("withoutReference");

    const QString times = QStringLiteral("×");
    QTest::newRow("chromosome 6 in pair 3") << 4 << 10 << ResultWrong << true << "3" + times + "6" << "3";
    QTest::newRow("right piece") << 4 << 5 << ResultRight << true << "3" << "3";
    QTest::newRow("turned piece") << 4 << 5 << ResultTurned << false << "3" << "3";
    QTest::newRow("empty slot") << 4 << -1 << ResultEmpty << false << "3" << "3";
    QTest::newRow("X in pair 7, male") << 12 << 44 << ResultWrong << false << "7" + times + " X" << "7";
    QTest::newRow("Y in pair 7, male") << 12 << 45 << ResultWrong << false << "7" + times + " Y" << "7";
    QTest::newRow("second X in pair 7, female") << 12 << 45 << ResultWrong << true << "7" + times + " X" << "7";
    QTest::newRow("male: Y in slot X") << 44 << 45 << ResultWrong << false << "X " + times + " Y" << "X";
    QTest::newRow("chromosome 9 in slot X") << 44 << 17 << ResultWrong << false << "X " + times + "9" << "X";
    QTest::newRow("empty slot X") << 44 << -1 << ResultEmpty << true << "X" << "X";
    QTest::newRow("male: X in slot XY") << 45 << 44 << ResultWrong << false << "Y " + times + " X" << "XY";
    QTest::newRow("male: chromosome 9 in slot XY") << 45 << 17 << ResultWrong << false << "Y " + times + "9" << "XY";
    QTest::newRow("female: chromosome 9 in slot XY") << 45 << 17 << ResultWrong << true << "X " + times + "9" << "XY";
    QTest::newRow("male: Y in slot XY") << 45 << 45 << ResultRight << false << "Y" << "Y";
    QTest::newRow("female: X in slot XY") << 45 << 44 << ResultRight << true << "X" << "X";
    QTest::newRow("female: slot XY turned") << 45 << 45 << ResultTurned << true << "X" << "X";
    QTest::newRow("male: slot XY empty") << 45 << -1 << ResultEmpty << false << "Y" << "Y";
}

void TestSlotLabels::marks()
{
    QFETCH(int, slot);
    QFETCH(int, piece);
    QFETCH(int, result);
    QFETCH(bool, female);
    QFETCH(QString, withReference);
    QFETCH(QString, withoutReference);
    QCOMPARE(markSlotLabel(slot, piece, result, female, true), withReference);
    QCOMPARE(markSlotLabel(slot, piece, result, female, false), withoutReference);
}

QTEST_GUILESS_MAIN(TestSlotLabels)
#include "test_slot_labels.moc"
