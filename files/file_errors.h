#pragma once
// Why a file or folder could not be used, in words a person reads: the operating system's error
// number turned into a translated cause ("Permission denied", "No space left on device"), so every
// refused read and failed write names its real cause.
#include <QString>

namespace korven {

// The cause behind an errno value, translated; an unusual value gets the system's own text.
QString fileErrorText(int error);

enum class EntryKind { File, Folder };

// Why `path` cannot be read as a regular file (File) or listed as a folder (Folder), in a few
// words ("missing", "no such folder", "Permission denied", "a folder, not a file"); empty when it
// can. Symbolic links are followed here; the readers refuse them on their own.
QString entryFault(const QString &path, EntryKind kind);

// Makes a folder and any missing parents with the modes the umask allows. Throws KorvenError
// naming the folder and the cause when one cannot be made (a file in the way, no permission).
void makeFolders(const QString &path);

// Renames a file or folder within one file system. Throws KorvenError naming it and the cause.
void renameEntry(const QString &from, const QString &to);

// Under a file-size limit the system ends a process whose write passes it (SIGXFSZ), with no
// word and its temporary file left behind. Ignored, the write fails with "File too large",
// which the writer reports and cleans up after. Called once at the start of a command-line tool.
void ignoreFileSizeSignal();

} // namespace korven
