// The file calls on Linux and other POSIX systems.
#include "files/file_system.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korven::fs {

namespace {

QByteArray native(const QString &path) { return QFile::encodeName(path); }

EntryType typeOf(mode_t mode)
{
    if (S_ISREG(mode))
        return EntryType::File;
    if (S_ISDIR(mode))
        return EntryType::Folder;
    if (S_ISLNK(mode))
        return EntryType::Link;
    if (S_ISFIFO(mode))
        return EntryType::Pipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return EntryType::Device;
    if (S_ISSOCK(mode))
        return EntryType::Socket;
    return EntryType::Other;
}

EntryStatus statusOf(int result, const struct stat &st)
{
    EntryStatus status;
    if (result != 0) {
        status.error = errno;
        return status;
    }
    status.type = typeOf(st.st_mode);
    status.size = st.st_size;
    status.modified = st.st_mtime;
    status.posixMode = int(st.st_mode & 07777);
    return status;
}

int fdOf(qintptr handle) { return int(handle); }

} // namespace

EntryStatus entryStatus(const QString &path)
{
    struct stat st;
    const int result = ::lstat(native(path).constData(), &st);
    return statusOf(result, st);
}

EntryStatus followedStatus(const QString &path)
{
    struct stat st;
    const int result = ::stat(native(path).constData(), &st);
    return statusOf(result, st);
}

NativeFile::~NativeFile()
{
    if (isOpen())
        ::close(fdOf(handle_));
}

int NativeFile::openExisting(const QString &path, Mode mode, EntryType *found)
{
    const QByteArray name = native(path);
    const int flags = mode == Mode::Read ? O_RDONLY : O_WRONLY | O_APPEND;
    const int fd = ::open(name.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error_ = errno;
        struct stat lst;
        if ((error_ == ELOOP || error_ == ENXIO || error_ == EISDIR) && ::lstat(name.constData(), &lst) == 0) {
            *found = typeOf(lst.st_mode);
            return NotRegular;
        }
        return error_;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *found = typeOf(st.st_mode);
        ::close(fd);
        return NotRegular;
    }
    // The descriptor blocks again from here on: it is a regular file.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    handle_ = fd;
    append_ = mode == Mode::Append;
    return 0;
}

int NativeFile::createNew(const QString &path, int posixMode, bool ownerOnly)
{
    const mode_t mode = ownerOnly ? 0600 : mode_t(posixMode);
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        return error_ = errno;
    handle_ = fd;
    return 0;
}

qint64 NativeFile::size()
{
    struct stat st;
    if (::fstat(fdOf(handle_), &st) != 0) {
        error_ = errno;
        return -1;
    }
    return st.st_size;
}

qint64 NativeFile::read(char *data, qint64 max)
{
    for (;;) {
        const ssize_t n = ::read(fdOf(handle_), data, size_t(max));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error_ = errno;
        return n;
    }
}

qint64 NativeFile::readAt(char *data, qint64 count, qint64 offset)
{
    const ssize_t n = ::pread(fdOf(handle_), data, size_t(count), off_t(offset));
    if (n < 0)
        error_ = errno;
    return n;
}

qint64 NativeFile::write(const char *data, qint64 count)
{
    for (;;) {
        const ssize_t n = ::write(fdOf(handle_), data, size_t(count));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error_ = errno;
        return n;
    }
}

int NativeFile::truncate(qint64 size)
{
    return ::ftruncate(fdOf(handle_), off_t(size)) == 0 ? 0 : (error_ = errno);
}

int NativeFile::sync()
{
    return ::fsync(fdOf(handle_)) == 0 ? 0 : (error_ = errno);
}

int NativeFile::setPosixMode(int mode)
{
    return ::fchmod(fdOf(handle_), mode_t(mode)) == 0 ? 0 : (error_ = errno);
}

int NativeFile::close()
{
    const int result = ::close(fdOf(handle_));
    handle_ = Invalid;
    return result == 0 ? 0 : (error_ = errno);
}

int replaceFile(const QString &from, const QString &to)
{
    return ::rename(native(from).constData(), native(to).constData()) == 0 ? 0 : errno;
}

int moveEntry(const QString &from, const QString &to)
{
    return replaceFile(from, to);
}

int placeFile(const QString &from, const QString &to)
{
    const QByteArray source = native(from), target = native(to);
    // A hard link is made only where no entry is.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return 0;
    }
    int error = errno;
#ifdef RENAME_NOREPLACE
    // A file system without hard links: a rename that never replaces does the same.
    if (error != EEXIST)
        error = ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0 ? 0 : errno;
#endif
    return error;
}

int removeFile(const QString &path)
{
    return ::unlink(native(path).constData()) == 0 ? 0 : errno;
}

int makeFolder(const QString &path)
{
    return ::mkdir(native(path).constData(), 0777) == 0 ? 0 : errno;
}

QString makeUniqueFolder(const QString &prefix, int *error)
{
    QByteArray name = native(prefix) + "XXXXXX";
    if (!::mkdtemp(name.data())) {
        *error = errno;
        return QString();
    }
    return QFile::decodeName(name);
}

void flushFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // the renames are done; a failure here cannot undo or improve them
        ::close(fd);
    }
}

int readAccess(const QString &path, bool asFolder)
{
    return ::access(native(path).constData(), asFolder ? R_OK | X_OK : R_OK) == 0 ? 0 : errno;
}

int writeAccess(const QString &folder)
{
    return ::access(native(folder).constData(), W_OK) == 0 ? 0 : errno;
}

void makePrivate(const QString &folder)
{
    ::chmod(native(folder).constData(), 0700);
}

bool ownPrivateFolder(const QString &folder)
{
    ::mkdir(native(folder).constData(), 0700); // or there already: checked below
    struct stat st;
    // Another user's folder (or a link) of that name would be shared again: refused.
    return ::lstat(native(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

QString userTag() { return QString::number(::getuid()); }

bool identityOf(const QString &path, FileIdentity *identity)
{
    struct stat st;
    if (::lstat(native(path).constData(), &st) != 0)
        return false;
    *identity = {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                 qint64(st.st_size)};
    return true;
}

bool processRunning(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

} // namespace korven::fs
