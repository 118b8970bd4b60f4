#include "tools/cell_chromosomes.h"

#include "files/errors.h"
#include "iscn/chromosome.h"
#include "iscn/band_table.h"
#include "iscn/karyotype_order.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

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

[[noreturn]] void unpaintable(const iscn::Abnormality &abnormality, const QString &why)
{
    throw KorvenError(fault(abnormality, QCoreApplication::translate("CellChromosomes", "cannot be painted: %1").arg(why)));
}

// Where a place lies on its chromosome from pter to qter, for comparing places of one chromosome:
// negative when `a` lies nearer pter. The centromere ("cen", "p10", "q10") lies between the arms.
int placeOrder(const QString &a, const QString &b)
{
    const auto rank = [](const QString &place) {
        return place == QLatin1String("pter") ? 0 : place == QLatin1String("qter") ? 2 : 1;
    };
    const auto breakpoint = [](const QString &place) {
        return place == QLatin1String("cen") ? iscn::Breakpoint{QLatin1Char('q'), QStringLiteral("10")}
                                             : iscn::Breakpoint{place.at(0), place.mid(1)};
    };
    if (rank(a) != 1 || rank(b) != 1)
        return rank(a) - rank(b);
    return iscn::pterOrder(breakpoint(a), breakpoint(b));
}

// How far a break lies from the end of its arm, in ISCN units at 400 bands: the middle of the
// bands it names, at the coarsest table that has them.
double distalUnits(const QString &chromosome, const iscn::Breakpoint &breakpoint)
{
    const int c = iscn::chromosomeIndex(chromosome);
    for (int level : {400, 550, 850}) {
        double low = -1, high = -1, length = 0;
        for (const iscn::TableBand &band : iscn::builtInBands(level)) {
            if (band.chromosome != c)
                continue;
            length = std::max(length, band.stop);
            if (band.arm == breakpoint.arm && iscn::BandTable::within(band.name, breakpoint.band)) {
                low = low < 0 ? band.start : std::min(low, band.start);
                high = std::max(high, band.stop);
            }
        }
        if (low >= 0) {
            const double middle = (low + high) / 2;
            return breakpoint.arm == QLatin1Char('q') ? length - middle : middle;
        }
    }
    return 0;
}

// A stretch of a chromosome not involved in the change, about `units` long, from a break to the
// end of its long arm: what add() paints for material of unknown origin. It is taken from a
// chromosome other than `chromosome`, so its bands do not repeat the part they replace.
Segment unknownMaterial(const QString &chromosome, double units)
{
    static const char *const sources[] = {"8", "6", "4", "10", "3"};
    const size_t n = std::size(sources);
    const size_t index = size_t(std::max(0, iscn::chromosomeIndex(chromosome)));
    QString source = QLatin1String(sources[index % n]);
    if (source == chromosome)
        source = QLatin1String(sources[(index + 1) % n]);
    // The band of the source's long arm at 850 bands whose middle lies nearest `units` above
    // qter, never its centromeric band.
    const int s = iscn::chromosomeIndex(source);
    std::vector<iscn::TableBand> arm;
    double end = 0;
    for (const iscn::TableBand &band : iscn::builtInBands(850))
        if (band.chromosome == s) {
            end = std::max(end, band.stop);
            if (band.arm == QLatin1Char('q') && band.stain != QLatin1String("acen"))
                arm.push_back(band);
        }
    QString from;
    double best = -1;
    for (size_t b = 1; b < arm.size(); ++b) {
        const double distance = std::abs(end - (arm[b].start + arm[b].stop) / 2 - units);
        if (best < 0 || distance < best)
            best = distance, from = QStringLiteral("q") + arm[b].name;
    }
    return {source, from, QStringLiteral("qter")};
}

QStringList breakTexts(const iscn::Rearrangement &r)
{
    QStringList texts;
    for (const iscn::Breakpoint &b : r.breakpoints)
        texts << b.text();
    return texts;
}

