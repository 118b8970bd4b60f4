// A trial driven the way a trainee drives it: buttons clicked, pieces dragged into slots and one
// turned with the wheel, all with real mouse events on the exercise window.
#include "exercise/board_rules.h"
#include "exercise/ui/tform1.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QPushButton>
#include <QWheelEvent>
#include <QTest>

using korven::test::WindowFixture;

class TestWindowTrial : public QObject {
    Q_OBJECT
private slots:
    void dragTurnAndPlace();
};

void TestWindowTrial::dragTurnAndPlace()
{
    WindowFixture fixture({korven::test::maleProblem(7)});
    TForm1 *f = fixture.form();

    QTest::mouseClick(f->Button2, Qt::LeftButton);
    QVERIFY(fixture.errors().isEmpty());
    QCOMPARE(f->ProblemPosition, 0);
    QVERIFY(!f->PieceImages[0]->automaticDrag);
    QTest::mouseClick(f->Button4, Qt::LeftButton);
    QCOMPARE(f->Button4->text(), QStringLiteral("Pause"));
    QCOMPARE(f->PiecesMovable, 1);

    // Turn piece 2 (chromosome 2) one notch away from the user: right-click it, then the wheel
    // over the karyogram (the window takes every wheel turn).
    PieceImage *turned = f->PieceImages[2];
    const int stepBefore = f->PieceRotation[2];
    const QPoint click = turned->rect().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, click, turned->mapToGlobal(click));
    QApplication::sendEvent(turned, &rightClick);
    QCOMPARE(f->SelectedPiece, 2);
    QWidget *over = f->SlotPanels[30];
    QWheelEvent wheel(QPointF(10, 10), over->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
    const int stepAfter = (stepBefore + 1) % 24;
    QCOMPARE(f->PieceRotation[2], stepAfter);

    // Three pieces into their slots with press, move and release.
    const QList<QPair<int, int>> drops = {{0, 0}, {2, 3}, {45, 45}};
    for (const auto &[piece, slot] : drops) {
        PieceImage *p = f->PieceImages[piece];
        BoardPanel *target = f->SlotPanels[slot];
        const QPoint grab = p->rect().center();
        const QPoint drop = p->mapFromGlobal(target->mapToGlobal(QPoint(target->width() / 2, target->height() - 8)));
        QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, grab);
        QTest::mouseMove(p, grab + QPoint(10, 10));
        QTest::mouseMove(p, drop);
        QTest::mouseRelease(p, Qt::LeftButton, Qt::NoModifier, drop);
    }
    QVERIFY(fixture.errors().isEmpty());

    for (int s = 0; s < TForm1::SlotCount; ++s) {
        const int expected = s == 0 ? 0 : s == 3 ? 2 : s == 45 ? 45 : -1;
        QCOMPARE(f->SlotContent[s], expected);
    }
    for (const auto &[piece, slot] : drops) {
        PieceImage *p = f->PieceImages[piece];
        QCOMPARE(p->parentWidget(), f->SlotPanels[slot]);
        QVERIFY(p->isVisible());
        QCOMPARE(p->pos(), korven::centreInSlot(f->SlotPanels[slot]->size(), p->size(), 2));
    }
    // The turned piece kept its step (no alignment mode); the others are still on the work area.
    QCOMPARE(f->PieceRotation[2], stepAfter);
    QCOMPARE(f->PieceImages[1]->parentWidget(), f->InputPanel);
    QCOMPARE(f->SelectedPiece, -1);
    QCOMPARE(f->DragSourceContainer, QStringLiteral("InputPanel"));

    // Pausing freezes the board: a press on a placed piece no longer drags it.
    QTest::mouseClick(f->Button4, Qt::LeftButton);
    QCOMPARE(f->Button4->text(), QStringLiteral("Restart"));
    PieceImage *placed = f->PieceImages[0];
    QTest::mousePress(placed, Qt::LeftButton, Qt::NoModifier, placed->rect().center());
    QTest::mouseMove(placed, placed->mapFromGlobal(f->InputPanel->mapToGlobal(QPoint(50, 50))));
    QTest::mouseRelease(placed, Qt::LeftButton, Qt::NoModifier,
                        placed->mapFromGlobal(f->InputPanel->mapToGlobal(QPoint(50, 50))));
    QCOMPARE(placed->parentWidget(), f->SlotPanels[0]);
    QCOMPARE(f->SlotContent[0], 0);
}

QTEST_MAIN(TestWindowTrial)
#include "test_window_trial.moc"
