// Moving pieces on the work area: dragging, choosing with a right-click, turning with the wheel.
#include "exercise/ui/tform1.h"

#include "exercise/bitmap_transform.h"
#include "exercise/board_rules.h"
#include "exercise/scatter.h"
#include "exercise/ui/tform16.h"

#include <QApplication>
#include <QCursor>
#include <QListWidget>

namespace {

// The deepest visible widget under pos (in root's coordinates), skipping `skip` and everything
// in it. A point outside a widget never reaches its children, as they are clipped to it.
QWidget *widgetAt(QWidget *root, const QPoint &pos, const QWidget *skip)
{
    const QObjectList &children = root->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *child = qobject_cast<QWidget *>(*it);
        if (!child || child == skip || child->isWindow() || !child->isVisible()
            || child->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        if (!child->geometry().contains(pos))
            continue;
        if (QWidget *inner = widgetAt(child, pos - child->pos(), skip))
            return inner;
        return child;
    }
    return nullptr;
}

} // namespace

bool TForm1::InputPanelDragOver(QWidget *, QWidget *source, int, int)
{
    const bool accept = qobject_cast<PieceImage *>(source) != nullptr;
    source->setCursor(Qt::ArrowCursor);
    DragSourceContainer = source->parentWidget() ? source->parentWidget()->objectName() : QString();
    Label7->setText(DragSourceContainer);
    return accept;
}

void TForm1::InputPanelDragDrop(QWidget *, QWidget *source, int x, int y)
{
    if (auto *piece = qobject_cast<PieceImage *>(source)) {
        // A piece drawn smaller to fit its slot takes its board size again.
        const int k = pieceIndexFromName(piece->objectName());
        if (k >= 0 && k < PieceCount && slotCapFrom_[k] > 0.0f) {
            drawPiece(k, slotCapFrom_[k], korven::stepAngle(RotationSteps, PieceRotation[k]));
            slotCapFrom_[k] = 0.0f;
        }
        const QPoint at = korven::dropOnPanel(InputPanel->size(), piece->size(), x, y);
        if (piece->parentWidget() != InputPanel)
            piece->setParent(InputPanel);
        piece->move(at);
        piece->show();
        // Above the other pieces, but under the correct answer when it lies over the work area.
        piece->raise();
        if (Form16 && Form16->parentWidget() == InputPanel)
            Form16->raise();

        DraggedPiece = pieceIndexFromName(piece->objectName());
        for (int s = 0; s < SlotCount; ++s) {
            if (SlotContent[s] == DraggedPiece) {
                SlotContent[s] = -1;
                relabelSlotOnRemoval(s);
            }
        }
    }
    DragSourceContainer = QStringLiteral("InputPanel");
    Label7->setText(DragSourceContainer);
    SelectedPiece = -1;
}

// A right-click chooses the piece for turning and records the centre it turns about.
void TForm1::ImageContextPopup(PieceImage *piece)
{
    const int k = pieceIndexFromName(piece->objectName());
    SelectedPiece = k;
    SelectionArmed = 1;
    const QPoint centre = korven::centreOf(piece->geometry());
    PieceCentreX[k] = centre.x();
    PieceCentreY[k] = centre.y();
    if (PiecesMovable == 1)
        piece->setCursor(Qt::SizeAllCursor);
}

// One wheel notch turns the chosen piece by one step about its recorded centre.
void TForm1::FormMouseWheel(int delta)
{
    if (QListWidgetItem *current = ListBox1->currentItem())
        CurrentProblemName = current->text();
    if (PiecesMovable != 1 || SelectedPiece < 0 || SelectedPiece >= PieceCount)
        return;

    const int k = SelectedPiece;
    PieceRotation[k] = korven::wheelStep(PieceRotation[k], delta, RotationSteps);
    PieceImage *piece = PieceImages[k];
    const float angle = korven::stepAngle(RotationSteps, PieceRotation[k]);
    float scale = Magnification;
    if (piece->parentWidget() != InputPanel) // in a slot: whole, as a drop there draws it
        scale = korven::slotScale(SourceBitmaps[k].size(), Magnification, angle,
                                  piece->parentWidget()->size(), SlotInsetTop);
    slotCapFrom_[k] = scale < Magnification ? Magnification : 0.0f;
    drawPiece(k, scale, angle);
    piece->move(PieceCentreX[k] - piece->width() / 2, PieceCentreY[k] - piece->height() / 2);
    if (Loupe)
        updateMagnifier(QCursor::pos());
}

