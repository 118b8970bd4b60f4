// Deleting a user's results: "Delete" cuts the trial record file back to its header line, then a
// notice confirms it; either way the analysis dialog comes back and recomputes from the file.
#include "analysis/ui/delete_results_dlgs.h"

#include "analysis/ui/tokbottom_dlg.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "files/errors.h"
#include "exercise/ui/tform1.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

TForm8 *Form8 = nullptr;
TForm10 *Form10 = nullptr;

namespace {

QFont pixelFont(int pixels)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixels);
    return font;
}

QLabel *makeLabel(const QString &name, const QString &text, int pixels, QWidget *parent, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(pixelFont(pixels));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPushButton *makeButton(const QString &name, const QString &text, QWidget *parent, const QRect &frame)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(frame);
    return button;
}

// The window at its design client size, widened when a label's text needs more room; the labels
// centred across it.
void fitLabels(QDialog *dialog, QSize client, std::initializer_list<QLabel *> labels)
{
    constexpr int Margin = 8;
    for (QLabel *label : labels)
        client.setWidth(std::max(client.width(), label->width() + 2 * Margin));
    dialog->setFixedSize(client);
    for (QLabel *label : labels)
        label->move((client.width() - label->width()) / 2, label->y());
}

void centreOnScreen(QWidget *window)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void showAnalysisAgain()
{
    if (OKBottomDlg)
        OKBottomDlg->show();
}

} // namespace

TForm8::TForm8(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(tr("KORVEN  delete all results"));
    setFont(pixelFont(12));
    Label1 = makeLabel(QStringLiteral("Label1"), tr("Delete your all results ？"), 24, this, 0, 16);
    Label2 = makeLabel(QStringLiteral("Label2"), tr("We cannot revive them  once you delete."), 24, this,
                       0, 56);
    // 459 x 204 outside: the client area without a frame and caption bar.
    fitLabels(this, QSize(451, 170), {Label1, Label2});
    centreOnScreen(this);
    Button1 = makeButton(QStringLiteral("Button1"), tr("Delete"), this, QRect(116, 104, 83, 25));
    Button2 = makeButton(QStringLiteral("Button2"), tr("Cancel"), this, QRect(216, 104, 75, 25));
    // Deleting cannot be undone: Enter answers "Cancel" unless "Delete" has been chosen with Tab.
    Button2->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

// "Delete": the record file is replaced as a whole, so a failed write leaves the old one; the
// error is shown and this dialog stays open for another try or "Cancel".
void TForm8::Button1Click()
{
    if (!Form1) {
        korven::ui::reportError(tr("No user is logged in; there are no results to delete."));
        return;
    }
    try {
        korven::resetTrialRecords(korven::recordPath(korven::resultFolder(), Form1->UserId));
    } catch (const korven::KorvenError &e) {
        korven::ui::reportError(e.message());
        return;
    }
    if (Form10)
        korven::ui::execModal(Form10);
    else
        showAnalysisAgain();
    accept();
}

void TForm8::Button2Click()
{
    showAnalysisAgain();
    QDialog::reject();
}

void TForm8::reject() { Button2Click(); }

void TForm8::showEvent(QShowEvent *event)
{
    Button2->setFocus();
    QDialog::showEvent(event);
}

TForm10::TForm10(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("KORVEN"));
    setFont(pixelFont(12));
    Label1 = makeLabel(QStringLiteral("Label1"), tr("All the results elimination was carried out."), 19,
                       this, 0, 16);
    // 390 x 141 outside.
    fitLabels(this, QSize(382, 107), {Label1});
    centreOnScreen(this);
    Button1 = makeButton(QStringLiteral("Button1"), tr("OK"), this, QRect(144, 56, 75, 25));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm10::Button1Click()
{
    showAnalysisAgain();
    accept();
}

void TForm10::reject() { Button1Click(); }
