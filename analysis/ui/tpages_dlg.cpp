// The settings dialog: three pages (modes, chromosome size with a preview, password) above a strip
// with OK. The size applies to the exercise window at once; OK applies the modes and saves them.
#include "analysis/ui/tpages_dlg.h"

#include "analysis/size_step.h"
#include "analysis/ui/keep_modal.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "exercise/bitmap_transform.h"
#include "exercise/piece_picture.h"
#include "files/errors.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"
#include "exercise/ui/tform1.h"
#include "users/ui/new_id_dialogs.h"
#include "users/user_files.h"

#include <QCoreApplication>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

TPagesDlg *PagesDlg = nullptr;

namespace {

// Read when shown, so that they follow the interface language.
QString passwordChanged() { return QCoreApplication::translate("TPagesDlg", "Your password was changed."); }
QString cannotReadFile() { return QCoreApplication::translate("TPagesDlg", "Cannot Read file"); }
// The exercise window's fitted scale before any problem is loaded.
constexpr float InitialFitScale = 0.7f;

QFont pixelFont(int pixels)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixels);
    return font;
}

template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

// A label at (x, y) that takes the size of its text.
QLabel *autoLabel(const QString &name, const QString &text, QWidget *page, int x, int y)
{
    auto *label = named(new QLabel(text, page), name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// A word-wrapped label at the frame's place and width, growing downwards when its text needs
// more lines than the frame holds.
QLabel *wrappedLabel(const QString &name, const QString &text, QWidget *page, const QRect &frame)
{
    auto *label = named(new QLabel(text, page), name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(frame);
    label->resize(frame.width(), std::max(frame.height(), label->heightForWidth(frame.width())));
    return label;
}

// The usable width of a page of PageControl1.
constexpr int PageWidth = 305;

// A label whose text changes at run time: room up to the page's right edge, and for the longest
// text it will show, moved left if that text would run past the edge.
QLabel *messageLabel(const QString &name, QWidget *page, int x, int y, int pixels,
                     const QString &longest = QString())
{
    auto *label = named(new QLabel(page), name);
    label->setFont(pixelFont(pixels));
    const int needed = label->fontMetrics().horizontalAdvance(longest) + 2;
    const int left = std::min(x, PageWidth - needed);
    label->setGeometry(left, y, PageWidth - left, label->fontMetrics().height() + 4);
    return label;
}

QLineEdit *passwordEdit(const QString &name, QWidget *page, const QRect &frame)
{
    auto *edit = named(new QLineEdit(page), name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    edit->setGeometry(frame);
    return edit;
}

// The three tabs share one row: their texts at 16 pixels leave little room, so the tabs are
// padded narrowly and never scroll.
class PageControl : public QTabWidget {
public:
    explicit PageControl(QWidget *parent) : QTabWidget(parent)
    {
        tabBar()->setUsesScrollButtons(false);
        tabBar()->setElideMode(Qt::ElideNone);
        tabBar()->setStyleSheet(QStringLiteral(
            "QTabBar::tab { padding: 3px 5px; border: 1px solid palette(mid); border-bottom: none;"
            " border-top-left-radius: 3px; border-top-right-radius: 3px; background: palette(button); }"
            "QTabBar::tab:selected { background: palette(window); }"
            "QTabBar::tab:!selected { margin-top: 2px; }"));
    }
};

// A button given a width its text does not fit in grows evenly to both sides.
void fitText(QPushButton *button)
{
    const int needed = button->sizeHint().width();
    if (needed > button->width())
        button->setGeometry(button->x() - (needed - button->width() + 1) / 2, button->y(), needed, button->height());
}

} // namespace

TPagesDlg::TPagesDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PagesDlg"));
    setWindowTitle(tr("KORVEN Settings"));
    setFixedSize(319, 404);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    createControls();

    // The sample chromosome for the size preview.
    try {
        SampleBitmap = korven::loadBitmap24(korven::imagesFile(QStringLiteral("1-1.bmp")));
    } catch (const korven::KorvenError &) {
        SampleBitmap = QImage();
        Label8->setText(cannotReadFile());
    }
    showPreview(0.75f);
}

void TPagesDlg::createControls()
{
    PageControl1 = named(new PageControl(this), QStringLiteral("PageControl1"));
    PageControl1->setFont(pixelFont(16));
    PageControl1->setGeometry(4, 4, 311, 367);
    TabSheet1 = named(new QWidget, QStringLiteral("TabSheet1"));
    TabSheet2 = named(new QWidget, QStringLiteral("TabSheet2"));
    TabSheet3 = named(new QWidget, QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet1, tr("Mode"));
    PageControl1->addTab(TabSheet2, tr("Size of Chromosome"));
    PageControl1->addTab(TabSheet3, tr("Password"));

    // "Mode"
    Cheat = named(new QCheckBox(tr("Reference mode"), TabSheet1), QStringLiteral("Cheat"));
    Cheat->setGeometry(26, 25, 217, 25);
    Label1 = wrappedLabel(QStringLiteral("Label1"),
                          tr("You can see the number of the answered chromosome before grading. "),
                          TabSheet1, QRect(40, 64, 256, 32));
    AnswerMode = named(new QCheckBox(tr("Alignment mode"), TabSheet1), QStringLiteral("AnswerMode"));
    AnswerMode->setGeometry(26, 136, 256, 25);
    Label2 = wrappedLabel(QStringLiteral("Label2"),
                          tr("This mode decides whether to align a chromosome perpendicularly "
                             "automatically when you answer."),
                          TabSheet1, QRect(40, 176, 248, 48));

    // "Size of Chromosome"; the preview lies beneath the other controls.
    Image2 = named(new QLabel(TabSheet2), QStringLiteral("Image2"));
    Image2->move(200, 40);
    Image2->resize(0, 0);
    Label3 = autoLabel(QStringLiteral("Label3"), tr("Magnification"), TabSheet2, 48, 24);
    Label4 = messageLabel(QStringLiteral("Label4"), TabSheet2, 72, 8, 16);
    Label4->setText(QStringLiteral("1.0"));
    Label5 = autoLabel(QStringLiteral("Label5"), QStringLiteral("0.7"), TabSheet2, 24, 48);
    Label6 = autoLabel(QStringLiteral("Label6"), QStringLiteral("1.3"), TabSheet2, 128, 48);
    TrackBar1 = named(new QSlider(Qt::Horizontal, TabSheet2), QStringLiteral("TrackBar1"));
    TrackBar1->setGeometry(24, 64, 129, 33);
    TrackBar1->setRange(korven::MinSizeStep, korven::MaxSizeStep);
    TrackBar1->setValue(korven::OptimalSizeStep);
    TrackBar1->setPageStep(1);
    TrackBar1->setSingleStep(1);
    TrackBar1->setTickInterval(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    Button1 = named(new QPushButton(tr("Optimal size(1.0)"), TabSheet2), QStringLiteral("Button1"));
    Button1->setGeometry(32, 104, 129, 25);
    fitText(Button1);
    Label8 = messageLabel(QStringLiteral("Label8"), TabSheet2, 176, 96, 16, cannotReadFile());
    Label7 = wrappedLabel(QStringLiteral("Label7"),
                          tr("We change magnification of chromosome  from the following question. "),
                          TabSheet2, QRect(8, 168, 282, 32));

    // "Password"
    Label9 = autoLabel(QStringLiteral("Label9"), tr("Enter new password"), TabSheet3, 16, 40);
    Password = passwordEdit(tr("Password"), TabSheet3, QRect(16, 80, 257, 24));
    Label10 = autoLabel(QStringLiteral("Label10"), tr("Reenter new password"), TabSheet3, 16, 152);
    rePassword = passwordEdit(QStringLiteral("rePassword"), TabSheet3, QRect(16, 192, 257, 24));
    Button3 = named(new QPushButton(tr("Change password"), TabSheet3), QStringLiteral("Button3"));
    Button3->setGeometry(80, 248, 128, 33);
    fitText(Button3);
    Label11 = messageLabel(QStringLiteral("Label11"), TabSheet3, 32, 296, 21, passwordChanged());

    // The bottom strip.
    Panel1 = named(new QWidget(this), QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 373, 319, 31);
    OKBtn = named(new QPushButton(tr("OK"), Panel1), QStringLiteral("OKBtn"));
    OKBtn->setGeometry(224, 2, 90, 25);
    OKBtn->setDefault(true);

    // The first showing opens the password page; later showings keep the page last chosen.
    PageControl1->setCurrentIndex(2);

    connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
}

void TPagesDlg::showPreview(float factor)
{
    showPreviewOf(SampleBitmap, factor);
}

void TPagesDlg::showPreviewOf(const QImage &sample, float factor)
{
    // Drawn at the screen's own resolution, at the logical size of the scaled sample.
    const korven::PiecePicture picture =
        korven::drawPiecePicture(sample, factor, std::nullopt, Image2->devicePixelRatioF());
    if (picture.pixels.isNull()) {
        Image2->clear();
        Image2->resize(0, 0);
        return;
    }
    Image2->setPixmap(QPixmap::fromImage(picture.shown));
    Image2->resize(picture.size);
}

// The size step applies at once: the exercise window's magnification (for the next problem) and
// the preview follow the track bar. The window may not exist yet while the login sets the bar.
void TPagesDlg::TrackBar1Change()
{
    const int step = TrackBar1->value();
    const float fitScale = Form1 ? Form1->FitScale : InitialFitScale;
    const float magnification = step == korven::OptimalSizeStep
                                    ? fitScale
                                    : korven::magnificationForStep(step, fitScale);
    Label4->setText(korven::sizeStepCaption(step));
    if (Form1) {
        Form1->MagnificationMode = step == korven::OptimalSizeStep ? 0 : 1;
        Form1->Magnification = magnification;
    }
    showPreview(magnification);
}

void TPagesDlg::Button1Click()
{
    TrackBar1->setValue(korven::OptimalSizeStep);
    const float fitScale = Form1 ? Form1->FitScale : InitialFitScale;
    if (Form1) {
        Form1->MagnificationMode = 0;
        Form1->Magnification = fitScale;
    }
    showPreview(fitScale);
}

void TPagesDlg::Button3Click()
{
    const QString password = Password->text();
    const QString repeated = rePassword->text();
    if (password != repeated || password.isEmpty() || repeated.isEmpty()) {
        // The notice stands in for this dialog; its OK brings the dialog back.
        korven::ui::hideKeepingModal(this);
        if (Form14)
            korven::ui::execModal(Form14);
        show();
        Password->clear();
        rePassword->clear();
        Password->setFocus();
        return;
    }
    if (!Form1)
        return;
    try {
        korven::writePassword(korven::passwordPath(korven::resultFolder(), Form1->UserId), password);
    } catch (const korven::KorvenError &e) {
        // An earlier change's confirmation must not stand beside this failure.
        Label11->clear();
        korven::ui::reportError(e.message());
        return;
    }
    Label11->setText(passwordChanged());
}

void TPagesDlg::OKBtnClick()
{
    if (!Form1) {
        accept();
        return;
    }
    // The menu item and the check box agree from here on.
    Form1->N1->setChecked(Cheat->isChecked());
    Cheat->setChecked(Form1->N1->isChecked());
    Form1->relabelAllSlots();
    if (!AnswerMode->isChecked())
        Form1->SlotLabels[45]->setText(QStringLiteral("XY"));

    // The step is saved beside the magnification so the next login puts the track bar back.
    const int step = TrackBar1->value();
    Form1->Magnification = korven::magnificationForStep(step, Form1->FitScale);
    const QByteArray bytes = korven::dialogSettingsBytes(Form1->N1->isChecked(), AnswerMode->isChecked(),
                                                         Form1->MagnificationMode == 1 ? 1 : 0,
                                                         Form1->Magnification, step);
    try {
        korven::writeFileAtomically(korven::settingsPath(korven::resultFolder(), Form1->UserId), bytes);
    } catch (const korven::KorvenError &e) {
        // The modes are applied; the old file stays and the dialog stays open.
        korven::ui::reportError(e.message());
        return;
    }
    accept();
}
