// The file calls on Windows: wide-character names (with the \\?\ prefix, so long paths work),
// reparse points and device names refused as links and devices are on Linux, atomic replace by
// MoveFileExW with write-through, private files by an access list naming the user alone.
#include "files/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <string>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

namespace korven::fs {

namespace {

// The errno value closest to a Windows error, so one table words the causes on both systems.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_BUSY:
        return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_NOT_ENOUGH_QUOTA:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DIR_NOT_EMPTY:
        return ENOTEMPTY;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_CANT_RESOLVE_FILENAME:
        return ELOOP;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    default:
        return EIO;
    }
}

int lastError() { return errnoOf(::GetLastError()); }

QString absolute(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// A name for the wide-character calls: absolute, backslashes, and the \\?\ prefix that lifts the
// 260-character limit (it also turns off the name rewriting that makes "CON" a device, which is why
// device names are refused by name first).
std::wstring wide(const QString &path)
{
    QString name = QDir::toNativeSeparators(absolute(path));
    if (name.startsWith(QLatin1String("\\\\?\\")) || name.startsWith(QLatin1String("\\\\.\\")))
        return name.toStdWString();
    if (name.startsWith(QLatin1String("\\\\")))
        name = QStringLiteral("\\\\?\\UNC\\") + name.mid(2);
    else
        name = QStringLiteral("\\\\?\\") + name;
    return name.toStdWString();
}

// A device by its name alone: a reserved name, or the device namespace itself.
bool namesDevice(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QLatin1String("\\\\.\\")) || native.startsWith(QLatin1String("\\\\?\\GLOBALROOT")))
        return true;
    return isReservedDeviceName(QFileInfo(path).fileName());
}

qint64 unixSeconds(const FILETIME &time)
{
    const qint64 ticks = (qint64(time.dwHighDateTime) << 32) | time.dwLowDateTime; // 100 ns since 1601
    return ticks / 10000000 - 11644473600LL;
}

EntryType typeOfAttributes(DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return EntryType::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return EntryType::Folder;
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return EntryType::Device;
    return EntryType::File;
}

HANDLE handleOf(qintptr handle) { return reinterpret_cast<HANDLE>(handle); }

// The account this process runs as, as an SDDL string ("S-1-5-21-...").
QString userSid()
{
    static const QString sid = [] {
        QString text;
        HANDLE token = nullptr;
        if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
            return text;
        DWORD size = 0;
        ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        std::string buffer(size, '\0');
        if (size > 0 && ::GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
            LPWSTR string = nullptr;
            if (::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &string)) {
                text = QString::fromWCharArray(string);
                ::LocalFree(string);
            }
        }
        ::CloseHandle(token);
        return text;
    }();
    return sid;
}

// A security descriptor whose access list grants the user (and the system) alone, not inherited
// from the folder; folders pass it on to what is made inside them.
class PrivateSecurity {
public:
    PrivateSecurity()
    {
        const QString sid = userSid();
        if (sid.isEmpty())
            return;
        const std::wstring sddl = (QStringLiteral("D:P(A;OICI;FA;;;") + sid + QStringLiteral(")(A;OICI;FA;;;SY)")).toStdWString();
        if (::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor_, nullptr)) {
            attributes_.nLength = sizeof attributes_;
            attributes_.lpSecurityDescriptor = descriptor_;
            attributes_.bInheritHandle = FALSE;
        }
    }
    ~PrivateSecurity()
    {
        if (descriptor_)
            ::LocalFree(descriptor_);
    }
    PrivateSecurity(const PrivateSecurity &) = delete;
    PrivateSecurity &operator=(const PrivateSecurity &) = delete;
    SECURITY_ATTRIBUTES *attributes() { return descriptor_ ? &attributes_ : nullptr; }
    PACL acl()
    {
        PACL list = nullptr;
        BOOL present = FALSE, defaulted = FALSE;
        if (descriptor_ && ::GetSecurityDescriptorDacl(descriptor_, &present, &list, &defaulted) && present)
            return list;
        return nullptr;
    }

private:
    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
    SECURITY_ATTRIBUTES attributes_{};
};

// MoveFileExW, tried again for a moment while another program (a virus scanner, an indexer) holds
// the file open without sharing it.
int move(const QString &from, const QString &to, DWORD flags)
{
    const std::wstring source = wide(from), target = wide(to);
    for (int attempt = 0;; ++attempt) {
        if (::MoveFileExW(source.c_str(), target.c_str(), flags | MOVEFILE_WRITE_THROUGH))
            return 0;
        const DWORD error = ::GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED && error != ERROR_LOCK_VIOLATION) || attempt >= 20)
            return errnoOf(error);
        ::Sleep(50);
    }
}

} // namespace

