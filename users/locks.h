#pragma once
// Lock files: the one that keeps a single copy of the program per desktop user, and the one that
// keeps an ID to one running copy when several machines share a data folder.
#include <QLockFile>
#include <QString>
#include <QTimer>
#include <memory>

namespace korven {

// Who holds a lock, as its file records it.
struct LockHolder {
    qint64 pid = 0;
    QString host;
};

enum class LockOutcome {
    Taken,    // the lock is ours
    Held,     // a live copy holds it: `holder` says which
    Failed,   // the lock file cannot be made: `reason` says why
};

struct LockAttempt {
    LockOutcome outcome = LockOutcome::Failed;
    LockHolder holder;
    QString reason;
    bool readOnly = false; // Failed because the folder cannot be written to (read-only, no permission)
};

// How long a lock file that names no holder (empty, garbage or unreadable) is left alone: the
// time between a starting copy creating the file and writing into it.
inline constexpr int BrokenLockGraceMs = 3000;

// What a lock held by another machine means. A machine is its host name and machine id together:
// lab computers cloned from one image share the machine id, host names may repeat.
enum class ForeignLocks {
    HeldUntilStale, // honoured until not renewed for the lock's stale time (a shared data folder)
    Stale,          // taken over at once (a folder of this machine only: a renamed host's leftover)
};

// Takes `lock`. A lock whose holder is gone is taken over: on this machine when its process has
// ended, from another machine as `foreign` says; one that names no holder is taken over once it
// is older than graceMs, and is waited for until then. A lock with a live holder is refused at
// once. Something other than a file in the lock's place (a folder) is moved aside.
LockAttempt takeLock(QLockFile &lock, int graceMs = BrokenLockGraceMs,
                     ForeignLocks foreign = ForeignLocks::HeldUntilStale);

// The single-instance lock in `folder` (created when missing). The lock never goes stale by age:
// only the death of its process frees it, or a host name or machine id not this machine's.
LockAttempt takeInstanceLock(QLockFile &lock);
QString instanceLockPath(const QString &folder);

// The lock of an ID in use: Result/<ID>/.lock, recording host and process. The holder renews it
// every minute; a lock not renewed for ten minutes is stale (its machine died), as is one whose
// process on this machine is gone.
class IdLock {
public:
    explicit IdLock(const QString &userFolder);
    ~IdLock();
    IdLock(const IdLock &) = delete;
    IdLock &operator=(const IdLock &) = delete;

    LockAttempt take();
    // Sets the lock file's time to now, so that other machines see it is alive.
    void renew();
    QString path() const;

    static constexpr int StaleMs = 10 * 60 * 1000;
    static constexpr int RenewMs = 60 * 1000;

private:
    QLockFile lock_;
    QString path_;
    std::unique_ptr<QTimer> timer_;
};

} // namespace korven
