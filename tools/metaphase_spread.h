#pragma once
// A cell's chromosomes laid out as a metaphase spread: a round cluster, each piece turned by a
// whole number of 15-degree steps, none overlapping another, a few touching a neighbour.
#include "files/case_file.h"
#include "tools/rng.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <vector>

namespace korven {

inline constexpr int SpreadSteps = CaseTurnSteps; // turns of 15 degrees, as case.txt records them

// Tuning of the layout.
struct SpreadParameters {
    double packing = 0.2;     // share of the cluster's disc the chromosomes cover: loose enough
                              // to count each one, as dense as a good spread
    double oval = 0.15;       // up to this much longer one way than the other, as cells flatten
    int gap = 4;              // pixels kept free around a piece that does not touch
    double touchingShare = 0.08; // share of pieces pushed against a neighbour
    int margin = 24;          // pixels of white around the cluster
    int attempts = 400;       // random places tried for a piece before the cluster grows
    double growth = 1.08;     // how much the cluster's radius grows after the attempts failed
};

// Where one piece lies: its centre in the spread and its counter-clockwise turn in steps.
struct Placement {
    QPoint centre;
    int step = 0;
};

struct Spread {
    QSize size;
    std::vector<Placement> placements; // one per piece, in the pieces' order
};

// A piece turned by `step` steps counter-clockwise with the exercise's rotation.
QImage turnedPiece(const QImage &piece, int step);

// The top-left corner of a turned piece of `size` whose centre is `centre` (halves truncated).
QPoint pieceCorner(const QPoint &centre, const QSize &size);

// Lays the pieces (upright, on white) out as a spread.
Spread layOutSpread(const std::vector<QImage> &pieces, Rng &rng, const SpreadParameters &parameters = {});

// The pairs of pieces (indexes) whose chromosome pixels (not pure white) overlap in the spread,
// and those reaching outside it.
struct SpreadFaults {
    std::vector<std::pair<int, int>> overlaps;
    std::vector<int> outside;
};
SpreadFaults spreadFaults(const std::vector<QImage> &pieces, const Spread &spread);

// The spread drawn as one picture on white.
QImage drawSpread(const std::vector<QImage> &pieces, const Spread &spread);

} // namespace korven
