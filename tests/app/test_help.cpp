// Help -> Help: the manual opens with the desktop's viewer, or in the program's own window where
// the desktop cannot open it.
#include "app/ui/help_window.h"
#include "exercise/ui/tform1.h"
#include "support/file_bytes.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QProcess>
#include <QTest>

using korven::test::WindowFixture;

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void manual_data();
    void manual();
};

void TestHelp::manual_data()
{
    // The desktop's opener, as found on the PATH: empty for none.
    QTest::addColumn<QByteArray>("opener");
    QTest::addColumn<bool>("withManual");
    QTest::addColumn<bool>("ownWindow");
    QTest::newRow("no opener") << QByteArray() << true << true;
    QTest::newRow("opener without a viewer") << QByteArray("#!/bin/sh\necho \"$1\" > \"$0.args\"\nexit 3\n")
                                              << true << true;
    QTest::newRow("opener that cannot start") << QByteArray("#!/nonexistent/sh\n") << true << true;
    QTest::newRow("opener with a viewer") << QByteArray("#!/bin/sh\necho \"$1\" > \"$0.args\"\n") << true << false;
    QTest::newRow("no manual") << QByteArray("#!/bin/sh\necho \"$1\" > \"$0.args\"\n") << false << false;
}

void TestHelp::manual()
{
    QFETCH(QByteArray, opener);
    QFETCH(bool, withManual);
    QFETCH(bool, ownWindow);

    QTemporaryDir bin;
    const QString script = bin.filePath(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        korven::test::writeBytes(script, opener);
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });

    WindowFixture fixture;
    TForm1 *f = fixture.form();
    const QString manual = QDir(fixture.folder.path()).filePath(QStringLiteral("KORVENHelp.html"));
    if (withManual)
        korven::test::writeBytes(manual, "<html><body><h1>KORVEN Help</h1><p>How to train.</p></body></html>");

    f->Help2->trigger();
    const bool opens = withManual && opener.startsWith("#!/bin/sh");
    if (opens)
        QTRY_COMPARE_WITH_TIMEOUT(korven::test::readBytes(script + QStringLiteral(".args")), QFile::encodeName(manual) + '\n', 60000);
    korven::ui::HelpWindow *window = nullptr;
    if (ownWindow) {
        QTRY_VERIFY_WITH_TIMEOUT((window = f->findChild<korven::ui::HelpWindow *>()) && window->isVisible(), 60000);
        QCOMPARE(window->Browser->source(), QUrl::fromLocalFile(manual));
        QVERIFY(window->Browser->toPlainText().contains(QStringLiteral("How to train.")));
        // The next Help shows the manual as it is then, in the same window.
        korven::test::writeBytes(manual, "<html><body><p>Changed.</p></body></html>");
        f->Help2->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(window->Browser->toPlainText().contains(QStringLiteral("Changed.")), 60000);
        QCOMPARE(f->findChildren<korven::ui::HelpWindow *>().size(), 1);
    } else {
        // The opener has ended (its process is gone) and no window of our own came up.
        QTRY_VERIFY_WITH_TIMEOUT(f->findChildren<QProcess *>().isEmpty(), 60000);
        QCoreApplication::processEvents();
        window = f->findChild<korven::ui::HelpWindow *>();
        QVERIFY(!window || !window->isVisible());
    }
    if (withManual) {
        QVERIFY(fixture.errors().isEmpty());
    } else {
        QCOMPARE(fixture.errors().size(), 1);
        QVERIFY2(fixture.errors().first().contains(QDir::toNativeSeparators(manual)), qPrintable(fixture.errors().first()));
    }
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
