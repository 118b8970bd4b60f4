// The canonical value and its writing in ISCN, and the count a line describes.
#include "iscn/karyotype.h"
#include "iscn/karyotype_order.h"

#include <algorithm>

namespace korven::iscn {

int chromosomeRank(const QString &name)
{
    const int index = chromosomeIndex(name);
    if (index < 0)
        return 100;
    return index >= 22 ? index - 22 : index + 2;
}

std::pair<int, int> orderKey(const Abnormality &abnormality)
{
    int rank = 100; // markers after every chromosome
    for (const QString &chromosome : abnormality.chromosomes)
        rank = std::min(rank, chromosomeRank(chromosome));
    const bool whole = abnormality.kind == Kind::Numerical || abnormality.kind == Kind::Marker;
    return {rank, whole ? 0 : 1};
}

Rearrangement inChromosomeOrder(const Rearrangement &rearrangement)
{
    Rearrangement ordered = rearrangement;
    if (ordered.chromosomes.size() == 2
        && chromosomeRank(ordered.chromosomes[1]) < chromosomeRank(ordered.chromosomes[0])) {
        ordered.chromosomes.swapItemsAt(0, 1);
        if (ordered.breakpoints.size() == 2)
            ordered.breakpoints.swapItemsAt(0, 1);
    }
    return ordered;
}

QString breakpointChromosome(const Rearrangement &rearrangement, int breakpoint)
{
    if (rearrangement.chromosomes.size() == 1)
        return rearrangement.chromosomes[0];
    return breakpoint < rearrangement.chromosomes.size() ? rearrangement.chromosomes[breakpoint] : QString();
}

Karyotype normalized(const Karyotype &karyotype)
{
    Karyotype result = karyotype;
    for (CellLine &line : result.lines) {
        std::sort(line.sex.begin(), line.sex.end());
        for (Abnormality &abnormality : line.abnormalities) {
            static_cast<Rearrangement &>(abnormality) = inChromosomeOrder(abnormality);
            for (Rearrangement &part : abnormality.derivation)
                part = inChromosomeOrder(part);
        }
        std::stable_sort(line.abnormalities.begin(), line.abnormalities.end(),
                         [](const Abnormality &a, const Abnormality &b) { return orderKey(a) < orderKey(b); });
    }
    return result;
}

QString writeRearrangement(const Rearrangement &rearrangement)
{
    QString name;
    switch (rearrangement.kind) {
    case Kind::Numerical: return rearrangement.chromosomes.value(0);
    case Kind::Marker: return QStringLiteral("mar");
    case Kind::Deletion: name = QStringLiteral("del"); break;
    case Kind::Duplication: name = QStringLiteral("dup"); break;
    case Kind::Inversion: name = QStringLiteral("inv"); break;
    case Kind::Translocation: name = QStringLiteral("t"); break;
    case Kind::Isochromosome: name = QStringLiteral("i"); break;
    case Kind::Derivative: name = QStringLiteral("der"); break;
    }
    QString text = name + QLatin1Char('(') + rearrangement.chromosomes.join(QLatin1Char(';')) + QLatin1Char(')');
    if (rearrangement.breakpoints.isEmpty())
        return text;
    QStringList bands;
    for (const Breakpoint &breakpoint : rearrangement.breakpoints)
        bands << breakpoint.text();
    // Two chromosomes: one breakpoint each, separated; one chromosome: written together.
    return text + QLatin1Char('(') + bands.join(rearrangement.chromosomes.size() == 2 ? QStringLiteral(";") : QString())
           + QLatin1Char(')');
}

QString writeAbnormality(const Abnormality &abnormality)
{
    QString text = abnormality.change > 0 ? QStringLiteral("+") : abnormality.change < 0 ? QStringLiteral("-") : QString();
    text += writeRearrangement(abnormality);
    for (const Rearrangement &part : abnormality.derivation)
        text += writeRearrangement(part);
    return text;
}

QString normalForm(const Karyotype &karyotype)
{
    QStringList lines;
    for (const CellLine &line : normalized(karyotype).lines) {
        QString text = QString::number(line.count) + QLatin1Char(',') + line.sex;
        for (const Abnormality &abnormality : line.abnormalities)
            text += QLatin1Char(',') + writeAbnormality(abnormality);
        if (line.cells >= 0)
            text += QStringLiteral("[%1]").arg(line.cells);
        lines << text;
    }
    return lines.join(QLatin1Char('/'));
}

int countChange(const Abnormality &abnormality)
{
    if (abnormality.change > 0)
        return 1;
    if (abnormality.change < 0) // a lost sex chromosome is already absent from the complement
        return isSexChromosome(abnormality.chromosomes.value(0)) ? 0 : -1;
    // A structural chromosome takes the place of the normal autosomes it was made from; a
    // structural sex chromosome is listed apart from the complement and adds to it.
    const int made = abnormality.kind == Kind::Translocation ? 2 : 1;
    int replaced = 0;
    for (const QString &chromosome : abnormality.chromosomes)
        replaced += isSexChromosome(chromosome) ? 0 : 1;
    return made - replaced;
}

int describedCount(const CellLine &line)
{
    int count = 44 + int(line.sex.size());
    for (const Abnormality &abnormality : line.abnormalities)
        count += countChange(abnormality);
    return count;
}

} // namespace korven::iscn
