// The arithmetic of turning, hovering, dropping and centring pieces.
#include "exercise/board_rules.h"

#include <QtTest>

using namespace korven;

class TestBoardRules : public QObject {
    Q_OBJECT
private slots:
    void wheelStepWraps_data();
    void wheelStepWraps();
    void selectionSquare_data();
    void selectionSquare();
    void dropOnPanel_data();
    void dropOnPanel();
    void centreInSlot_data();
    void centreInSlot();
};

void TestBoardRules::wheelStepWraps_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expected");
    QTest::newRow("23 away from the user -> 0") << 23 << 120 << 0;
    QTest::newRow("0 toward the user -> 23") << 0 << -120 << 23;
    QTest::newRow("one step on") << 5 << 120 << 6;
    QTest::newRow("one step back") << 5 << -120 << 4;
    QTest::newRow("a small delta is a whole notch") << 22 << 15 << 23;
    QTest::newRow("zero counts as forward") << 0 << 0 << 1;
}

void TestBoardRules::wheelStepWraps()
{
    QFETCH(int, step);
    QFETCH(int, delta);
    QFETCH(int, expected);
    QCOMPARE(wheelStep(step, delta, 24), expected);
}

void TestBoardRules::selectionSquare_data()
{
    // A piece 20 wide and 60 high at (100, 50): the square runs over 100 < x < 160, 50 < y < 110.
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("keeps");
    QTest::newRow("on the piece") << 110 << 60 << true;
    QTest::newRow("beside the piece, inside the square") << 150 << 100 << true;
    QTest::newRow("last pixel inside") << 159 << 109 << true;
    QTest::newRow("left edge is open") << 100 << 60 << false;
    QTest::newRow("top edge is open") << 110 << 50 << false;
    QTest::newRow("right of the square") << 160 << 60 << false;
    QTest::newRow("below the square") << 110 << 110 << false;
    QTest::newRow("far away") << 400 << 300 << false;
}

void TestBoardRules::selectionSquare()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, keeps);
    QCOMPARE(keepsSelection(QRect(100, 50, 20, 60), 1, x, y), keeps);
}

void TestBoardRules::dropOnPanel_data()
{
    // Panel 400 x 300.
    QTest::addColumn<QSize>("piece");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("pointer becomes the centre") << QSize(20, 60) << QPoint(100, 100) << QPoint(90, 70);
    QTest::newRow("odd sizes halve toward zero") << QSize(21, 61) << QPoint(100, 100) << QPoint(90, 70);
    QTest::newRow("5 px above the bottom: flush with it") << QSize(20, 60) << QPoint(100, 295) << QPoint(90, 240);
    QTest::newRow("one pixel before the pull-back") << QSize(20, 60) << QPoint(100, 239) << QPoint(90, 209);
    QTest::newRow("near the top it sticks out") << QSize(20, 60) << QPoint(100, 10) << QPoint(90, -20);
    QTest::newRow("at the right edge: flush with it") << QSize(20, 60) << QPoint(395, 100) << QPoint(380, 70);
    QTest::newRow("near the left it sticks out") << QSize(20, 60) << QPoint(3, 100) << QPoint(-7, 70);
}

void TestBoardRules::dropOnPanel()
{
    QFETCH(QSize, piece);
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, topLeft);
    QCOMPARE(korven::dropOnPanel(QSize(400, 300), piece, pointer.x(), pointer.y()), topLeft);
}

void TestBoardRules::centreInSlot_data()
{
    // Slot 80 x 88, labels and pieces 2 pixels below the middle.
    QTest::addColumn<QSize>("piece");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("60 high") << QSize(20, 60) << QPoint(30, 16);
    QTest::newRow("61 high") << QSize(21, 61) << QPoint(29, 15);
    QTest::newRow("as high as the slot") << QSize(80, 88) << QPoint(0, 2);
    // A larger piece sticks out; the halving truncates toward zero, not down.
    QTest::newRow("taller and wider than the slot") << QSize(91, 101) << QPoint(-5, -4);
}

void TestBoardRules::centreInSlot()
{
    QFETCH(QSize, piece);
    QFETCH(QPoint, topLeft);
    QCOMPARE(korven::centreInSlot(QSize(80, 88), piece, 2), topLeft);
}

QTEST_GUILESS_MAIN(TestBoardRules)
#include "test_board_rules.moc"
