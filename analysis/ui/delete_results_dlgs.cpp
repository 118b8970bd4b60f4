#include "analysis/ui/delete_results_dlgs.h"

TForm8 *Form8 = nullptr;
TForm10 *Form10 = nullptr;

TForm8::TForm8(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("KORVEN  delete all results"));
}

TForm10::TForm10(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("KORVEN"));
}
