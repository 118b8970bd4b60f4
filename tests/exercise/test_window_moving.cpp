// Moving pieces on the work area: the drag with the mouse, choosing and turning with the wheel,
// the hover square.
#include "forms/messages.h"
#include "exercise/bitmap_transform.h"
#include "exercise/board_rules.h"
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform16.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QTest>

using korven::test::WindowFixture;

namespace {

// The picture a piece shows at a rotation step.
QImage turnedPicture(TForm1 *f, int k, int step)
{
    QImage scaled;
    QImage turned;
    korven::ScaleBitmap(f->SourceBitmaps[k], scaled, f->Magnification);
    korven::RotateBitmap(scaled, turned, float(360.0 / 24 * step));
    return turned;
}

void hoverInputPanel(TForm1 *f, const QPoint &at)
{
    QMouseEvent move(QEvent::MouseMove, at, f->InputPanel->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(f->InputPanel, &move);
}

} // namespace

class TestWindowMoving : public QObject {
    Q_OBJECT
private slots:
    void wheelTurnsAboutTheCentre_data();
    void wheelTurnsAboutTheCentre();
    void wheelDoesNothing_data();
    void wheelDoesNothing();
    void fineWheelAddsUpToNotches();
    void rightClickChooses();
    void hoverSquare();
    void dropOnInputPanel_data();
    void dropOnInputPanel();
    void takingOutOfASlot();
    void droppedBackUnderTheAnswer();
    void refusedReleases_data();
    void refusedReleases();
    void cursorDuringDrag();
    void noDragWhenFrozenOrNotMoved();
    void interruptedDrag_data();
    void interruptedDrag();
};

void TestWindowMoving::wheelTurnsAboutTheCentre_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("notches");
    QTest::addColumn<int>("expected");
    QTest::newRow("23 away from the user -> 0") << 23 << 1 << 0;
    QTest::newRow("0 toward the user -> 23") << 0 << -1 << 23;
    QTest::newRow("three notches on") << 5 << 3 << 8;
}

void TestWindowMoving::wheelTurnsAboutTheCentre()
{
    QFETCH(int, step);
    QFETCH(int, notches);
    QFETCH(int, expected);
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    const int k = 17;
    f->PieceRotation[k] = step;
    fixture.chooseForTurning(k);
    const QPoint centre(f->PieceCentreX[k], f->PieceCentreY[k]);
    // Moving the piece after the right-click does not move the pivot.
    f->PieceImages[k]->move(f->PieceImages[k]->pos() + QPoint(7, 3));

    fixture.turnWheel(notches);
    PieceImage *p = f->PieceImages[k];
    QCOMPARE(f->PieceRotation[k], expected);
    const QImage expectedPicture = turnedPicture(f, k, expected);
    QCOMPARE(p->size(), expectedPicture.size());
    QCOMPARE(p->picture(), expectedPicture);
    QCOMPARE(QPoint(p->x() + p->width() / 2, p->y() + p->height() / 2), centre);
    QCOMPARE(f->SelectedPiece, k);
}

void TestWindowMoving::wheelDoesNothing_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("no right-click yet") << "none";
    QTest::newRow("paused") << "paused";
    QTest::newRow("not started") << "ready";
    QTest::newRow("pointer moved away from the piece") << "away";
    QTest::newRow("after a drop") << "dropped";
}

void TestWindowMoving::wheelDoesNothing()
{
    QFETCH(QString, situation);
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    const int k = 12;
    if (situation == QLatin1String("ready")) {
        fixture.pick(0);
        fixture.chooseForTurning(k);
    } else {
        fixture.loadAndStart();
        if (situation != QLatin1String("none"))
            fixture.chooseForTurning(k);
        if (situation == QLatin1String("paused"))
            f->Button4Click();
        if (situation == QLatin1String("away")) {
            PieceImage *p = f->PieceImages[k];
            const QPoint far = p->geometry().center().x() < f->InputPanel->width() / 2
                                   ? QPoint(f->InputPanel->width() - 2, 2)
                                   : QPoint(2, 2);
            hoverInputPanel(f, far);
        }
        if (situation == QLatin1String("dropped"))
            fixture.placePiece(k, 20);
    }
    const int before = f->PieceRotation[k];
    const QImage picture = f->PieceImages[k]->picture();
    const QRect geometry = f->PieceImages[k]->geometry();
    fixture.turnWheel(2);
    QCOMPARE(f->PieceRotation[k], before);
    QCOMPARE(f->PieceImages[k]->picture(), picture);
    QCOMPARE(f->PieceImages[k]->geometry(), geometry);
}

