// The installed program: `cmake --install` into a temporary prefix, the files a desktop needs, the
// bundled problems read from the prefix while the user's files go to the user's data folder, and
// the installed executable run as an unprivileged user.
#include "program/program_folder.h"
#include "exercise/catalogue.h"
#include "exercise/problem_loader.h"
#include "support/window_fixture.h"
#include "users/user_files.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <pwd.h>
#include <unistd.h>

using namespace korven;

namespace {

// Every file under folder with its size, to see that nothing changed there.
QStringList snapshot(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files << QDir(folder).relativeFilePath(it.filePath()) + u' ' + QString::number(it.fileInfo().size());
    }
    files.sort();
    return files;
}

bool makeOpen(const QString &folder)
{
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                             | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                             | QFileDevice::ReadOther | QFileDevice::ExeOther);
}

// Runs a command, returning its exit code (-1 when it cannot start) and its output.
int run(const QString &program, const QStringList &args, QString *output = nullptr,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(-1))
        return -1;
    p.waitForFinished(-1);
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    QString prefix;

private slots:
    void initTestCase();
    void installedFiles();
    void desktopChecks();
    void userFilesGoToTheDataFolder();
    void runsAsAnUnprivilegedUser();
    void cleanupTestCase() { setProgramFolder(QString()); }
};

void TestInstall::initTestCase()
{
    QVERIFY(root.isValid());
    QVERIFY(makeOpen(root.path()));
    prefix = root.filePath(QStringLiteral("prefix"));
    QString output;
    const int code = run(QStringLiteral("cmake"),
                         {QStringLiteral("--install"), QStringLiteral(KORVEN_BINARY_DIR), QStringLiteral("--prefix"), prefix},
                         &output);
    QVERIFY2(code == 0, qPrintable(output));
}

void TestInstall::installedFiles()
{
    const QDir p(prefix);
    // The programs, and every file they open at run time: the manual in each language, the
    // ideogram tables of each band level the maker paints, the bundled problems.
    const QStringList expected = {
        "bin/korven", "bin/korven-problems", "bin/korven-class", "share/korven/KORVENHelp.html",
        "share/korven/KORVENHelp.ja.html", "share/korven/Images/1-1.bmp",
        "share/korven/ideograms/human-ideogram-bands-400.tsv", "share/korven/ideograms/human-ideogram-bands-550.tsv",
        "share/korven/ideograms/human-ideogram-bands-850.tsv",
        "share/applications/org.korven.Korven.desktop", "share/applications/org.korven.KorvenClass.desktop",
        "share/metainfo/org.korven.Korven.metainfo.xml",
        "share/icons/hicolor/scalable/apps/korven.svg", "share/icons/hicolor/16x16/apps/korven.png",
        "share/icons/hicolor/48x48/apps/korven.png", "share/icons/hicolor/256x256/apps/korven.png",
        "share/man/man1/korven.1.gz", "share/man/man1/korven-problems.1.gz", "share/man/man1/korven-class.1.gz",
        "share/doc/korven/copyright", "share/doc/korven/changelog.gz"};
    for (const QString &file : expected)
        QVERIFY2(QFileInfo(p.filePath(file)).isFile(), qPrintable(file));
    // The pictures each manual shows lie beside it.
    for (const char *manual : {"share/korven/KORVENHelp.html", "share/korven/KORVENHelp.ja.html"}) {
        QFile file(p.filePath(QLatin1String(manual)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        static const QRegularExpression source(QStringLiteral("src=\"([^\":]+)\""));
        int pictures = 0;
        for (const QRegularExpressionMatch &match : source.globalMatch(html)) {
            ++pictures;
            const QString picture = QFileInfo(file.fileName()).dir().filePath(match.captured(1));
            QVERIFY2(QFileInfo(picture).isFile(), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(manual), picture)));
        }
        QVERIFY(pictures > 0);
    }
    // All 48 bundled sets, without the build's marks.
    QCOMPARE(availableProblems(p.filePath(QStringLiteral("share/korven/Images"))), catalogueNames());
    for (const QString &line : snapshot(prefix))
        QVERIFY2(!line.contains(QStringLiteral(".korven-made")), qPrintable(line));
}

void TestInstall::desktopChecks()
{
    const QDir p(prefix);
    if (QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("appstreamcli")).isEmpty())
        QSKIP("desktop-file-validate or appstreamcli is not installed");
    QString output;
    for (const char *entry : {"org.korven.Korven.desktop", "org.korven.KorvenClass.desktop"}) {
        QCOMPARE(run(QStringLiteral("desktop-file-validate"),
                     {p.filePath(QStringLiteral("share/applications/") + QLatin1String(entry))}, &output),
                 0);
        QVERIFY2(!output.contains(QStringLiteral("error")), qPrintable(output));
    }
    QVERIFY2(run(QStringLiteral("appstreamcli"),
                 {QStringLiteral("validate"), QStringLiteral("--no-net"),
                  p.filePath(QStringLiteral("share/metainfo/org.korven.Korven.metainfo.xml"))},
                 &output) == 0,
             qPrintable(output));
}

