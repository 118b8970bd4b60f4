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
class QWidget;

class TPagesDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPagesDlg(QWidget *parent = nullptr);

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;    // "Mode"
    QWidget *TabSheet2 = nullptr;    // "Size of Chromosome"
    QWidget *TabSheet3 = nullptr;    // "Password"
    QWidget *Panel1 = nullptr;       // bottom strip holding OKBtn

    // "Mode"
    QCheckBox *Cheat = nullptr;      // "Reference mode"
    QLabel *Label1 = nullptr;
    QCheckBox *AnswerMode = nullptr; // "Alignment mode"
    QLabel *Label2 = nullptr;
    // "Size of Chromosome"
    QLabel *Label3 = nullptr;        // "Magnification"
    QLabel *Label4 = nullptr;        // current size
    QLabel *Label5 = nullptr;        // "0.7"
    QLabel *Label6 = nullptr;        // "1.3"
    QSlider *TrackBar1 = nullptr;    // size step 7..13, at 10
    QPushButton *Button1 = nullptr;  // "Optimal size(1.0)"
    QLabel *Image2 = nullptr;        // preview of the sample chromosome
    QLabel *Label8 = nullptr;        // sample image error
    QLabel *Label7 = nullptr;
    // "Password"
    QLabel *Label9 = nullptr;
    QLineEdit *Password = nullptr;
    QLabel *Label10 = nullptr;
    QLineEdit *rePassword = nullptr;
    QPushButton *Button3 = nullptr;  // "Change password"
    QLabel *Label11 = nullptr;       // confirmation
    QPushButton *OKBtn = nullptr;

    // The sample chromosome (Images/1-1.bmp) loaded at creation; null when it could not be read.
    QImage SampleBitmap;

    // Handlers.
    void TrackBar1Change();
    void Button1Click();
    void Button3Click();
    void OKBtnClick();

    // Shows a sample picture scaled by factor in Image2, which takes the scaled size.
    void showPreviewOf(const QImage &sample, float factor);

private:
    void createControls();
    // Shows SampleBitmap scaled by factor in Image2, which takes the scaled size.
    void showPreview(float factor);
};

extern TPagesDlg *PagesDlg;
