#pragma once
// A case folder as every reader takes it in (the case window, the tools' check and sheet): the one
// reader of case.txt and of the pieces' bitmaps, within the limits of case_file.h and of the
// pixels a case may load, so that no number in a file is allocated from before it is checked.
// Cell 1 is the cell that is karyotyped.
#include "files/case_file.h"

#include <QImage>
#include <QString>
#include <vector>

namespace korven {

// The pixels of all the bitmaps of one case together: a case of a hundred cells of 46 pieces
// needs a tenth of it; 46 pieces at the largest a bitmap may be would need far more.
inline constexpr qint64 MaxCasePixels = 64'000'000;

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

// Reads FOLDER/case.txt (UTF-8). Throws KorvenError when the folder is reached through a symbolic
// link, or case.txt is missing, no regular file, over the limits or malformed.
CaseFolder readCaseFolder(const QString &folder);
// The same, with the faults of case.txt (and an empty cell 1) listed in `faults` and what is sound
// read; throws only when the folder or case.txt cannot be read at all.
CaseFolder readCaseFolder(const QString &folder, QStringList *faults);

// Pixels of a case's bitmaps still to be loaded: each bitmap's declared size is taken from it
// before its pixels are decoded.
struct CasePixelBudget {
    qint64 left = MaxCasePixels;
};

// The bitmap of one piece, as 24-bit colour. Throws KorvenError naming the file when it is no
// regular file, no uncompressed 24-bit BMP, larger than a bitmap may be, holds fewer bytes than
// its header promises, or would take the case past its budget; each is judged from the header
// before any pixel is decoded.
QImage loadCasePiece(const CaseFolder &folder, const CasePiece &piece, CasePixelBudget &budget);
// Every piece's bitmap, in the order of folder.pieces, within one budget.
std::vector<QImage> loadCasePieces(const CaseFolder &folder);

// A case folder as the case list offers it. A case that cannot be started has its reason in
// `fault` (a name that cannot be a record's key, a folder reached through a link, case.txt
// unreadable or malformed, a karyotype that cannot be read); its `karyotype` is empty then.
struct CaseEntry {
    QString name;
    QString path;
    QString fault;
    QString karyotype;
};
// The case folders found in `casesFolders` (the first folder wins for a name held twice), in the
// case list's order (caseListedBefore). Each one's case.txt is read (not its
// bitmaps) to tell whether it can be started.
std::vector<CaseEntry> listCases(const QStringList &casesFolders);

} // namespace korven