// `chromosome`, as `segments` has it so far, changed by translocation `t`: the end beyond its
// break goes and the end the previous partner passes on (the last partner's for the first)
// takes its place. The break must lie in a part of the chromosome itself, upright.
std::vector<Segment> translocated(const iscn::Rearrangement &t, std::vector<Segment> segments, const QString &chromosome,
                                  const iscn::Abnormality &abnormality)
{
    const QStringList &partners = t.chromosomes;
    const int n = int(partners.size());
    const int i = int(partners.indexOf(chromosome));
    if (n < 2 || i < 0)
        throw KorvenError(fault(abnormality, QCoreApplication::translate("CellChromosomes", "does not name chromosome %1").arg(chromosome)));
    const int previous = (i + n - 1) % n;
    const QString at = t.breakpoints[i].text();
    const Segment incoming = distalPart(partners[previous], t.breakpoints[previous].text());
    for (size_t k = 0; k < segments.size(); ++k) {
        const Segment &s = segments[k];
        if (s.chromosome != chromosome || placeOrder(s.from, s.to) > 0 || placeOrder(s.from, at) > 0 || placeOrder(at, s.to) > 0)
            continue;
        std::vector<Segment> result;
        if (onLongArm(at)) {
            result.assign(segments.begin(), segments.begin() + long(k));
            result.push_back({chromosome, s.from, at});
            result.push_back(incoming);
        } else {
            result.push_back(reversed(incoming));
            result.push_back({chromosome, at, s.to});
            result.insert(result.end(), segments.begin() + long(k) + 1, segments.end());
        }
        return result;
    }
    unpaintable(abnormality, QCoreApplication::translate("CellChromosomes", "the break at %1 lies in a part already moved").arg(at));
}

// der(N) made by one or more translocations, applied in the order written.
std::vector<Segment> derivedSegments(const iscn::Abnormality &abnormality)
{
    const QString &chromosome = abnormality.chromosomes.first();
    std::vector<Segment> segments{{chromosome, QStringLiteral("pter"), QStringLiteral("qter")}};
    for (const iscn::Rearrangement &r : abnormality.derivation) {
        if (r.kind != Kind::Translocation)
            unpaintable(abnormality, QCoreApplication::translate("CellChromosomes", "only derivatives made by translocations are painted, not by %1").arg(iscn::kindWord(r.kind)));
        segments = translocated(r, segments, chromosome, abnormality);
    }
    if (abnormality.derivation.isEmpty())
        unpaintable(abnormality, QCoreApplication::translate("CellChromosomes", "it names no rearrangement"));
    return segments;
}

// Whether each chromosome the abnormality names gets a derivative of its own: every partner of a
// translocation, the receiving and the giving chromosome of an insertion between two.
bool derivativeEach(const iscn::Abnormality &abnormality)
{
    return abnormality.kind == Kind::Translocation
           || (abnormality.kind == Kind::Insertion && abnormality.chromosomes.size() == 2);
}