void TestWindowMoving::fineWheelAddsUpToNotches()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    f->PieceRotation[4] = 10;
    fixture.chooseForTurning(4);
    auto send = [&](int delta) {
        QWheelEvent event(QPointF(5, 5), f->OutputPanel->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f->OutputPanel, &event);
    };
    send(0);
    for (int i = 0; i < 3; ++i)
        send(30);
    QCOMPARE(f->PieceRotation[4], 10);
    send(30);
    QCOMPARE(f->PieceRotation[4], 11);
    send(-240);
    QCOMPARE(f->PieceRotation[4], 9);
}

void TestWindowMoving::rightClickChooses()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.pick(0);
    PieceImage *p = f->PieceImages[30];
    fixture.chooseForTurning(30);
    QCOMPARE(f->SelectedPiece, 30);
    QCOMPARE(f->SelectionArmed, 1);
    QCOMPARE(f->PieceCentreX[30], p->x() + p->width() / 2);
    QCOMPARE(f->PieceCentreY[30], p->y() + p->height() / 2);
    // Only movable pieces show the four-way arrow when chosen.
    QVERIFY(p->cursor().shape() != Qt::SizeAllCursor);
    f->Button4Click();
    fixture.chooseForTurning(30);
    QCOMPARE(p->cursor().shape(), Qt::SizeAllCursor);
    // Another piece chosen: the pointer over the first one gives it the ordinary cursor again.
    fixture.chooseForTurning(31);
    QCOMPARE(f->SelectedPiece, 31);
    QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), p->mapToGlobal(QPointF(1, 1)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(p, &move);
    QCOMPARE(p->cursor().shape(), Qt::ArrowCursor);
}

void TestWindowMoving::hoverSquare()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    PieceImage *p = f->PieceImages[5];
    p->move(100, 100);
    fixture.chooseForTurning(5);
    const int size = std::max(p->width(), p->height());
    // Inside the square beside a narrow piece the choice stays.
    hoverInputPanel(f, QPoint(100 + size - 1, 100 + size - 1));
    QCOMPARE(f->SelectedPiece, 5);
    // Passing over another piece far away is a move over that piece, not over the work area.
    PieceImage *other = f->PieceImages[6];
    other->move(100 + 3 * size, 100 + 2 * size);
    QMouseEvent overOther(QEvent::MouseMove, QPointF(2, 2), other->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(other, &overOther);
    QCOMPARE(f->SelectedPiece, 5);
    hoverInputPanel(f, QPoint(100 + size, 101));
    QCOMPARE(f->SelectedPiece, -1);
    QCOMPARE(f->InputPanel->cursor().shape(), Qt::ArrowCursor);
    // Nothing chosen: moving about chooses nothing.
    hoverInputPanel(f, QPoint(101, 101));
    QCOMPARE(f->SelectedPiece, -1);
}

void TestWindowMoving::dropOnInputPanel_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("open area") << "middle";
    QTest::newRow("5 px above the bottom edge") << "bottom";
    QTest::newRow("near the top edge") << "top";
    QTest::newRow("near the right edge") << "right";
}

