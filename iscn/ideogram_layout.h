#pragma once
// An ideogram laid out for drawing: each band as a four-cornered shape in the grey of its stain,
// the centromere pinched and stalks narrow, and where a breakpoint lies on it. Painting is left to
// the caller, so this stays plain logic.
#include "iscn/karyotype.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>

namespace korven::iscn {

enum class BandShape { Plain, Centromere, Stalk };

struct IdeogramBand {
    QChar arm;          // 'p' or 'q'
    QString name;       // "36.3"
    double start = 0;   // ISCN units from the p-arm end
    double stop = 0;
    double darkness = 0; // 0 (unstained) .. 1 (darkest)
    BandShape shape = BandShape::Plain;
};

struct IdeogramChromosome {
    QString name;               // "1" .. "22", "X", "Y"
    QList<IdeogramBand> bands;  // from the p-arm end to the q-arm end
    double length = 0;          // ISCN units
    double centromere = 0;      // where the p-arm and q-arm acen bands meet
};

// Darkness of a table's stain ("gneg", "gpos50", "acen", ...), 0 .. 1; 0 for an unknown one.
double stainDarkness(const QString &stain);

// One chromosome (0..23, 22 = X, 23 = Y) of the tables built into the library at a band level;
// nothing for an unknown chromosome or level.
std::optional<IdeogramChromosome> builtInIdeogram(int chromosome, int level);

// Where a breakpoint lies, in ISCN units from the p-arm end: the middle of the band and its
// sub-bands, the middle of the coarser band holding it when the level is coarser than the name,
// the centromere for p10 and q10. Nothing when the chromosome has no such band.
std::optional<double> breakpointPosition(const IdeogramChromosome &chromosome, const Breakpoint &breakpoint);

// One band's shape, corners clockwise from the top left, and its grey (0 black .. 255 white).
struct IdeogramQuad {
    std::array<QPointF, 4> corners;
    int grey = 255;
};

// The bands standing upright with the chromosome's top at `top`, centred on top.x().
QList<IdeogramQuad> layOutIdeogram(const IdeogramChromosome &chromosome, QPointF top, double width,
                                   double pixelsPerUnit);

} // namespace korven::iscn
