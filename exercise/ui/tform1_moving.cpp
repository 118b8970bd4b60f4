// Moving pieces on the work area: dragging, choosing with a right-click, turning with the wheel.
#include "exercise/ui/tform1.h"

bool TForm1::InputPanelDragOver(QWidget *, QWidget *, int, int) { return false; }
void TForm1::InputPanelDragDrop(QWidget *, QWidget *, int, int) {}
void TForm1::ImageContextPopup(PieceImage *) {}
void TForm1::FormMouseWheel(int) {}
void TForm1::ImageMouseMove(PieceImage *, int, int) {}
void TForm1::InputPanelMouseMove(int, int) {}
void TForm1::beginPieceDrag(PieceImage *, const QPoint &) {}
void TForm1::movePieceDrag(const QPoint &) {}
void TForm1::endPieceDrag(const QPoint &) {}
