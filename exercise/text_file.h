#pragma once
// Text files in code page 932 (windows-31j): read as lines, written whole and atomically.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace korven {

QByteArray toCp932(const QString &text);
QString fromCp932(const QByteArray &bytes);

// The whole file's bytes. Throws KorvenError naming the file when it is missing or cannot be read.
QByteArray readFileBytes(const QString &path);

// Splits text into lines at CR LF, LF and CR; a final line end does not make an empty last line.
QStringList splitTextLines(const QString &text);

// Reads the whole file and splits it into lines at CR LF, LF and CR; a final line end does not
// make an empty last line. Throws KorvenError naming the file when it cannot be opened.
QStringList readTextLines(const QString &path);

// The lines of CP932 bytes (as readTextLines splits them), with the numbers (from 1) of the
// lines holding bytes that are not CP932; those bytes read as replacement characters.
struct CheckedTextLines {
    QStringList lines;
    std::vector<int> invalidLines;
};
CheckedTextLines checkedCp932Lines(const QByteArray &bytes);

// Replaces the file with the given bytes through QSaveFile (temporary file + rename): the old
// file stays intact if anything fails. Throws KorvenError naming the file on failure.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Lines joined with CR LF after each, encoded in CP932.
QByteArray linesToCp932(const QStringList &lines);

// Appends bytes at the end of the file (opened, written whole, flushed, closed).
// Throws KorvenError naming the file on failure.
void appendToFile(const QString &path, const QByteArray &bytes);

} // namespace korven
