// Reference mode: slot labels that name the chromosome lying in each slot.
#include "exercise/ui/tform1.h"

#include "analysis/ui/tpages_dlg.h"
#include "exercise/slot_labels.h"

#include <QAction>
#include <QCheckBox>

namespace {
void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}
} // namespace

void TForm1::N1Click()
{
    // The menu item has already toggled its check mark; the settings tick follows it.
    if (PagesDlg)
        PagesDlg->Cheat->setChecked(N1->isChecked());
    relabelAllSlots();
}

void TForm1::relabelAllSlots()
{
    const bool on = N1->isChecked();
    const bool female = isFemaleProblem();
    for (int s = 0; s < SlotCount; ++s) {
        const int k = SlotContent[s];
        setLabelText(SlotLabels[s], on && k >= 0 ? korven::referenceSlotLabel(s, k, female)
                                                 : korven::plainSlotLabel(s));
        SlotLabels[s]->move(SlotInsetLeft, SlotInsetTop);
    }
}

void TForm1::relabelSlotOnPlacement(int slot)
{
    if (!N1->isChecked() || slot < 0 || slot >= SlotCount || SlotContent[slot] < 0)
        return;
    setLabelText(SlotLabels[slot], korven::referenceSlotLabel(slot, SlotContent[slot], isFemaleProblem()));
}

void TForm1::relabelSlotOnRemoval(int slot)
{
    if (!N1->isChecked() || slot < 0 || slot >= SlotCount)
        return;
    setLabelText(SlotLabels[slot], korven::plainSlotLabel(slot));
}