EntryStatus entryStatus(const QString &path)
{
    EntryStatus status;
    if (namesDevice(path)) {
        status.type = EntryType::Device;
        return status;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data)) {
        status.error = lastError();
        return status;
    }
    status.type = typeOfAttributes(data.dwFileAttributes);
    status.size = (qint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    status.modified = unixSeconds(data.ftLastWriteTime);
    return status;
}

EntryStatus followedStatus(const QString &path)
{
    EntryStatus status;
    if (namesDevice(path)) {
        status.type = EntryType::Device;
        return status;
    }
    const HANDLE handle = ::CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        status.error = lastError();
        return status;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (::GetFileInformationByHandle(handle, &info)) {
        status.type = typeOfAttributes(info.dwFileAttributes & ~DWORD(FILE_ATTRIBUTE_REPARSE_POINT));
        status.size = (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        status.modified = unixSeconds(info.ftLastWriteTime);
    } else {
        status.error = lastError();
    }
    ::CloseHandle(handle);
    return status;
}

NativeFile::~NativeFile()
{
    if (isOpen())
        ::CloseHandle(handleOf(handle_));
}

int NativeFile::openExisting(const QString &path, Mode mode, EntryType *found)
{
    if (namesDevice(path)) {
        *found = EntryType::Device;
        return NotRegular;
    }
    // The reparse point itself is opened, never what it leads to; every sharing is allowed, as
    // POSIX readers and writers do not exclude one another.
    const DWORD access = mode == Mode::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const HANDLE handle = ::CreateFileW(wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error_ = lastError();
        // A folder cannot be opened as a file at all: tell what is there instead.
        const EntryStatus status = entryStatus(path);
        if (status.error == 0 && status.type != EntryType::File) {
            *found = status.type;
            return NotRegular;
        }
        return error_;
    }
    BY_HANDLE_FILE_INFORMATION info;
    EntryType type = EntryType::Other;
    if (::GetFileType(handle) == FILE_TYPE_DISK && ::GetFileInformationByHandle(handle, &info))
        type = typeOfAttributes(info.dwFileAttributes);
    else if (::GetFileType(handle) == FILE_TYPE_PIPE)
        type = EntryType::Pipe;
    else if (::GetFileType(handle) == FILE_TYPE_CHAR)
        type = EntryType::Device;
    if (type != EntryType::File) {
        ::CloseHandle(handle);
        *found = type;
        return NotRegular;
    }
    handle_ = reinterpret_cast<qintptr>(handle);
    append_ = mode == Mode::Append;
    return 0;
}

int NativeFile::createNew(const QString &path, int, bool ownerOnly)
{
    if (namesDevice(path))
        return error_ = EINVAL;
    PrivateSecurity security;
    const HANDLE handle = ::CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_DELETE,
                                        ownerOnly ? security.attributes() : nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return error_ = lastError();
    handle_ = reinterpret_cast<qintptr>(handle);
    return 0;
}

qint64 NativeFile::size()
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(handleOf(handle_), &size)) {
        error_ = lastError();
        return -1;
    }
    return size.QuadPart;
}

qint64 NativeFile::read(char *data, qint64 max)
{
    DWORD done = 0;
    if (!::ReadFile(handleOf(handle_), data, DWORD(qMin<qint64>(max, 1 << 30)), &done, nullptr)) {
        error_ = lastError();
        return -1;
    }
    return done;
}

qint64 NativeFile::readAt(char *data, qint64 count, qint64 offset)
{
    OVERLAPPED at{};
    at.Offset = DWORD(offset & 0xFFFFFFFF);
    at.OffsetHigh = DWORD(offset >> 32);
    DWORD done = 0;
    if (!::ReadFile(handleOf(handle_), data, DWORD(count), &done, &at)) {
        if (::GetLastError() == ERROR_HANDLE_EOF)
            return 0;
        error_ = lastError();
        return -1;
    }
    return done;
}

qint64 NativeFile::write(const char *data, qint64 count)
{
    DWORD done = 0;
    BOOL ok;
    if (append_) {
        // Offsets of all ones write at the file's end in one piece, as O_APPEND does.
        OVERLAPPED end{};
        end.Offset = 0xFFFFFFFF;
        end.OffsetHigh = 0xFFFFFFFF;
        ok = ::WriteFile(handleOf(handle_), data, DWORD(count), &done, &end);
    } else {
        ok = ::WriteFile(handleOf(handle_), data, DWORD(count), &done, nullptr);
    }
    if (!ok) {
        error_ = lastError();
        return -1;
    }
    return done;
}

