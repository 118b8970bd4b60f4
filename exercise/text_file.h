#pragma once
// Text files in code page 932 (windows-31j): read as lines, written whole and atomically.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korven {

QByteArray toCp932(const QString &text);
QString fromCp932(const QByteArray &bytes);

// Reads the whole file and splits it into lines at CR LF, LF and CR; a final line end does not
// make an empty last line. Throws KorvenError naming the file when it cannot be opened.
QStringList readTextLines(const QString &path);

// Replaces the file with the given bytes through QSaveFile (temporary file + rename): the old
// file stays intact if anything fails. Throws KorvenError naming the file on failure.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Lines joined with CR LF after each, encoded in CP932.
QByteArray linesToCp932(const QStringList &lines);

// Appends bytes at the end of the file (opened, written whole, flushed, closed).
// Throws KorvenError naming the file on failure.
void appendToFile(const QString &path, const QByteArray &bytes);

} // namespace korven
