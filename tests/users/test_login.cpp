// The login dialog and the creation of IDs, driven with keys and mouse clicks on the real windows,
// checked against the windows' state and the user's files.
#include "analysis/ui/tpages_dlg.h"
#include "app/ui/messages.h"
#include "app/ui/window_set.h"
#include "exercise/bitmap_transform.h"
#include "files/text_file.h"
#include "exercise/ui/tform1.h"
#include "support/window_fixture.h"
#include "users/id_rules.h"
#include "users/locks.h"
#include "users/trial_records.h"
#include "users/ui/new_id_dialogs.h"
#include "users/ui/tpassword_dlg.h"
#include "users/user_files.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QSysInfo>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

#include "support/file_bytes.h"

using korven::test::readBytes;
using korven::test::writeBytes;

#include <memory>

using namespace korven;

namespace {

using Answer = std::function<void(QDialog *)>;

void press(QDialog *dialog, const char *button)
{
    auto *b = dialog->findChild<QPushButton *>(QLatin1String(button));
    QVERIFY2(b, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

Answer clickButton(const char *button)
{
    return [button](QDialog *d) { press(d, button); };
}
Answer pressEscape()
{
    return [](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); };
}
Answer closeBox()
{
    return [](QDialog *d) { d->close(); };
}

QString focusName(QWidget *window)
{
    QWidget *f = window->focusWidget();
    return f ? f->objectName() : QStringLiteral("<none>");
}

QStringList knownIds()
{
    QStringList ids;
    for (int i = 0; i < PasswordDlg->ListBox1->count(); ++i)
        ids << PasswordDlg->ListBox1->item(i)->text();
    return ids;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class TestLogin : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ProgramFolder> folder;
    QStringList modals;       // object names of the dialogs shown modally
    QList<Answer> answers;    // what to do in them, in order; by default press "OKBtn"
    QStringList messages;     // texts of message boxes and error boxes
    QImage sample;

    QString result() const { return folder->resultFolder(); }

    // Users that exist before the program starts.
    void addUser(const QString &id, const QString &password, const QByteArray &settings = {})
    {
        QCOMPARE(createUserFiles(result(), id, password), CreateUserResult::Created);
        if (!settings.isEmpty())
            writeBytes(settingsPath(result(), id), settings);
    }

    void start()
    {
        ui::createWindowSet();
        ui::showFirstWindow();
        QVERIFY(QTest::qWaitForWindowExposed(PasswordDlg, 60000));
    }

    void typeLogin(const QString &id, const QString &password)
    {
        PasswordDlg->ID->clear();
        PasswordDlg->Password->clear();
        QTest::keyClicks(PasswordDlg->ID, id);
        QTest::keyClicks(PasswordDlg->Password, password);
    }

    void typeNewId(const QString &id, const QString &password, const QString &again)
    {
        NewID->ID->clear();
        NewID->Password->clear();
        NewID->rePassword->clear();
        // Control characters and the like cannot be typed; they arrive as pasted text would.
        if (id.isEmpty() || id.at(0).isPrint())
            QTest::keyClicks(NewID->ID, id);
        NewID->ID->setText(id);
        QTest::keyClicks(NewID->Password, password);
        QTest::keyClicks(NewID->rePassword, again);
    }

    QSize previewSize(int step) const
    {
        QImage scaled;
        ScaleBitmap(sample, scaled, float((long double)step * 0.7f * 0.1L));
        return scaled.size();
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        folder = std::make_unique<test::ProgramFolder>();
        sample = test::syntheticPiece(0, QSize(18, 64));
        QVERIFY(sample.save(folder->imagesFolder() + QStringLiteral("/1-1.bmp"), "BMP"));
        modals.clear();
        answers.clear();
        messages.clear();
        ui::setMessageHook([this](const QString &, const QString &, const QString &text) { messages << text; });
        ui::setModalHook([this](QDialog *dialog) {
            modals << dialog->objectName();
            dialog->show();
            const Answer answer = answers.isEmpty() ? clickButton("OKBtn") : answers.takeFirst();
            answer(dialog);
            if (dialog->isVisible()) // left open: take it away without an answer
                dialog->hide();
            return dialog->result();
        });
    }

    void cleanup()
    {
        ui::destroyWindowSet();
        ui::setMessageHook({});
        ui::setModalHook({});
        folder.reset();
    }

    void createIdThenLogIn()
    {
        start();
        QVERIFY(!Form1);
        typeLogin(QStringLiteral("trainee 1"), QString());
        answers << clickButton("OKBtn"); // "Create New ID？" -> Yes
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QCOMPARE(modals, QStringList({"NewIDorNo"}));
        QVERIFY(!PasswordDlg->isVisible());
        QVERIFY(NewID->isVisible());

        typeNewId(QStringLiteral("trainee 1"), QStringLiteral(" pw "), QStringLiteral(" pw "));
        QTest::keyClick(NewID->rePassword, Qt::Key_Return); // "Create ID" is the default button
        QCOMPARE(modals, QStringList({"NewIDorNo", "NewIDComplete"}));
        QVERIFY(messages.isEmpty());
        QVERIFY(!NewID->isVisible());
        QVERIFY(PasswordDlg->isVisible());
        QCOMPARE(PasswordDlg->ID->text(), QStringLiteral("trainee 1"));
        QCOMPARE(focusName(PasswordDlg), QStringLiteral("Password"));
        QCOMPARE(knownIds(), QStringList({"trainee 1"}));

        const QString id = QStringLiteral("trainee 1");
        QCOMPARE(readBytes(recordPath(result(), id)), trialRecordFileStart());
        QCOMPARE(readBytes(passwordPath(result(), id)), QByteArray(" pw \r\n"));
        QCOMPARE(readBytes(settingsPath(result(), id)), QByteArray("0\r\n0\r\n0\r\n0.699999988079071\r\n"));

        QTest::keyClicks(PasswordDlg->Password, QStringLiteral(" pw "));
        QTest::keyClick(PasswordDlg->Password, Qt::Key_Return);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
        QVERIFY(Form1);
        QVERIFY(Form1->isVisible());
        QVERIFY(!PasswordDlg->isVisible());
        QCOMPARE(PasswordDlg->ID->text(), id);
        QCOMPARE(Form1->UserId, id);
        QCOMPARE(Form1->windowTitle(), QStringLiteral("KORVEN          ID: trainee 1          "));
        QVERIFY(!Form1->N1->isChecked());
        QVERIFY(!PagesDlg->Cheat->isChecked());
        QVERIFY(!PagesDlg->AnswerMode->isChecked());
        QCOMPARE(Form1->MagnificationMode, 0);
        QCOMPARE(Form1->Magnification, 0.7f);
        QCOMPARE(PagesDlg->Label4->text(), QStringLiteral("1.0"));
        QCOMPARE(PagesDlg->TrackBar1->value(), 10);
        QCOMPARE(PagesDlg->Image2->size(), previewSize(10));
        QVERIFY(!PagesDlg->Image2->pixmap().isNull());
    }

    void savedSettingsAreApplied_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("reference");
        QTest::addColumn<bool>("alignment");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("step");

        QTest::newRow("all on, stored step") << dialogSettingsBytes(true, true, 1, 0.84f, 12) << true << true << 1 << 12;
        QTest::newRow("no stored step: derived") << dialogSettingsBytes(true, false, 1, 0.49f) << true << false << 1 << 8;
        QTest::newRow("optimal size") << dialogSettingsBytes(false, true, 0, 0.7f, 10) << false << true << 0 << 10;
    }

    void savedSettingsAreApplied()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, step);
        addUser(QStringLiteral("u"), QStringLiteral("p"), settings);
        start();
        typeLogin(QStringLiteral("u"), QStringLiteral("p"));
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QVERIFY2(Form1, qPrintable(messages.join('\n')));
        QTEST(Form1->N1->isChecked(), "reference");
        QTEST(PagesDlg->Cheat->isChecked(), "reference");
        QTEST(PagesDlg->AnswerMode->isChecked(), "alignment");
        QTEST(Form1->MagnificationMode, "mode");
        QCOMPARE(PagesDlg->TrackBar1->value(), step);
        QCOMPARE(PagesDlg->Image2->size(), previewSize(step));
    }

    void wrongPasswordThenRightOne()
    {
        addUser(QStringLiteral("u"), QStringLiteral("Secret"));
        start();
        typeLogin(QStringLiteral("u"), QStringLiteral("secret"));
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QVERIFY(!Form1);
        QVERIFY(modals.isEmpty() && messages.isEmpty());
        QCOMPARE(PasswordDlg->Label1->text(), QStringLiteral("Please your password again."));
        QCOMPARE(PasswordDlg->ID->text(), QStringLiteral("u"));
        QCOMPARE(PasswordDlg->Password->text(), QString());
        QCOMPARE(focusName(PasswordDlg), QStringLiteral("Password"));

        QTest::keyClicks(PasswordDlg->Password, QStringLiteral("Secret"));
        QTest::keyClick(PasswordDlg->Password, Qt::Key_Return);
        QVERIFY(Form1);
        QCOMPARE(Form1->UserId, QStringLiteral("u"));
        QVERIFY(!PasswordDlg->isVisible());
    }

    void idInUseElsewhere_data()
    {
        // Who holds the ID "a": a copy on this machine, or one on another machine sharing the
        // data folder (its lock file, renewed a minute ago).
        QTest::addColumn<bool>("otherMachine");
        QTest::newRow("another copy here") << false;
        QTest::newRow("a copy on another machine") << true;
    }

    void idInUseElsewhere()
    {
        QFETCH(bool, otherMachine);
        addUser(QStringLiteral("a"), QStringLiteral("pa"));
        addUser(QStringLiteral("b"), QStringLiteral("pb"));
        const QString folderA = userFolder(result(), QStringLiteral("a"));
        const QByteArray settingsBefore = readBytes(settingsPath(result(), QStringLiteral("a")));
        IdLock held(folderA);
        QString host = QSysInfo::machineHostName();
        if (otherMachine) {
            host = QStringLiteral("classroom-7");
            QFile file(held.path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("4242\nkorven\nclassroom-7\n");
            file.close();
        } else {
            QCOMPARE(held.take().outcome, LockOutcome::Taken);
        }
        const QStringList entriesBefore = QDir(folderA).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        start();
        typeLogin(QStringLiteral("a"), QStringLiteral("pa"));
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QCOMPARE(messages, QStringList{QStringLiteral("This ID is in use on %1.").arg(host)});
        QVERIFY(!Form1);
        QVERIFY(PasswordDlg->isVisible());
        QCOMPARE(readBytes(settingsPath(result(), QStringLiteral("a"))), settingsBefore);
        QCOMPARE(QDir(folderA).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entriesBefore);

        // Another ID logs in side by side, and holds its own lock until the program ends.
        messages.clear();
        typeLogin(QStringLiteral("b"), QStringLiteral("pb"));
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
        QVERIFY(Form1);
        IdLock second(userFolder(result(), QStringLiteral("b")));
        QCOMPARE(second.take().outcome, LockOutcome::Held);
        ui::destroyWindowSet();
        QCOMPARE(second.take().outcome, LockOutcome::Taken);
    }

    void unknownIdIsAsked_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("other case") << "alice";
        QTest::newRow("trailing blank") << "Alice ";
        QTest::newRow("empty") << "";
    }

    void unknownIdIsAsked()
    {
        QFETCH(QString, id);
        addUser(QStringLiteral("Alice"), QStringLiteral("p"));
        start();
        typeLogin(id, QStringLiteral("p"));
        answers << clickButton("CancelBtn");
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QCOMPARE(modals, QStringList({"NewIDorNo"}));
        QVERIFY(!Form1);
    }

    // An ID typed with a combining mark (as some input methods give it) is the ID whose folder has
    // the composed letter: it logs in there, under the folder's own name.
    void decomposedIdFindsItsFolder()
    {
        addUser(QStringLiteral("がくせい"), QStringLiteral("p"));
        start();
        PasswordDlg->ID->setText(QStringLiteral("か\u3099くせい"));
        QTest::keyClicks(PasswordDlg->Password, QStringLiteral("p"));
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QVERIFY(modals.isEmpty()); // not asked whether to create it
        QVERIFY(Form1);
        QCOMPARE(Form1->UserId, QStringLiteral("がくせい"));
    }

    void idsDifferingInCaseAreDifferentUsers()
    {
        addUser(QStringLiteral("Alice"), QStringLiteral("upper"));
        start();
        typeLogin(QStringLiteral("alice"), QString());
        answers << clickButton("OKBtn");
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        typeNewId(QStringLiteral("alice"), QStringLiteral("lower"), QStringLiteral("lower"));
        // Told once that it looks like an existing ID; created at the next press.
        QTest::mouseClick(NewID->OKBtn, Qt::LeftButton);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("\"Alice\"")), qPrintable(messages.first()));
        QCOMPARE(knownIds(), QStringList({"Alice"}));
        QTest::mouseClick(NewID->OKBtn, Qt::LeftButton);
        QCOMPARE(modals, QStringList({"NewIDorNo", "NewIDComplete"}));
        QCOMPARE(knownIds(), QStringList({"Alice", "alice"}));
        QCOMPARE(readBytes(passwordPath(result(), QStringLiteral("Alice"))), QByteArray("upper\r\n"));
        QCOMPARE(readBytes(passwordPath(result(), QStringLiteral("alice"))), QByteArray("lower\r\n"));

        QTest::keyClicks(PasswordDlg->Password, QStringLiteral("upper")); // Alice's, not alice's
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QVERIFY(!Form1);
        QCOMPARE(PasswordDlg->Label1->text(), QStringLiteral("Please your password again."));
    }

    void questionAnswers_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("reset"); // boxes emptied, caption back to "Password"
        QTest::newRow("No") << clickButton("CancelBtn") << true;
        QTest::newRow("Esc") << pressEscape() << true;
        QTest::newRow("close box") << closeBox() << false;
    }

    void questionAnswers()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, reset);
        addUser(QStringLiteral("u"), QStringLiteral("p"));
        start();
        typeLogin(QStringLiteral("u"), QStringLiteral("wrong"));
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton); // caption now the wrong-password one
        typeLogin(QStringLiteral("nobody"), QStringLiteral("pw"));
        answers << answer;
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QCOMPARE(modals, QStringList({"NewIDorNo"}));
        QVERIFY(PasswordDlg->isVisible());
        QVERIFY(!NewID->isVisible());
        QCOMPARE(PasswordDlg->ID->text(), reset ? QString() : QStringLiteral("nobody"));
        QCOMPARE(PasswordDlg->Password->text(), reset ? QString() : QStringLiteral("pw"));
        QCOMPARE(PasswordDlg->Label1->text(),
                 reset ? QStringLiteral("Password") : QStringLiteral("Please your password again."));
        if (reset)
            QCOMPARE(focusName(PasswordDlg), QStringLiteral("ID"));
        QCOMPARE(entries(result()), QStringList({"u"}));
    }

    void leavingCreation_data()
    {
        QTest::addColumn<int>("how"); // 0 Cancel button, 1 Esc, 2 close box
        QTest::addColumn<bool>("reset");
        QTest::newRow("Cancel") << 0 << true;
        QTest::newRow("Esc") << 1 << true;
        QTest::newRow("close box") << 2 << false;
    }

    void leavingCreation()
    {
        QFETCH(int, how);
        QFETCH(bool, reset);
        start();
        typeLogin(QStringLiteral("new"), QStringLiteral("pw"));
        answers << clickButton("OKBtn");
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        typeNewId(QStringLiteral("new"), QStringLiteral("a"), QStringLiteral("a"));
        if (how == 0)
            QTest::mouseClick(NewID->CancelBtn, Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(NewID->Password, Qt::Key_Escape);
        else
            NewID->close();
        QVERIFY(!NewID->isVisible());
        QVERIFY(PasswordDlg->isVisible());
        QCOMPARE(PasswordDlg->ID->text(), reset ? QString() : QStringLiteral("new"));
        QCOMPARE(PasswordDlg->Password->text(), reset ? QString() : QStringLiteral("pw"));
        if (reset)
            QCOMPARE(focusName(PasswordDlg), QStringLiteral("ID"));
        QCOMPARE(entries(result()), QStringList());
        QVERIFY(knownIds().isEmpty());
        // The creation dialog keeps its texts for the next showing.
        QCOMPARE(NewID->ID->text(), QStringLiteral("new"));
    }

    void creationRefused_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("again");
        QTest::addColumn<QString>("notice");   // dialog shown, or "message" for a message box
        QTest::addColumn<QString>("idAfter");
        QTest::addColumn<bool>("passwordsKept");
        QTest::addColumn<QString>("focus");

        QTest::newRow("ID in use") << "known" << "a" << "a" << "Form9" << "" << false << "ID";
        QTest::newRow("passwords differ") << "new" << "a" << "b" << "Form11" << "new" << false << "Password";
        QTest::newRow("password empty") << "new" << "" << "" << "Form11" << "new" << false << "Password";
        QTest::newRow("second password empty") << "new" << "a" << "" << "Form11" << "new" << false << "Password";
        QTest::newRow("empty ID") << "" << "a" << "a" << "message" << "" << true << "ID";
        QTest::newRow("dot dot") << ".." << "a" << "a" << "message" << ".." << true << "ID";
        QTest::newRow("leading dot") << ".x" << "a" << "a" << "message" << ".x" << true << "ID";
        QTest::newRow("slash") << "a/b" << "a" << "a" << "message" << "a/b" << true << "ID";
        QTest::newRow("backslash") << "a\\b" << "a" << "a" << "message" << "a\\b" << true << "ID";
        QTest::newRow("control character") << "a\tb" << "a" << "a" << "message" << "a\tb" << true << "ID";
        const QString tooLong(MaxIdBytes + 1, u'x');
        QTest::newRow("too long") << tooLong << "a" << "a" << "message" << tooLong << true << "ID";
        QTest::newRow("folder already there") << "late" << "a" << "a" << "message" << "late" << true << "ID";
    }

    void creationRefused()
    {
        QFETCH(QString, id);
        QFETCH(QString, password);
        QFETCH(QString, again);
        QFETCH(QString, notice);
        addUser(QStringLiteral("known"), QStringLiteral("old"));
        start();
        // A folder that appeared after the program started: not in the list, but on disk.
        QDir(result()).mkdir(QStringLiteral("late"));
        writeBytes(result() + QStringLiteral("/late/late.pas"), "keep\r\n");
        const QByteArray knownPassword = readBytes(passwordPath(result(), QStringLiteral("known")));

        typeLogin(QStringLiteral("someone"), QString());
        answers << clickButton("OKBtn");
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        typeNewId(id, password, again);
        modals.clear();
        QTest::mouseClick(NewID->OKBtn, Qt::LeftButton);

        if (notice == QLatin1String("message")) {
            QCOMPARE(modals, QStringList());
            QCOMPARE(messages.size(), 1);
        } else {
            QCOMPARE(modals, QStringList({notice}));
            QVERIFY(messages.isEmpty());
        }
        QVERIFY(NewID->isVisible());
        QVERIFY(!PasswordDlg->isVisible());
        QTEST(NewID->ID->text(), "idAfter");
        QFETCH(bool, passwordsKept);
        QCOMPARE(NewID->Password->text(), passwordsKept ? password : QString());
        QCOMPARE(NewID->rePassword->text(), passwordsKept ? again : QString());
        QTEST(focusName(NewID), "focus");

        QCOMPARE(knownIds(), QStringList({"known"}));
        QCOMPARE(entries(result()), QStringList({"known", "late"}));
        QCOMPARE(entries(result() + QStringLiteral("/late")), QStringList({"late.pas"}));
        QCOMPARE(readBytes(result() + QStringLiteral("/late/late.pas")), QByteArray("keep\r\n"));
        QCOMPARE(readBytes(passwordPath(result(), QStringLiteral("known"))), knownPassword);
    }

    void blankPasswordIsAccepted()
    {
        start();
        typeLogin(QStringLiteral("b"), QString());
        answers << clickButton("OKBtn");
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        typeNewId(QStringLiteral("b"), QStringLiteral("   "), QStringLiteral("   "));
        QTest::mouseClick(NewID->OKBtn, Qt::LeftButton);
        QCOMPARE(modals, QStringList({"NewIDorNo", "NewIDComplete"}));
        QCOMPARE(readBytes(passwordPath(result(), QStringLiteral("b"))), QByteArray("   \r\n"));
    }

    void failedLoginLeavesNoWindow_data()
    {
        QTest::addColumn<QString>("file");     // which of the user's files is damaged
        QTest::addColumn<QByteArray>("bytes"); // "<none>": removed
        QTest::newRow("no .pas") << ".pas" << QByteArray("<none>");
        QTest::newRow("empty .pas") << ".pas" << QByteArray();
        QTest::newRow("no .set") << ".set" << QByteArray("<none>");
        QTest::newRow(".set of three lines") << ".set" << QByteArray("0\r\n0\r\n0\r\n");
        QTest::newRow("line 3 no integer") << ".set" << QByteArray("1\r\n1\r\nx\r\n0.7\r\n");
        QTest::newRow("line 4 no real") << ".set" << QByteArray("1\r\n1\r\n1\r\nx\r\n");
    }

    void failedLoginLeavesNoWindow()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        addUser(QStringLiteral("u"), QStringLiteral("p"));
        const QString path = result() + QStringLiteral("/u/u") + file;
        const QByteArray good = readBytes(path);
        QFile::remove(path);
        if (bytes != "<none>")
            writeBytes(path, bytes);
        start();
        typeLogin(QStringLiteral("u"), QStringLiteral("p"));
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        // A damaged settings file comes with the offer to reset it, here declined.
        QCOMPARE(messages.size(), file == QLatin1String(".set") ? 2 : 1);
        QVERIFY2(messages.last().contains(QStringLiteral("u") + file), qPrintable(messages.last()));
        QVERIFY(!Form1);
        QVERIFY(PasswordDlg->isVisible());
        QCOMPARE(PasswordDlg->Label1->text(), QStringLiteral("Password"));
        QVERIFY(!PagesDlg->Cheat->isChecked());
        QCOMPARE(PagesDlg->TrackBar1->value(), 10);

        // Once the file is repaired the same OK logs in, with one exercise window.
        writeBytes(path, good);
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QVERIFY(Form1);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget *w) { return qobject_cast<TForm1 *>(w) != nullptr; }),
                 1);
    }

    // A read-only Result folder (a locked-down share, a read-only medium): the trainee logs in to
    // practise and analyse, told that nothing is recorded.
    void readOnlyResultLogsInWithoutRecording()
    {
        const QByteArray mountPoint = QFile::encodeName(result());
        if (::mount("korven-test", mountPoint.constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("mounting a tmpfs is not allowed here");
        addUser(QStringLiteral("u"), QStringLiteral("p"));
        QCOMPARE(::mount(nullptr, mountPoint.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        start();
        typeLogin(QStringLiteral("u"), QStringLiteral("p"));
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        const bool loggedIn = Form1 != nullptr;
        const bool readOnly = loggedIn && Form1->property("readOnlyResults").toBool();
        const QString title = loggedIn ? Form1->windowTitle() : QString();
        ui::destroyWindowSet();
        ::umount2(mountPoint.constData(), MNT_DETACH);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QString::fromLocal8Bit(std::strerror(EROFS)))
                     && messages.first().contains(QStringLiteral("no trial is recorded")),
                 qPrintable(messages.first()));
        QVERIFY(loggedIn);
        QVERIFY(readOnly);
        QVERIFY2(title.endsWith(QStringLiteral("(not recorded)")), qPrintable(title));
    }

    void damagedSettingsCanBeReset()
    {
        addUser(QStringLiteral("u"), QStringLiteral("p"), QByteArray("1\r\n1\r\nx\r\n0.7\r\n"));
        ui::setQuestionHook([](const QString &) { return true; });
        start();
        typeLogin(QStringLiteral("u"), QStringLiteral("p"));
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        ui::setQuestionHook({});
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("u.set")), qPrintable(messages.first()));
        QVERIFY(Form1);
        QCOMPARE(readBytes(settingsPath(result(), QStringLiteral("u"))), initialSettingsBytes());
    }

    // Without a readable sample the login goes on; a FIFO in its place is not waited on.
    void missingSampleStillLogsIn_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("FIFO") << "fifo";
    }
    void missingSampleStillLogsIn()
    {
        QFETCH(QString, kind);
        addUser(QStringLiteral("u"), QStringLiteral("p"));
        const QString sample = folder->imagesFolder() + QStringLiteral("/1-1.bmp");
        QFile::remove(sample);
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(sample).constData(), 0600), 0);
        start();
        typeLogin(QStringLiteral("u"), QStringLiteral("p"));
        QTest::mouseClick(PasswordDlg->OKBtn, Qt::LeftButton);
        QVERIFY(Form1);
        QVERIFY(!PasswordDlg->isVisible());
        QCOMPARE(PagesDlg->Label8->text(), QStringLiteral("Cannot Read file"));
    }

    void tabOrder_data()
    {
        QTest::addColumn<bool>("creation");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("login") << false << QStringList({"ID", "Password", "OKBtn", "CancelBtn", "ID"});
        QTest::newRow("creation") << true
                                  << QStringList({"ID", "Password", "rePassword", "OKBtn", "CancelBtn", "ID"});
    }

    void tabOrder()
    {
        QFETCH(bool, creation);
        QFETCH(QStringList, order);
        start();
        QDialog *dialog = PasswordDlg;
        if (creation) {
            PasswordDlg->hide();
            NewID->show();
            dialog = NewID;
        }
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog, 60000));
        dialog->findChild<QWidget *>(QStringLiteral("ID"))->setFocus();
        QStringList seen{focusName(dialog)};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
            seen << focusName(dialog);
        }
        QCOMPARE(seen, order);
    }

    void closingTheLoginEndsTheProgram_data()
    {
        QTest::addColumn<int>("how"); // 0 Cancel, 1 Esc, 2 close box
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }

    void closingTheLoginEndsTheProgram()
    {
        QFETCH(int, how);
        start();
        QTimer act, guard;
        act.setSingleShot(true);
        guard.setSingleShot(true);
        connect(&act, &QTimer::timeout, this, [how] {
            if (how == 0)
                QTest::mouseClick(PasswordDlg->CancelBtn, Qt::LeftButton);
            else if (how == 1)
                QTest::keyClick(PasswordDlg->ID, Qt::Key_Escape);
            else
                PasswordDlg->close();
        });
        bool timedOut = false;
        connect(&guard, &QTimer::timeout, this, [&timedOut] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        act.start(0);
        guard.start(120000); // only against a hang
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!timedOut);
        QVERIFY(!PasswordDlg->isVisible());
        QVERIFY(!Form1);
    }
};

QTEST_MAIN(TestLogin)
#include "test_login.moc"