void TestWindowMoving::dropOnInputPanel()
{
    QFETCH(QString, where);
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    const int k = 3;
    PieceImage *p = f->PieceImages[k];
    // Keep the other pieces out of the way, so that the drop point is open panel.
    for (PieceImage *other : f->PieceImages)
        if (other != p)
            other->hide();
    const QSize panel = f->InputPanel->size();
    QPoint at(panel.width() / 2, panel.height() / 2);
    if (where == QLatin1String("bottom"))
        at.setY(panel.height() - 5);
    else if (where == QLatin1String("top"))
        at.setY(4);
    else if (where == QLatin1String("right"))
        at.setX(panel.width() - 3);
    if ((p->geometry().center() - at).manhattanLength() < 30)
        p->move(10, 10);
    const QImage picture = p->picture();
    const int rotation = f->PieceRotation[k];
    fixture.chooseForTurning(k);

    fixture.dragPiece(k, f->InputPanel, at);
    QCOMPARE(p->parentWidget(), f->InputPanel);
    QCOMPARE(p->pos(), korven::dropOnPanel(panel, p->size(), at.x(), at.y()));
    if (where == QLatin1String("bottom"))
        QCOMPARE(p->geometry().bottom(), panel.height() - 1);
    if (where == QLatin1String("top"))
        QVERIFY(p->y() < 0);
    // Not redrawn, not turned; the choice ends.
    QCOMPARE(p->picture(), picture);
    QCOMPARE(f->PieceRotation[k], rotation);
    QCOMPARE(f->SelectedPiece, -1);
    QCOMPARE(f->DragSourceContainer, QStringLiteral("InputPanel"));
}

void TestWindowMoving::takingOutOfASlot()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    fixture.dragPieceToSlot(9, 4);
    QCOMPARE(f->SlotContent[4], 9);
    QCOMPARE(f->PieceImages[9]->parentWidget(), f->SlotPanels[4]);

    // Dragging out of the slot: on the way the source container is the slot.
    PieceImage *p = f->PieceImages[9];
    const QPoint target(30, 30);
    QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, p->rect().center());
    QTest::mouseMove(p, p->mapFromGlobal(f->InputPanel->mapToGlobal(target)));
    QCOMPARE(f->DragSourceContainer, QStringLiteral("Panel14"));
    QCOMPARE(f->Label7->text(), QStringLiteral("Panel14"));
    QTest::mouseRelease(p, Qt::LeftButton, Qt::NoModifier, p->mapFromGlobal(f->InputPanel->mapToGlobal(target)));

    QCOMPARE(p->parentWidget(), f->InputPanel);
    QVERIFY(p->isVisible());
    QCOMPARE(f->SlotContent[4], -1);
    QCOMPARE(f->SlotLabels[4]->text(), QStringLiteral("3"));
    QCOMPARE(f->DragSourceContainer, QStringLiteral("InputPanel"));
    QCOMPARE(f->Label7->text(), QStringLiteral("InputPanel"));
}

void TestWindowMoving::droppedBackUnderTheAnswer()
{
    // Wide pieces, so that one dropped at the right edge of the work area reaches under the
    // answer, which leaves a strip of 20 pixels open there.
    WindowFixture fixture({korven::test::femaleProblem(10)}, [](int) { return QSize(40, 40); });
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    fixture.dragPieceToSlot(9, 4);
    f->Button1Click();
    f->Button1Click(); // a correction round: the pieces move again
    f->Button5Click();
    QVERIFY(Form16 && Form16->isVisible());

    PieceImage *p = f->PieceImages[9];
    fixture.dragPiece(9, f->InputPanel, QPoint(f->InputPanel->width() - 3, f->InputPanel->height() / 2));
    QCOMPARE(p->parentWidget(), f->InputPanel);
    QCOMPARE(f->SlotContent[4], -1);
    const QRect overlap = p->geometry() & Form16->geometry();
    QVERIFY2(!overlap.isEmpty(), "the piece does not reach under the answer");
    QWidget *top = f->InputPanel->childAt(overlap.center());
    QVERIFY2(top == Form16 || Form16->isAncestorOf(top), qPrintable(top ? top->objectName() : QString()));
}

void TestWindowMoving::refusedReleases_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("row panel beyond the last slot") << "row";
    QTest::newRow("slot label") << "label";
    QTest::newRow("piece lying in a slot") << "piece";
    QTest::newRow("column of controls") << "menu";
}

