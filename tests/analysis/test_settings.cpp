// The settings dialog: the size step and its preview, OK applying and saving the modes and the
// size, the password change, and the step coming back at the next login.
#include "analysis/size_step.h"
#include "analysis/ui/tpages_dlg.h"
#include "analysis/user_windows.h"
#include "users/ui/new_id_dialogs.h"
#include "users/ui/tpassword_dlg.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

using korven::test::fileBytes;
using korven::test::SampleSize;
using korven::test::UserWindows;

namespace {

// The preview's size at a scale: the scaled sample's width and height.
QSize previewSize(float factor)
{
    return QSize(int(std::trunc(SampleSize.width() * double(factor))),
                 int(std::trunc(SampleSize.height() * double(factor) - 1.0)));
}

// Logs in through the login dialog; true when it got through (the login dialog hid itself).
bool logIn(const QString &id, const QString &password)
{
    PasswordDlg->show();
    PasswordDlg->ID->setText(id);
    PasswordDlg->Password->setText(password);
    PasswordDlg->OKBtnClick();
    return !PasswordDlg->isVisible();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init() { w = std::make_unique<UserWindows>(); }
    void cleanup() { w.reset(); }

    void creation();
    void missingSample();
    void sizeStep_data();
    void sizeStep();
    void optimalSize();
    void sizeStepBeforeLogin();
    void okSavesSettings_data();
    void okSavesSettings();
    void okAppliesModes();
    void changePassword_data();
    void changePassword();
    void refusedPassword_data();
    void refusedPassword();
    void writeFailure_data();
    void writeFailure();
    void noticeKeepsDialogModal();
    void stepRestoredAtLogin_data();
    void stepRestoredAtLogin();

private:
    std::unique_ptr<UserWindows> w;
};

void TestSettings::creation()
{
    QCOMPARE(PagesDlg->size(), QSize(319, 404));
    QCOMPARE(PagesDlg->minimumSize(), PagesDlg->maximumSize());
    QCOMPARE(PagesDlg->windowTitle(), QStringLiteral("KORVEN Settings"));
    QCOMPARE(PagesDlg->PageControl1->count(), 3);
    QCOMPARE(PagesDlg->PageControl1->tabText(0), QStringLiteral("Mode"));
    QCOMPARE(PagesDlg->PageControl1->tabText(1), QStringLiteral("Size of Chromosome"));
    QCOMPARE(PagesDlg->PageControl1->tabText(2), QStringLiteral("Password"));
    QCOMPARE(PagesDlg->PageControl1->currentIndex(), 2);
    QCOMPARE(PagesDlg->TrackBar1->value(), 10);
    QCOMPARE(PagesDlg->Label4->text(), QStringLiteral("1.0"));
    QVERIFY(PagesDlg->Label8->text().isEmpty());
    QCOMPARE(PagesDlg->Image2->size(), previewSize(0.75f));

    // All three tabs in one row, every control on its page, and no text cut off.
    PagesDlg->show();
    QVERIFY(PagesDlg->PageControl1->tabBar()->sizeHint().width() <= PagesDlg->PageControl1->width());
    for (int t = 0; t < PagesDlg->PageControl1->count(); ++t) {
        QWidget *page = PagesDlg->PageControl1->widget(t);
        PagesDlg->PageControl1->setCurrentIndex(t);
        for (QWidget *child : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child == PagesDlg->Image2)
                continue;
            QVERIFY2(page->rect().contains(child->geometry()), qPrintable(child->objectName()));
            if (auto *button = qobject_cast<QPushButton *>(child))
                QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
            if (auto *label = qobject_cast<QLabel *>(child); label && !label->text().isEmpty()) {
                const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                     : label->sizeHint().height();
                QVERIFY2(needed <= label->height(),
                         qPrintable(QStringLiteral("%1 needs %2").arg(label->objectName()).arg(needed)));
                if (!label->wordWrap())
                    QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
            }
        }
    }
    QVERIFY(PagesDlg->rect().contains(PagesDlg->OKBtn->mapTo(PagesDlg, PagesDlg->OKBtn->rect().bottomRight())));
}

void TestSettings::missingSample()
{
    w.reset();
    w = std::make_unique<UserWindows>(false);
    QCOMPARE(PagesDlg->Label8->text(), QStringLiteral("Cannot Read file"));
    QVERIFY(PagesDlg->SampleBitmap.isNull());
    QVERIFY(PagesDlg->Image2->pixmap().isNull());
    // The size still works without a preview.
    PagesDlg->TrackBar1->setValue(12);
    QCOMPARE(PagesDlg->Label4->text(), QStringLiteral("1.2"));
    QCOMPARE(Form1->MagnificationMode, 1);
    QVERIFY(w->errors.isEmpty());
}

