// Where the program finds its files (portable, installed, KORVEN_DATA), problems found in two
// Images folders, and the command line.
#include "program/command_line.h"
#include "program/program_folder.h"
#include "exercise/catalogue.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace korven;

class TestProgramFolder : public QObject {
    Q_OBJECT
private slots:
    void locations_data();
    void locations();
    void problemsFromTwoFolders();
    void commandLine_data();
    void commandLine();
    void instanceLockFolderIsTheUsersOwn();
};

void TestProgramFolder::locations_data()
{
    // Folders made under a temporary root; paths in the expectations are relative to it.
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("dataVariable");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("resultFolder");
    QTest::addColumn<QStringList>("imagesFolders");

    QTest::newRow("portable") << QStringList{"app/Images", "app/Result"} << "app" << ""
                              << false << "app" << "app/Result" << QStringList{"app/Images"};
    QTest::newRow("portable beats an install beside it")
        << QStringList{"usr/bin/Images", "usr/share/korven/Images"} << "usr/bin" << "" << false
        << "usr/bin" << "usr/bin/Result" << QStringList{"usr/bin/Images"};
    QTest::newRow("installed") << QStringList{"usr/bin", "usr/share/korven/Images"} << "usr/bin" << ""
                               << true << "usr/share/korven" << "home/.local/share/korven/Result"
                               << QStringList{"home/.local/share/korven/Images", "usr/share/korven/Images"};
    QTest::newRow("installed, shared data folder")
        << QStringList{"opt/k/bin", "opt/k/share/korven/Images", "class"} << "opt/k/bin" << "class" << true
        << "opt/k/share/korven" << "class/Result" << QStringList{"class/Images", "opt/k/share/korven/Images"};
    QTest::newRow("portable, shared data folder")
        << QStringList{"app/Images", "class"} << "app" << "class" << false << "app" << "class/Result"
        << QStringList{"class/Images", "app/Images"};
    QTest::newRow("neither: portable, as before") << QStringList{"bare"} << "bare" << "" << false << "bare"
                                                  << "bare/Result" << QStringList{"bare/Images"};
}

void TestProgramFolder::locations()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, executable);
    QFETCH(QString, dataVariable);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    for (const QString &folder : folders)
        QVERIFY(QDir(root.path()).mkpath(folder));
    const QString base = QDir(root.path()).canonicalPath();
    auto at = [&](const QString &relative) { return base + u'/' + relative; };

    const Locations where = resolveLocations(at(executable), dataVariable.isEmpty() ? QString() : at(dataVariable),
                                             at(QStringLiteral("home/.local/share/korven")));
    QTEST(where.installed, "installed");
    QFETCH(QString, programFolder);
    QCOMPARE(where.programFolder, at(programFolder));
    QFETCH(QString, resultFolder);
    QCOMPARE(where.resultFolder(), at(resultFolder));
    QFETCH(QStringList, imagesFolders);
    QStringList expected;
    for (const QString &folder : imagesFolders)
        expected << at(folder);
    QCOMPARE(where.imagesFolders(), expected);
}

void TestProgramFolder::problemsFromTwoFolders()
{
    // The user's folder holds its own version of the first problem and one more; the bundled
    // folder holds the first and the fifth. Each name counts once, in catalogue order, and the
    // user's copy is the one read.
    QTemporaryDir root;
    const QString user = root.filePath(QStringLiteral("user"));
    const QString bundled = root.filePath(QStringLiteral("bundled"));
    const QStringList &names = catalogueNames();
    QVERIFY(QDir(user).mkpath(names[0]));
    QVERIFY(QDir(user).mkpath(names[2]));
    QVERIFY(QDir(bundled).mkpath(names[0]));
    QVERIFY(QDir(bundled).mkpath(names[4]));
    QFile stray(QDir(user).filePath(names[4])); // a file named like a problem is no problem folder
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.close();
    QVERIFY(QDir(bundled).mkpath(QStringLiteral("not in the catalogue")));

    const QStringList folders{user, bundled};
    QCOMPARE(availableProblems(folders), (QStringList{names[0], names[2], names[4]}));
    QCOMPARE(firstFolderHolding(folders, names[0], true), user);
    QCOMPARE(firstFolderHolding(folders, names[4], true), bundled);
    QCOMPARE(firstFolderHolding(folders, names[7], true), user); // nowhere: the first folder
    QCOMPARE(firstFolderHolding(folders, names[4], false), user);
}

void TestProgramFolder::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("textStart");

    QTest::newRow("none") << QStringList{} << int(CommandLine::Run) << 0 << "";
    QTest::newRow("--version") << QStringList{"--version"} << int(CommandLine::Print) << 0 << "korven 1.0.3\n";
    QTest::newRow("--help") << QStringList{"--help"} << int(CommandLine::Print) << 0 << "Usage: korven";
    QTest::newRow("-h") << QStringList{"-h"} << int(CommandLine::Print) << 0 << "Usage: korven";
    QTest::newRow("unknown") << QStringList{"--fast"} << int(CommandLine::Refuse) << 2
                             << "korven: unknown argument '--fast'";
    QTest::newRow("a file") << QStringList{"trial.kek"} << int(CommandLine::Refuse) << 2
                            << "korven: unknown argument 'trial.kek'";
    QTest::newRow("Qt's own option") << QStringList{"-platform", "xcb"} << int(CommandLine::Refuse) << 2
                                     << "korven: unknown argument '-platform'";
    QTest::newRow("extra after --version") << QStringList{"--version", "x"} << int(CommandLine::Refuse) << 2
                                           << "korven: unknown argument 'x'";
}

void TestProgramFolder::commandLine()
{
    QFETCH(QStringList, arguments);
    const CommandLine line = parseCommandLine(QStringLiteral("korven"), arguments);
    QTEST(int(line.action), "action");
    QTEST(line.exitCode, "exitCode");
    QFETCH(QString, textStart);
    QVERIFY2(textStart.isEmpty() ? line.text.isEmpty() : line.text.startsWith(textStart), qPrintable(line.text));
    // Errors are one line.
    if (line.action == CommandLine::Refuse)
        QCOMPARE(line.text.count(u'\n'), 1);
}

void TestProgramFolder::instanceLockFolderIsTheUsersOwn()
{
    // With a runtime folder, that one; without, a folder of this user's alone, never the
    // temporary folder all users share.
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QCOMPARE(QDir(instanceLockFolder()).canonicalPath(), QDir(runtime.path()).canonicalPath());
    qunsetenv("XDG_RUNTIME_DIR");
    const QString own = instanceLockFolder();
    if (saved.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", saved);
    QCOMPARE(own, QDir::tempPath() + QStringLiteral("/korven-") + QString::number(::getuid()));
    struct stat st;
    QCOMPARE(::lstat(QFile::encodeName(own).constData(), &st), 0);
    QVERIFY(S_ISDIR(st.st_mode));
    QCOMPARE(int(st.st_mode & 0777), 0700);
    QCOMPARE(st.st_uid, ::getuid());
}

QTEST_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
