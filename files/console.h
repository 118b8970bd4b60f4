#pragma once
// The program's standard streams and its place on the desktop, where Linux and Windows differ.
#include <QtGlobal>

namespace korven::fs {

// Connects stdout and stderr to the console the program was started from, where they are not
// connected already: a Windows program with windows starts without them, so `korven --help` typed
// in a console would print nothing. Nothing to do on Linux.
void attachStartingConsole();

// True when what goes to standard error is read by someone: a terminal (a console), or a program
// reading a pipe. A start from the desktop's menu writes it to a log or nowhere instead.
bool standardErrorIsRead();

// Lets the running copy `pid` bring its window to the front when this one asks it to (Windows
// keeps a program in the background from taking the focus unless the one in front allows it).
void allowToFront(qint64 pid);

} // namespace korven::fs
