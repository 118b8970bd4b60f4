#include "forms/window_set.h"

#include "analysis/ui/delete_results_dlgs.h"
#include "analysis/ui/tokbottom_dlg.h"
#include "analysis/ui/tpages_dlg.h"
#include "app/ui/tabout_box.h"
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform15.h"
#include "exercise/ui/tform16.h"
#include "users/ui/new_id_dialogs.h"
#include "users/ui/tpassword_dlg.h"

namespace korven::ui {

namespace {
QStringList &order()
{
    static QStringList list;
    return list;
}

template <typename T> void create(T *&ref)
{
    ref = new T();
    order().append(ref->objectName());
}
} // namespace

void createWindowSet()
{
    order().clear();
    create(PasswordDlg);
    create(AboutBox);
    create(PagesDlg);
    create(OKBottomDlg);
    create(NewIDorNo);
    create(NewID);
    create(Form9);
    create(Form6);
    create(Form11);
    create(Recovery1);
    create(NewIDComplete);
    create(Form8);
    create(Form10);
    create(Form14);
    create(Form15);
    create(Form16);
}

const QStringList &windowCreationOrder() { return order(); }

template <typename T> static void destroy(T *&ref)
{
    delete ref;
    ref = nullptr;
}

void destroyWindowSet()
{
    destroy(Form1);
    destroy(Form16);
    destroy(Form15);
    destroy(Form14);
    destroy(Form10);
    destroy(Form8);
    destroy(NewIDComplete);
    destroy(Recovery1);
    destroy(Form11);
    destroy(Form6);
    destroy(Form9);
    destroy(NewID);
    destroy(NewIDorNo);
    destroy(OKBottomDlg);
    destroy(PagesDlg);
    destroy(AboutBox);
    destroy(PasswordDlg);
}

void createExerciseWindow()
{
    if (!Form1)
        Form1 = new TForm1();
}

void showFirstWindow()
{
    // The login dialog comes first; it creates the exercise window after a successful login.
    PasswordDlg->show();
}

} // namespace korven::ui
