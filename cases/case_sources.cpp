#include "cases/case_sources.h"

#include <algorithm>

namespace korven {

namespace {

SourceChromosome &sourceOf(QList<SourceChromosome> &sources, const QString &chromosome)
{
    auto it = std::find_if(sources.begin(), sources.end(),
                           [&](const SourceChromosome &s) { return s.chromosome == chromosome; });
    if (it == sources.end())
        it = sources.insert(sources.end(), SourceChromosome{chromosome, {}});
    return *it;
}

// Two chromosomes take one breakpoint each in their order; one chromosome takes them all.
void addRearrangement(QList<SourceChromosome> &sources, const iscn::Rearrangement &r)
{
    for (const QString &chromosome : r.chromosomes)
        sourceOf(sources, chromosome);
    for (int i = 0; i < r.breakpoints.size(); ++i) {
        const QString chromosome = r.chromosomes.value(r.chromosomes.size() == r.breakpoints.size() ? i : 0);
        if (chromosome.isEmpty())
            continue;
        QList<iscn::Breakpoint> &marks = sourceOf(sources, chromosome).breakpoints;
        if (!marks.contains(r.breakpoints[i]))
            marks.append(r.breakpoints[i]);
    }
}

} // namespace

QList<AbnormalSources> abnormalSources(const iscn::CellLine &line)
{
    QList<AbnormalSources> out;
    for (const iscn::Abnormality &a : line.abnormalities) {
        if (a.kind == iscn::Kind::Numerical || a.kind == iscn::Kind::Marker)
            continue;
        AbnormalSources entry{iscn::writeAbnormality(a), {}};
        if (entry.abnormality.startsWith(QLatin1Char('+')))
            entry.abnormality.remove(0, 1);
        addRearrangement(entry.sources, a);
        for (const iscn::Rearrangement &r : a.derivation)
            addRearrangement(entry.sources, r);
        out.append(entry);
    }
    return out;
}

} // namespace korven
