// Start-up: the set of windows and the order they are made in, the first window shown, the ways
// the program ends, and the one-instance rule of the real program.
#include "analysis/ui/delete_results_dlgs.h"
#include "analysis/ui/tokbottom_dlg.h"
#include "analysis/ui/tpages_dlg.h"
#include "app/ui/front_request.h"
#include "app/ui/tabout_box.h"
#include "app/ui/window_set.h"
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform15.h"
#include "exercise/ui/tform16.h"
#include "support/window_fixture.h"
#include "users/ui/new_id_dialogs.h"
#include "users/ui/tpassword_dlg.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace korven;

namespace {

// The process id written in a lock file, 0 when there is none.
qint64 lockOwner(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine().trimmed().toLongLong();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void frontRequest(); // first: the later cases end the application's event loop
    void windowSet();
    void endingTheProgram_data();
    void endingTheProgram();
    void oneInstance();
};

void TestStartup::windowSet()
{
    test::ProgramFolder folder;
    ui::createWindowSet();
    const QList<QPair<QWidget *, const char *>> windows = {
        {PasswordDlg, "TPasswordDlg"}, {AboutBox, "TAboutBox"},         {PagesDlg, "TPagesDlg"},
        {OKBottomDlg, "TOKBottomDlg"}, {NewIDorNo, "TNewIDorNo"},       {NewID, "TNewID"},
        {Form9, "TForm9"},             {Form6, "TForm6"},               {Form11, "TForm11"},
        {Recovery1, "TRecovery1"},     {NewIDComplete, "TNewIDComplete"}, {Form8, "TForm8"},
        {Form10, "TForm10"},           {Form14, "TForm14"},             {Form15, "TForm15"},
        {Form16, "TForm16"}};
    QStringList names;
    for (const auto &[window, className] : windows) {
        QVERIFY2(window, className);
        QCOMPARE(window->metaObject()->className(), className);
        names << window->objectName();
    }
    // The login dialog is made first; the exercise window only after a login.
    QCOMPARE(ui::windowCreationOrder(), names);
    QVERIFY(!Form1);

    ui::showFirstWindow();
    QVERIFY(QTest::qWaitForWindowExposed(PasswordDlg, 60000));
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible() || w == PasswordDlg, qPrintable(w->objectName()));
    ui::destroyWindowSet();
}

void TestStartup::endingTheProgram_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("Exit(&X)") << true;
    QTest::newRow("closing the exercise window") << false;
}

void TestStartup::endingTheProgram()
{
    // The login dialog stays on screen here, so that closing the exercise window alone would not
    // end the program by leaving no window open.
    QFETCH(bool, byMenu);
    test::WindowFixture fixture;
    TForm1 *f = fixture.form();
    PasswordDlg->show();
    QTimer::singleShot(0, f, [f, byMenu] {
        if (byMenu)
            f->Exit1->trigger();
        else
            f->close();
    });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    connect(&failsafe, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    failsafe.start(120000); // only against a hang
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!f->isVisible());
    QVERIFY(!PasswordDlg->isVisible());
}

void TestStartup::oneInstance()
{
    const QString exe = QStringLiteral(KORVEN_EXE);
    if (!QFileInfo::exists(exe))
        QSKIP("the program is not built");
    // Each desktop user has a runtime folder of their own, which holds the lock; two folders
    // stand for two users here.
    QTemporaryDir userA;
    QTemporaryDir userB;
    QVERIFY(userA.isValid() && userB.isValid());
    const QString lock = userA.filePath(QStringLiteral("ApplicationTitle"));
    auto start = [&](QProcess &p, const QTemporaryDir &runtime) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        p.setProcessEnvironment(env);
        p.start(exe, {});
        return p.waitForStarted(-1);
    };
    auto stop = [](QProcess &p) {
        p.kill();
        p.waitForFinished(-1);
    };

    QProcess first;
    QVERIFY(start(first, userA));
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(lock), first.processId(), 120000);

    // A second start by the same user ends at once with exit code 1, shows nothing, says why on
    // standard error and leaves the first one running, however long the first has been running.
    {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    QProcess second;
    QVERIFY(start(second, userA));
    QVERIFY(second.waitForFinished(-1));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 1);
    const QString said = QString::fromLocal8Bit(second.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("another copy of KORVEN is running (process %1)").arg(first.processId())),
             qPrintable(said));
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(lockOwner(lock), first.processId());

    // Started from the desktop's menu (standard error read by nobody), it ends at once as well, with
    // no message box waiting for an answer; the running copy takes its request to come to the front.
    {
        QProcess fromMenu;
        fromMenu.setStandardErrorFile(QProcess::nullDevice());
        QVERIFY(start(fromMenu, userA));
        QVERIFY(fromMenu.waitForFinished(120000));
        QCOMPARE(fromMenu.exitCode(), 1);
        QCOMPARE(lockOwner(lock), first.processId());
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(frontRequestPath(userA.path())), 120000);
        QCOMPARE(first.state(), QProcess::Running);
    }

    // Another user runs a copy of their own at the same time.
    QProcess other;
    QVERIFY(start(other, userB));
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(userB.filePath(QStringLiteral("ApplicationTitle"))), other.processId(), 120000);
    QCOMPARE(other.state(), QProcess::Running);
    stop(other);

    // An instance that dies without cleaning up leaves its lock behind; the next start sees that
    // its owner is gone and runs.
    stop(first);
    QVERIFY(QFileInfo::exists(lock));
    QProcess third;
    QVERIFY(start(third, userA));
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(lock), third.processId(), 120000);
    QCOMPARE(third.state(), QProcess::Running);
    stop(third);

    // So does one killed between creating the lock and writing it: an empty lock is taken over.
    {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }
    QProcess fourth;
    QVERIFY(start(fourth, userA));
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(lock), fourth.processId(), 120000);
    stop(fourth);
}

// A request left by a second start restores the running copy's minimised window and is used up;
// one left over from an earlier run is no request.
void TestStartup::frontRequest()
{
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    requestFront(runtime.path());
    QVERIFY(QFileInfo::exists(frontRequestPath(runtime.path())));
    QWidget window;
    window.showMinimized();
    ui::FrontWatcher watcher(runtime.path());
    QVERIFY(!QFileInfo::exists(frontRequestPath(runtime.path())));
    QSignalSpy brought(&watcher, &ui::FrontWatcher::broughtToFront);
    QTest::qWait(1500);
    QCOMPARE(brought.count(), 0);
    QVERIFY(window.isMinimized());

    requestFront(runtime.path());
    QVERIFY(brought.wait(20000));
    QVERIFY(!window.isMinimized());
    QVERIFY(!QFileInfo::exists(frontRequestPath(runtime.path())));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
