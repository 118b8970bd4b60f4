// Printing the trial report and choosing the printer.
#include "exercise/ui/tform1.h"

void TForm1::N3Click() {}
void TForm1::N4Click() {}
