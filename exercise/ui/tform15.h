#pragma once
// Notice of a damaged problem file ("KORVEN file has broken."); its Exit ends the program.
#include <QDialog>

class TForm15 : public QDialog {
    Q_OBJECT
public:
    explicit TForm15(QWidget *parent = nullptr);
};

extern TForm15 *Form15;
