#pragma once
// A case folder: the true karyotype, its band level, notes, and each counted cell as a spread of
// chromosome bitmaps at recorded places and turns. Cell 1 is the cell that is karyotyped.
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace korven {

inline constexpr int CaseTurnSteps = 24; // a piece's turn is recorded in 15-degree steps

struct CasePiece {
    int cell = 0;       // from 1
    QString file;       // the bitmap, inside the case folder
    QString identity;   // "21", "X", "der(22)t(11;22)(q23;q11.2)", "mar", ...
    QPoint centre;      // in the spread's pixels
    int step = 0;       // 0 .. CaseTurnSteps - 1
};

struct CaseCell {
    int number = 0;     // from 1
    QSize size;         // the spread's width and height
};

struct CaseFolder {
    QString name;       // the folder's name
    QString path;       // the folder itself
    QString karyotype;  // the truth
    int level = 0;      // band level of the pictures
    QStringList notes;
    std::vector<CaseCell> cells;   // in order 1, 2, ...
    std::vector<CasePiece> pieces; // in file order

    // Indexes into pieces of the pieces of cell `cell`.
    std::vector<int> piecesOf(int cell) const;
};

// Parses the lines of case.txt; `file` names it in messages. Throws KorvenError naming the file
// and line for an unknown record, a wrong field count, a number out of range, a piece of a cell
// with no spread line, a missing karyotype or no cell at all.
CaseFolder parseCaseText(const QStringList &lines, const QString &file);

// Reads FOLDER/case.txt (UTF-8). Throws KorvenError when it is missing or malformed.
CaseFolder readCaseFolder(const QString &folder);

// The bitmap of one piece, as 24-bit colour. Throws KorvenError naming the file when it cannot be
// read or is larger than the program takes in.
QImage loadCasePiece(const CaseFolder &folder, const CasePiece &piece);

// The case folders found in `casesFolders` (the first folder wins for a name held twice), sorted by
// name: the order that numbers them in the case list.
struct CaseEntry {
    QString name;
    QString path;
};
std::vector<CaseEntry> listCases(const QStringList &casesFolders);

} // namespace korven
