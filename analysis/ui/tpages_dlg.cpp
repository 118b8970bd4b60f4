#include "analysis/ui/tpages_dlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

TPagesDlg *PagesDlg = nullptr;

TPagesDlg::TPagesDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PagesDlg"));
    setWindowTitle(QStringLiteral("KORVEN Settings"));
    PageControl1 = new QTabWidget(this);
    Cheat = new QCheckBox(QStringLiteral("Reference mode"), this);
    Cheat->setObjectName(QStringLiteral("Cheat"));
    AnswerMode = new QCheckBox(QStringLiteral("Alignment mode"), this);
    AnswerMode->setObjectName(QStringLiteral("AnswerMode"));
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(7, 13);
    TrackBar1->setValue(10);
    Label4 = new QLabel(QStringLiteral("1.0"), this);
    Image2 = new QLabel(this);
    Label8 = new QLabel(this);
    Password = new QLineEdit(this);
    rePassword = new QLineEdit(this);
    Label11 = new QLabel(this);
    Button1 = new QPushButton(QStringLiteral("Optimal size(1.0)"), this);
    Button3 = new QPushButton(QStringLiteral("Change password"), this);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
}
