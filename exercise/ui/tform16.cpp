#include "exercise/ui/tform16.h"

TForm16 *Form16 = nullptr;

TForm16::TForm16(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("KORVEN  Correct answer"));
}
