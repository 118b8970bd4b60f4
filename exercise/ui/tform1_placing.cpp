// Placing pieces in the karyogram.
#include "exercise/ui/tform1.h"

bool TForm1::OutputPanelDragOver(QWidget *, QWidget *, int, int) { return false; }
void TForm1::OutputPanelDragDrop(QWidget *, QWidget *, int, int) {}
