// Every writer of a user's files under a full disk and under SIGKILL: the old file stays byte for
// byte or the new one is whole, the user is told the cause, no temporary file and no half-made ID
// remain. The writers run in child processes, so limits and kills never touch the test itself.
#include "files/comma_text.h"
#include "files/errors.h"
#include "files/text_file.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QDir>
#include <QDirIterator>
#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>

#include "support/file_bytes.h"

using korven::test::readBytes;
using korven::test::writeBytes;

using namespace korven;

namespace {

const QString User = QStringLiteral("trainee");

std::array<int, 46> allRight()
{
    std::array<int, 46> r;
    r.fill(1);
    return r;
}

// One writer as the windows call it; `round` varies what it writes between calls.
struct Writer {
    const char *name;
    std::function<void(const QString &result, int round)> run;
};

const std::vector<Writer> &writers()
{
    static const std::vector<Writer> list{
        {"new ID", [](const QString &result, int round) {
             createUserFiles(result, QStringLiteral("new%1").arg(round), QStringLiteral("pw"));
         }},
        {"settings OK", [](const QString &result, int round) {
             writeSettings(settingsPath(result, User),
                           dialogSettingsBytes(round % 2, true, 1, 0.5f + round % 2, 7 + round % 2));
         }},
        {"password change", [](const QString &result, int round) {
             writePassword(passwordPath(result, User), QStringLiteral("password-%1").arg(round % 2));
         }},
        {"delete all", [](const QString &result, int round) {
             if (round % 2)
                 resetTrialRecords(recordPath(result, User));
             else
                 appendTrialRecord(recordPath(result, User), allRight(), QStringLiteral("001"), 5);
         }},
        {"record append", [](const QString &result, int) {
             appendTrialRecord(recordPath(result, User), allRight(), QStringLiteral("002"), 7);
         }},
        {"problem listing", [](const QString &result, int round) {
             QStringList lines;
             for (int i = 0; i < 46; ++i)
                 lines << QStringLiteral("%1.bmp,%2,%3").arg(i).arg(round).arg(i % 83);
             writeFileAtomically(result + QStringLiteral("/listing.set"), linesToCp932(lines));
         }},
    };
    return list;
}

// Every file under the folder with its bytes; hidden entries included.
std::map<QString, QByteArray> snapshot(const QString &folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = it.fileInfo().isDir() ? QByteArray("<dir>") : readBytes(path);
    }
    return files;
}

// A user with a password, settings and two records, and a listing.
void makeFixture(const QString &result)
{
    QCOMPARE(createUserFiles(result, User, QStringLiteral("old")), CreateUserResult::Created);
    appendTrialRecord(recordPath(result, User), allRight(), QStringLiteral("001"), 3);
    appendTrialRecord(recordPath(result, User), allRight(), QStringLiteral("003"), 4);
    writeFileAtomically(result + QStringLiteral("/listing.set"), linesToCp932({QStringLiteral("old")}));
}

// Runs the writer in a child process with the file size limited to `limit` bytes (0: no limit).
// Returns the error message the writer gave ("" when it reported success).
QString runInChild(const Writer &writer, const QString &result, rlim_t limit)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        if (limit) {
            struct rlimit small{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &small);
        }
        QByteArray message;
        try {
            writer.run(result, 1);
        } catch (const KorvenError &error) {
            message = error.message().toUtf8();
        }
        (void)!::write(pipeFds[1], message.constData(), size_t(message.size()));
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    QByteArray message;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
        message.append(buffer, n);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return QString::fromUtf8(message);
}

} // namespace

class TestWriters : public QObject {
    Q_OBJECT

