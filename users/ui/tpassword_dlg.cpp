#include "users/ui/tpassword_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

TPasswordDlg *PasswordDlg = nullptr;

TPasswordDlg::TPasswordDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(QStringLiteral("KORVEN  ID and Password"));
    Label2 = new QLabel(QStringLiteral("ID"), this);
    ID = new QLineEdit(this);
    Label1 = new QLabel(QStringLiteral("Password"), this);
    Password = new QLineEdit(this);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    Button1 = new QPushButton(QStringLiteral("Create ID"), this);
    ListBox1 = new QListWidget(this);
    ListBox1->hide();
}
