#include "tools/cell_chromosomes.h"

#include "files/errors.h"
#include "iscn/chromosome.h"
#include "iscn/karyotype_order.h"

#include <QCoreApplication>
#include <algorithm>

namespace korven {

namespace {

using iscn::Kind;

// The chromosome a marker is painted from: its short arm mirrored at the centromere, a small
// piece with a satellite at each end, as the commonest supernumerary marker looks.
const char *const MarkerSource = "15";

bool onLongArm(const QString &breakpoint)
{
    return breakpoint.startsWith(QLatin1Char('q'));
}

Segment reversed(const Segment &segment)
{
    return {segment.chromosome, segment.to, segment.from};
}

// The end of `chromosome` beyond a break, running from the break to the telomere.
Segment distalPart(const QString &chromosome, const QString &breakpoint)
{
    return {chromosome, breakpoint, onLongArm(breakpoint) ? QStringLiteral("qter") : QStringLiteral("pter")};
}

// The centromeric part kept at a break joined to a piece that runs from the join to its own end.
std::vector<Segment> joinAtBreak(const QString &chromosome, const QString &breakpoint, const Segment &attached)
{
    if (onLongArm(breakpoint))
        return {{chromosome, QStringLiteral("pter"), breakpoint}, attached};
    return {reversed(attached), {chromosome, breakpoint, QStringLiteral("qter")}};
}

// The abnormality as written, without its sign: "der(22)t(11;22)(q23;q11.2)".
QString written(const iscn::Abnormality &abnormality)
{
    iscn::Abnormality unsigned_ = abnormality;
    unsigned_.change = 0;
    return iscn::writeAbnormality(unsigned_);
}

QString fault(const iscn::Abnormality &abnormality, const QString &why)
{
    return QStringLiteral("%1: %2").arg(written(abnormality), why);
}

[[noreturn]] void unpaintable(const iscn::Abnormality &abnormality)
{
    throw KorvenError(fault(abnormality, QCoreApplication::translate("CellChromosomes", "cannot be painted (rings, dicentrics and the like are not drawn)")));
}

// The rearrangement whose chromosomes and breakpoints a structural abnormality is painted from:
// its own, or for der(N) made by one translocation, that translocation's.
const iscn::Rearrangement &paintedFrom(const iscn::Abnormality &abnormality)
{
    if (abnormality.kind != Kind::Derivative || abnormality.chromosomes.size() == 2)
        return abnormality;
    if (abnormality.derivation.size() == 1 && abnormality.derivation.first().kind == Kind::Translocation)
        return abnormality.derivation.first();
    unpaintable(abnormality);
}

QStringList breakTexts(const iscn::Rearrangement &r)
{
    QStringList texts;
    for (const iscn::Breakpoint &b : r.breakpoints)
        texts << b.text();
    return texts;
}

QString identityOf(const iscn::Abnormality &abnormality, const QString &chromosome)
{
    if (abnormality.kind == Kind::Translocation)
        return QStringLiteral("der(%1)%2").arg(chromosome, written(abnormality));
    if (abnormality.kind == Kind::Marker)
        return QStringLiteral("mar");
    return written(abnormality);
}

int groupOrder(const QString &group)
{
    return group == QLatin1String("mar") ? iscn::MarkerPlace : iscn::chromosomeIndex(group);
}

} // namespace

KaryotypeLines readKaryotypeLines(const QString &text)
{
    const iscn::Reading reading = iscn::readKaryotype(text);
    // Two breakpoints written from qter to pter are a fault of form whose meaning is plain (the
    // same segment); it is painted as meant. Every other fault refuses the karyotype.
    QStringList messages;
    for (const iscn::Fault &fault : reading.faults)
        if (fault.type != iscn::Fault::Type::Breakpoints)
            messages << fault.message;
    if (!reading.karyotype || !messages.isEmpty()) {
        if (messages.isEmpty())
            messages << QCoreApplication::translate("KaryotypeCells", "cannot be read");
        throw KorvenError(QCoreApplication::translate("KaryotypeCells", "karyotype %1: %2").arg(text, messages.join(QStringLiteral("; "))));
    }
    return reading.karyotype->lines;
}

std::vector<Segment> derivativeSegments(const iscn::Abnormality &abnormality, const QString &chromosome)
{
    const iscn::Rearrangement &from = paintedFrom(abnormality);
    const QStringList breaks = breakTexts(from);
    const QString &c = chromosome;
    const QString pter = QStringLiteral("pter"), qter = QStringLiteral("qter"), cen = QStringLiteral("cen");
    // Two breakpoints on one chromosome from pter to qter: the deleted or inverted segment is
    // the same whichever order they are written in.
    const QStringList ordered = breakTexts(iscn::inPterOrder(from));
    switch (abnormality.kind) {
    case Kind::Deletion:
        if (breaks.size() == 1)
            return {onLongArm(breaks[0]) ? Segment{c, pter, breaks[0]} : Segment{c, breaks[0], qter}};
        return {{c, pter, ordered[0]}, {c, ordered[1], qter}};
    case Kind::Duplication:
        // Written from pter to qter a direct tandem copy; written the other way round the copy
        // is inverted (pter->q32::q32->q21::q32->qter for dup(1)(q32q21)).
        if (iscn::pterOrder(from.breakpoints[1], from.breakpoints[0]) < 0)
            return {{c, pter, breaks[0]}, {c, breaks[0], breaks[1]}, {c, breaks[0], qter}};
        return {{c, pter, breaks[1]}, {c, breaks[0], qter}};
    case Kind::Inversion:
        return {{c, pter, ordered[0]}, {c, ordered[1], ordered[0]}, {c, ordered[1], qter}};
    case Kind::Isochromosome:
        if (onLongArm(breaks[0]))
            return {{c, qter, cen}, {c, cen, qter}};
        return {{c, pter, cen}, {c, cen, pter}};
    case Kind::Marker:
        return {{QLatin1String(MarkerSource), pter, cen}, {QLatin1String(MarkerSource), cen, pter}};
    case Kind::Derivative:
        if (abnormality.chromosomes.size() == 2) {
            // A Robertsonian: the long arms joined at the centromere (or at the breaks written);
            // both short arms and their satellites are lost.
            return {{abnormality.chromosomes[0], qter, breaks.size() == 2 ? breaks[0] : cen},
                    {abnormality.chromosomes[1], breaks.size() == 2 ? breaks[1] : cen, qter}};
        }
        [[fallthrough]];
    case Kind::Translocation: {
        // Each chromosome passes its end beyond the break to the next one named, the last to the first.
        const QStringList &partners = from.chromosomes;
        const int n = int(partners.size());
        const int i = int(partners.indexOf(c));
        if (n < 2 || i < 0)
            throw KorvenError(fault(abnormality, QCoreApplication::translate("CellChromosomes", "does not name chromosome %1").arg(c)));
        const int previous = (i + n - 1) % n;
        return joinAtBreak(c, breaks[i], distalPart(partners[previous], breaks[previous]));
    }
    default:
        break;
    }
    unpaintable(abnormality);
}

std::vector<CellChromosome> cellChromosomes(const iscn::CellLine &line)
{
    std::vector<CellChromosome> cell;
    const auto normal = [](const QString &name) {
        return CellChromosome{name, name, {{name, QStringLiteral("pter"), QStringLiteral("qter")}}};
    };
    // Every autosome as many times as the line's ploidy says: 69,XXY has three of each.
    const int ploidy = iscn::ploidy(line.count);
    for (int autosome = 0; autosome < 22; ++autosome)
        for (int copy = 0; copy < ploidy; ++copy)
            cell.push_back(normal(iscn::chromosomeName(autosome)));
    for (const QChar sex : line.sex)
        cell.push_back(normal(QString(sex)));

    // Takes out one normal copy of a chromosome; the sex chromosomes are listed only when normal.
    const auto removeNormal = [&](const QString &name, const iscn::Abnormality &abnormality) {
        for (auto it = cell.rbegin(); it != cell.rend(); ++it)
            if (it->normal() && it->identity == name) {
                cell.erase(std::next(it).base());
                return;
            }
        throw KorvenError(fault(abnormality, QCoreApplication::translate("CellChromosomes", "no normal chromosome %1 is left to change").arg(name)));
    };

    std::vector<CellChromosome> added;
    for (const iscn::Abnormality &abnormality : line.abnormalities) {
        if (abnormality.kind == Kind::Numerical) {
            if (abnormality.change > 0)
                added.push_back(normal(abnormality.chromosomes.first()));
            else if (!iscn::isSexChromosome(abnormality.chromosomes.first()))
                removeNormal(abnormality.chromosomes.first(), abnormality);
            // A lost sex chromosome (45,X,-Y) is already missing from the written complement.
            continue;
        }
        QStringList centromeres;
        if (abnormality.kind == Kind::Translocation)
            centromeres = abnormality.chromosomes;
        else if (abnormality.kind == Kind::Marker)
            centromeres = {QStringLiteral("mar")};
        else
            centromeres = {abnormality.chromosomes.first()};
        for (const QString &c : centromeres) {
            const QString source = abnormality.kind == Kind::Marker ? QString() : c;
            const std::vector<Segment> segments = derivativeSegments(abnormality, source);
            added.push_back({identityOf(abnormality, c), c, segments});
        }
        // What the abnormal chromosomes take the place of: a derivative of one chromosome that
        // chromosome, any other structure every chromosome it names.
        if (abnormality.change == 0 && abnormality.kind != Kind::Marker) {
            const bool ofOne = abnormality.kind == Kind::Derivative && abnormality.chromosomes.size() == 1;
            const QStringList replaced = ofOne ? QStringList{abnormality.chromosomes.first()} : abnormality.chromosomes;
            for (const QString &name : replaced)
                if (!iscn::isSexChromosome(name))
                    removeNormal(name, abnormality);
        }
    }
    // Each added chromosome goes after the last of its group (stable, so written order holds).
    for (const CellChromosome &chromosome : added) {
        const int order = groupOrder(chromosome.group);
        auto at = std::find_if(cell.begin(), cell.end(), [&](const CellChromosome &c) { return groupOrder(c.group) > order; });
        cell.insert(at, chromosome);
    }
    return cell;
}

} // namespace korven
