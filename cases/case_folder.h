#pragma once
// A case folder as the case window uses it: case.txt read through the one case file reader, the
// folder's name and place, and the bitmaps of its pieces. Cell 1 is the cell that is karyotyped.
#include "files/case_file.h"

#include <QImage>
#include <QString>
#include <vector>

namespace korven {

struct CaseFolder : CaseFile {
    QString name;       // the folder's name
    QString path;       // the folder itself

    int cellCount() const { return int(spreads.size()); }
    // Indexes into pieces of the pieces of cell `cell` (from 1).
    std::vector<int> piecesOf(int cell) const;
};

// Reads the lines of case.txt (`file` names it in messages). Throws KorvenError listing every
// fault the reader finds, or saying that cell 1 has no chromosome.
CaseFolder parseCaseText(const QStringList &lines, const QString &file);

// Reads FOLDER/case.txt (UTF-8). Throws KorvenError when it is missing or malformed.
CaseFolder readCaseFolder(const QString &folder);

// The bitmap of one piece, as 24-bit colour. Throws KorvenError naming the file when it cannot be
// read or is larger than the program takes in.
QImage loadCasePiece(const CaseFolder &folder, const CasePiece &piece);

// The case folders found in `casesFolders` (the first folder wins for a name held twice), in the
// case list's order (caseListedBefore).
struct CaseEntry {
    QString name;
    QString path;
};
std::vector<CaseEntry> listCases(const QStringList &casesFolders);

} // namespace korven
