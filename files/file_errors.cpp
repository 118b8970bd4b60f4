#include "files/file_errors.h"

#include "exercise/errors.h"
#include "files/file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace korven {

namespace {

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

QString translated(const char *text) { return QCoreApplication::translate("FileErrors", text); }

struct Cause {
    int error;
    const char *text;
};

// The causes a person meets with files, worded for them; any other keeps the system's text.
constexpr Cause Causes[] = {
    {EACCES, QT_TRANSLATE_NOOP("FileErrors", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("FileErrors", "Permission denied")},
    {ENOENT, QT_TRANSLATE_NOOP("FileErrors", "No such file or folder")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileErrors", "A part of the path is not a folder")},
    {EISDIR, QT_TRANSLATE_NOOP("FileErrors", "It is a folder")},
    {ENOSPC, QT_TRANSLATE_NOOP("FileErrors", "No space left on device")},
#ifdef EDQUOT
    {EDQUOT, QT_TRANSLATE_NOOP("FileErrors", "Disk quota exceeded")},
#endif
    {EROFS, QT_TRANSLATE_NOOP("FileErrors", "Read-only file system")},
    {EFBIG, QT_TRANSLATE_NOOP("FileErrors", "File too large")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileErrors", "File name too long")},
    {EMFILE, QT_TRANSLATE_NOOP("FileErrors", "Too many open files")},
    {ENFILE, QT_TRANSLATE_NOOP("FileErrors", "Too many open files")},
    {EIO, QT_TRANSLATE_NOOP("FileErrors", "Input/output error")},
    {EEXIST, QT_TRANSLATE_NOOP("FileErrors", "It exists already")},
    {ENOTEMPTY, QT_TRANSLATE_NOOP("FileErrors", "The folder is not empty")},
    {EBUSY, QT_TRANSLATE_NOOP("FileErrors", "It is in use")},
    {ELOOP, QT_TRANSLATE_NOOP("FileErrors", "Too many symbolic links")},
    {EXDEV, QT_TRANSLATE_NOOP("FileErrors", "It lies on another file system")},
};

} // namespace

QString fileErrorText(int error)
{
    for (const Cause &cause : Causes) {
        if (cause.error == error)
            return translated(cause.text);
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

QString entryFault(const QString &path, EntryKind kind)
{
    const fs::EntryStatus status = fs::followedStatus(path);
    if (const int error = status.error) {
        if (error == ENOENT)
            return kind == EntryKind::Folder ? translated(QT_TRANSLATE_NOOP("FileErrors", "no such folder"))
                                             : translated(QT_TRANSLATE_NOOP("FileErrors", "missing"));
        return fileErrorText(error);
    }
    if (kind == EntryKind::Folder) {
        if (status.type != fs::EntryType::Folder)
            return translated(QT_TRANSLATE_NOOP("FileErrors", "a file, not a folder"));
        if (const int error = fs::readAccess(path, true))
            return fileErrorText(error);
        return {};
    }
    if (status.type == fs::EntryType::Folder)
        return translated(QT_TRANSLATE_NOOP("FileErrors", "a folder, not a file"));
    if (status.type != fs::EntryType::File)
        return translated(QT_TRANSLATE_NOOP("FileErrors", "not a regular file"));
    if (const int error = fs::readAccess(path, false))
        return fileErrorText(error);
    return {};
}

void makeFolders(const QString &path)
{
    const QString absolute = QDir(path).absolutePath();
    int error = fs::makeFolder(absolute);
    if (error == 0)
        return;
    if (error == ENOENT) { // a parent is missing: it first, then this one
        const QString parent = QDir::cleanPath(absolute + QStringLiteral("/.."));
        if (parent != absolute)
            makeFolders(parent);
        error = fs::makeFolder(absolute);
        if (error == 0)
            return;
    }
    if (const fs::EntryStatus status = fs::followedStatus(absolute); error == EEXIST && status.error == 0) {
        if (status.type == fs::EntryType::Folder)
            return;
        throw KorvenError(QCoreApplication::translate("FileErrors", "Cannot create the folder %1: a file of that name is in the way")
                              .arg(shown(absolute)));
    }
    throw KorvenError(QCoreApplication::translate("FileErrors", "Cannot create the folder %1: %2").arg(shown(absolute), fileErrorText(error)));
}

void renameEntry(const QString &from, const QString &to)
{
    if (const int error = fs::replaceFile(from, to))
        throw KorvenError(QCoreApplication::translate("FileErrors", "Cannot move %1 to %2: %3").arg(shown(from), shown(to), fileErrorText(error)));
}

void ignoreFileSizeSignal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace korven