void TestInstall::userFilesGoToTheDataFolder()
{
    // This process stands in for the installed executable: its folder is PREFIX/bin.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qunsetenv("KORVEN_DATA");
    setProgramFolder(QDir(prefix).filePath(QStringLiteral("bin")));
    const QStringList before = snapshot(prefix);
    const QString userFolder = QDir(data.path()).filePath(QStringLiteral("korven"));

    const Locations where = locations();
    QVERIFY(where.installed);
    QCOMPARE(availableProblems(imagesFolders()), catalogueNames());
    QCOMPARE(resultFolder(), userFolder + QStringLiteral("/Result"));

    // Creating an ID writes into the user's data folder only.
    QCOMPARE(createUserFiles(resultFolder(), QStringLiteral("trainee"), QStringLiteral("pw")), CreateUserResult::Created);
    QVERIFY(QFileInfo::exists(userFolder + QStringLiteral("/Result/trainee/trainee.kek")));

    // A problem set of the user's own replaces the bundled one of the same name.
    const QString name = catalogueNames().at(3);
    test::writeProblem(userFolder + QStringLiteral("/Images"), name, [](int) { return QSize(7, 9); });
    QCOMPARE(imagesFolderOf(name), userFolder + QStringLiteral("/Images"));
    QCOMPARE(availableProblems(imagesFolders()), catalogueNames());
    std::array<QImage, PieceCount> bitmaps;
    QStringList checkValues;
    loadProblem(imagesFolderOf(name), name, bitmaps, checkValues);
    QCOMPARE(bitmaps[0].size(), QSize(7, 9));
    loadProblem(imagesFolderOf(catalogueNames().at(4)), catalogueNames().at(4), bitmaps, checkValues);
    QVERIFY(bitmaps[0].height() > 9);

    // A class's shared folder takes the user's place.
    QTemporaryDir shared;
    qputenv("KORVEN_DATA", shared.path().toLocal8Bit());
    QCOMPARE(resultFolder(), QDir(shared.path()).canonicalPath() + QStringLiteral("/Result"));
    QCOMPARE(imagesFolderOf(name), QDir(prefix).filePath(QStringLiteral("share/korven/Images")));
    qunsetenv("KORVEN_DATA");
    qunsetenv("XDG_DATA_HOME");
    setProgramFolder(QString());

    QCOMPARE(snapshot(prefix), before);
}

void TestInstall::runsAsAnUnprivilegedUser()
{
    const QString exe = QDir(prefix).filePath(QStringLiteral("bin/korven"));
    // As root, the program runs as `nobody`; otherwise as the (unprivileged) user running the test.
    QStringList asUser;
    const passwd *nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
    if (geteuid() == 0) {
        if (!nobody || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("no user `nobody` or no setpriv to run the program unprivileged");
        asUser = {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"),
                  QStringLiteral("--")};
    }
    QTemporaryDir home;
    QVERIFY(makeOpen(home.path()));
    for (const char *sub : {"data", "runtime"})
        QVERIFY(QDir(home.path()).mkpath(QLatin1String(sub)));
    if (nobody) {
        for (const QString &folder : {home.path(), home.filePath(QStringLiteral("data")), home.filePath(QStringLiteral("runtime"))})
            QCOMPARE(::chown(QFile::encodeName(folder).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    }
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    const QString launcher = asUser.isEmpty() ? exe : QStringLiteral("setpriv");
    const QStringList launch = asUser.isEmpty() ? QStringList{} : asUser + QStringList{exe};
    const QStringList before = snapshot(prefix);

    // --version and --help need no display; anything else is refused with exit code 2.
    QProcessEnvironment bare = env;
    bare.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QString output;
    QCOMPARE(run(launcher, launch + QStringList{QStringLiteral("--version")}, &output, bare), 0);
    QCOMPARE(output, QStringLiteral("korven 1.0.3\n"));
    QCOMPARE(run(launcher, launch + QStringList{QStringLiteral("--help")}, &output, bare), 0);
    QVERIFY(output.contains(QStringLiteral("KORVEN_DATA")));
    QCOMPARE(run(launcher, launch + QStringList{QStringLiteral("--bogus")}, &output, bare), 2);
    QCOMPARE(output.count(u'\n'), 1);
    QCOMPARE(run(QDir(prefix).filePath(QStringLiteral("bin/korven-problems")), {QStringLiteral("--version")}, &output),
             0);
    QCOMPARE(output, QStringLiteral("korven-problems 1.0.3\n"));
    QCOMPARE(run(QDir(prefix).filePath(QStringLiteral("bin/korven-class")), {QStringLiteral("--version")}, &output, bare), 0);
    QCOMPARE(output, QStringLiteral("korven-class 1.0.3\n"));

    // The program runs; its lock lies in the user's runtime folder; a second start of the same
    // user is refused.
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(launcher, launch);
    QVERIFY(first.waitForStarted(-1));
    const QString lock = home.filePath(QStringLiteral("runtime/ApplicationTitle"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(lock).size() > 0, 120000);
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(run(launcher, launch, &output, env), 1);
    QVERIFY2(output.contains(QStringLiteral("another copy of KORVEN is running")), qPrintable(output));
    first.kill();
    first.waitForFinished(-1);

    // Nothing was written under the prefix.
    QCOMPARE(snapshot(prefix), before);
}

QTEST_MAIN(TestInstall)
#include "test_install.moc"
