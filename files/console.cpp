#include "files/console.h"

#include <cstdio>

#ifdef Q_OS_WIN
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korven::fs {

#ifdef Q_OS_WIN

namespace {

bool connected(DWORD which)
{
    const HANDLE handle = ::GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

void attachStartingConsole()
{
    // Streams redirected to a file or a pipe are kept; only missing ones go to the console.
    const bool out = connected(STD_OUTPUT_HANDLE), err = connected(STD_ERROR_HANDLE);
    if ((out && err) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        (void)!std::freopen("CONOUT$", "w", stdout);
    if (!err)
        (void)!std::freopen("CONOUT$", "w", stderr);
}

bool standardErrorIsRead()
{
    const HANDLE handle = ::GetStdHandle(STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return false;
    const DWORD type = ::GetFileType(handle);
    return type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
}

void allowToFront(qint64 pid)
{
    ::AllowSetForegroundWindow(DWORD(pid));
}

#else

void attachStartingConsole() {}

bool standardErrorIsRead()
{
    struct stat st;
    return ::isatty(STDERR_FILENO) || (::fstat(STDERR_FILENO, &st) == 0 && S_ISFIFO(st.st_mode));
}

void allowToFront(qint64) {}

#endif

} // namespace korven::fs
