#pragma once
// case.txt of a case folder: UTF-8, one tab-separated record a line, written and read here.
//   karyotype<TAB>47,XY,+21
//   level<TAB>550
//   note<TAB>free text shown with the answer            (optional, may repeat)
//   note.ja<TAB>the same note in Japanese                (optional, may repeat)
//   spread<TAB>CELL<TAB>WIDTH<TAB>HEIGHT                 (each cell, numbered from 1)
//   piece<TAB>CELL<TAB>FILE<TAB>IDENTITY<TAB>X<TAB>Y<TAB>STEP   (each chromosome of each cell)
// A piece's bitmap is drawn turned counter-clockwise by STEP x 15 degrees, its centre at (X, Y).
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace korven {

// A piece's turn is recorded in 15-degree steps, 0 .. CaseTurnSteps - 1.
inline constexpr int CaseTurnSteps = 24;

// What a case folder may hold. Each is far beyond a real case (a near-tetraploid cell has about
// 92 chromosomes, a spread of 46 is about 2000 pixels across) and keeps a hostile file from
// making the reader, the window or the checker allocate without bound.
inline constexpr int MaxCaseCells = 100;
inline constexpr int MaxCellPieces = 250;
inline constexpr int MaxSpreadSide = 8192;
inline constexpr qint64 MaxSpreadPixels = 16'000'000;
// case.txt itself: a few lines per chromosome of every cell.
inline constexpr qint64 MaxCaseFileBytes = 4 * 1024 * 1024;
inline constexpr qint64 MaxCaseFileLines = 100'000;

struct CasePiece {
    int cell = 1;
    QString file;     // "1-01.bmp"
    QString identity; // "21", "der(22)t(11;22)(q23;q11.2)", "mar"
    int x = 0, y = 0;
    int step = 0;     // 0 .. 23
};

struct CaseFile {
    QString karyotype;
    int level = 0;
    QStringList notes;   // English
    QStringList notesJa; // Japanese
    std::vector<QSize> spreads; // cell 1 first
    std::vector<CasePiece> pieces;
};

// The notes to show in an interface of that language: the Japanese ones when Japanese is asked
// and the file has them, else the English ones.
const QStringList &caseNotes(const CaseFile &file, bool japanese);

// The file's name inside a case folder.
QString caseFilePath(const QString &folder);

// The lines of case.txt for the case, in the order above.
QStringList formatCaseFile(const CaseFile &file);

// Reads the lines of case.txt; `path` names the file in messages. Every fault (an unknown record,
// a wrong number of fields, a number that is none or out of range, cells not numbered 1, 2, ...,
// a piece of a cell without a spread, a bitmap named by two pieces, more cells, pieces in a cell
// or spread pixels than the limits above, a missing karyotype or level) goes into `faults`, each
// naming the line and the limit; what is sound and within the limits is read.
CaseFile parseCaseFile(const QStringList &lines, const QString &path, QStringList *faults);

// Reads folder/case.txt (UTF-8; lines end in LF, CR LF or CR) and parses it as parseCaseFile does.
// Throws KorvenError naming the file when it cannot be read: missing, no regular file (a link, a
// FIFO, a folder), over MaxCaseFileBytes or MaxCaseFileLines.
CaseFile readCaseFile(const QString &folder, QStringList *faults);

} // namespace korven
