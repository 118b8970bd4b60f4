#pragma once
// The operating system's file calls, the same on Linux and Windows: what an entry is without
// following a link, opening only regular files, creating files and folders, atomic replace, flushes,
// a user's private files, whether a process runs. Names go through the system's native encoding on
// Linux and through the wide-character calls on Windows, so any Unicode path works under any code
// page. Errors are errno values on both systems (Windows errors are mapped to them), so one text
// table (fileErrorText) words them.
#include <QString>
#include <QtGlobal>

namespace korven::fs {

// What an entry is, seen without following a symbolic link (on Windows any reparse point:
// symbolic links and junctions alike). Device names (CON, NUL, COM1, ...) are devices.
enum class EntryType { Missing, File, Folder, Link, Pipe, Device, Socket, Other };

struct EntryStatus {
    EntryType type = EntryType::Missing;
    int error = 0;         // why it could not be looked at (ENOENT when it is missing)
    qint64 size = 0;
    qint64 modified = 0;   // seconds since 1970
    int posixMode = 0;     // the permission bits on Linux; 0 on Windows
};

// The entry itself (a link is a link).
EntryStatus entryStatus(const QString &path);
// What a link leads to.
EntryStatus followedStatus(const QString &path);

// A file opened by this program; closed when it goes out of scope. Every call returns 0 or an
// errno value (read and write: the count, or -1 with error() telling why).
class NativeFile {
public:
    NativeFile() = default;
    ~NativeFile();
    NativeFile(const NativeFile &) = delete;
    NativeFile &operator=(const NativeFile &) = delete;

    enum class Mode { Read, Append };
    // Opens an existing regular file, never following a link and never blocking on a pipe or a
    // device. When something other than a regular file is there, returns NotRegular and sets
    // *found to what it is.
    int openExisting(const QString &path, Mode mode, EntryType *found);
    // Creates a new file that must not exist yet (EEXIST when it does), for writing. `posixMode`
    // is its permission bits on Linux; ownerOnly makes it its owner's alone on either system.
    int createNew(const QString &path, int posixMode, bool ownerOnly);

    bool isOpen() const { return handle_ != Invalid; }
    qint64 size();
    qint64 read(char *data, qint64 max);
    qint64 readAt(char *data, qint64 count, qint64 offset);
    // One write call. Opened with Mode::Append, each write lands at the file's end, as one piece.
    qint64 write(const char *data, qint64 count);
    int truncate(qint64 size);
    int sync();
    int setPosixMode(int mode); // the permission bits (Linux); nothing on Windows
    // Closes now and reports the close's own failure (a late write error on some file systems).
    int close();
    int error() const { return error_; }

    static constexpr int NotRegular = -1;

private:
    static constexpr qintptr Invalid = -1;
    qintptr handle_ = Invalid;
    int error_ = 0;
    bool append_ = false;
};

// Replaces `to` with the file `from` in one step (rename, or MoveFileExW with replace and
// write-through). Readers see the old or the new file, never a mix.
int replaceFile(const QString &from, const QString &to);
// Moves a file or folder to a name that is free (an empty folder counts as free). EEXIST,
// ENOTEMPTY and the like when something else is there.
int moveEntry(const QString &from, const QString &to);
// Puts the file `from` at `to` only where no entry is, in one step: of two callers placing a
// file at one name exactly one succeeds, the other gets EEXIST and keeps its `from`. On success
// `from` is gone.
int placeFile(const QString &from, const QString &to);
int removeFile(const QString &path);
// Makes one folder (its parent must exist); EEXIST when something is there.
int makeFolder(const QString &path);
// Makes a new folder named `prefix` followed by six random letters, its owner's alone; returns its
// path, or an empty string with *error set.
QString makeUniqueFolder(const QString &prefix, int *error);
// Flushes a folder's entries (a rename into it) to disk, where the system needs it.
void flushFolder(const QString &folder);

// 0 when this user may read the file (asFolder: list the folder), else why not.
int readAccess(const QString &path, bool asFolder);
// 0 when this user may create files in the folder, else why not.
int writeAccess(const QString &folder);

// Makes a folder its owner's alone (mode 0700; on Windows an access list for the user alone).
void makePrivate(const QString &folder);
// Makes `folder` when missing and tells whether it is a folder of this user's alone (not another
// user's, not a link), fit for files no one else may replace.
bool ownPrivateFolder(const QString &folder);
// This user, as a short tag for file names (the user id on Linux, a tag of the account on Windows).
QString userTag();

// Which file an entry is (not following a link), so that a file judged once can be told from
// another made in its place since: its device, its number on the device, its modification time
// to the finest step the system keeps, and its size. Equal identities are the same file unchanged.
struct FileIdentity {
    quint64 device = 0;
    quint64 index = 0;
    qint64 modified = 0; // in the system's own unit
    qint64 size = 0;
    bool operator==(const FileIdentity &) const = default;
};
// False when the entry cannot be looked at (missing).
bool identityOf(const QString &path, FileIdentity *identity);

// Whether process `pid` of this machine is running.
bool processRunning(qint64 pid);

// Whether `name` (one name, no folder) is one that Windows reserves for a device (CON, PRN, AUX,
// NUL, COM1-9, LPT1-9, CONIN$, CONOUT$, also with an extension or trailing blanks and dots).
bool isReservedDeviceName(const QString &name);

} // namespace korven::fs
