#pragma once
// Paints one G-banded metaphase chromosome as a bright-field microscope shows it: two sister
// chromatids stained each on its own, lying together but parting here and there, a waist at the
// centromere, pale rounded ends, the axis straight or gently curved; then the optics' blur and
// the camera's noise. Upright, short arm at the top, on a white background.
#include "tools/chromosome_variants.h"
#include "tools/ideogram.h"
#include "tools/rng.h"

#include <QImage>

namespace korven {

// What one metaphase (one problem) shares: its condensation, its staining and its optics.
struct MetaphaseStyle {
    double pixelsPerUnit = 0.02; // pixels per ISCN unit (chromosome 1 is 15100 units)
    double width = 26;           // width of the two chromatids lying side by side, pixels
    double blur = 3;             // deviation of the optics' Gaussian point-spread function, pixels
    double paleGrey = 208;       // grey of unstained (G-negative) chromatin
    double darkGrey = 60;        // grey of the darkest stain
    double grain = 0.3;          // chromatin texture: relative variation of the stain per pixel
    double noise = 2.5;          // camera noise deviation, grey levels
    double endSplit = 0.3;       // how far the chromatids part at the ends, in chromatid widths
    double endPartedShare = 0.3; // share of the ends of a middle-sized chromosome whose two
                                 // chromatid tips part; long ones part more, short ones less
    double armSplit = 0.2;       // how often they part along the arms, 0 .. 1
    double bandBlur = 0.06;      // how much the bands' edges are washed out, in widths
    double stainGamma = 1;       // above 1 the pale and middle bands stain less
    double curvedShare = 0;      // share of the long chromosomes that lie visibly curved
};

// What differs between the pieces of one metaphase, even between homologues. Each piece also
// condenses unevenly along its length, washes its bands out and takes the stain a little
// differently, drawn from its seed; the bands stay in their order and each arm keeps its length.
struct ChromosomeLook {
    double lengthFactor = 1;  // condensation of this piece
    double widthFactor = 1;
    double tiltDegrees = 0;   // positive turns the top to the right
    double bend = 0;          // largest distance of the axis from the line joining its ends, in
                              // chromosome widths; the sign gives the side
    bool sShape = false;      // the axis bends one way in the upper half, the other in the lower
    double contrast = 1;      // scales the stain
    int margins[4] = {3, 3, 3, 3}; // white pixels left, top, right, bottom
    std::uint64_t seed = 1;   // shape details, texture and noise
};

// A random style for one metaphase at the ideogram's band level: chromosome 1 about 7 to 9 times
// as long as wide at 400 bands, 10 to 12 at 550 and 14 to 18 at 850.
MetaphaseStyle randomMetaphaseStyle(Rng &rng, const Ideogram &ideogram);

// A random look for a piece of `lengthPixels` in a metaphase of `style`: long chromosomes are
// curved in the style's share of cases, short ones less often.
ChromosomeLook randomChromosomeLook(Rng &rng, const MetaphaseStyle &style, double lengthPixels);

// Length in pixels of a chromosome drawn in `style` at condensation 1.
double paintedLength(const ChromosomeBands &bands, const MetaphaseStyle &style);

// The chromosome as an 8-bit grey image (a ring chromosome as a closed loop of its bands, each
// chromatid a ring, the centromere a waist in it; a dicentric with a waist at each centromere): background exactly 255, every pixel of the chromosome
// at most 244 (the faintest fringe of the blur is cut to white), no white enclosed by it, the
// margins of `look` white on each side. It is one connected piece, apart from the satellites of
// acrocentrics, which may come loose as faint specks above the short arm.
QImage paintChromosome(const Homologue &homologue, const MetaphaseStyle &style, const ChromosomeLook &look);

} // namespace korven
