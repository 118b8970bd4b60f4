#pragma once
// Text files in code page 932 (windows-31j): read as lines, written whole and atomically,
// appended to line by line. Every open refuses symbolic links, FIFOs, devices and folders, so a
// hostile entry can neither freeze the program nor redirect a write outside its folder.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace korven {

QByteArray toCp932(const QString &text);
QString fromCp932(const QByteArray &bytes);

// How much a reader takes in before it refuses a file as too large.
struct ReadLimits {
    qint64 maxBytes;
    qint64 maxLines;
};
// Passwords, settings and problem listings: a few lines each.
inline constexpr ReadLimits SmallFileLimits{4 * 1024 * 1024, 100000};
// Trial record files: room for far more than 200,000 trials.
inline constexpr ReadLimits RecordFileLimits{64 * 1024 * 1024, 1000000};

// The whole content of a regular file, opened without following a symbolic link and without
// blocking. Throws KorvenError naming the file when it is missing, is no regular file, is larger
// than maxBytes or cannot be read.
QByteArray readRegularFile(const QString &path, qint64 maxBytes);

// The size of a regular file, checked as readRegularFile opens it; throws KorvenError likewise.
qint64 regularFileSize(const QString &path);

// Splits CP932 bytes into lines at CR LF, LF and CR; a final line end does not make an empty last
// line. A character cut short at the very end (a lone lead byte) is dropped.
QStringList splitTextLines(const QByteArray &bytes);

// Decoded text split into lines the same way (UTF-8 files decode first, then split here).
QStringList splitDecodedLines(const QString &text);

// Reads the whole file and splits it into lines as splitTextLines does. Throws KorvenError naming
// the file when it cannot be read (see readRegularFile) or holds more than limits.maxLines lines.
QStringList readTextLines(const QString &path, ReadLimits limits = SmallFileLimits);

// The whole file, refused as readTextLines refuses it (too large, too many lines).
QByteArray readTextFile(const QString &path, ReadLimits limits);

// Throws the KorvenError readTextLines gives for a file of that many bytes and lines, when they
// are over the limits: a writer checks with it that its readers will still take the file.
void checkReadLimits(const QString &path, qint64 bytes, qint64 lines, ReadLimits limits);

// The lines of CP932 bytes (as splitTextLines splits them), with the numbers (from 1) of the
// lines holding bytes that are not CP932; those bytes read as replacement characters.
struct CheckedTextLines {
    QStringList lines;
    std::vector<int> invalidLines;
};
CheckedTextLines checkedCp932Lines(const QByteArray &bytes);

// What a streamed pass over a file finds without holding it in memory.
struct LineCount {
    qint64 lines = 0;        // as readTextLines would count them
    qint64 bytes = 0;        // the file's size
    qint64 tornTail = 0;     // bytes after the last line end that readers drop (a lone lead byte)
    bool endsWithLineEnd = true; // false when a line without its line end closes the file
};
LineCount countTextLines(const QString &path, qint64 maxBytes);
// The same count over bytes in memory.
LineCount countTextLines(const QByteArray &bytes);

// Who may read a file the writer makes: the umask's choice (or an existing file's own mode), or
// its owner alone (a user's password and settings on a shared folder).
enum class FileAccess { AsBefore, OwnerOnly };

// Whether a replaced file is flushed to disk before the call returns. Files the tools can make
// again from a seed (the bundled bitmaps, built aside and renamed into place whole) skip the
// flushes, which would otherwise dominate a build; a user's own files are always flushed.
enum class Durability { Flushed, Rebuildable };

// Receives the bytes of a file being written, chunk after chunk.
using ByteSink = std::function<void(const QByteArray &)>;

// Replaces the file with the given bytes: a temporary file beside it is written, flushed to disk
// and renamed over the old one, then the folder is flushed. On any failure the old file stays byte
// for byte, the temporary file is removed and KorvenError names the file and the cause ("No space
// left on device"). Temporaries are named ".korven-part-XXXXXX"; those a killed run left in the
// folder over a minute ago are removed first, and no other file.
void writeFileAtomically(const QString &path, const QByteArray &bytes, FileAccess access = FileAccess::AsBefore,
                         Durability durability = Durability::Flushed);
// The same with the bytes produced piece by piece (a large export), never held whole in memory.
// An exception from `produce` leaves the old file as it was and passes on.
void writeFileAtomically(const QString &path, const std::function<void(const ByteSink &)> &produce,
                         FileAccess access = FileAccess::AsBefore, Durability durability = Durability::Flushed);

// Writes a new file whole as writeFileAtomically does, but only where no entry of that name is:
// false (and nothing written) when one is, also one another process made a moment before. Of
// several processes creating one file, exactly one gets true.
bool createFileAtomically(const QString &path, const QByteArray &bytes, FileAccess access = FileAccess::AsBefore);

// Removes every temporary the writer left in the folder, whatever its age: for a folder only
// this process writes into (a user's folder under the user's lock).
void removeLeftTemporaries(const QString &folder);

// Flushes a folder's entries (a rename into it) to disk.
void flushFolder(const QString &folder);

// Lines joined with CR LF after each, encoded in CP932.
QByteArray linesToCp932(const QStringList &lines);

// Appends bytes at the end of an existing regular file with one write call on a file opened for
// appending, then flushes it to disk. When dropTail > 0 those last bytes of the file are replaced
// by the new ones. On failure the file is cut back to its old content and KorvenError names the
// file and the cause.
void appendToFile(const QString &path, const QByteArray &bytes, qint64 dropTail = 0);

} // namespace korven
