// The course of a trial: Next, a pick in the problem list, Start/Pause/Restart, the clock, Reset,
// Finish and the Analysis button.
#include "exercise/ui/tform1.h"

void TForm1::buildCatalogue() {}
void TForm1::LoadProblem(const QString &) {}
void TForm1::ScatterPieces() {}
void TForm1::loadProblemAt(int) {}
void TForm1::Button2Click() {}
void TForm1::ListBox3Click() {}
void TForm1::Button4Click() {}
void TForm1::Timer1Timer() {}
void TForm1::New1Click() {}
void TForm1::Button6Click() {}
void TForm1::Button3Click() {}
void TForm1::Analysis1Click() {}
