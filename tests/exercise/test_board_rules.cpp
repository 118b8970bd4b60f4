// The arithmetic of turning, hovering, dropping and centring pieces.
#include "exercise/board_rules.h"
#include "exercise/loupe.h"
#include "exercise/piece_picture.h"

#include <QTest>

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
    void slotScale_data();
    void slotScale();
    void loupeScale_data();
    void loupeScale();
    void loupePlacement_data();
    void loupePlacement();
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

// A piece in a slot is drawn at the board's scale when it fits, else at the largest scale that
// shows it whole.
void TestBoardRules::slotScale_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<float>("magnification");
    QTest::addColumn<float>("angle"); // < 0: upright, scaled only
    QTest::addColumn<QSize>("slot");
    QTest::addColumn<bool>("capped");
    // Chromosome 1 (53 x 324) in a 79 x 95 slot of the 990 x 780 window.
    QTest::newRow("default size fits") << QSize(53, 324) << 0.25f << -1.0f << QSize(79, 95) << false;
    QTest::newRow("size step 1.3 is cut") << QSize(53, 324) << 0.33f << -1.0f << QSize(79, 95) << true;
    QTest::newRow("turned across the slot") << QSize(53, 324) << 0.25f << 90.0f << QSize(79, 95) << true;
    QTest::newRow("small piece turned a little") << QSize(20, 60) << 0.9f << 15.0f << QSize(79, 95) << false;
}

void TestBoardRules::slotScale()
{
    QFETCH(QSize, source);
    QFETCH(float, magnification);
    QFETCH(float, angle);
    QFETCH(QSize, slot);
    QFETCH(bool, capped);
    const std::optional<float> turn = angle < 0 ? std::nullopt : std::optional<float>(angle);
    const float scale = korven::slotScale(source, magnification, turn, slot, 2);
    QCOMPARE(scale < magnification, capped);
    // Whole inside the slot, and not needlessly small.
    const QSize size = piecePictureSize(source, scale, turn);
    const QPoint at = korven::centreInSlot(slot, size, 2);
    QVERIFY(at.x() >= 0 && at.y() >= 0);
    QVERIFY(at.x() + size.width() <= slot.width() && at.y() + size.height() <= slot.height());
    if (capped) {
        const QSize larger = piecePictureSize(source, scale * 1.03f, turn);
        QVERIFY(larger.height() > slot.height() - 4 || larger.width() > slot.width() - 1);
    }
}

void TestBoardRules::loupeScale_data()
{
    QTest::addColumn<float>("shown");
    QTest::addColumn<int>("tallest");
    QTest::addColumn<float>("expected");
    QTest::newRow("default size: chromosome 1 at 250 px") << 0.25f << 324 << 250.0f / 324;
    QTest::newRow("size step 1.3: 2.5 times") << 0.33f << 324 << 0.825f;
    QTest::newRow("no problem loaded") << 0.4f << 0 << 1.0f;
}

void TestBoardRules::loupeScale()
{
    QFETCH(float, shown);
    QFETCH(int, tallest);
    QFETCH(float, expected);
    QCOMPARE(korven::loupeScale(shown, tallest), expected);
}

// The loupe stands beside the piece, never over it or the pointer, inside the area when a side
// has room for it.
void TestBoardRules::loupePlacement_data()
{
    QTest::addColumn<QRect>("piece");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QSize>("loupe");
    QTest::addColumn<QPoint>("expected");
    const QSize loupe(60, 260);
    // Area 0,0 800 x 700; gap 12.
    QTest::newRow("right of the piece, centred on the pointer")
        << QRect(100, 200, 20, 80) << QPoint(110, 240) << loupe << QPoint(132, 110);
    QTest::newRow("kept inside at the top") << QRect(100, 10, 20, 80) << QPoint(110, 20) << loupe << QPoint(132, 0);
    QTest::newRow("left when the right is full")
        << QRect(740, 300, 20, 80) << QPoint(750, 340) << loupe << QPoint(668, 210);
    QTest::newRow("below a piece as wide as the area")
        << QRect(0, 100, 800, 40) << QPoint(400, 120) << QSize(300, 200) << QPoint(250, 152);
    QTest::newRow("no side has room: the roomiest, still clear of the piece")
        << QRect(0, 0, 800, 600) << QPoint(400, 300) << QSize(300, 200) << QPoint(250, 612);
}

void TestBoardRules::loupePlacement()
{
    QFETCH(QRect, piece);
    QFETCH(QPoint, pointer);
    QFETCH(QSize, loupe);
    QFETCH(QPoint, expected);
    const QPoint at = korven::placeLoupe(QRect(0, 0, 800, 700), piece, pointer, loupe);
    QCOMPARE(at, expected);
    const QRect placed(at, loupe);
    QVERIFY(!placed.intersects(piece));
    QVERIFY(!placed.contains(pointer));
}

QTEST_GUILESS_MAIN(TestBoardRules)
#include "test_board_rules.moc"
