#include "analysis/ui/tokbottom_dlg.h"

TOKBottomDlg *OKBottomDlg = nullptr;

TOKBottomDlg::TOKBottomDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowTitle(QStringLiteral("Evaluation(KORVEN)"));
}