void TestSettings::sizeStep_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("mode");
    QTest::addColumn<float>("magnification");
    // With a fitted scale of 0.55: step x 0.55 x 0.1 in single precision, the fitted scale at 10.
    QTest::newRow("7") << 7 << "0.7" << 1 << 0.385000020265579f;
    QTest::newRow("8") << 8 << "0.8" << 1 << 0.439999997615814f;
    QTest::newRow("9") << 9 << "0.9" << 1 << 0.495000004768372f;
    QTest::newRow("10") << 10 << "1.0" << 0 << 0.55f;
    QTest::newRow("11") << 11 << "1.1" << 1 << 0.605000019073486f;
    QTest::newRow("12") << 12 << "1.2" << 1 << 0.660000026226044f;
    QTest::newRow("13") << 13 << "1.3" << 1 << 0.715000033378601f;
}

void TestSettings::sizeStep()
{
    QFETCH(int, step);
    QFETCH(QString, caption);
    QFETCH(int, mode);
    QFETCH(float, magnification);
    Form1->FitScale = 0.55f;
    // Come from the far end so that the position really changes.
    PagesDlg->TrackBar1->setValue(step < 10 ? 13 : 7);
    PagesDlg->TrackBar1->setValue(step);
    QCOMPARE(PagesDlg->Label4->text(), caption);
    QCOMPARE(Form1->MagnificationMode, mode);
    QCOMPARE(Form1->Magnification, magnification);
    QCOMPARE(PagesDlg->Image2->size(), previewSize(magnification));
    QVERIFY(!PagesDlg->Image2->pixmap().isNull());
}

void TestSettings::optimalSize()
{
    Form1->FitScale = 0.6f;
    // From another step, and also at step 10 with a size the login read from the file.
    PagesDlg->TrackBar1->setValue(13);
    QTest::mouseClick(PagesDlg->Button1, Qt::LeftButton);
    QCOMPARE(PagesDlg->TrackBar1->value(), 10);
    QCOMPARE(PagesDlg->Label4->text(), QStringLiteral("1.0"));
    QCOMPARE(Form1->MagnificationMode, 0);
    QCOMPARE(Form1->Magnification, 0.6f);
    QCOMPARE(PagesDlg->Image2->size(), previewSize(0.6f));

    Form1->MagnificationMode = 1;
    Form1->Magnification = 0.42f;
    QTest::mouseClick(PagesDlg->Button1, Qt::LeftButton);
    QCOMPARE(Form1->MagnificationMode, 0);
    QCOMPARE(Form1->Magnification, 0.6f);
}

void TestSettings::sizeStepBeforeLogin()
{
    // The dialog exists from start-up; the track bar may move before there is an exercise window.
    delete Form1;
    QVERIFY(!Form1);
    PagesDlg->TrackBar1->setValue(13);
    QCOMPARE(PagesDlg->Label4->text(), QStringLiteral("1.3"));
    QCOMPARE(PagesDlg->Image2->size(), previewSize(0.909999966621399f));
    QTest::mouseClick(PagesDlg->Button1, Qt::LeftButton);
    QCOMPARE(PagesDlg->Label4->text(), QStringLiteral("1.0"));
}

void TestSettings::okSavesSettings_data()
{
    QTest::addColumn<bool>("reference");
    QTest::addColumn<bool>("alignment");
    QTest::addColumn<int>("step");
    QTest::addColumn<float>("fitScale");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("optimal, modes off")
        << false << false << 10 << 0.7f << QByteArray("0\n0\n0\n0.699999988079071\r\n10\r\n");
    QTest::newRow("optimal after a problem load")
        << true << false << 10 << 0.55f << QByteArray("1\n0\n0\n0.550000011920929\r\n10\r\n");
    QTest::newRow("largest, modes on")
        << true << true << 13 << 0.7f << QByteArray("1\n1\n1\n0.909999966621399\r\n13\r\n");
    QTest::newRow("smallest, alignment only")
        << false << true << 7 << 0.55f << QByteArray("0\n1\n1\n0.385000020265579\r\n7\r\n");
}

