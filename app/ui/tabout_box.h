#pragma once
// The about box.
#include <QDialog>

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};

// A blank window kept in the window set; never shown.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);
};

extern TAboutBox *AboutBox;
extern TForm6 *Form6;
