// The canonical value and its writing in ISCN, and the count a line describes.
#include "iscn/karyotype.h"
#include "iscn/karyotype_order.h"

#include <algorithm>

namespace korven::iscn {

std::pair<int, int> orderKey(const Abnormality &abnormality)
{
    int rank = 100; // markers after every chromosome
    for (const QString &chromosome : abnormality.chromosomes)
        rank = std::min(rank, chromosomeRank(chromosome));
    const bool whole = abnormality.kind == Kind::Numerical || abnormality.kind == Kind::Marker;
    return {rank, whole ? 0 : 1};
}

bool ordersChromosomes(Kind kind)
{
    // An insertion names the receiving chromosome first whatever its number; a derivative of one
    // chromosome names only its own.
    return kind == Kind::Translocation || kind == Kind::Derivative || kind == Kind::Dicentric;
}

Rearrangement inChromosomeOrder(const Rearrangement &rearrangement)
{
    Rearrangement ordered = rearrangement;
    const qsizetype n = ordered.chromosomes.size();
    if (n < 2 || !ordersChromosomes(ordered.kind))
        return ordered;
    // The sex chromosome or the lowest number first; the others keep their turn after it (in a
    // three-way translocation each receives the segment of the one before it).
    qsizetype first = 0;
    for (qsizetype k = 1; k < n; ++k) {
        if (chromosomeRank(ordered.chromosomes[k]) < chromosomeRank(ordered.chromosomes[first]))
            first = k;
    }
    std::rotate(ordered.chromosomes.begin(), ordered.chromosomes.begin() + first, ordered.chromosomes.end());
    if (ordered.breakpoints.size() == n)
        std::rotate(ordered.breakpoints.begin(), ordered.breakpoints.begin() + first, ordered.breakpoints.end());
    return ordered;
}

int breakpointOwner(const Rearrangement &rearrangement, int breakpoint)
{
    const qsizetype n = rearrangement.chromosomes.size();
    if (n <= 1)
        return 0;
    if (rearrangement.kind == Kind::Insertion)
        return breakpoint == 0 ? 0 : 1;
    return breakpoint;
}

QString breakpointChromosome(const Rearrangement &rearrangement, int breakpoint)
{
    return rearrangement.chromosomes.value(breakpointOwner(rearrangement, breakpoint));
}

int pterOrder(const Breakpoint &a, const Breakpoint &b)
{
    if (a.arm != b.arm)
        return a.arm == QLatin1Char('p') ? -1 : 1;
    // Region, band and sub-band digits read as one string: "11.2" lies before "12", and a band
    // and its sub-bands ("11", "11.2") compare equal.
    QString x = a.band, y = b.band;
    x.remove(QLatin1Char('.'));
    y.remove(QLatin1Char('.'));
    const qsizetype common = std::min(x.size(), y.size());
    const int outward = QStringView(x).left(common).compare(QStringView(y).left(common));
    const int sign = outward < 0 ? -1 : outward > 0 ? 1 : 0;
    // Bands are numbered from the centromere out: on p, outward is towards pter.
    return a.arm == QLatin1Char('p') ? -sign : sign;
}

bool writtenOrderIsMeaning(Kind kind)
{
    // dup(1)(q32q21) is an inverted duplication and ins(5;2)(p14;q32q22) an inverted insertion.
    return kind == Kind::Duplication || kind == Kind::Insertion;
}

Rearrangement inPterOrder(const Rearrangement &rearrangement)
{
    Rearrangement ordered = rearrangement;
    if (ordered.chromosomes.size() == 1 && ordered.breakpoints.size() == 2 && !writtenOrderIsMeaning(ordered.kind)
        && pterOrder(ordered.breakpoints[1], ordered.breakpoints[0]) < 0)
        ordered.breakpoints.swapItemsAt(0, 1);
    return ordered;
}

Karyotype normalized(const Karyotype &karyotype)
{
    Karyotype result = karyotype;
    for (CellLine &line : result.lines) {
        std::sort(line.sex.begin(), line.sex.end());
        for (Abnormality &abnormality : line.abnormalities) {
            static_cast<Rearrangement &>(abnormality) = inPterOrder(inChromosomeOrder(abnormality));
            for (Rearrangement &part : abnormality.derivation)
                part = inPterOrder(inChromosomeOrder(part));
        }
        std::stable_sort(line.abnormalities.begin(), line.abnormalities.end(),
                         [](const Abnormality &a, const Abnormality &b) { return orderKey(a) < orderKey(b); });
    }
    return result;
}

QString kindWord(Kind kind)
{
    switch (kind) {
    case Kind::Numerical: return {};
    case Kind::Marker: return QStringLiteral("mar");
    case Kind::Deletion: return QStringLiteral("del");
    case Kind::Duplication: return QStringLiteral("dup");
    case Kind::Inversion: return QStringLiteral("inv");
    case Kind::Translocation: return QStringLiteral("t");
    case Kind::Isochromosome: return QStringLiteral("i");
    case Kind::Derivative: return QStringLiteral("der");
    case Kind::Ring: return QStringLiteral("r");
    case Kind::Dicentric: return QStringLiteral("dic");
    case Kind::Isodicentric: return QStringLiteral("idic");
    case Kind::Insertion: return QStringLiteral("ins");
    case Kind::Addition: return QStringLiteral("add");
    case Kind::Heteromorphism: return {};
    }
    return {};
}

QString writeRearrangement(const Rearrangement &rearrangement)
{
    switch (rearrangement.kind) {
    case Kind::Numerical: return rearrangement.chromosomes.value(0);
    case Kind::Marker: return QStringLiteral("mar");
    case Kind::Heteromorphism: return rearrangement.chromosomes.value(0) + rearrangement.variant.text();
    default: break;
    }
    QString text = kindWord(rearrangement.kind) + QLatin1Char('(') + rearrangement.chromosomes.join(QLatin1Char(';'))
                   + QLatin1Char(')');
    if (rearrangement.breakpoints.isEmpty())
        return text;
    // The breakpoints of each chromosome written together, the chromosomes' separated by ';'.
    QString bands;
    for (int k = 0; k < rearrangement.breakpoints.size(); ++k) {
        if (k > 0 && breakpointOwner(rearrangement, k) != breakpointOwner(rearrangement, k - 1))
            bands += QLatin1Char(';');
        bands += rearrangement.breakpoints[k].text();
    }
    return text + QLatin1Char('(') + bands + QLatin1Char(')');
}

QString writeAbnormality(const Abnormality &abnormality)
{
    QString text = abnormality.change > 0 ? QStringLiteral("+") : abnormality.change < 0 ? QStringLiteral("-") : QString();
    text += writeRearrangement(abnormality);
    if (abnormality.kind == Kind::Marker && abnormality.marker > 0)
        text += QString::number(abnormality.marker);
    for (const Rearrangement &part : abnormality.derivation)
        text += writeRearrangement(part);
    return text;
}

QString writeLine(const CellLine &line)
{
    QString text = QString::number(line.count) + QLatin1Char(',') + line.sex;
    for (const Abnormality &abnormality : line.abnormalities)
        text += QLatin1Char(',') + writeAbnormality(abnormality);
    if (line.cells >= 0)
        text += QStringLiteral("[%1]").arg(line.cells);
    return text;
}

QString normalForm(const Karyotype &karyotype)
{
    QStringList lines;
    for (const CellLine &line : normalized(karyotype).lines)
        lines << writeLine(line);
    const QString prefix = karyotype.origin == Origin::Mosaic    ? QStringLiteral("mos ")
                           : karyotype.origin == Origin::Chimera ? QStringLiteral("chi ")
                                                                 : QString();
    return prefix + lines.join(QLatin1Char('/'));
}

int countChange(const Abnormality &abnormality)
{
    if (abnormality.change > 0)
        return 1;
    if (abnormality.change < 0) // a lost sex chromosome is already absent from the complement
        return isSexChromosome(abnormality.chromosomes.value(0)) ? 0 : -1;
    // A structural chromosome takes the place of the normal autosomes it was made from; a
    // structural sex chromosome is listed apart from the complement and adds to it.
    int made = 1;
    if (abnormality.kind == Kind::Translocation)
        made = int(abnormality.chromosomes.size()); // every derivative is present
    else if (abnormality.kind == Kind::Insertion)
        made = int(abnormality.chromosomes.size()); // the receiving and the giving chromosome
    int replaced = 0;
    for (const QString &chromosome : abnormality.chromosomes)
        replaced += isSexChromosome(chromosome) ? 0 : 1;
    return made - replaced;
}

int ploidy(int count)
{
    return count <= 34 ? 1 : count <= 57 ? 2 : count <= 80 ? 3 : 4;
}

int describedCount(const CellLine &line)
{
    int count = 22 * ploidy(line.count) + int(line.sex.size());
    for (const Abnormality &abnormality : line.abnormalities)
        count += countChange(abnormality);
    return count;
}

} // namespace korven::iscn
