#pragma once
// The normal chromosomes each structural abnormality of a cell line was made from, with the
// breakpoints on each, for the answer's ideograms.
#include "iscn/karyotype.h"

#include <QList>
#include <QString>

namespace korven {

struct SourceChromosome {
    QString chromosome;                 // "1".."22", "X", "Y"
    QList<iscn::Breakpoint> breakpoints; // in the order written, each once
};

struct AbnormalSources {
    QString abnormality; // as written: "t(11;22)(q23;q11.2)", "der(22)t(11;22)(q23;q11.2)"
    QList<SourceChromosome> sources; // in the order the karyotype names them
};

// One entry per structural abnormality of the line (whole-chromosome gains and losses and
// markers have no breakpoints and are left out). A derivative lists its own chromosome first,
// then the chromosomes of the rearrangements that made it.
QList<AbnormalSources> abnormalSources(const iscn::CellLine &line);

} // namespace korven
