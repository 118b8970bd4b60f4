#pragma once
// Abnormal chromosomes built from the ideogram tables: a derivative is a list of segments of
// normal chromosomes, each running from one named place to another, joined end to end. The bands
// of each segment are cut from the source homologue (so its variable blocks stay as that cell
// has them) and laid one after the other into a new band list with a single centromere.
#include "tools/chromosome_variants.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace korven {

// A piece of a normal chromosome, from one place to another as the karyotype's detailed form
// names them: "pter", "qter", "cen" (also "p10" or "q10"), or an arm and band, "q23", "p11.2".
// A segment whose `from` lies below its `to` runs upside down (an inverted or mirrored piece).
struct Segment {
    QString chromosome; // "1" .. "22", "X", "Y"
    QString from;
    QString to;
};

// Where a named place lies on a chromosome, in ISCN units from the p-arm end. A band falls at
// the middle of the named band, or of all the bands it is the parent of ("q11.2" spans q11.21 ..
// q11.23). A band finer than the chromosome's table (q11.23 where the table has only q11.2) is
// placed inside its coarser band where `finest` (the same chromosome at a finer level) has it.
// Throws KorvenError naming the chromosome and band when neither table knows the band.
double placePosition(const ChromosomeBands &chromosome, const QString &place,
                     const ChromosomeBands *finest = nullptr);

// The extent on a chromosome of the band a breakpoint names, in ISCN units from the p-arm end:
// the band with its sub-bands, or, for a band finer than the table, the table's band holding it
// (the break lies somewhere inside). "cen", "p10" and "q10" give the centromere alone. Throws
// KorvenError as placePosition does.
std::pair<double, double> bandExtent(const ChromosomeBands &chromosome, const QString &place);

// A cut piece of a source homologue: from `from` to `to` ISCN units on it (from > to: upside down).
struct SourcePiece {
    const Homologue *source = nullptr;
    double from = 0;
    double to = 0;
};

// A chromosome spliced from pieces: its band list (shortArm meaning "above its own centromere",
// names as in the source tables) with each band's darkness, and each band's label with its
// source chromosome and arm, "11q23".
struct SplicedChromosome {
    Homologue homologue;
    QStringList labels;
    std::vector<double> junctions; // where one piece meets the next, ISCN units from the top
};

// Joins the pieces end to end into one chromosome named `name`. Pieces shorter than a unit drop
// out. The result must keep exactly `centromeres` centromeres (runs of acen bands), one or, for a
// dicentric, two; each sits between its run's two acen bands, or at the middle of a lone one, and
// the upper one is the chromosome's centromere, the lower one its second. It is acrocentric when
// it keeps exactly one stalk band, above its centromere. Throws KorvenError when the pieces keep
// another number of centromeres.
SplicedChromosome splicePieces(const std::vector<SourcePiece> &pieces, const QString &name, int centromeres = 1);

// Splices the segments into chromosome `name`, each cut from the homologue `source` gives for its
// chromosome (the same one for every segment of that chromosome); `finest` places breakpoints
// finer than the homologues' table. Throws KorvenError as placePosition and splicePieces do.
SplicedChromosome spliceSegments(const std::vector<Segment> &segments, const QString &name,
                                 const std::function<const Homologue &(const QString &)> &source,
                                 const Ideogram &finest, int centromeres = 1);

} // namespace korven
