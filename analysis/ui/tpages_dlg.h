#pragma once
// The settings dialog: Reference mode, Alignment mode, chromosome size, password.
#include <QDialog>
#include <QImage>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

class TPagesDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPagesDlg(QWidget *parent = nullptr);

    QTabWidget *PageControl1 = nullptr;
    QCheckBox *Cheat = nullptr;      // "Reference mode"
    QCheckBox *AnswerMode = nullptr; // "Alignment mode"
    QSlider *TrackBar1 = nullptr;    // size step 7..13, at 10
    QLabel *Label4 = nullptr;        // current size
    QLabel *Image2 = nullptr;        // preview
    QLabel *Label8 = nullptr;        // sample image error
    QLineEdit *Password = nullptr;
    QLineEdit *rePassword = nullptr;
    QLabel *Label11 = nullptr;
    QPushButton *Button1 = nullptr;  // "Optimal size(1.0)"
    QPushButton *Button3 = nullptr;  // "Change password"
    QPushButton *OKBtn = nullptr;
    QImage SampleBitmap;
};

extern TPagesDlg *PagesDlg;
