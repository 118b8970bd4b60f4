#pragma once
// How one homologue differs from the ideogram: the variable heterochromatin blocks change size
// from person to person and between homologues, and take the stain G-banding really gives them.
#include "tools/ideogram.h"
#include "tools/rng.h"

#include <cstdint>

#include <vector>

namespace korven {

// A chromosome as one cell shows it: its bands (heteromorphic ones resized, so a block may be
// zero units long, e.g. an absent satellite) and the darkness of each band, 0 unstained .. 1.
struct Homologue {
    ChromosomeBands bands;
    std::vector<double> darkness; // one per band
    bool ring = false;            // its ends joined: a ring chromosome
    double secondCentromere = -1; // ISCN units from the top of a dicentric's other centromere; -1 none
};

// Darkness of a band in G-banding: the table's stain level, and for the variable blocks the
// stain they take: 1q12, 16q11.2 and 19's centromeric blocks dark, 9q12 pale, Yq12 and the
// acrocentric short arms in between.
double typicalDarkness(const ChromosomeBands &chromosome, const Band &band);

// The chromosome exactly as the table has it, with the typical darkness of each band.
Homologue typicalHomologue(const ChromosomeBands &chromosome);

// Which homologue of which person: the two homologues of a pair share `seed`, which fixes the
// person's blocks, and differ in `which` (0 or 1).
struct PairDraw {
    std::uint64_t seed = 0;
    int which = 0;
};

// One homologue of one person: each variable block resized and its darkness shifted by a random
// amount within what is seen in normal karyotypes; Yq12 and satellites vary most. The sizes of
// 1q12, 9q12 and 16q11.2 are the person's, and the two homologues differ by 1.3 times or more
// at the rates reported for them (about 11, 48 and 8 % of people).
Homologue randomHomologue(const ChromosomeBands &chromosome, Rng &rng, const PairDraw &pair);

// A homologue of a random person.
Homologue randomHomologue(const ChromosomeBands &chromosome, Rng &rng);

// A heteromorphism written in a karyotype (9qh+, 1qh-, 15ps+, 21pstk+): on `arm`, the `region`
// "h" (heterochromatin: the gvar blocks, on an acrocentric's short arm the part below the stalk),
// "s" (satellites) or "stk" (stalks).
struct BlockVariant {
    QChar arm;
    QString region;
    bool larger = true;
};

// Whether `band` of `chromosome` is part of the block a variant names.
bool inVariantBlock(const ChromosomeBands &chromosome, const Band &band, const BlockVariant &variant);

// The homologue (drawn from `table`) with that block clearly larger (2.4 to 2.8 times the table's
// size, beyond the normal range) or smaller (about a third). Throws KorvenError when the
// chromosome has no such block at its level.
Homologue variedHomologue(const ChromosomeBands &table, const Homologue &homologue, const BlockVariant &variant, Rng &rng);

} // namespace korven