void TestSettings::okSavesSettings()
{
    QFETCH(bool, reference);
    QFETCH(bool, alignment);
    QFETCH(int, step);
    QFETCH(float, fitScale);
    QFETCH(QByteArray, bytes);
    Form1->FitScale = fitScale;
    PagesDlg->TrackBar1->setValue(step == 13 ? 7 : 13);
    PagesDlg->TrackBar1->setValue(step);
    PagesDlg->Cheat->setChecked(reference);
    PagesDlg->AnswerMode->setChecked(alignment);
    PagesDlg->show();
    QTest::mouseClick(PagesDlg->OKBtn, Qt::LeftButton);

    QCOMPARE(fileBytes(w->settingsFile()), bytes);
    QCOMPARE(PagesDlg->result(), int(QDialog::Accepted));
    QVERIFY(!PagesDlg->isVisible());
    QCOMPARE(Form1->N1->isChecked(), reference);
    // What was saved reads back as the same settings.
    const korven::UserSettings read = korven::readSettings(w->settingsFile());
    QCOMPARE(read.referenceMode, reference);
    QCOMPARE(read.alignmentMode, alignment);
    QCOMPARE(read.magnification, Form1->Magnification);
    QVERIFY(w->errors.isEmpty());
}

void TestSettings::okAppliesModes()
{
    // Reference mode on from the menu, an occupied slot labelled accordingly; unticking it in the
    // dialog and pressing OK turns the menu item off and the labels back to their plain texts.
    Form1->N1->setChecked(true);
    PagesDlg->Cheat->setChecked(true);
    Form1->SlotContent[4] = 9;
    Form1->SlotLabels[4]->setText(QStringLiteral("3  5"));
    Form1->SlotLabels[45]->setText(QStringLiteral("XY  Y"));
    PagesDlg->Cheat->setChecked(false);
    PagesDlg->AnswerMode->setChecked(false);
    PagesDlg->OKBtnClick();
    QVERIFY(!Form1->N1->isChecked());
    QVERIFY(!PagesDlg->Cheat->isChecked());
    QCOMPARE(Form1->SlotLabels[4]->text(), QStringLiteral("3"));
    QCOMPARE(Form1->SlotLabels[45]->text(), QStringLiteral("XY"));
}

void TestSettings::changePassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("plain") << "n3wPass";
    QTest::newRow("blanks kept") << " two words ";
    QTest::newRow("japanese") << "ひみつ";
}

void TestSettings::changePassword()
{
    QFETCH(QString, password);
    PagesDlg->Password->setText(password);
    PagesDlg->rePassword->setText(password);
    QTest::mouseClick(PagesDlg->Button3, Qt::LeftButton);
    QCOMPARE(korven::readPassword(w->passwordFile()), password);
    QVERIFY(fileBytes(w->passwordFile()).endsWith("\r\n"));
    QCOMPARE(PagesDlg->Label11->text(), QStringLiteral("Your password was changed."));
    QCOMPARE(PagesDlg->Password->text(), password);
    QCOMPARE(PagesDlg->rePassword->text(), password);
    QVERIFY(w->modals.isEmpty());

    // The next login needs the new password.
    w->restart();
    QVERIFY(!logIn(w->id, QStringLiteral("secret")));
    QCOMPARE(PasswordDlg->Label1->text(), QStringLiteral("Please your password again."));
    QVERIFY(logIn(w->id, password));
    QVERIFY(w->errors.isEmpty());
}

void TestSettings::refusedPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("repeated");
    QTest::newRow("different") << "abc" << "abd";
    QTest::newRow("case differs") << "abc" << "ABC";
    QTest::newRow("first empty") << "" << "abc";
    QTest::newRow("second empty") << "abc" << "";
    QTest::newRow("both empty") << "" << "";
}

void TestSettings::refusedPassword()
{
    QFETCH(QString, password);
    QFETCH(QString, repeated);
    const QByteArray before = fileBytes(w->passwordFile());
    bool hiddenDuringNotice = false;
    w->modalAnswer = [&](QDialog *) {
        hiddenDuringNotice = !PagesDlg->isVisible();
        return int(QDialog::Accepted);
    };
    PagesDlg->show();
    PagesDlg->Password->setText(password);
    PagesDlg->rePassword->setText(repeated);
    QTest::mouseClick(PagesDlg->Button3, Qt::LeftButton);

    QCOMPARE(w->modals, QStringList{QStringLiteral("Form14")});
    QVERIFY(hiddenDuringNotice);
    QVERIFY(PagesDlg->isVisible());
    QVERIFY(PagesDlg->Password->text().isEmpty());
    QVERIFY(PagesDlg->rePassword->text().isEmpty());
    QVERIFY(PagesDlg->Label11->text().isEmpty());
    QCOMPARE(fileBytes(w->passwordFile()), before);
}

void TestSettings::writeFailure_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("how");
    QTest::newRow("settings: a folder in the way") << "settings" << "folder";
    QTest::newRow("settings: read-only folder") << "settings" << "read-only";
    QTest::newRow("password: a folder in the way") << "password" << "folder";
    QTest::newRow("password: read-only folder") << "password" << "read-only";
    QTest::newRow("settings: disk full") << "settings" << "full disk";
    QTest::newRow("password: disk full") << "password" << "full disk";
    QTest::newRow("password: not storable") << "password" << "unstorable";
}