int NativeFile::truncate(qint64 size)
{
    FILE_END_OF_FILE_INFO end;
    end.EndOfFile.QuadPart = size;
    if (!::SetFileInformationByHandle(handleOf(handle_), FileEndOfFileInfo, &end, sizeof end))
        return error_ = lastError();
    return 0;
}

int NativeFile::sync()
{
    return ::FlushFileBuffers(handleOf(handle_)) ? 0 : (error_ = lastError());
}

int NativeFile::setPosixMode(int) { return 0; }

int NativeFile::close()
{
    const BOOL ok = ::CloseHandle(handleOf(handle_));
    handle_ = Invalid;
    return ok ? 0 : (error_ = lastError());
}

int replaceFile(const QString &from, const QString &to)
{
    if (namesDevice(to))
        return EINVAL;
    return move(from, to, MOVEFILE_REPLACE_EXISTING);
}

int moveEntry(const QString &from, const QString &to)
{
    if (namesDevice(to))
        return EINVAL;
    int error = move(from, to, 0);
    // An empty folder in the way is taken over, as rename does on POSIX systems; a folder with
    // anything in it cannot be removed, so it stays.
    if (error == EEXIST && entryStatus(to).type == EntryType::Folder && entryStatus(from).type == EntryType::Folder) {
        if (!::RemoveDirectoryW(wide(to).c_str()))
            return ENOTEMPTY;
        error = move(from, to, 0);
    }
    return error;
}

int placeFile(const QString &from, const QString &to)
{
    if (namesDevice(to))
        return EINVAL;
    // Without MOVEFILE_REPLACE_EXISTING the move fails where any entry is.
    return move(from, to, 0);
}

int removeFile(const QString &path)
{
    return ::DeleteFileW(wide(path).c_str()) ? 0 : lastError();
}

int makeFolder(const QString &path)
{
    if (namesDevice(path))
        return EINVAL;
    return ::CreateDirectoryW(wide(path).c_str(), nullptr) ? 0 : lastError();
}

QString makeUniqueFolder(const QString &prefix, int *error)
{
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    PrivateSecurity security;
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = prefix;
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))]);
        if (::CreateDirectoryW(wide(name).c_str(), security.attributes()))
            return name;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) {
            *error = lastError();
            return QString();
        }
    }
    *error = EEXIST;
    return QString();
}

// NTFS journals its entries; a rename made with write-through is on disk when it returns.
void flushFolder(const QString &) {}

int readAccess(const QString &path, bool asFolder)
{
    if (asFolder) {
        WIN32_FIND_DATAW found;
        const HANDLE search = ::FindFirstFileW(wide(path + QStringLiteral("/*")).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return ::GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : lastError();
        ::FindClose(search);
        return 0;
    }
    const HANDLE handle = ::CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lastError();
    ::CloseHandle(handle);
    return 0;
}

int writeAccess(const QString &folder)
{
    const QString probe = folder + QStringLiteral("/.korven-probe-") + QString::number(::GetCurrentProcessId());
    const HANDLE handle = ::CreateFileW(wide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return lastError();
    ::CloseHandle(handle);
    return 0;
}

void makePrivate(const QString &folder)
{
    PrivateSecurity security;
    if (PACL acl = security.acl()) {
        std::wstring name = wide(folder);
        ::SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                                DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                acl, nullptr);
    }
}

bool ownPrivateFolder(const QString &folder)
{
    PrivateSecurity security;
    ::CreateDirectoryW(wide(folder).c_str(), security.attributes()); // or there already: checked below
    // The folder lies in the user's own temporary folder, which other accounts cannot enter; a
    // reparse point in its place would lead elsewhere, so it is refused.
    return entryStatus(folder).type == EntryType::Folder;
}

QString userTag()
{
    const QString sid = userSid();
    return sid.isEmpty() ? qEnvironmentVariable("USERNAME") : sid;
}

bool identityOf(const QString &path, FileIdentity *identity)
{
    if (namesDevice(path))
        return false;
    const HANDLE handle = ::CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool ok = ::GetFileInformationByHandle(handle, &info);
    ::CloseHandle(handle);
    if (!ok)
        return false;
    *identity = {info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                 (qint64(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime,
                 (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow};
    return true;
}

bool processRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    const HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return ::GetLastError() == ERROR_ACCESS_DENIED; // another account's process: alive
    const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return running;
}

} // namespace korven::fs
