// The analysis dialog's "Print" and "Delete grades".
#include "analysis/ui/tokbottom_dlg.h"

#include "analysis/ui/current_printer.h"
#include "analysis/ui/delete_results_dlgs.h"
#include "analysis/ui/keep_modal.h"
#include "forms/messages.h"
#include "exercise/ui/tform1.h"

// Print: the dialog as it stands, on the clipboard and stretched over a page.
void TOKBottomDlg::Button1Click()
{
    korven::ui::printAnalysisPicture(this, Form1 ? Form1->UserId : QString());
}

// Delete grades: the confirmation stands in for this dialog, which stays in its modal showing and
// comes back (recomputed) when the confirmation or its notice closes.
void TOKBottomDlg::Button2Click()
{
    korven::ui::hideKeepingModal(this);
    korven::ui::execModal(Form8);
}
