#include "users/locks.h"

#include "exercise/errors.h"
#include "files/file_errors.h"
#include "files/text_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>
#include <algorithm>
#include <optional>
#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace korven {

namespace {

// Why no lock file can be made in its folder, found by making a file there ourselves: the
// system's own words ("Read-only file system", "No space left on device").
void explainFailure(LockAttempt &attempt, const QString &path)
{
    const QByteArray probe = QFile::encodeName(path) + ".probe-" + QByteArray::number(QCoreApplication::applicationPid());
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        // An empty file can still be made on a full disk; the lock's content cannot be written.
        const QByteArray content(256, 'x');
        if (::write(fd, content.constData(), size_t(content.size())) != content.size() || ::fsync(fd) != 0)
            error = errno != 0 ? errno : EIO;
        if (::close(fd) != 0 && error == 0)
            error = errno;
        ::unlink(probe.constData());
    }
    const QString shown = QDir::toNativeSeparators(path);
    attempt.readOnly = error == EROFS || error == EACCES || error == EPERM;
    attempt.reason = error != 0
        ? QCoreApplication::translate("Locks", "cannot create %1: %2").arg(shown, fileErrorText(error))
        : QCoreApplication::translate("Locks", "cannot create %1").arg(shown);
}

// Milliseconds since the file was last changed; 0 when that cannot be told.
qint64 ageOf(const QString &path)
{
    const QDateTime changed = QFileInfo(path).lastModified();
    return changed.isValid() ? qAbs(changed.msecsTo(QDateTime::currentDateTime())) : 0;
}

// The holder a lock file names, with the machine id QLockFile writes on its fourth line.
struct LockFileHolder {
    QString host;
    QByteArray machineId;
};

std::optional<LockFileHolder> lockFileHolder(const QString &path)
{
    QByteArray bytes;
    try {
        bytes = readRegularFile(path, 64 * 1024);
    } catch (const KorvenError &) {
        return std::nullopt;
    }
    const QList<QByteArray> lines = bytes.split('\n');
    bool ok = false;
    if (lines.size() < 3 || lines.at(0).toLongLong(&ok) <= 0 || !ok)
        return std::nullopt;
    return LockFileHolder{QString::fromUtf8(lines.at(2)), lines.size() > 3 ? lines.at(3).trimmed() : QByteArray()};
}

bool onThisMachine(const LockFileHolder &holder)
{
    return holder.host == QSysInfo::machineHostName()
        && (holder.machineId.isEmpty() || holder.machineId == QSysInfo::machineUniqueId());
}

// Which file a path names, so that a takeover can tell the stale lock it judged from a fresh one
// made in its place since. The inode alone is not enough: a file system may give the fresh lock
// the number the stale one just freed; its modification time and size tell them apart.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    qint64 changedSeconds = 0;
    qint64 changedNanoseconds = 0;
    qint64 size = 0;
    bool operator==(const FileIdentity &) const = default;
};

std::optional<FileIdentity> identityOf(const QByteArray &name)
{
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino, qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec), qint64(st.st_size)};
}

// Removes the lock file judged stale, and only it: it is first renamed to a name of this process
// alone (one step, so of two takers only one moves it) and then checked to be the very file that
// was judged. A fresh lock another taker made meanwhile is put back where it was. True when the
// place is free for a new lock (also when the stale file was gone already).
bool removeJudgedLock(const QString &path, const FileIdentity &judged)
{
    const QByteArray name = QFile::encodeName(path);
    const QByteArray aside = name + ".stale-" + QByteArray::number(QCoreApplication::applicationPid()) + '-'
                             + QByteArray::number(QDateTime::currentMSecsSinceEpoch());
    if (::rename(name.constData(), aside.constData()) != 0)
        return errno == ENOENT;
    if (identityOf(aside) == judged) {
        ::unlink(aside.constData());
        return true;
    }
    // Someone's fresh lock: back into its place, never over a lock made since.
    if (::link(aside.constData(), name.constData()) != 0 && errno != EEXIST)
        ::renameat2(AT_FDCWD, aside.constData(), AT_FDCWD, name.constData(), RENAME_NOREPLACE);
    ::unlink(aside.constData());
    return false;
}

