#pragma once
// Draws one G-banded metaphase chromosome from its ideogram bands: two sister chromatids with a
// faint groove, a centromeric constriction, rounded ends, thin pale stalks and satellites on the
// acrocentrics, soft-edged bands and light grey noise, upright on a white background.
#include "tools/ideogram.h"
#include "tools/rng.h"

#include <QImage>

namespace korven {

// What one metaphase (one problem) shares: the condensation and the staining of the slide.
struct MetaphaseStyle {
    double pixelsPerUnit = 0.02; // pixels per ISCN unit (chromosome 1 is 15100 units)
    double width = 26;           // full chromosome width in pixels (both chromatids)
    double unstainedDensity = 0.27; // optical density of unstained chromatin
    double stainDensity = 1.45;  // optical density added by the darkest stain
    double bandSoftness = 1.0;   // blur of band edges, pixels
    double noise = 4;            // grey noise amplitude, grey levels
};

// What differs between the pieces of one metaphase, even between homologues.
struct ChromosomeLook {
    double lengthFactor = 1;  // homologues differ by a few percent
    double tiltDegrees = 0;   // positive turns the top to the right
    double bend = 0;          // arc of the axis at the middle, as a fraction of the length
    double wave = 0;          // S-shaped part of the axis, as a fraction of the length
    double contrast = 1;      // scales the stain
    double heterochromatin = 0.85; // darkness of gvar bands (variable between homologues)
    double chromatidSpread = 1; // how far apart the sister chromatids lie
    int margins[4] = {3, 3, 3, 3}; // white pixels left, top, right, bottom
    std::uint64_t seed = 1;   // texture and noise
};

// A random style for one metaphase drawn from the ideogram's band level; chromosome 1 comes out about 250 to
// 350 pixels long, more condensed at lower band levels.
MetaphaseStyle randomMetaphaseStyle(Rng &rng, const Ideogram &ideogram);

// A random look for one piece.
ChromosomeLook randomChromosomeLook(Rng &rng);

// The chromosome as an 8-bit grey image: background exactly 255, every pixel the chromosome
// touches at most 254, the margins of `look` white on each side.
QImage paintChromosome(const ChromosomeBands &bands, const MetaphaseStyle &style,
                       const ChromosomeLook &look);

} // namespace korven
