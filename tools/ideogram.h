#pragma once
// Human G-band ideogram tables: bands with their ISCN positions and stains, one list per
// chromosome (1..22, X, Y).
#include <QString>
#include <vector>

namespace korven {

enum class Stain { Gneg, Gpos25, Gpos50, Gpos75, Gpos100, Gvar, Acen, Stalk };

struct Band {
    bool shortArm = true; // p arm
    QString name;         // "36.3"
    double start = 0;     // ISCN units from the p-arm end
    double stop = 0;
    Stain stain = Stain::Gneg;
    // Stain of the band of the coarsest level (400 bands) that holds this one; its own stain
    // where no coarser table is known.
    Stain parentStain = Stain::Gneg;
    double bpStart = 0; // base pairs, which are the same at every band level
    double bpStop = 0;
};

struct ChromosomeBands {
    QString name;        // "1" .. "22", "X", "Y"
    std::vector<Band> bands; // from the p-arm end to the q-arm end, without gaps
    double length = 0;   // ISCN units
    double centromere = 0; // where the p-arm and q-arm acen bands meet
    bool acrocentric = false; // carries stalk bands (13, 14, 15, 21, 22)
};

// The 24 chromosomes of one band level, in the order 1..22, X, Y.
struct Ideogram {
    int level = 0;
    std::vector<ChromosomeBands> chromosomes;

    // Chromosome by index 0..23 (22 = X, 23 = Y).
    const ChromosomeBands &at(int index) const { return chromosomes.at(index); }
    // Chromosome by name, "1".."22", "X", "Y". Throws KorvenError for a name that is none.
    const ChromosomeBands &of(const QString &name) const;
};

// The band levels with a table: 400, 550, 850.
const std::vector<int> &ideogramLevels();

// "human-ideogram-bands-<level>.tsv" inside dataDir.
QString ideogramPath(const QString &dataDir, int level);

// What becomes of a gap a table leaves between two bands (the 550-band table has a few).
enum class TableGaps {
    Shared, // each neighbour takes half of it (what the bundled problem sets were made with)
    Kept,   // left open, for fillTableGaps
};

// Parses a table: '#' lines are comments, the first other line the column header, then one band per
// line (chromosome, arm, band, iscn_start, iscn_stop, bp_start, bp_stop, stain), tab-separated.
// Throws KorvenError naming the file (and line) for a missing file, a malformed line, an unknown
// stain, a missing chromosome or a chromosome without a centromere.
Ideogram parseIdeogram(const QString &path, int level, TableGaps gaps = TableGaps::Shared);

// Fills each gap of `table` (parsed with its gaps kept) with what the other tables have there,
// so every band keeps its own length: the bands of the next coarser table that lie in the gap,
// cut to it (that table shares the finer one's ISCN units), else those of the next finer table.
// A filling band keeps its name, so "p11.3" still spans its sub-bands and the filled part.
// Throws KorvenError naming the chromosome and the gap when no table covers it.
void fillTableGaps(Ideogram &table, const std::vector<const Ideogram *> &others);

// Darkness of a stain, 0 (unstained) .. 1 (darkest): the ideogram layout's darkness of its name.
double stainDensity(Stain stain);

// Sets each band's parentStain in `fine` to the stain of the band of `coarse` it overlaps most in
// base pairs, so a band at 550 or 850 knows the 400-band band it splits.
void inheritParentStains(Ideogram &fine, const Ideogram &coarse);

// Darkness of a band as G-banding shows it: a finer level splits a band into darker and lighter
// parts, so the dark parts of a dark band stay as dark as the band and its light parts take part
// of its stain; a band with a pale or unknown parent has its own stain's darkness.
double bandDensity(const Band &band);

} // namespace korven
