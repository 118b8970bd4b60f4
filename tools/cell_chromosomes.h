#pragma once
// The chromosomes of one cell of a karyotype line: the normal pairs and sex chromosomes, minus
// what is lost, plus what is gained, each abnormal chromosome as the segments it is spliced from.
#include "iscn/karyotype.h"
#include "tools/band_splice.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace korven {

// The lines of a karyotype as the painter takes them: the reader's own value, read and checked.
using KaryotypeLines = QList<iscn::CellLine>;

// Reads and checks a karyotype text. Throws KorvenError with every fault the reader finds (a case
// is made only from a sound karyotype), except two breakpoints of one chromosome written from
// qter to pter, whose meaning is plain and which are painted as meant.
KaryotypeLines readKaryotypeLines(const QString &text);

// One chromosome of a cell: its designation ("21", "X", "der(22)t(11;22)(q23;q11.2)",
// "der(13;14)(q10;q10)", "i(X)(q10)", "mar"), the karyogram group it belongs to (the chromosome
// that gives its centromere, "mar" for a marker) and its segments.
struct CellChromosome {
    QString identity;
    QString group;
    std::vector<Segment> segments;
    int centromeres = 1; // 2 for a dicentric
    bool ring = false;   // the segments' ends joined
    // A heteromorphism (9qh+): its variable block larger or smaller than usual.
    std::optional<iscn::Variant> variant;
    // A whole normal chromosome (not a derivative, not a marker, no heteromorphism).
    bool normal() const
    {
        return segments.size() == 1 && segments[0].from == QLatin1String("pter") && segments[0].to == QLatin1String("qter")
               && !ring && !variant;
    }
};

// The chromosomes of a cell of the line, in karyogram order: 1 to 22, X, Y, an abnormal
// chromosome right after the normal homologues of its group, markers last. A structural
// abnormality replaces one normal copy of each chromosome it involves, unless gained, and except
// of the sex chromosomes, which the line lists only when normal. An insertion between two
// chromosomes gives both derivatives, a ring is closed, a dicentric has two centromeres. Throws
// KorvenError for what cannot be painted (a derivative made by anything but translocations) and
// for a loss or replacement with no normal copy left.
std::vector<CellChromosome> cellChromosomes(const iscn::CellLine &line);

// The segments of one structural abnormality's derivative that keeps the centromere of
// `chromosome` (for a translocation or an insertion between two chromosomes, each partner's
// derivative in turn; for der(N) made by translocations, N's). A ring's segment is the part it
// keeps, its ends joined when painted; material of unknown origin (add) is a stretch of an
// unrelated chromosome about as long as the part lost. Throws KorvenError for what cannot be painted.
std::vector<Segment> derivativeSegments(const iscn::Abnormality &abnormality, const QString &chromosome);

} // namespace korven
