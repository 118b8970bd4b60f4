// Placing pieces in the karyogram: OutputPanel and the 46 slot panels share these handlers.
#include "exercise/ui/tform1.h"

#include "analysis/ui/tpages_dlg.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "exercise/board_rules.h"
#include "exercise/problem_loader.h"
#include "exercise/scatter.h"

#include <QCheckBox>
#include <QDir>

namespace {

bool alignmentMode()
{
    return PagesDlg && PagesDlg->AnswerMode->isChecked();
}

} // namespace

bool TForm1::OutputPanelDragOver(QWidget *, QWidget *source, int, int)
{
    const bool accept = qobject_cast<PieceImage *>(source) != nullptr;
    source->setCursor(Qt::ArrowCursor);
    DragSourceContainer = source->parentWidget() ? source->parentWidget()->objectName() : QString();
    Label7->setText(DragSourceContainer);
    return accept;
}

void TForm1::OutputPanelDragDrop(QWidget *sender, QWidget *source, int, int)
{
    // Any drop, taken or refused, ends the right-click choice.
    SelectedPiece = -1;

    int s = -1;
    for (int i = 0; i < SlotCount; ++i)
        if (SlotPanels[i] == sender)
            s = i;
    auto *piece = qobject_cast<PieceImage *>(source);
    if (s < 0 || !piece || SlotContent[s] != -1) {
        // A taken slot (the piece's own included), OutputPanel outside the slots, or anything
        // that is not a piece: refused, nothing moves.
        korven::ui::beep();
        return;
    }

    const int k = pieceIndexFromName(piece->objectName());
    DraggedPiece = k;
    CurrentProblemName = problemNameAt(ProblemPosition);
    // The picture is drawn afresh from its file. Reading it first means that a problem folder
    // changed under the program leaves the piece where it was, with the board untouched.
    const QString path = QDir(korven::imagesFolderOf(CurrentProblemName))
                             .filePath(CurrentProblemName + QLatin1Char('/') + korven::pieceFileName(k));
    SourceBitmaps[k] = korven::loadBitmap24(path);

    piece->setParent(SlotPanels[s]);

    // The piece leaves the slot it lay in, before the new slot records it.
    if (DragSourceContainer != sender->objectName() && DragSourceContainer != QLatin1String("InputPanel")) {
        const int h = slotIndexFromName(DragSourceContainer);
        if (h >= 0 && h < SlotCount) {
            SlotContent[h] = -1;
            relabelSlotOnRemoval(h);
        }
    }

    // Upright (Alignment mode) or at its own turn; drawn smaller when the slot cannot show it
    // whole at the board's size.
    const bool upright = alignmentMode();
    const std::optional<float> angle =
        upright ? std::nullopt : std::optional<float>(korven::stepAngle(RotationSteps, PieceRotation[k]));
    const float scale =
        korven::slotScale(SourceBitmaps[k].size(), Magnification, angle, SlotPanels[s]->size(), SlotInsetTop);
    drawPiece(k, scale, angle);
    slotCapFrom_[k] = scale < Magnification ? Magnification : 0.0f;
    piece->move(korven::centreInSlot(SlotPanels[s]->size(), piece->size(), SlotInsetTop));
    piece->show();
    piece->raise();

    if (upright)
        PieceRotation[k] = 0;
    SlotContent[s] = k;
    relabelSlotOnPlacement(s);
}