void TForm1::ImageMouseMove(PieceImage *piece, int, int)
{
    if (SelectedPiece != pieceIndexFromName(piece->objectName()))
        piece->setCursor(Qt::ArrowCursor);
}

// Moving the pointer over the work area away from the chosen piece ends the choice.
void TForm1::InputPanelMouseMove(int x, int y)
{
    if (SelectionArmed == 1 && SelectedPiece >= 0 && SelectedPiece < PieceCount) {
        if (!korven::keepsSelection(PieceImages[SelectedPiece]->geometry(), HoverBoxFactor, x, y))
            SelectedPiece = -1;
    }
    InputPanel->setCursor(Qt::ArrowCursor);
}

// ---- The drag: a piece in automatic drag mode follows the left button from press to release.
// The piece stays where it is while the pointer moves; the receiver under the pointer is asked
// on every move whether it accepts, and the cursor shows the answer. Only InputPanel (and the
// pieces lying on it), OutputPanel and the slot panels can receive a piece.

void TForm1::beginPieceDrag(PieceImage *piece, const QPoint &globalPos)
{
    cancelPieceDrag();
    if (!piece || !piece->automaticDrag)
        return;
    drag_.press(piece, globalPos);
}

QWidget *TForm1::widgetUnder(const QPoint &globalPos) const
{
    QWidget *root = centralWidget();
    return widgetAt(root, root->mapFromGlobal(globalPos), nullptr);
}

QWidget *TForm1::dropReceiverAt(const QPoint &globalPos) const
{
    QWidget *root = centralWidget();
    QWidget *hit = widgetAt(root, root->mapFromGlobal(globalPos), drag_.piece());
    if (!hit)
        return nullptr;
    if (hit == InputPanel || hit == OutputPanel)
        return hit;
    if (auto *piece = qobject_cast<PieceImage *>(hit))
        return piece->parentWidget() == InputPanel ? InputPanel : nullptr;
    for (BoardPanel *slot : SlotPanels)
        if (hit == slot)
            return slot;
    return nullptr;
}

void TForm1::movePieceDrag(const QPoint &globalPos)
{
    if (!drag_.follow(globalPos))
        return;
    PieceImage *piece = draggedControl();
    dragTarget_ = dropReceiverAt(globalPos);
    dragAccepted_ = false;
    if (dragTarget_) {
        const QPoint local = dragTarget_->mapFromGlobal(globalPos);
        dragAccepted_ = dragTarget_ == InputPanel
                            ? InputPanelDragOver(dragTarget_, piece, local.x(), local.y())
                            : OutputPanelDragOver(dragTarget_, piece, local.x(), local.y());
    }
    drag_.showAccepted(dragAccepted_);
}

void TForm1::endPieceDrag(const QPoint &globalPos)
{
    if (!drag_.held())
        return;
    movePieceDrag(globalPos);
    PieceImage *piece = draggedControl();
    QWidget *target = dragTarget_;
    const bool drop = drag_.started() && dragAccepted_ && target;
    cancelPieceDrag();
    if (!drop)
        return;
    const QPoint local = target->mapFromGlobal(globalPos);
    if (target == InputPanel)
        InputPanelDragDrop(target, piece, local.x(), local.y());
    else
        OutputPanelDragDrop(target, piece, local.x(), local.y());
}

// The drag ends without a drop (the piece was hidden or lost the mouse, or another window took
// over): the cursor comes back and the next press starts afresh.
void TForm1::cancelPieceDrag()
{
    drag_.cancel();
    dragTarget_ = nullptr;
    dragAccepted_ = false;
}
