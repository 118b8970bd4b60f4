#include "users/locks.h"

#include "exercise/errors.h"
#include "files/file_errors.h"
#include "files/file_system.h"
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
#include <cerrno>
#include <cstring>

namespace korven {

namespace {

// Why no lock file can be made in its folder, found by making a file there ourselves: the
// system's own words ("Read-only file system", "No space left on device").
void explainFailure(LockAttempt &attempt, const QString &path)
{
    const QString probe = path + QStringLiteral(".probe-") + QString::number(QCoreApplication::applicationPid());
    fs::NativeFile file;
    int error = file.createNew(probe, 0600, true);
    if (error == 0) {
        // An empty file can still be made on a full disk; the lock's content cannot be written.
        const QByteArray content(256, 'x');
        if (file.write(content.constData(), content.size()) != content.size() || file.sync() != 0)
            error = file.error() != 0 ? file.error() : EIO;
        if (const int closed = file.close(); closed != 0 && error == 0)
            error = closed;
        fs::removeFile(probe);
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

// Removes the lock file judged stale, and only it: it is first renamed to a name of this process
// alone (one step, so of two takers only one moves it) and then checked to be the very file that
// was judged (its identity tells a fresh lock made in its place since, even one given the number
// the stale one freed). A fresh lock another taker made meanwhile is put back where it was. True
// when the place is free for a new lock (also when the stale file was gone already).
bool removeJudgedLock(const QString &path, const fs::FileIdentity &judged)
{
    const QString aside = path + QStringLiteral(".stale-") + QString::number(QCoreApplication::applicationPid()) + u'-'
                          + QString::number(QDateTime::currentMSecsSinceEpoch());
    if (const int error = fs::moveEntry(path, aside))
        return error == ENOENT;
    fs::FileIdentity moved;
    if (fs::identityOf(aside, &moved) && moved == judged) {
        fs::removeFile(aside);
        return true;
    }
    // Someone's fresh lock: back into its place, never over a lock made since.
    if (fs::placeFile(aside, path) != 0)
        fs::removeFile(aside);
    return false;
}

std::optional<fs::FileIdentity> identityOf(const QString &path)
{
    fs::FileIdentity identity;
    return fs::identityOf(path, &identity) ? std::optional(identity) : std::nullopt;
}

// Moves whatever is not a file out of the lock's place (a folder made by mistake), keeping it.
bool moveAsideIfNoFile(const QString &path)
{
    const fs::EntryStatus status = fs::entryStatus(path);
    if (status.error != 0 || status.type == fs::EntryType::File)
        return true;
    const QString aside = path + QStringLiteral(".not-a-lock-") + QString::number(QDateTime::currentMSecsSinceEpoch());
    return fs::moveEntry(path, aside) == 0;
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
    const std::optional<fs::FileIdentity> judged = identityOf(path);
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
        const std::optional<fs::FileIdentity> broken = identityOf(path);
        const qint64 age = ageOf(path);
        if (age >= graceMs) {
            if (broken && !removeJudgedLock(path, *broken) && identityOf(path) == broken) {
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