QString identityOf(const iscn::Abnormality &abnormality, const QString &chromosome)
{
    if (derivativeEach(abnormality))
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
    const QStringList breaks = breakTexts(abnormality);
    const QString &c = chromosome;
    const QString pter = QStringLiteral("pter"), qter = QStringLiteral("qter"), cen = QStringLiteral("cen");
    // Two breakpoints on one chromosome from pter to qter: the deleted or inverted segment is
    // the same whichever order they are written in.
    const QStringList ordered = breakTexts(iscn::inPterOrder(abnormality));
    switch (abnormality.kind) {
    case Kind::Deletion:
        if (breaks.size() == 1)
            return {onLongArm(breaks[0]) ? Segment{c, pter, breaks[0]} : Segment{c, breaks[0], qter}};
        return {{c, pter, ordered[0]}, {c, ordered[1], qter}};
    case Kind::Duplication:
        // Written from pter to qter a direct tandem copy; written the other way round the copy
        // is inverted (pter->q32::q32->q21::q32->qter for dup(1)(q32q21)).
        if (iscn::pterOrder(abnormality.breakpoints[1], abnormality.breakpoints[0]) < 0)
            return {{c, pter, breaks[0]}, {c, breaks[0], breaks[1]}, {c, breaks[0], qter}};
        return {{c, pter, breaks[1]}, {c, breaks[0], qter}};
    case Kind::Inversion:
        return {{c, pter, ordered[0]}, {c, ordered[1], ordered[0]}, {c, ordered[1], qter}};
    case Kind::Isochromosome:
        if (onLongArm(breaks[0]))
            return {{c, qter, cen}, {c, cen, qter}};
        return {{c, pter, cen}, {c, cen, pter}};
    case Kind::Isodicentric:
        // The chromosome up to the break joined to its mirror image: two centromeres.
        if (onLongArm(breaks[0]))
            return {{c, pter, breaks[0]}, {c, breaks[0], pter}};
        return {{c, qter, breaks[0]}, {c, breaks[0], qter}};
    case Kind::Dicentric: {
        // Each chromosome keeps its centromere and the part beyond it; they join at the breaks
        // (dic(13;15)(p11.2;p11.2) is 13qter->13p11.2::15p11.2->15qter).
        const QString &a = abnormality.chromosomes[0], &b = abnormality.chromosomes[1];
        return {onLongArm(breaks[0]) ? Segment{a, pter, breaks[0]} : Segment{a, qter, breaks[0]},
                onLongArm(breaks[1]) ? Segment{b, breaks[1], pter} : Segment{b, breaks[1], qter}};
    }
    case Kind::Ring:
        // The part between the breaks; with none written, all but the ends beyond the outermost
        // bands, which a ring always loses.
        if (breaks.isEmpty()) {
            const int index = iscn::chromosomeIndex(c);
            const iscn::BandTable &table = iscn::BandTable::builtIn();
            return {{c, QLatin1Char('p') + table.terminalBand(index, QLatin1Char('p'), 400),
                     QLatin1Char('q') + table.terminalBand(index, QLatin1Char('q'), 400)}};
        }
        return {{c, ordered[0], ordered[1]}};
    case Kind::Insertion: {
        // The segment between the last two breakpoints goes in at the first, the end written
        // first nearer the centromere (ins(5;2)(p14;q22q32) is 5pter->5p14::2q32->2q22::5p14->5qter);
        // the giving chromosome loses it.
        const QString &to = abnormality.chromosomes.first(), &from = abnormality.chromosomes.last();
        const QString &at = breaks[0];
        const Segment inserted = onLongArm(at) ? Segment{from, breaks[1], breaks[2]} : Segment{from, breaks[2], breaks[1]};
        const bool firstLower = placeOrder(breaks[1], breaks[2]) < 0;
        const QString &low = firstLower ? breaks[1] : breaks[2], &high = firstLower ? breaks[2] : breaks[1];
        if (c == from && c != to)
            return {{c, pter, low}, {c, high, qter}};
        if (c != to)
            break;
        if (to != from)
            return {{c, pter, at}, inserted, {c, at, qter}};
        if (placeOrder(at, low) < 0)
            return {{c, pter, at}, inserted, {c, at, low}, {c, high, qter}};
        return {{c, pter, low}, {c, high, at}, inserted, {c, at, qter}};
    }
    case Kind::Addition: {
        // The part kept up to the break, and beyond it material of unknown origin.
        const Segment added = unknownMaterial(c, distalUnits(c, abnormality.breakpoints[0]));
        if (onLongArm(breaks[0]))
            return {{c, pter, breaks[0]}, added};
        return {reversed(added), {c, breaks[0], qter}};
    }
    case Kind::Heteromorphism:
        return {{c, pter, qter}}; // the whole chromosome, its block resized when painted
    case Kind::Marker:
        return {{QLatin1String(MarkerSource), pter, cen}, {QLatin1String(MarkerSource), cen, pter}};
    case Kind::Derivative:
        if (abnormality.chromosomes.size() == 2) {
            // A Robertsonian: the long arms joined at the centromere (or at the breaks written);
            // both short arms and their satellites are lost.
            return {{abnormality.chromosomes[0], qter, breaks.size() == 2 ? breaks[0] : cen},
                    {abnormality.chromosomes[1], breaks.size() == 2 ? breaks[1] : cen, qter}};
        }
        return derivedSegments(abnormality);
    case Kind::Translocation:
        return translocated(abnormality, {{c, pter, qter}}, c, abnormality);
    default:
        break;
    }
    throw KorvenError(fault(abnormality, QCoreApplication::translate("CellChromosomes", "does not name chromosome %1").arg(c)));
}

std::vector<CellChromosome> cellChromosomes(const iscn::CellLine &line)
{
    std::vector<CellChromosome> cell;
    const auto normal = [](const QString &name) {
        CellChromosome chromosome;
        chromosome.identity = chromosome.group = name;
        chromosome.segments = {{name, QStringLiteral("pter"), QStringLiteral("qter")}};
        return chromosome;
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
        if (derivativeEach(abnormality))
            centromeres = abnormality.chromosomes;
        else if (abnormality.kind == Kind::Marker)
            centromeres = {QStringLiteral("mar")};
        else
            centromeres = {abnormality.chromosomes.first()};
        for (const QString &c : centromeres) {
            const QString source = abnormality.kind == Kind::Marker ? QString() : c;
            CellChromosome chromosome;
            chromosome.identity = identityOf(abnormality, c);
            chromosome.group = c;
            chromosome.segments = derivativeSegments(abnormality, source);
            chromosome.ring = abnormality.kind == Kind::Ring;
            chromosome.centromeres = abnormality.kind == Kind::Dicentric || abnormality.kind == Kind::Isodicentric ? 2 : 1;
            if (abnormality.kind == Kind::Heteromorphism)
                chromosome.variant = abnormality.variant;
            added.push_back(chromosome);
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
