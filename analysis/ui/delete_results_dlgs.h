#pragma once
// Deleting a user's results: the confirmation and the notice.
#include <QDialog>

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);
};

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);
};

extern TForm8 *Form8;
extern TForm10 *Form10;
