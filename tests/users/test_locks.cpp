// Lock files: taking over locks whose holder is gone or that name none, refusing live ones, and
// the ID lock's renewal.
#include "users/locks.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QThread>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>

#include "support/process_race.h"

using namespace korven;

namespace {

// A process id that does not run: a child that has ended and been reaped.
qint64 deadPid()
{
    QProcess p;
    p.start(QStringLiteral("true"), {});
    const qint64 pid = p.waitForStarted(-1) ? p.processId() : 0; // 0 once it has ended
    p.waitForFinished(-1);
    return pid > 0 ? pid : 999999;
}

void writeFile(const QString &path, const QByteArray &bytes, qint64 ageMs)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    QVERIFY(file.flush()); // before the time is set: a later flush would move it to now
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addMSecs(-ageMs), QFileDevice::FileModificationTime));
}

} // namespace

class TestLocks : public QObject {
    Q_OBJECT
private slots:
    void takeOver_data();
    void takeOver();
    void brokenLockIsWaitedFor();
    void liveHolderIsRefused();
    void unreadableLock();
    void idLockAcrossMachines();
    void clonedMachineIsAnotherMachine();
    void instanceLockOfAnotherHostIsTakenOver();
    void folderInPlaceOfTheLockIsMovedAside();
    void readOnlyFolderSaysWhy();
    void staleLockIsTakenByOneOfTwo();
};

void TestLocks::takeOver_data()
{
    // What lies in the lock file before the attempt, how old it is, and the outcome.
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("ageMs");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("holderHost");

    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray dead = QByteArray::number(deadPid());
    QTest::newRow("no lock") << QByteArray() << qint64(-1) << int(LockOutcome::Taken) << "";
    QTest::newRow("empty, old") << QByteArray() << qint64(10000) << int(LockOutcome::Taken) << "";
    QTest::newRow("garbage, old") << QByteArray("\x01\xff garbage\n\n") << qint64(10000) << int(LockOutcome::Taken) << "";
    QTest::newRow("pid 0, old") << QByteArray("0\nkorven\n" + host + "\n") << qint64(10000) << int(LockOutcome::Taken) << "";
    QTest::newRow("process gone on this machine") << QByteArray(dead + "\nkorven\n" + host + "\n") << qint64(0)
                                                  << int(LockOutcome::Taken) << "";
    QTest::newRow("held on another machine, just renewed")
        << QByteArray(dead + "\nkorven\nclassroom-7\n") << qint64(0) << int(LockOutcome::Held) << "classroom-7";
}

void TestLocks::takeOver()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, ageMs);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lock"));
    if (ageMs >= 0)
        writeFile(path, content, ageMs);
    QLockFile lock(path);
    lock.setStaleLockTime(0);
    const LockAttempt attempt = takeLock(lock);
    QTEST(int(attempt.outcome), "outcome");
    QTEST(attempt.holder.host, "holderHost");
    if (attempt.outcome == LockOutcome::Taken) {
        QVERIFY(lock.isLocked());
        qint64 pid = 0;
        QVERIFY(lock.getLockInfo(&pid, nullptr, nullptr));
        QCOMPARE(pid, QCoreApplication::applicationPid());
    } else {
        QCOMPARE(QFile(path).exists(), true); // a live holder's file stays as it was
    }
}

void TestLocks::brokenLockIsWaitedFor()
{
    // A lock that names no holder may belong to a copy that is writing it right now: it is left
    // alone for the grace time, then taken over.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lock"));
    writeFile(path, QByteArray(), 0);
    QLockFile lock(path);
    lock.setStaleLockTime(0);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(takeLock(lock, 400).outcome, LockOutcome::Taken);
    QVERIFY2(timer.elapsed() >= 300, qPrintable(QString::number(timer.elapsed())));
}

void TestLocks::liveHolderIsRefused()
{
    // Another lock object of this running process stands for another copy on this machine: the
    // lock is refused at once, however old, and names this process and host.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ApplicationTitle"));
    QLockFile first(path);
    QCOMPARE(takeInstanceLock(first).outcome, LockOutcome::Taken);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
    }
    QLockFile second(path);
    const LockAttempt attempt = takeInstanceLock(second);
    QCOMPARE(attempt.outcome, LockOutcome::Held);
    QCOMPARE(attempt.holder.pid, QCoreApplication::applicationPid());
    QCOMPARE(attempt.holder.host, QSysInfo::machineHostName());

    // The folder of the lock is made when missing.
    QLockFile deeper(dir.filePath(QStringLiteral("run/user/ApplicationTitle")));
    QCOMPARE(takeInstanceLock(deeper).outcome, LockOutcome::Taken);
}

void TestLocks::unreadableLock()
{
    if (geteuid() == 0)
        QSKIP("root reads every file");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lock"));
    writeFile(path, QByteArray("123\nkorven\nelsewhere\n"), 10000);
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    QLockFile lock(path);
    lock.setStaleLockTime(0);
    QCOMPARE(takeLock(lock).outcome, LockOutcome::Taken);

    // A folder where no lock can be made is a failure with its reason, not a refusal.
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QLockFile blocked(dir.filePath(QStringLiteral("other")));
    const LockAttempt attempt = takeLock(blocked);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(attempt.outcome, LockOutcome::Failed);
    QVERIFY2(attempt.reason.contains(QStringLiteral("other")), qPrintable(attempt.reason));
}