void TestWindowMoving::refusedReleases()
{
    QFETCH(QString, where);
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    fixture.dragPieceToSlot(0, 0);
    QCOMPARE(f->SlotContent[0], 0);

    QWidget *target = nullptr;
    QPoint at;
    if (where == QLatin1String("row")) {
        target = f->RowPanels[0];
        at = QPoint(target->width() - 1, target->height() / 2);
    } else if (where == QLatin1String("label")) {
        target = f->SlotLabels[3];
        at = target->rect().center();
    } else if (where == QLatin1String("piece")) {
        target = f->PieceImages[0];
        at = target->rect().center();
    } else {
        target = f->MenuPanel;
        at = QPoint(target->width() / 2, f->OutputPanel->y() - 5);
    }
    QVERIFY(f->dropReceiverAt(target->mapToGlobal(at)) == nullptr);

    const int k = 20;
    PieceImage *p = f->PieceImages[k];
    const QRect geometry = p->geometry();
    const auto content = f->SlotContent;
    const int beeps = korven::ui::beepCount();
    fixture.dragPiece(k, target, at);
    QCOMPARE(p->parentWidget(), f->InputPanel);
    QCOMPARE(p->geometry(), geometry);
    QVERIFY(f->SlotContent == content);
    QCOMPARE(korven::ui::beepCount(), beeps);
}

void TestWindowMoving::cursorDuringDrag()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    PieceImage *p = f->PieceImages[7];
    auto moveTo = [&](QWidget *w, const QPoint &at) {
        QTest::mouseMove(p, p->mapFromGlobal(w->mapToGlobal(at)));
    };
    QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, p->rect().center());
    moveTo(f->SlotPanels[10], QPoint(20, 60));
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
    moveTo(f->MenuPanel, QPoint(10, f->OutputPanel->y() - 5));
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    moveTo(f->InputPanel, QPoint(3, 3));
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
    QTest::mouseRelease(p, Qt::LeftButton, Qt::NoModifier, p->mapFromGlobal(f->InputPanel->mapToGlobal(QPoint(3, 3))));
    QVERIFY(!QApplication::overrideCursor());
}

void TestWindowMoving::noDragWhenFrozenOrNotMoved()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.pick(0); // ready: pieces frozen
    PieceImage *p = f->PieceImages[2];
    const QRect geometry = p->geometry();
    fixture.dragPieceToSlot(2, 2);
    QCOMPARE(p->parentWidget(), f->InputPanel);
    QCOMPARE(p->geometry(), geometry);
    QCOMPARE(f->SlotContent[2], -1);

    // Movable, but released where it was pressed: a click, not a drag.
    f->Button4Click();
    const int beeps = korven::ui::beepCount();
    QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, p->rect().center());
    QCOMPARE(p->geometry(), geometry);
    QCOMPARE(korven::ui::beepCount(), beeps);
    QVERIFY(!QApplication::overrideCursor());
}

void TestWindowMoving::interruptedDrag_data()
{
    QTest::addColumn<QString>("interruption");
    QTest::newRow("Reset hides the held piece") << "reset";
    QTest::newRow("another window takes over") << "deactivate";
    QTest::newRow("the release went elsewhere") << "lost release";
}

void TestWindowMoving::interruptedDrag()
{
    // A drag that cannot end with a release on its piece leaves no drag cursor behind and drops
    // nothing; the next drag works as usual.
    QFETCH(QString, interruption);
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    PieceImage *p = f->PieceImages[7];
    const QPoint grab = p->rect().center();
    QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, grab);
    QTest::mouseMove(p, p->mapFromGlobal(f->SlotPanels[10]->mapToGlobal(QPoint(20, 60))));
    QVERIFY(QApplication::overrideCursor());

    if (interruption == QLatin1String("reset")) {
        f->New1Click();
    } else if (interruption == QLatin1String("deactivate")) {
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(f, &deactivate);
    } else {
        QMouseEvent move(QEvent::MouseMove, QPointF(grab), p->mapToGlobal(QPointF(grab)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(p, &move);
    }
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!f->draggedControl());
    QCOMPARE(f->SlotContent[10], -1);

    if (interruption == QLatin1String("reset"))
        fixture.loadAndStart();
    fixture.dragPieceToSlot(3, 2);
    QCOMPARE(f->SlotContent[2], 3);
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TestWindowMoving)
#include "test_window_moving.moc"
