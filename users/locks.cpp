#include "users/locks.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>

namespace korven {

namespace {

QString lockErrorText(const QLockFile &lock, const QString &path)
{
    switch (lock.error()) {
    case QLockFile::PermissionError:
        return QCoreApplication::translate("Locks", "no permission to create %1").arg(QDir::toNativeSeparators(path));
    default:
        return QCoreApplication::translate("Locks", "cannot create %1").arg(QDir::toNativeSeparators(path));
    }
}

// Milliseconds since the file was last changed; 0 when that cannot be told.
qint64 ageOf(const QString &path)
{
    const QDateTime changed = QFileInfo(path).lastModified();
    return changed.isValid() ? qAbs(changed.msecsTo(QDateTime::currentDateTime())) : 0;
}

} // namespace

LockAttempt takeLock(QLockFile &lock, int graceMs)
{
    LockAttempt attempt;
    const QString path = lock.fileName();
    for (;;) {
        if (lock.tryLock(0)) {
            attempt.outcome = LockOutcome::Taken;
            return attempt;
        }
        if (lock.error() != QLockFile::LockFailedError) {
            attempt.reason = lockErrorText(lock, path);
            return attempt;
        }
        if (lock.getLockInfo(&attempt.holder.pid, &attempt.holder.host, nullptr)) {
            attempt.outcome = LockOutcome::Held;
            return attempt;
        }
        // The file names no holder: a copy is between creating and writing it, or one was killed
        // there. The first is over within the grace time; after it the file is taken over.
        const qint64 age = ageOf(path);
        if (age >= graceMs) {
            if (!QFile::remove(path) && QFileInfo::exists(path)) {
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
    return takeLock(lock);
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