void TestLocks::idLockAcrossMachines()
{
    // A lock of another machine is honoured while it is renewed and taken over once it has not
    // been renewed for the stale time (that machine is gone).
    QTemporaryDir dir;
    IdLock probe(dir.path());
    const QString path = probe.path();
    QCOMPARE(QFileInfo(path).dir().path(), dir.path());

    writeFile(path, "4242\nkorven\nclassroom-7\n", IdLock::StaleMs - 60000);
    {
        IdLock lock(dir.path());
        const LockAttempt attempt = lock.take();
        QCOMPARE(attempt.outcome, LockOutcome::Held);
        QCOMPARE(attempt.holder.host, QStringLiteral("classroom-7"));
    }
    writeFile(path, "4242\nkorven\nclassroom-7\n", IdLock::StaleMs + 60000);
    IdLock lock(dir.path());
    QCOMPARE(lock.take().outcome, LockOutcome::Taken);

    // Renewal moves the file's time to now, so other machines keep seeing it as alive.
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-300), QFileDevice::FileModificationTime));
    }
    lock.renew();
    QVERIFY(QFileInfo(path).lastModified().secsTo(QDateTime::currentDateTime()) < 60);
    IdLock other(dir.path());
    QCOMPARE(other.take().outcome, LockOutcome::Held);
}

void TestLocks::clonedMachineIsAnotherMachine()
{
    // Lab computers cloned from one image share the machine id but not the host name: a lock of
    // such a neighbour is honoured as another machine's, not freed because its process is not
    // running here.
    QTemporaryDir dir;
    IdLock probe(dir.path());
    writeFile(probe.path(), QByteArray::number(deadPid()) + "\nkorven\nclassroom-7\n" + QSysInfo::machineUniqueId() + "\n", 0);
    IdLock lock(dir.path());
    const LockAttempt attempt = lock.take();
    QCOMPARE(attempt.outcome, LockOutcome::Held);
    QCOMPARE(attempt.holder.host, QStringLiteral("classroom-7"));
}

void TestLocks::instanceLockOfAnotherHostIsTakenOver()
{
    // The single-copy lock lies in a folder of this machine only: a lock naming another host
    // (the host was renamed) cannot be a running copy.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ApplicationTitle"));
    writeFile(path, "1\nkorven\nold-name\n", 0);
    QLockFile lock(path);
    QCOMPARE(takeInstanceLock(lock).outcome, LockOutcome::Taken);
    qint64 pid = 0;
    QVERIFY(lock.getLockInfo(&pid, nullptr, nullptr));
    QCOMPARE(pid, QCoreApplication::applicationPid());
}

void TestLocks::folderInPlaceOfTheLockIsMovedAside()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ApplicationTitle"));
    QVERIFY(QDir().mkpath(path + QStringLiteral("/kept")));
    QLockFile lock(path);
    QCOMPARE(takeInstanceLock(lock).outcome, LockOutcome::Taken);
    QVERIFY(QFileInfo(path).isFile());
    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("ApplicationTitle.not-a-lock-*")}, QDir::Dirs);
    QCOMPARE(aside.size(), 1);
    QVERIFY(QFileInfo::exists(dir.filePath(aside.first() + QStringLiteral("/kept"))));
}

void TestLocks::readOnlyFolderSaysWhy()
{
    // A read-only file system (even root cannot write there): the failure names the cause and
    // tells the caller the folder is read-only.
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::mount("korven-test", mountPoint.constData(), "tmpfs", MS_RDONLY, "size=64k") != 0)
        QSKIP("mounting a tmpfs is not allowed here");
    IdLock lock(dir.path());
    const LockAttempt attempt = lock.take();
    ::umount2(mountPoint.constData(), MNT_DETACH);
    QCOMPARE(attempt.outcome, LockOutcome::Failed);
    QVERIFY(attempt.readOnly);
    QVERIFY2(attempt.reason.contains(QString::fromLocal8Bit(std::strerror(EROFS))), qPrintable(attempt.reason));
}

// Two copies on two machines meet a third machine's stale ID lock at the same moment: exactly one
// takes it over, the other sees the winner's fresh lock as held.
void TestLocks::staleLockIsTakenByOneOfTwo()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".lock"));
    for (int round = 0; round < 25; ++round) {
        QFile::remove(path);
        writeFile(path, QByteArray("4242\nkorven\nclassroom-3\n"), IdLock::StaleMs + 60000);
        const QString decided = dir.filePath(QStringLiteral("decided-%1-").arg(round));
        const std::vector<int> outcomes = korven::test::raceProcesses(2, [&](int child) {
            QLockFile lock(path);
            lock.setStaleLockTime(IdLock::StaleMs);
            const LockOutcome outcome = takeLock(lock).outcome;
            QFile(decided + QString::number(child)).open(QIODevice::WriteOnly);
            // The lock is held (its process alive) until the other has decided too.
            for (int wait = 0; wait < 3000 && !(QFile::exists(decided + u'0') && QFile::exists(decided + u'1')); ++wait)
                QThread::msleep(10);
            return int(outcome);
        });
        QFile::remove(decided + u'0');
        QFile::remove(decided + u'1');
        QCOMPARE(int(std::count(outcomes.begin(), outcomes.end(), int(LockOutcome::Taken))), 1);
        QCOMPARE(int(std::count(outcomes.begin(), outcomes.end(), int(LockOutcome::Held))), 1);
    }
    // Nothing is left behind: no stale lock moved aside, no second lock.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

QTEST_MAIN(TestLocks)
#include "test_locks.moc"
