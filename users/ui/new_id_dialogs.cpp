#include "users/ui/new_id_dialogs.h"

#include "analysis/ui/tpages_dlg.h"
#include "program/program_folder.h"
#include "forms/korven_application.h"
#include "forms/messages.h"
#include "users/id_rules.h"
#include "users/ui/tpassword_dlg.h"
#include "users/user_files.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TNewIDorNo *NewIDorNo = nullptr;
TNewID *NewID = nullptr;
TForm9 *Form9 = nullptr;
TForm11 *Form11 = nullptr;
TRecovery1 *Recovery1 = nullptr;
TNewIDComplete *NewIDComplete = nullptr;
TForm14 *Form14 = nullptr;

namespace {

constexpr Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                        | Qt::WindowCloseButtonHint;

template <typename W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLineEdit *passwordBox(const QString &name, QWidget *parent)
{
    auto *box = named(new QLineEdit(parent), name);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return box;
}

// Puts a window in the middle of another (or of the screen when there is none).
void centreOn(QWidget *window, const QWidget *owner)
{
    QRect area;
    if (owner)
        area = owner->frameGeometry();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

// A small notice: lines of text above one "OK" button that closes it.
QPushButton *buildNotice(QDialog *dialog, const QStringList &texts)
{
    auto *layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(28, 20, 28, 16);
    layout->setSpacing(6);
    int n = 1;
    for (const QString &text : texts) {
        auto *label = named(new QLabel(text, dialog), QStringLiteral("Label%1").arg(n++));
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addSpacing(10);
    auto *ok = named(new QPushButton(QStringLiteral("OK"), dialog), QStringLiteral("OKBtn"));
    ok->setDefault(true);
    ok->setFixedWidth(90);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return ok;
}

} // namespace

// ---- TNewIDorNo ----------------------------------------------------------------------------

TNewIDorNo::TNewIDorNo(QWidget *parent) : QDialog(parent, DialogFlags | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("NewIDorNo"));
    setWindowTitle(tr("KORVEN  Create New ID"));
    setFixedSize(300, 140);

    Label1 = named(new QLabel(tr("Create New ID？"), this), QStringLiteral("Label1"));
    QFont large = Label1->font();
    large.setPixelSize(24);
    large.setBold(true);
    Label1->setFont(large);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(0, 22, 300, 40);

    OKBtn = named(new QPushButton(tr("Yes"), this), QStringLiteral("OKBtn"));
    OKBtn->setGeometry(48, 88, 92, 28);
    OKBtn->setDefault(true);
    CancelBtn = named(new QPushButton(tr("No"), this), QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(160, 88, 92, 28);
    setTabOrder(OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, [this] { korven::ui::guarded([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { korven::ui::guarded([this] { CancelBtnClick(); }); });
}

void TNewIDorNo::OKBtnClick()
{
    NewID->show();
    done(Accepted);
}

void TNewIDorNo::CancelBtnClick()
{
    PasswordDlg->show();
    PasswordDlg->ID->clear();
    PasswordDlg->Password->clear();
    PasswordDlg->ID->setFocus();
    PasswordDlg->Label1->setText(QCoreApplication::translate("TPasswordDlg", PasswordCaption));
    done(Rejected);
}

void TNewIDorNo::reject()
{
    if (PasswordDlg)
        PasswordDlg->show();
    QDialog::reject();
}

void TNewIDorNo::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CancelBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---- TNewID --------------------------------------------------------------------------------

TNewID::TNewID(QWidget *parent) : QDialog(parent, DialogFlags)
{
    setObjectName(QStringLiteral("NewID"));
    setWindowTitle(tr("KORVEN  Create New ID"));
    setFixedSize(300, 244);

    Label2 = named(new QLabel(tr("New ID"), this), QStringLiteral("Label2"));
    Label2->setGeometry(32, 16, 236, 18);
    ID = named(new QLineEdit(this), QStringLiteral("ID"));
    ID->setGeometry(32, 36, 236, 24);
    Label1 = named(new QLabel(tr(" Enter password for New ID"), this), QStringLiteral("Label1"));
    Label1->setGeometry(32, 72, 236, 18);
    Password = passwordBox(QStringLiteral("Password"), this);
    Password->setGeometry(32, 92, 236, 24);
    Label3 = named(new QLabel(tr("Reenter password for New ID"), this), QStringLiteral("Label3"));
    Label3->setGeometry(32, 128, 236, 18);
    rePassword = passwordBox(QStringLiteral("rePassword"), this);
    rePassword->setGeometry(32, 148, 236, 24);

    OKBtn = named(new QPushButton(tr("Create ID"), this), QStringLiteral("OKBtn"));
    OKBtn->setGeometry(40, 196, 100, 28);
    OKBtn->setDefault(true);
    CancelBtn = named(new QPushButton(tr("Cancel"), this), QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(160, 196, 100, 28);

    setTabOrder(ID, Password);
    setTabOrder(Password, rePassword);
    setTabOrder(rePassword, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    ID->setFocus();

    connect(OKBtn, &QPushButton::clicked, this, [this] { korven::ui::guarded([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { korven::ui::guarded([this] { CancelBtnClick(); }); });
}

void TNewID::showEvent(QShowEvent *event)
{
    // Opens over its owner, the login dialog.
    if (!event->spontaneous())
        centreOn(this, PasswordDlg);
    QDialog::showEvent(event);
}

void TNewID::OKBtnClick()
{
    // One way of writing each ID: "が" composed, not "か" with a combining mark.
    const QString id = ID->text().normalized(QString::NormalizationForm_C);

    // 1. An ID already in the list: one notice for every equal entry.
    // A listed ID whose folder lacks its files (cut short by an older version) may be made again.
    const bool listed = !PasswordDlg->ListBox1->findItems(id, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty();
    const bool repairable = listed && korven::userFilesIncomplete(korven::resultFolder(), id);
    bool inUse = false;
    for (int i = 0; i < PasswordDlg->ListBox1->count() && !repairable; ++i) {
        if (korven::sameId(PasswordDlg->ListBox1->item(i)->text(), id)) {
            inUse = true;
            korven::ui::execModal(Form9);
        }
    }
    if (inUse) {
        ID->clear();
        Password->clear();
        rePassword->clear();
        ID->setFocus();
        return;
    }

    // 2. An ID that cannot be one folder name inside Result.
    const QString refusal = korven::idRefusal(id);
    if (!refusal.isEmpty()) {
        korven::ui::showMessage(this, QStringLiteral("KORVEN"), refusal);
        ID->setFocus();
        ID->selectAll();
        return;
    }

    // An ID that could be taken for an existing one: said once, created at the next OK.
    QStringList known;
    for (int i = 0; i < PasswordDlg->ListBox1->count(); ++i)
        known << PasswordDlg->ListBox1->item(i)->text();
    const QString similar = korven::lookAlikeId(id, known);
    if (!similar.isEmpty() && confirmedLookAlike_ != id) {
        confirmedLookAlike_ = id;
        korven::ui::showMessage(this, QStringLiteral("KORVEN"),
                                tr("The ID \"%1\" looks like the existing ID \"%2\": they differ only by "
                                   "case or by letters that look alike. Press Create ID again to create it anyway.")
                                    .arg(id, similar));
        ID->setFocus();
        return;
    }

    // 3. Both password boxes filled and equal.
    if (Password->text() != rePassword->text() || Password->text().isEmpty()
        || rePassword->text().isEmpty()) {
        korven::ui::execModal(Form11);
        Password->clear();
        rePassword->clear();
        Password->setFocus();
        return;
    }

    // 4. The folder and its files. An existing entry of that name is never written into.
    const auto created = korven::createUserFiles(korven::resultFolder(), id, Password->text());
    if (created == korven::CreateUserResult::FolderExists) {
        korven::ui::showMessage(
            this, QStringLiteral("KORVEN"),
            tr("The Result folder already holds an entry named \"%1\", so this ID "
               "cannot be created. Nothing was changed.\nPlease create it different ID.")
                .arg(id));
        ID->setFocus();
        ID->selectAll();
        return;
    }

    if (!listed)
        PasswordDlg->ListBox1->addItem(id);
    close();
    PasswordDlg->show();
    PasswordDlg->ID->setText(id);
    PasswordDlg->Password->setFocus();
    PasswordDlg->activateWindow();
    korven::ui::execModal(NewIDComplete);
}

void TNewID::CancelBtnClick()
{
    close();
    PasswordDlg->show();
    PasswordDlg->ID->clear();
    PasswordDlg->Password->clear();
    PasswordDlg->ID->setFocus();
}

void TNewID::FormClose()
{
    if (PasswordDlg)
        PasswordDlg->show();
}

void TNewID::done(int result)
{
    QDialog::done(result);
    FormClose();
}

void TNewID::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CancelBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---- Notices -------------------------------------------------------------------------------

TForm9::TForm9(QWidget *parent) : QDialog(parent, DialogFlags | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("KORVEN"));
    QPushButton *ok = buildNotice(this, {tr("This ID is already in use."),
                                         tr("Please create it different ID.")});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

TForm11::TForm11(QWidget *parent) : QDialog(parent, DialogFlags | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(tr("KORVEN  Reenter password"));
    QPushButton *ok = buildNotice(this, {tr("Two passwords differ."), tr("or"),
                                         tr("The password is not set up."),
                                         tr("Please reenter password")});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

TRecovery1::TRecovery1(QWidget *parent) : QDialog(parent, DialogFlags)
{
    setObjectName(QStringLiteral("Recovery1"));
    setWindowTitle(tr("KORVEN　　Revive ID"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    auto *text = named(new QLabel(tr("This ID is existed before. Does it revive?"), this),
                       QStringLiteral("Label1"));
    layout->addWidget(text);
    layout->addSpacing(8);
    const QString captions[] = {tr("I want to revive ID and results."),
                                tr("I want to revive ID only."),
                                tr("I do not want to revive ID.")};
    int n = 1;
    for (const QString &caption : captions)
        layout->addWidget(named(new QPushButton(caption, this), QStringLiteral("Button%1").arg(n++)));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TNewIDComplete::TNewIDComplete(QWidget *parent) : QDialog(parent, DialogFlags | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("NewIDComplete"));
    setWindowTitle(QStringLiteral("KORVEN"));
    QPushButton *ok = buildNotice(this, {tr("We have create New ID.")});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

TForm14::TForm14(QWidget *parent) : QDialog(parent, DialogFlags | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("KORVEN"));
    QPushButton *ok = buildNotice(this, {tr("Two passwords differ"), tr("or"),
                                         tr("The password is not set up."),
                                         tr("Please reenter password")});
    connect(ok, &QPushButton::clicked, this, [this] {
        accept();
        if (PagesDlg)
            PagesDlg->show();
    });
}
