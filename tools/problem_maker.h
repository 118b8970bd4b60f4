#pragma once
// Making, packing and checking problem folders: 46 bitmaps "k-h.bmp" and the listing "NAME.set".
#include "tools/chromosome_painter.h"
#include "tools/ideogram.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

namespace korven {

// The tables of all band levels (400, 550, 850) from dataDir, each finer band knowing the stain of
// the 400-band band it splits.
std::vector<Ideogram> loadIdeograms(const QString &dataDir);

// One problem's metaphase: its band level (400, 550, 850 in turn along the catalogue) and its
// style, fixed by the seed and catalogue position.
struct ProblemPlan {
    const Ideogram *ideogram = nullptr;
    MetaphaseStyle style;
    bool female = true;
};

ProblemPlan planProblem(const std::vector<Ideogram> &ideograms, std::uint64_t seed, int catalogueIndex,
                        bool female);

// Condensation (length factor) of piece 0..45: shared by the pair but for a difference of 5 to
// 15 % between its two homologues.
double homologueCondensation(std::uint64_t seed, int catalogueIndex, int piece);

// What piece 0..45 of a planned problem shows: the homologue with its own variants, and its look.
struct PieceRecipe {
    Homologue homologue;
    ChromosomeLook look;
};

PieceRecipe pieceRecipe(const ProblemPlan &plan, std::uint64_t seed, int catalogueIndex, int piece);

// Piece 0..45 of a planned problem (pair piece/2 + 1; pair 23 is X,X or X,Y).
QImage renderPiece(const ProblemPlan &plan, std::uint64_t seed, int catalogueIndex, int piece);

struct MakeOptions {
    QString outDir;
    QString dataDir;
    std::uint64_t seed = 1;
    QList<int> only;  // catalogue positions 1..48 to make; empty makes all
    int threads = 0;  // 0: one per processor core
    bool writeSample = true;  // false leaves outDir/1-1.bmp alone
    // Called after each finished problem (from the calling thread's point of view, serialised).
    std::function<void(int done, int total, const QString &name)> progress;
};

// Writes the chosen catalogue problems under outDir (each folder with its 46 bitmaps and its
// listing) and the sample image outDir/1-1.bmp (piece 1-1 of the first catalogue problem).
// Returns the number of problems written. Throws KorvenError naming the file on failure.
int makeProblems(const MakeOptions &options);

// The listing lines for the bitmaps in folder: "k-h.bmp,<file size>,<check value>".
QStringList listingLines(const QString &folder);

// Name of the listing file of a problem folder: "<folder name>.set" inside it.
QString listingPath(const QString &folder);

// Faults that keep the 46 bitmaps of folder from being a problem: a missing bitmap, one that is
// not a 24-bit BMP, one the loader cannot read. Each fault starts with the file's path.
QStringList bitmapFaults(const QString &folder);

// Writes the listing file of a folder filled with 46 bitmaps. Throws KorvenError listing the
// faulty bitmaps, and then writes nothing, when bitmapFaults finds any.
void packProblem(const QString &folder);

// Every fault of a problem folder, each naming its file (and the listing's line): the bitmap
// faults, a missing or unreadable listing, a listing without exactly 46 lines, a line without a
// whole-number third field, a check value that differs from the bitmap's. Empty when sound.
QStringList checkProblem(const QString &folder);

} // namespace korven