// Moves whatever is not a file out of the lock's place (a folder made by mistake), keeping it.
bool moveAsideIfNoFile(const QString &path)
{
    struct stat st;
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &st) != 0 || S_ISREG(st.st_mode))
        return true;
    const QByteArray aside = name + ".not-a-lock-" + QByteArray::number(QDateTime::currentMSecsSinceEpoch());
    return ::rename(name.constData(), aside.constData()) == 0;
}

} // namespace

LockAttempt takeLock(QLockFile &lock, int graceMs, ForeignLocks foreign)
{
    LockAttempt attempt;
    const QString path = lock.fileName();
    if (!moveAsideIfNoFile(path)) {
        attempt.reason = QCoreApplication::translate("Locks", "%1 is not a lock file and cannot be moved aside")
                             .arg(QDir::toNativeSeparators(path));
        return attempt;
    }
    // Another machine's lock is judged here, by host name and machine id together; QLockFile
    // alone would take a cloned computer's lock for this machine's and free it at once.
    // The file is identified before it is judged: what is removed is the file judged stale.
    const std::optional<FileIdentity> judged = identityOf(QFile::encodeName(path));
    if (const auto holder = lockFileHolder(path); judged && holder && !onThisMachine(*holder)) {
        const bool stale = foreign == ForeignLocks::Stale
            || (lock.staleLockTime() > 0 && ageOf(path) > lock.staleLockTime());
        if (!stale || !removeJudgedLock(path, *judged)) {
            attempt.outcome = LockOutcome::Held;
            lock.getLockInfo(&attempt.holder.pid, &attempt.holder.host, nullptr);
            return attempt;
        }
    }
    for (;;) {
        if (lock.tryLock(0)) {
            attempt.outcome = LockOutcome::Taken;
            return attempt;
        }
        if (lock.error() != QLockFile::LockFailedError) {
            explainFailure(attempt, path);
            return attempt;
        }
        if (lock.getLockInfo(&attempt.holder.pid, &attempt.holder.host, nullptr)) {
            attempt.outcome = LockOutcome::Held;
            return attempt;
        }
        // The file names no holder: a copy is between creating and writing it, or one was killed
        // there. The first is over within the grace time; after it the file is taken over.
        const std::optional<FileIdentity> broken = identityOf(QFile::encodeName(path));
        const qint64 age = ageOf(path);
        if (age >= graceMs) {
            if (broken && !removeJudgedLock(path, *broken) && identityOf(QFile::encodeName(path)) == broken) {
                attempt.reason = QCoreApplication::translate("Locks", "cannot remove the broken lock %1")
                                     .arg(QDir::toNativeSeparators(path));
                return attempt;
            }
            continue;
        }
        QThread::msleep(quint64(std::clamp<qint64>(graceMs - age, 10, 100)));
    }
}

QString instanceLockPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("ApplicationTitle"));
}

LockAttempt takeInstanceLock(QLockFile &lock)
{
    QDir().mkpath(QFileInfo(lock.fileName()).absolutePath());
    lock.setStaleLockTime(0);
    return takeLock(lock, BrokenLockGraceMs, ForeignLocks::Stale);
}

IdLock::IdLock(const QString &userFolder)
    : lock_(QDir(userFolder).filePath(QStringLiteral(".lock"))), path_(lock_.fileName())
{
    lock_.setStaleLockTime(StaleMs);
}

IdLock::~IdLock() = default;

LockAttempt IdLock::take()
{
    LockAttempt attempt = takeLock(lock_);
    if (attempt.outcome == LockOutcome::Taken && !timer_) {
        timer_ = std::make_unique<QTimer>();
        timer_->setInterval(RenewMs);
        timer_->callOnTimeout([this] { renew(); });
        timer_->start();
    }
    return attempt;
}

void IdLock::renew()
{
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly))
        file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
}

QString IdLock::path() const { return path_; }

} // namespace korven
