// The magnifier, driven by mouse events on the real exercise window: what the loupe shows, where
// it stands, and that it leaves every click, drag and wheel turn to the board.
#include "exercise/board_rules.h"
#include "exercise/loupe.h"
#include "exercise/scatter.h"
#include "exercise/ui/magnifier.h"
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform16.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QTest>

using korven::test::WindowFixture;

namespace {

// The loupe's rectangle and a control's, both in the window's client coordinates.
QRect inClientArea(TForm1 *f, QWidget *w)
{
    return QRect(f->centralWidget()->mapFromGlobal(w->mapToGlobal(QPoint(0, 0))), w->size());
}

// The loupe shows `shown` (a piece or an answer image of piece k) at the expected scale and
// turn, and stands clear of it and of the pointer.
void checkLoupe(TForm1 *f, QWidget *shown, int k, float shownScale, std::optional<float> angle, const QPoint &pointer)
{
    QVERIFY(f->Loupe->isVisible());
    const float scale = korven::loupeScale(shownScale, f->TallestPieceHeight);
    QCOMPARE(f->Loupe->picture().scale, scale);
    QCOMPARE(f->Loupe->picture().angle, angle);
    QCOMPARE(f->Loupe->picture().size, korven::piecePictureSize(f->SourceBitmaps[k].size(), scale, angle));
    const QRect loupe = inClientArea(f, f->Loupe);
    QVERIFY(!loupe.intersects(inClientArea(f, shown)));
    QVERIFY(!loupe.contains(f->centralWidget()->mapFromGlobal(shown->mapToGlobal(pointer))));
}

} // namespace

class TestWindowMagnifier : public QObject {
    Q_OBJECT
private slots:
    void menuItemAndKey();
    void followsThePointerOverPieces();
    void takesNoInput();
    void middleButton();
    void slotsAndCorrectAnswer();
};

void TestWindowMagnifier::menuItemAndKey()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    QVERIFY(f->Magnifier1->isCheckable());
    QVERIFY(!f->Magnifier1->isChecked());
    QCOMPARE(f->Magnifier1->text(), QStringLiteral("Magnifier"));
    QCOMPARE(f->Magnifier1->shortcut(), QKeySequence(Qt::Key_F6));
    QTest::keyClick(f, Qt::Key_F6);
    QVERIFY(f->Magnifier1->isChecked());
    QTest::keyClick(f, Qt::Key_F6);
    QVERIFY(!f->Magnifier1->isChecked());
}

void TestWindowMagnifier::followsThePointerOverPieces()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    QTest::keyClick(f, Qt::Key_F6);

    // Piece 0 (chromosome 1), turned as on the board: the tallest piece of the problem is shown
    // 250 pixels tall at least, and chromosome 1 in proportion (homologues and cells vary in
    // length, so chromosome 1 need not be the tallest).
    PieceImage *piece = f->PieceImages[0];
    piece->raise();
    const QPoint at = piece->rect().center();
    QTest::mouseMove(piece, at);
    checkLoupe(f, piece, 0, f->Magnification, korven::stepAngle(24, f->PieceRotation[0]), at);
    if (f->PieceRotation[0] == 0 || f->PieceRotation[0] == 12)
        QVERIFY(f->Loupe->picture().size.height()
                >= 250 * f->SourceBitmaps[0].height() / f->TallestPieceHeight - 1);

    // It follows the pointer along the piece.
    const QPoint lower(at.x(), std::min(piece->height() - 1, at.y() + 6));
    QTest::mouseMove(piece, lower);
    QVERIFY(f->Loupe->isVisible());
    QWidget *area = f->centralWidget();
    QCOMPARE(f->Loupe->pos(), korven::placeLoupe(area->rect(), inClientArea(f, piece),
                                                 area->mapFromGlobal(piece->mapToGlobal(lower)), f->Loupe->size()));

    // Over the bare work area it hides; it reveals nothing: no selection, no label changes.
    QTest::mouseMove(f->InputPanel, QPoint(1, f->InputPanel->height() - 2));
    if (f->widgetUnder(f->InputPanel->mapToGlobal(QPoint(1, f->InputPanel->height() - 2))) == f->InputPanel)
        QVERIFY(!f->Loupe->isVisible());
    QCOMPARE(f->SelectedPiece, -1);

    // Off: nothing shows over a piece.
    QTest::keyClick(f, Qt::Key_F6);
    QTest::mouseMove(piece, at);
    QVERIFY(!f->Loupe->isVisible());
}

void TestWindowMagnifier::takesNoInput()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    f->Magnifier1->trigger();
    PieceImage *piece = f->PieceImages[6];
    piece->raise();
    const QPoint at = piece->rect().center();
    QTest::mouseMove(piece, at);
    QVERIFY(f->Loupe->isVisible());

    // Under the loupe lies the board, not the loupe.
    const QPoint loupeMiddle = f->Loupe->mapToGlobal(f->Loupe->rect().center());
    QVERIFY(f->widgetUnder(loupeMiddle) != f->Loupe);

    // The wheel still turns the chosen piece, and the loupe shows the new turn.
    fixture.chooseForTurning(6);
    const int step = f->PieceRotation[6];
    fixture.turnWheel(1);
    QCOMPARE(f->PieceRotation[6], korven::wheelStep(step, 120, 24));
    QTest::mouseMove(piece, piece->rect().center());
    QCOMPARE(f->Loupe->picture().angle, std::optional<float>(korven::stepAngle(24, f->PieceRotation[6])));

    // A drag still drags: the piece lands in the slot.
    fixture.dragPieceToSlot(6, 6);
    QCOMPARE(f->SlotContent[6], 6);
    QCOMPARE(piece->parentWidget(), f->SlotPanels[6]);
}

void TestWindowMagnifier::middleButton()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    f->Button4Click(); // paused: the loupe works all the same
    PieceImage *piece = f->PieceImages[20];
    piece->raise();
    const QPoint at = piece->rect().center();
    QTest::mouseMove(piece, at);
    QVERIFY(!f->Loupe->isVisible());
    QTest::mousePress(piece, Qt::MiddleButton, Qt::NoModifier, at);
    checkLoupe(f, piece, 20, f->Magnification, korven::stepAngle(24, f->PieceRotation[20]), at);
    QTest::mouseRelease(piece, Qt::MiddleButton, Qt::NoModifier, at);
    QVERIFY(!f->Loupe->isVisible());
    QCOMPARE(piece->parentWidget(), f->InputPanel);
}

void TestWindowMagnifier::slotsAndCorrectAnswer()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    f->Magnifier1->trigger();

    // A piece in a slot, at the turn and scale it is shown there.
    fixture.dragPieceToSlot(2, 2);
    PieceImage *placed = f->PieceImages[2];
    QTest::mouseMove(placed, placed->rect().center());
    checkLoupe(f, placed, 2, placed->shownScale(), placed->shownAngle(), placed->rect().center());

    // An upright chromosome of the correct answer.
    f->Button1Click();
    f->Button5Click();
    QLabel *answer = Form16->AnswerImages[40];
    QTest::mouseMove(answer, answer->rect().center());
    checkLoupe(f, answer, 40, Form16->AnswerScales[40], std::nullopt, answer->rect().center());
}

QTEST_MAIN(TestWindowMagnifier)
#include "test_window_magnifier.moc"
