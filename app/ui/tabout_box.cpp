#include "app/ui/tabout_box.h"

#include "forms/program_icon.h"

#include <QLabel>
#include <QPushButton>

TAboutBox *AboutBox = nullptr;
TForm6 *Form6 = nullptr;

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About KORVEN"));
    setFixedSize(286, 210);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(16, 16, 48, 48);
    icon->setPixmap(korven::ui::programIconPixmap(48));

    auto *product = new QLabel(QStringLiteral("KORVEN"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setPixelSize(20);
    big.setBold(true);
    product->setFont(big);
    product->setGeometry(80, 16, 190, 28);

    auto *version = new QLabel(tr("Version 1.0.3"), this);
    version->setObjectName(QStringLiteral("Version"));
    version->setGeometry(80, 48, 190, 20);

    auto *comments = new QLabel(
        tr("A trainer for human karyotyping: arrange the 46 G-banded chromosomes of a "
           "metaphase into their karyogram against the clock."),
        this);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setWordWrap(true);
    comments->setGeometry(16, 80, 254, 72);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setGeometry(105, 168, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

TForm6::TForm6(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Form6"));
}