void TestSettings::writeFailure()
{
    QFETCH(QString, file);
    QFETCH(QString, how);
    const bool settings = file == QLatin1String("settings");
    const QString path = settings ? w->settingsFile() : w->passwordFile();
    const QString userFolder = korven::userFolder(w->folder.resultFolder(), w->id);
    const QByteArray before = fileBytes(path);
    QFile userDir(userFolder);
    const auto permissions = userDir.permissions();
    if (how == QLatin1String("folder")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
    } else if (how == QLatin1String("read-only")) {
        if (korven::test::runningAsRoot())
            QSKIP("permissions do not stop root");
        QVERIFY(userDir.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QStringList entries = QDir(userFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    std::unique_ptr<korven::test::NoRoomForWrites> noRoom;
    if (how == QLatin1String("full disk"))
        noRoom = std::make_unique<korven::test::NoRoomForWrites>();
    PagesDlg->show();
    if (settings) {
        PagesDlg->TrackBar1->setValue(12);
        PagesDlg->Cheat->setChecked(true);
        QTest::mouseClick(PagesDlg->OKBtn, Qt::LeftButton);
        // The modes are applied, but the dialog stays open.
        QVERIFY(Form1->N1->isChecked());
        QVERIFY(PagesDlg->isVisible());
    } else {
        const QString password = how == QLatin1String("unstorable") ? QStringLiteral("pass\U0001F600")
                                                                       : QStringLiteral("newpass");
        // As after an earlier change in the same showing: its confirmation must go.
        PagesDlg->Label11->setText(QStringLiteral("Your password was changed."));
        PagesDlg->Password->setText(password);
        PagesDlg->rePassword->setText(password);
        QTest::mouseClick(PagesDlg->Button3, Qt::LeftButton);
        QVERIFY(PagesDlg->Label11->text().isEmpty());
    }
    noRoom.reset();
    userDir.setPermissions(permissions);

    QCOMPARE(w->errors.size(), 1);
    if (how != QLatin1String("unstorable"))
        QVERIFY2(w->errors.first().contains(QFileInfo(path).fileName()), qPrintable(w->errors.first()));
    if (how == QLatin1String("folder"))
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(fileBytes(path), before);
    // No half-written file is left beside the old one.
    QCOMPARE(QDir(userFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), entries);
}

void TestSettings::noticeKeepsDialogModal()
{
    // Shown for real: the notice's OK brings the dialog back, still in its modal showing, so the
    // caller's exec() goes on until the dialog's own OK.
    korven::ui::setModalHook({});
    bool returned = false;
    bool visibleAfterNotice = false;
    QTimer::singleShot(0, [&] {
        PagesDlg->Password->setText(QStringLiteral("a"));
        QTimer::singleShot(0, [&] { QTest::mouseClick(Form14->findChild<QPushButton *>(), Qt::LeftButton); });
        QTest::mouseClick(PagesDlg->Button3, Qt::LeftButton);
        QTimer::singleShot(0, [&] {
            visibleAfterNotice = PagesDlg->isVisible() && !returned;
            QTest::mouseClick(PagesDlg->OKBtn, Qt::LeftButton);
        });
    });
    const int result = PagesDlg->exec();
    returned = true;
    QVERIFY(visibleAfterNotice);
    QCOMPARE(result, int(QDialog::Accepted));
}

void TestSettings::stepRestoredAtLogin_data()
{
    QTest::addColumn<int>("step");
    QTest::newRow("7") << 7;
    QTest::newRow("9") << 9;
    QTest::newRow("10") << 10;
    QTest::newRow("12") << 12;
    QTest::newRow("13") << 13;
}

void TestSettings::stepRestoredAtLogin()
{
    QFETCH(int, step);
    // Saved after a problem was loaded (a fitted scale other than the one at login).
    Form1->FitScale = 0.55f;
    PagesDlg->TrackBar1->setValue(step == 7 ? 13 : 7);
    PagesDlg->TrackBar1->setValue(step);
    PagesDlg->OKBtnClick();

    w->restart();
    QVERIFY(logIn(w->id, QStringLiteral("secret")));
    QCOMPARE(PagesDlg->TrackBar1->value(), step);
    QCOMPARE(PagesDlg->Label4->text(), korven::sizeStepCaption(step));
    QCOMPARE(Form1->MagnificationMode, step == 10 ? 0 : 1);
    QVERIFY(w->errors.isEmpty());
}

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