    void addWriterRows()
    {
        QTest::addColumn<int>("writer");
        for (int i = 0; i < int(writers().size()); ++i)
            QTest::newRow(writers()[size_t(i)].name) << i;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void fileSizeLimit_data() { addWriterRows(); }
    void fileSizeLimit()
    {
        // With the file size capped at 10 bytes no writer can finish; each must say so and keep
        // every file as it was.
        QFETCH(int, writer);
        QTemporaryDir root;
        const QString result = root.filePath(QStringLiteral("Result"));
        makeFixture(result);
        const auto before = snapshot(result);
        const QString message = runInChild(writers()[size_t(writer)], result, 10);
        QVERIFY2(message.contains(QString::fromLocal8Bit(strerror(EFBIG))), qPrintable(message));
        QCOMPARE(snapshot(result), before);
    }

    void fullDisk_data() { addWriterRows(); }
    void fullDisk()
    {
        // A real full file system: a small tmpfs filled to the last byte.
        QFETCH(int, writer);
        QTemporaryDir root;
        const QByteArray mountPoint = QFile::encodeName(root.path());
        if (::mount("korven-test", mountPoint.constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("mounting a tmpfs is not allowed here");
        const QString result = root.filePath(QStringLiteral("Result"));
        makeFixture(result);
        // tmpfs keeps whole pages: the record file ends on a page boundary, so an append needs a
        // new page (bare line ends pad it; this test only compares bytes).
        QByteArray kek = readBytes(recordPath(result, User));
        kek.append(QByteArray(4096 - kek.size() % 4096, '\n'));
        writeBytes(recordPath(result, User), kek);
        {
            QFile filler(root.filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'f');
            while (filler.write(block) > 0) {
            }
            const QByteArray byte(1, 'f');
            while (filler.write(byte) > 0) {
            }
        }
        const auto before = snapshot(result);
        QString message = runInChild(writers()[size_t(writer)], result, 0);
        const auto after = snapshot(result);
        ::umount2(mountPoint.constData(), MNT_DETACH);
        QVERIFY2(message.contains(QString::fromLocal8Bit(strerror(ENOSPC))), qPrintable(message));
        QCOMPARE(after, before);
    }

    void killAtRandomMoments_data() { addWriterRows(); }
    void killAtRandomMoments()
    {
        // A child runs the writer over and over and is killed at a random moment; each file is
        // then old or new and whole, and the next write clears what the kill left.
        // KORVEN_KILL_RUNS sets the number of kills (default 20).
        QFETCH(int, writer);
        const Writer &w = writers()[size_t(writer)];
        const int runs = qEnvironmentVariableIntValue("KORVEN_KILL_RUNS") > 0
                             ? qEnvironmentVariableIntValue("KORVEN_KILL_RUNS") : 20;
        QTemporaryDir root;
        const QString result = root.filePath(QStringLiteral("Result"));
        makeFixture(result);
        const QByteArray passwords[] = {"old\r\n", "password-0\r\n", "password-1\r\n"};
        QSet<QByteArray> settings{initialSettingsBytes()};
        for (int round = 0; round < 2; ++round)
            settings << dialogSettingsBytes(round % 2, true, 1, 0.5f + round % 2, 7 + round % 2);
        int round = 0;
        for (int run = 0; run < runs; ++run) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                for (int r = round;; ++r)
                    w.run(result, r);
            }
            ::usleep(useconds_t(QRandomGenerator::global()->bounded(20000)));
            ::kill(pid, SIGKILL);
            int status = 0;
            ::waitpid(pid, &status, 0);
            round += 1000;

            for (const QString &id : listKnownIds(result)) {
                if (!QFileInfo(userFolder(result, id)).isDir())
                    continue;
                QVERIFY2(QFile::exists(passwordPath(result, id)) && QFile::exists(settingsPath(result, id)),
                         qPrintable(QStringLiteral("half-made ID %1").arg(id)));
                const QByteArray pas = readBytes(passwordPath(result, id));
                QVERIFY2(std::find(std::begin(passwords), std::end(passwords), pas) != std::end(passwords)
                             || pas == "pw\r\n", pas.constData());
                QVERIFY2(settings.contains(readBytes(settingsPath(result, id))), qPrintable(id));
                const QByteArray kek = readBytes(recordPath(result, id));
                QVERIFY(kek.startsWith(trialRecordFileStart()));
                QVERIFY(kek.endsWith("\r\n"));
                const QStringList lines = readTextLines(recordPath(result, id), RecordFileLimits);
                for (qsizetype i = 1; i < lines.size(); ++i) {
                    const QStringList fields = splitCommaText(lines.at(i));
                    QCOMPARE(fields.size(), 50);
                    QCOMPARE(fields.at(0).toInt(), int(i - 1));
                }
            }
            const QByteArray listing = readBytes(result + QStringLiteral("/listing.set"));
            QVERIFY(listing == "old\r\n" || listing.count('\n') == 46);
        }
        // Once the kill's temporaries are over a minute old, the next write of each kind removes
        // them (a younger one might be another copy's write still at work).
        const time_t then = ::time(nullptr) - 120;
        const struct timeval times[2] = {{then, 0}, {then, 0}};
        QDirIterator entries(result, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QString path = entries.next();
            if (path.contains(QStringLiteral("/.creating-")) || path.contains(QStringLiteral("/.korven-part-")))
                ::utimes(QFile::encodeName(path).constData(), times);
        }
        w.run(result, round);
        w.run(result, round + 1);
        QStringList left;
        for (const auto &[path, bytes] : snapshot(result)) {
            if (path.contains(QStringLiteral(".creating-")) || path.contains(QStringLiteral(".korven-part-")))
                left << path;
        }
        QCOMPARE(left, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestWriters)
#include "test_writers.moc"
