#pragma once
// The chromosomes of one cell of a karyotype line: the normal pairs and sex chromosomes, minus
// what is lost, plus what is gained, each abnormal chromosome as the segments it is spliced from.
#include "tools/band_splice.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace korven {

// One abnormality of a karyotype line, as much of it as painting needs.
struct Alteration {
    enum class Kind {
        Gain,          // +21: one more normal chromosome
        Loss,          // -7
        Deletion,      // del(5)(p14) terminal, del(5)(q13q33) interstitial
        Duplication,   // dup(1)(q21q32), tandem
        Inversion,     // inv(9)(p12q13), inv(3)(q21q26.2)
        Translocation, // t(11;22)(q23;q11.2): every derivative in place of its normal chromosome
        Derivative,    // der(22)t(11;22)(q23;q11.2): the derivative of `derivativeOf` only
        Isochromosome, // i(X)(q10)
        Robertsonian,  // der(13;14)(q10;q10) or rob(13;14)(q10;q10)
        Marker,        // +mar
        Unpaintable,   // rings, dicentrics and whatever else a karyotype may hold
    };
    Kind kind = Kind::Gain;
    bool gained = false;     // written with '+': an extra chromosome, replacing none
    QStringList chromosomes; // "11", "22"
    QStringList breakpoints; // one per chromosome, or two on one chromosome ("q13", "q33")
    QString derivativeOf;    // the chromosome whose centromere a Derivative keeps
    QString text;            // as written without the sign, "der(22)t(11;22)(q23;q11.2)"
};

// One line of a karyotype: its sex chromosomes ("XY", "X", "XXY"), its abnormalities in the
// written order, and the cells counted for it (0 when no count is written).
struct CellLine {
    QString sexChromosomes;
    std::vector<Alteration> alterations;
    int cells = 0;
    int ploidy = 2; // copies of each autosome: 3 in 69,XXY, 4 in 92,XXYY
};

// One chromosome of a cell: its designation ("21", "X", "der(22)t(11;22)(q23;q11.2)",
// "der(13;14)(q10;q10)", "i(X)(q10)", "mar"), the karyogram group it belongs to (the chromosome
// that gives its centromere, "mar" for a marker) and its segments.
struct CellChromosome {
    QString identity;
    QString group;
    std::vector<Segment> segments;
    int centromeres = 1; // 2 for a dicentric
    bool ring = false;   // the segments' ends joined
    // A whole normal chromosome (not a derivative, not a marker).
    bool normal() const
    {
        return segments.size() == 1 && segments[0].from == QLatin1String("pter") && segments[0].to == QLatin1String("qter");
    }
};

// The chromosomes of a cell of the line, in karyogram order: 1 to 22, X, Y, an abnormal
// chromosome right after the normal homologues of its group, markers last. A structural
// abnormality replaces one normal copy of each chromosome it involves, unless gained, and except
// of the sex chromosomes, which the line lists only when normal. Throws KorvenError for what
// cannot be painted (rings, dicentrics) and for a loss or replacement with no normal copy left.
std::vector<CellChromosome> cellChromosomes(const CellLine &line);

// The segments of one structural abnormality's derivative that keeps the centromere of
// `chromosome` (for a translocation, each partner's derivative in turn).
std::vector<Segment> derivativeSegments(const Alteration &alteration, const QString &chromosome);

} // namespace korven
