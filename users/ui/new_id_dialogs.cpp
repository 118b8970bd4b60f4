#include "users/ui/new_id_dialogs.h"

TNewIDorNo *NewIDorNo = nullptr;
TNewID *NewID = nullptr;
TForm9 *Form9 = nullptr;
TForm11 *Form11 = nullptr;
TRecovery1 *Recovery1 = nullptr;
TNewIDComplete *NewIDComplete = nullptr;
TForm14 *Form14 = nullptr;

TNewIDorNo::TNewIDorNo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewIDorNo"));
    setWindowTitle(QStringLiteral("KORVEN  Create New ID"));
}

TNewID::TNewID(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewID"));
    setWindowTitle(QStringLiteral("KORVEN  Create New ID"));
}

TForm9::TForm9(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("KORVEN"));
}

TForm11::TForm11(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("KORVEN  Reenter password"));
}

TRecovery1::TRecovery1(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Recovery1"));
    setWindowTitle(QStringLiteral("KORVEN　　Revive ID"));
}

TNewIDComplete::TNewIDComplete(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewIDComplete"));
    setWindowTitle(QStringLiteral("KORVEN"));
}

TForm14::TForm14(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("KORVEN"));
}
