#pragma once
// Abnormal cells painted from a karyotype and written as a case folder (case.txt and the bitmaps
// of every cell's chromosomes), and the check of such a folder.
#include "tools/band_splice.h"
#include "files/case_file.h"
#include "tools/cell_chromosomes.h"
#include "tools/chromosome_painter.h"
#include "tools/ideogram.h"
#include "tools/metaphase_spread.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

namespace korven {

// What a case is made from.
struct CaseRecipe {
    QString karyotype;           // the truth as written
    KaryotypeLines lines;        // its lines, as read from it
    int level = 550;             // band level: 400, 550 or 850
    std::uint64_t seed = 1;
    int cells = 1;               // cells of a karyotype without counts
    int firstLine = 0;           // the line (index into lines) of cell 1, the cell karyotyped
    QStringList notes;           // English
    QStringList notesJa;         // Japanese
};

// The line (index into lines) of each cell: as many cells of each line as its count says, or
// `cells` of the single line when no count is written; cell 1 of line `firstLine`, the others in
// an order fixed by the seed. Throws KorvenError when only some lines carry a count, when the
// counts add up to more than 100 cells, when `cells` is below 1 for an uncounted karyotype, or
// when `firstLine` is no line of the karyotype.
std::vector<int> cellLines(const KaryotypeLines &lines, int cells, std::uint64_t seed, int firstLine = 0);

// A structural change too small for banding at some level to show.
struct HiddenChange {
    QString change;      // as written, "del(4)(p16)"
    int visibleFrom = 0; // the first band level that shows it; 0 when none does
};

// The structural changes of the lines that banding at `level` cannot show: the segment a change
// loses, copies, turns or moves holds no whole band of that level beyond the bands its breaks lie
// in, or is under 3 % of its chromosome. A translocation shows when one segment it moves shows.
// `ideograms` as loadCaseIdeograms gives them. Throws KorvenError for a band no table knows.
std::vector<HiddenChange> hiddenChanges(const KaryotypeLines &lines, int level,
                                        const std::vector<Ideogram> &ideograms);

// The warning for a hidden change at `level`, naming the level that shows it.
QString hiddenChangeWarning(const HiddenChange &hidden, int level);

// The band list a chromosome of a cell is painted from: each segment cut from a homologue of its
// source chromosome (one drawn for each source, with its variable blocks as one person has them)
// and spliced. `finest` is the 850-band table, for breakpoints finer than the case's level.
SplicedChromosome buildChromosome(const CellChromosome &chromosome, const Ideogram &ideogram, const Ideogram &finest,
                                  Rng &rng);

// The painted chromosomes of one cell and their spread.
struct PaintedCell {
    std::vector<CellChromosome> chromosomes;
    std::vector<SplicedChromosome> spliced;
    std::vector<QImage> pieces; // upright, 8-bit grey on white
    Spread spread;
};

// Paints cell `cell` (from 0) of a case: its own metaphase style at the ideogram's level, each
// chromosome spliced, painted (on `threads` threads, 0: one per core) and laid out.
PaintedCell paintCell(const std::vector<CellChromosome> &chromosomes, const Ideogram &ideogram,
                      const Ideogram &finest, std::uint64_t seed, int cell, int threads = 0);

// The tables cases are painted from (400, 550, 850 from dataDir): each band at its own length, a
// gap in one table filled from the others (fillTableGaps), each finer band knowing its 400-band
// stain. The bundled problem sets keep the tables as loadIdeograms gives them.
std::vector<Ideogram> loadCaseIdeograms(const QString &dataDir);

// The ideogram tables by level (as loadCaseIdeograms gives them): the one of `level`, the finest.
const Ideogram &ideogramAt(const std::vector<Ideogram> &ideograms, int level);

// The file name of piece `piece` (from 0) of cell `cell` (from 1): "1-01.bmp".
QString casePieceFileName(int cell, int piece);

// Makes the case folder outDir/name: builds it in a hidden folder beside it and renames it into
// place, so a refusal or failure leaves nothing behind. An existing folder of that name is
// refused unless `replace`, which swaps it out only once the new one is complete.
// `threads` 0 paints with one thread per core. Throws KorvenError with a clear message.
void makeCase(const CaseRecipe &recipe, const std::vector<Ideogram> &ideograms, const QString &outDir,
              const QString &name, bool replace = false, int threads = 0);

// A case folder name is a single plain folder name: no separators, not hidden, not "." or "..".
bool isPlainFolderName(const QString &name);

// Every fault of a case folder, each naming its file: case.txt unreadable or malformed, a level
// without a table, a karyotype that cannot be read (through `readLines`), a listed bitmap missing
// or unsound, a bitmap in the folder not listed, a cell whose chromosomes are not those of a line
// of the karyotype, cell counts that differ from the karyotype's, overlapping or outlying pieces
// in a spread. Empty when sound.
QStringList checkCase(const QString &folder, const std::vector<Ideogram> &ideograms,
                      const std::function<KaryotypeLines(const QString &)> &readLines);

} // namespace korven
