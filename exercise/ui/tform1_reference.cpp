// Reference mode: slot labels that name the chromosome lying in each slot.
#include "exercise/ui/tform1.h"

void TForm1::N1Click() {}
void TForm1::relabelAllSlots() {}
void TForm1::relabelSlotOnPlacement(int) {}
void TForm1::relabelSlotOnRemoval(int) {}
