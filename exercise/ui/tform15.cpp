#include "exercise/ui/tform15.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm15 *Form15 = nullptr;

TForm15::TForm15(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("KORVEN"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("KORVEN file has broken."), this));
    auto *exit = new QPushButton(tr("Exit"), this);
    layout->addWidget(exit);
    connect(exit, &QPushButton::clicked, this, [this] {
        close();
        QApplication::quit();
    });
}
