// The exercise window's way into case work.
#include "exercise/ui/tform1.h"

#include "cases/ui/case_window.h"

#include <QPushButton>

void TForm1::CaseWork1Click()
{
    if (UserId.isEmpty())
        return;
    // A running trial waits while the trainee works a case.
    if (ClockRunning == 1)
        Button4Click();
    if (!CaseWork) {
        CaseWork = new CaseWindow(UserId, this);
        // Maximised: a karyogram shows its bands best with all the room the screen has.
        CaseWork->setWindowState(Qt::WindowMaximized);
    }
    CaseWork->setWindowFlag(Qt::Window);
    CaseWork->show();
    CaseWork->raise();
    CaseWork->activateWindow();
}
