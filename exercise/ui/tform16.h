#pragma once
// The correct-answer window: the current problem's karyogram, every chromosome upright in its slot.
#include <QDialog>

class TForm16 : public QDialog {
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);
};

extern TForm16 *Form16;
