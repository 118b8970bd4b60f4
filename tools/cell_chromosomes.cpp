#include "tools/cell_chromosomes.h"

#include "exercise/errors.h"

#include <QCoreApplication>
#include <algorithm>

namespace korven {

namespace {

using Kind = Alteration::Kind;

// The chromosome a marker is painted from: its short arm mirrored at the centromere, a small
// piece with a satellite at each end, as the commonest supernumerary marker looks.
const char *const MarkerSource = "15";

bool onLongArm(const QString &breakpoint)
{
    return breakpoint.startsWith(QLatin1Char('q'));
}

// True when break `a` lies nearer the p-arm end than `b`: the p arm before the q arm, and on the
// p arm the higher band nearer the end ("p15.1" before "p13"), on the q arm the lower.
bool nearerPter(const QString &a, const QString &b)
{
    if (onLongArm(a) != onLongArm(b))
        return !onLongArm(a);
    QString da = a.mid(1), db = b.mid(1);
    da.remove(QLatin1Char('.')), db.remove(QLatin1Char('.'));
    return onLongArm(a) ? da < db : da > db;
}

// Two breaks on one chromosome, the one nearer pter first: ISCN means the same segment whichever
// order they are written in.
QStringList pterFirst(const QStringList &breaks)
{
    if (breaks.size() == 2 && nearerPter(breaks[1], breaks[0]))
        return {breaks[1], breaks[0]};
    return breaks;
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

QString fault(const Alteration &alteration, const QString &why)
{
    return QStringLiteral("%1: %2").arg(alteration.text, why);
}

void requireBreaks(const Alteration &alteration, int count)
{
    if (alteration.breakpoints.size() != count)
        throw KorvenError(fault(alteration, QCoreApplication::translate("CellChromosomes", "needs %1 breakpoint(s), has %2").arg(count).arg(alteration.breakpoints.size())));
}

QString identityOf(const Alteration &alteration, const QString &chromosome)
{
    if (alteration.kind == Kind::Translocation)
        return QStringLiteral("der(%1)%2").arg(chromosome, alteration.text);
    if (alteration.kind == Kind::Robertsonian && alteration.text.startsWith(QLatin1String("rob")))
        return QStringLiteral("der") + alteration.text.mid(3);
    if (alteration.kind == Kind::Marker)
        return QStringLiteral("mar");
    return alteration.text;
}

int groupOrder(const QString &group)
{
    if (group == QLatin1String("X"))
        return 23;
    if (group == QLatin1String("Y"))
        return 24;
    if (group == QLatin1String("mar"))
        return 25;
    return group.toInt();
}

bool isSex(const QString &chromosome)
{
    return chromosome == QLatin1String("X") || chromosome == QLatin1String("Y");
}

} // namespace

std::vector<Segment> derivativeSegments(const Alteration &alteration, const QString &chromosome)
{
    const QStringList &breaks = alteration.breakpoints;
    const QString &c = chromosome;
    const QString pter = QStringLiteral("pter"), qter = QStringLiteral("qter"), cen = QStringLiteral("cen");
    switch (alteration.kind) {
    case Kind::Deletion: {
        if (breaks.size() == 1)
            return {onLongArm(breaks[0]) ? Segment{c, pter, breaks[0]} : Segment{c, breaks[0], qter}};
        requireBreaks(alteration, 2);
        const QStringList b = pterFirst(breaks);
        return {{c, pter, b[0]}, {c, b[1], qter}};
    }
    case Kind::Duplication: {
        requireBreaks(alteration, 2);
        const QStringList b = pterFirst(breaks);
        // Written from pter to qter a direct tandem copy; written the other way round the copy
        // is inverted (pter->q32::q32->q21::q32->qter for dup(1)(q32q21)).
        if (b != breaks)
            return {{c, pter, b[1]}, {c, b[1], b[0]}, {c, b[1], qter}};
        return {{c, pter, b[1]}, {c, b[0], qter}};
    }
    case Kind::Inversion: {
        requireBreaks(alteration, 2);
        const QStringList b = pterFirst(breaks);
        return {{c, pter, b[0]}, {c, b[1], b[0]}, {c, b[1], qter}};
    }
    case Kind::Isochromosome:
        requireBreaks(alteration, 1);
        if (onLongArm(breaks[0]))
            return {{c, qter, cen}, {c, cen, qter}};
        return {{c, pter, cen}, {c, cen, pter}};
    case Kind::Robertsonian:
        if (alteration.chromosomes.size() != 2)
            throw KorvenError(fault(alteration, QCoreApplication::translate("CellChromosomes", "joins two chromosomes")));
        // The long arms joined at the centromere (or at the breaks written); both short arms and
        // their satellites are lost.
        return {{alteration.chromosomes[0], qter, breaks.size() == 2 ? breaks[0] : cen},
                {alteration.chromosomes[1], breaks.size() == 2 ? breaks[1] : cen, qter}};
    case Kind::Marker:
        return {{QLatin1String(MarkerSource), pter, cen}, {QLatin1String(MarkerSource), cen, pter}};
    case Kind::Translocation:
    case Kind::Derivative: {
        // Each chromosome passes its end beyond the break to the next one named, the last to the first.
        const QStringList &partners = alteration.chromosomes;
        const int n = int(partners.size());
        const int i = int(partners.indexOf(c));
        if (n < 2 || i < 0)
            throw KorvenError(fault(alteration, QCoreApplication::translate("CellChromosomes", "does not name chromosome %1").arg(c)));
        requireBreaks(alteration, n);
        const int from = (i + n - 1) % n;
        return joinAtBreak(c, breaks[i], distalPart(partners[from], breaks[from]));
    }
    case Kind::Gain:
    case Kind::Loss:
    case Kind::Unpaintable:
        break;
    }
    throw KorvenError(fault(alteration, QCoreApplication::translate("CellChromosomes", "cannot be painted (rings, dicentrics and the like are not drawn)")));
}

std::vector<CellChromosome> cellChromosomes(const CellLine &line)
{
    std::vector<CellChromosome> cell;
    const auto normal = [](const QString &name) {
        return CellChromosome{name, name, {{name, QStringLiteral("pter"), QStringLiteral("qter")}}};
    };
    for (int autosome = 1; autosome <= 22; ++autosome)
        for (int copy = 0; copy < line.ploidy; ++copy)
            cell.push_back(normal(QString::number(autosome)));
    for (const QChar sex : line.sexChromosomes) {
        if (sex != QLatin1Char('X') && sex != QLatin1Char('Y'))
            throw KorvenError(QCoreApplication::translate("CellChromosomes", "%1: the sex chromosomes can only be X and Y").arg(line.sexChromosomes));
        cell.push_back(normal(QString(sex)));
    }

    // Takes out one normal copy of a chromosome; the sex chromosomes are listed only when normal.
    const auto removeNormal = [&](const QString &name, const Alteration &alteration) {
        for (auto it = cell.rbegin(); it != cell.rend(); ++it)
            if (it->normal() && it->identity == name) {
                cell.erase(std::next(it).base());
                return;
            }
        throw KorvenError(fault(alteration, QCoreApplication::translate("CellChromosomes", "no normal chromosome %1 is left to change").arg(name)));
    };

    std::vector<CellChromosome> added;
    for (const Alteration &alteration : line.alterations) {
        if (alteration.kind == Kind::Unpaintable)
            throw KorvenError(fault(alteration, QCoreApplication::translate("CellChromosomes", "cannot be painted (rings, dicentrics and the like are not drawn)")));
        if (alteration.kind == Kind::Gain) {
            for (const QString &name : alteration.chromosomes)
                added.push_back(normal(name));
            continue;
        }
        if (alteration.kind == Kind::Loss) {
            // A lost sex chromosome (45,X,-Y) is already missing from the written complement.
            for (const QString &name : alteration.chromosomes)
                if (!isSex(name))
                    removeNormal(name, alteration);
            continue;
        }
        QStringList centromeres;
        if (alteration.kind == Kind::Translocation)
            centromeres = alteration.chromosomes;
        else if (alteration.kind == Kind::Derivative)
            centromeres = {alteration.derivativeOf};
        else if (alteration.kind == Kind::Marker)
            centromeres = {QStringLiteral("mar")};
        else if (!alteration.chromosomes.isEmpty())
            centromeres = {alteration.chromosomes.first()};
        for (const QString &c : centromeres) {
            const QString source = alteration.kind == Kind::Marker ? QString() : c;
            const std::vector<Segment> segments = derivativeSegments(alteration, source);
            added.push_back({identityOf(alteration, c), c, segments});
        }
        // What the abnormal chromosomes take the place of.
        if (!alteration.gained && alteration.kind != Kind::Marker) {
            const QStringList replaced = alteration.kind == Kind::Derivative ? QStringList{alteration.derivativeOf}
                                                                             : alteration.chromosomes;
            for (const QString &name : replaced)
                if (!isSex(name))
                    removeNormal(name, alteration);
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
