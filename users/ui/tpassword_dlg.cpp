#include "users/ui/tpassword_dlg.h"

#include "analysis/ui/tpages_dlg.h"
#include "app/program_folder.h"
#include "app/ui/korven_application.h"
#include "app/ui/messages.h"
#include "app/ui/window_set.h"
#include "exercise/bitmap_transform.h"
#include "exercise/errors.h"
#include "exercise/problem_loader.h"
#include "exercise/ui/tform1.h"
#include "files/text_file.h"
#include "users/id_rules.h"
#include "users/locks.h"
#include "users/ui/new_id_dialogs.h"
#include "users/user_files.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

TPasswordDlg *PasswordDlg = nullptr;

namespace {

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

TPasswordDlg::TPasswordDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(tr("KORVEN  ID and Password"));
    setFixedSize(283, 232);

    Label2 = named(new QLabel(tr("ID"), this), "Label2");
    Label2->setGeometry(40, 16, 200, 18);
    ID = named(new QLineEdit(this), "ID");
    ID->setGeometry(40, 36, 200, 24);
    Label1 = named(new QLabel(tr(PasswordCaption), this), "Label1");
    Label1->setGeometry(40, 74, 220, 18);
    Password = named(new QLineEdit(this), "Password");
    Password->setGeometry(40, 94, 200, 24);
    Password->setEchoMode(QLineEdit::Password);
    Password->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));

    OKBtn = named(new QPushButton(tr("OK"), this), "OKBtn");
    OKBtn->setGeometry(40, 140, 92, 28);
    OKBtn->setDefault(true);
    CancelBtn = named(new QPushButton(tr("Cancel"), this), "CancelBtn");
    CancelBtn->setGeometry(148, 140, 92, 28);
    Button1 = named(new QPushButton(tr("Create ID"), this), "Button1");
    Button1->setGeometry(40, 186, 200, 28);
    Button1->setEnabled(false);
    ListBox1 = named(new QListWidget(this), "ListBox1");
    ListBox1->hide();

    setTabOrder(ID, Password);
    setTabOrder(Password, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, ListBox1);
    setTabOrder(ListBox1, Button1);
    ID->setFocus();

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        move(s.center() - QPoint(width() / 2, height() / 2));
    }

    connect(OKBtn, &QPushButton::clicked, this, [this] { korven::ui::guarded([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { korven::ui::guarded([this] { Button1Click(); }); });

    // The known IDs, read once per run; IDs created later are appended.
    ListBox1->addItems(korven::listKnownIds(korven::resultFolder()));
}

TPasswordDlg::~TPasswordDlg() = default;

QString TPasswordDlg::knownId(const QString &id) const
{
    QString found;
    for (int i = 0; i < ListBox1->count(); ++i) {
        const QString known = ListBox1->item(i)->text();
        if (known == id)
            return known;
        if (found.isEmpty() && korven::sameId(known, id))
            found = known;
    }
    return found;
}

void TPasswordDlg::OKBtnClick()
{
    const QString id = knownId(ID->text());
    if (id.isEmpty()) {
        hide();
        korven::ui::execModal(NewIDorNo);
        // The question's handlers show the login or the creation dialog; when it went away
        // without them, come back here.
        if (!isVisible() && !(NewID && NewID->isVisible()))
            show();
        return;
    }

    // Everything that can fail is read before the exercise window is made, so a failed login
    // leaves no window behind and a later OK starts from scratch.
    const QString result = korven::resultFolder();
    korven::checkUserFolder(result, id);
    const QString stored = korven::readPassword(korven::passwordPath(result, id));
    if (Password->text() != stored) {
        Label1->setText(tr(WrongPasswordCaption));
        Password->clear();
        Password->setFocus();
        return;
    }
    const korven::UserSettings settings = readSettingsOrReset(result, id);

    // One running copy per ID, also across machines sharing the data folder: a second login
    // elsewhere is refused and changes nothing.
    auto lock = std::make_unique<korven::IdLock>(korven::userFolder(result, id));
    const korven::LockAttempt attempt = lock->take();
    if (attempt.outcome == korven::LockOutcome::Held) {
        korven::ui::showMessage(this, QStringLiteral("KORVEN"),
                                tr(IdInUseText).arg(attempt.holder.host));
        return;
    }
    if (attempt.outcome == korven::LockOutcome::Failed && !attempt.readOnly)
        throw korven::KorvenError(tr("The ID %1 cannot be used: %2.").arg(id, attempt.reason));
    const bool readOnly = attempt.outcome == korven::LockOutcome::Failed;
    if (readOnly) {
        // Nothing can be written: the trainee may still look at and analyse the results.
        korven::ui::showMessage(this, QStringLiteral("KORVEN"),
                                tr("The folder of the ID %1 cannot be written to (%2).\n"
                                   "You can practise, view and analyse your results, but no trial is recorded "
                                   "and no setting is saved in this session.")
                                    .arg(id, attempt.reason));
    } else {
        idLock_ = std::move(lock);
        // Under the ID's lock only this copy writes here: what a killed run left (a password's
        // temporary copy) goes now.
        korven::removeLeftTemporaries(korven::userFolder(result, id));
    }
    try {
        logIn(id, settings);
        // The ID's folder cannot be written: evaluations record nothing.
        Form1->setProperty("readOnlyResults", readOnly);
        if (readOnly)
            Form1->setWindowTitle(Form1->windowTitle() + tr("(not recorded)"));
    } catch (...) {
        idLock_.reset();
        throw;
    }
}

korven::UserSettings TPasswordDlg::readSettingsOrReset(const QString &result, const QString &id)
{
    const QString path = korven::settingsPath(result, id);
    try {
        return korven::readSettings(path);
    } catch (const korven::KorvenError &e) {
        // A damaged settings file would block this ID for good: offer the way out.
        if (!korven::ui::askYesNo(this, QStringLiteral("KORVEN"),
                                  tr("%1\n\nReset the settings of %2 to the defaults and log in?").arg(e.message(), id)))
            throw;
    }
    korven::writeSettings(path, korven::initialSettingsBytes());
    return korven::readSettings(path);
}

void TPasswordDlg::logIn(const QString &id, const korven::UserSettings &settings)
{
    korven::ui::createExerciseWindow();
    Form1->show();
    Form1->UserId = id;
    Form1->setWindowTitle(QStringLiteral("KORVEN          ID: ") + id + QStringLiteral("          "));

    Form1->N1->setChecked(settings.referenceMode);
    Form1->MagnificationMode = settings.magnificationMode;
    Form1->Magnification = settings.magnification;
    if (PagesDlg) {
        PagesDlg->Cheat->setChecked(settings.referenceMode);
        PagesDlg->AnswerMode->setChecked(settings.alignmentMode);
        PagesDlg->Label4->setText(Form1->MagnificationMode == 1
                                      ? korven::formatReal15(Form1->Magnification)
                                      : QStringLiteral("1.0"));
        // A change of position runs the settings dialog's own handler.
        PagesDlg->TrackBar1->setValue(korven::loginSizeStep(settings, Form1->FitScale));
        showSizePreview();
    }
    hide();
}

void TPasswordDlg::showSizePreview()
{
    // The sample chromosome at the size the track bar now shows. Without the sample the preview
    // stays empty, as the settings dialog does; the login itself goes on.
    // Read through the checked open: a FIFO or device in its place is refused, not waited on.
    QImage sample;
    try {
        sample = korven::loadBitmap24(korven::imagesFile(QStringLiteral("1-1.bmp")));
    } catch (const korven::KorvenError &) {
    }
    if (sample.isNull()) {
        PagesDlg->Label8->setText(tr("Cannot Read file"));
        PagesDlg->Image2->clear();
        return;
    }
    const long double factor = (long double)PagesDlg->TrackBar1->value() * Form1->FitScale * 0.1L;
    PagesDlg->showPreviewOf(sample.convertToFormat(QImage::Format_RGB888), float(factor));
}

void TPasswordDlg::CancelBtnClick()
{
    close();
}

void TPasswordDlg::Button1Click()
{
    NewID->show();
    if (!ID->text().isEmpty()) {
        NewID->ID->setText(ID->text());
        NewID->Password->setFocus();
        ID->clear();
    } else {
        NewID->ID->clear();
        NewID->ID->setFocus();
    }
    hide();
}

void TPasswordDlg::reject()
{
    QDialog::reject();
    QApplication::quit();
}

void TPasswordDlg::closeEvent(QCloseEvent *event)
{
    // The login dialog is the program's main window: closing it, shown or hidden, ends the run.
    QDialog::closeEvent(event);
    event->accept();
    QApplication::quit();
}
