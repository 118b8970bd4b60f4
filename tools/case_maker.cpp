#include "tools/case_maker.h"

#include "cases/case_folder.h"

#include "files/errors.h"
#include "files/file_errors.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"
#include "tools/bmp_writer.h"
#include "tools/parallel_work.h"
#include "iscn/karyotype.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <map>

namespace korven {

namespace {

constexpr int MostCells = 100;               // a case is a few metaphases, never a culture
constexpr std::uint64_t CellStream = 5000;   // generator streams of a cell's own choices
constexpr std::uint64_t PieceStream = 6000;  // and of each chromosome in it
constexpr std::uint64_t OrderStream = 7000;  // the order of a mosaic's cells
constexpr double CondensationSpread = 0.06;  // pieces of one cell differ this much in condensation

void removeFolder(const QString &path)
{
    if (!path.isEmpty() && QFileInfo(path).isDir())
        QDir(path).removeRecursively();
}

// How far a checked cell may differ from what its karyotype says, beyond which check calls it wrong.
struct CellCheckLimits {
    // A derivative's painted length against the length its bands give, scaled as the cell's
    // normal chromosomes are painted: condensation varies 6 % between pieces, variable blocks
    // and the rounded, blurred ends add some more (up to 23 % seen over the catalogue); a wrong
    // segment changes it far more.
    double lengthTolerance = 0.25;
    // How much smaller and larger than the table a variable block may be painted (satellites
    // may be absent, stalks and heteromorphic blocks up to about twice the table's size).
    double variableLow = 0.3, variableHigh = 2.0;
    // Grey below which a pixel is chromosome when a piece's length is measured: leaves out the
    // faintest fringe of the blur.
    int bodyGrey = 236;
};

// The length a derivative's bands give: all of it, and the part of it in variable blocks
// (heterochromatin, acrocentric short arms), which one person has smaller or larger.
struct ExpectedLength {
    double units = 0;
    double variable = 0;
    // A heteromorphism's block (9qh+): its units, and how much larger or smaller than the table
    // a block so written is seen.
    double variant = 0;
    double variantLow = 1, variantHigh = 1;
    bool ring = false; // measured round its loop
};

// What a line of a karyotype puts in every cell, worked out from the written karyotype alone
// (not from what the painter builds): its count, the normal chromosomes by name and the
// abnormal ones by their designation, and the length each abnormal one has at the case's level.
struct ExpectedCell {
    int count = 0;
    QStringList identities; // sorted
    std::map<QString, ExpectedLength> lengths; // by designation; absent when unknown (a marker)
};

// Whether a band is a variable block: one whose size differs from person to person.
bool variableBand(const ChromosomeBands &chromosome, const Band &band)
{
    return band.stain == Stain::Gvar || band.stain == Stain::Stalk
           || (chromosome.acrocentric && band.shortArm && band.stain != Stain::Acen);
}

ExpectedCell expectedCell(const iscn::CellLine &line, const Ideogram &table, const Ideogram &finest)
{
    ExpectedCell cell;
    cell.count = line.count;
    std::map<QString, int> normal;
    for (int n = 1; n <= 22; ++n)
        normal[QString::number(n)] = iscn::ploidy(line.count);
    for (const QChar sex : line.sex)
        ++normal[QString(sex)];
    QStringList abnormal;
    const auto bands = [&](const QString &name) -> const ChromosomeBands & { return table.of(name); };
    const auto at = [&](const QString &name, const iscn::Breakpoint &b) {
        return placePosition(bands(name), b.text(), &finest.of(name));
    };
    // Adds the stretch of a chromosome from `from` to `to` (ISCN units from its p-arm end).
    const auto add = [&](ExpectedLength &length, const QString &name, double from, double to) {
        const ChromosomeBands &c = bands(name);
        if (from > to)
            std::swap(from, to);
        length.units += to - from;
        for (const Band &band : c.bands)
            if (variableBand(c, band))
                length.variable += std::max(0.0, std::min(band.stop, to) - std::max(band.start, from));
    };
    // A chromosome's part on the centromere's side of a break, and the part beyond it.
    const auto kept = [&](ExpectedLength &length, const QString &name, const iscn::Breakpoint &b) {
        const double x = at(name, b);
        b.arm == QLatin1Char('p') ? add(length, name, x, bands(name).length) : add(length, name, 0, x);
    };
    const auto distal = [&](ExpectedLength &length, const QString &name, const iscn::Breakpoint &b) {
        const double x = at(name, b);
        b.arm == QLatin1Char('p') ? add(length, name, 0, x) : add(length, name, x, bands(name).length);
    };
    // A translocation's derivative of the partner at `i`: its own part up to its break and the
    // part beyond the previous partner's break (the last partner's for the first).
    const auto translocated = [&](const iscn::Rearrangement &t, int i) {
        const int n = int(t.chromosomes.size()), from = (i + n - 1) % n;
        ExpectedLength length;
        kept(length, t.chromosomes[i], t.breakpoints[i]);
        distal(length, t.chromosomes[from], t.breakpoints[from]);
        return length;
    };
    const auto replace = [&](const QString &name) {
        if (!iscn::isSexChromosome(name))
            --normal[name];
    };
    // The whole of a chromosome, less (sign -1) or plus (+1) the stretch between two breaks.
    const auto whole = [&](const QString &name) {
        ExpectedLength length;
        add(length, name, 0, bands(name).length);
        return length;
    };
    const auto stretch = [&](ExpectedLength &length, const QString &name, const iscn::Breakpoint &a, const iscn::Breakpoint &b, int sign) {
        ExpectedLength part;
        add(part, name, at(name, a), at(name, b));
        length.units += sign * part.units;
        length.variable += sign * part.variable;
    };
    for (const iscn::Abnormality &a : line.abnormalities) {
        QString written = iscn::writeAbnormality(a);
        if (written.startsWith(QLatin1Char('+')) || written.startsWith(QLatin1Char('-')))
            written.remove(0, 1);
        if (a.kind == iscn::Kind::Numerical) {
            // A lost sex chromosome is already missing from the written complement.
            if (a.change > 0)
                ++normal[a.chromosomes.first()];
            else if (!iscn::isSexChromosome(a.chromosomes.first()))
                --normal[a.chromosomes.first()];
            continue;
        }
        if (a.kind == iscn::Kind::Marker) {
            abnormal << QStringLiteral("mar");
            continue;
        }
        if (a.kind == iscn::Kind::Translocation) {
            for (int i = 0; i < a.chromosomes.size(); ++i) {
                const QString name = QStringLiteral("der(%1)%2").arg(a.chromosomes[i], written);
                abnormal << name;
                cell.lengths[name] = translocated(a, i);
                if (a.change == 0)
                    replace(a.chromosomes[i]);
            }
            continue;
        }
        if (a.kind == iscn::Kind::Insertion && a.chromosomes.size() == 2) {
            // The receiving chromosome gains the segment the giving one loses.
            const QString &to = a.chromosomes[0], &from = a.chromosomes[1];
            ExpectedLength gained = whole(to), lost = whole(from);
            stretch(gained, from, a.breakpoints[1], a.breakpoints[2], +1);
            stretch(lost, from, a.breakpoints[1], a.breakpoints[2], -1);
            for (const auto &[name, length] : {std::pair{to, gained}, std::pair{from, lost}}) {
                const QString designation = QStringLiteral("der(%1)%2").arg(name, written);
                abnormal << designation;
                cell.lengths[designation] = length;
                if (a.change == 0)
                    replace(name);
            }
            continue;
        }
        const QString &first = a.chromosomes.first();
        const ChromosomeBands &c = bands(first);
        const QList<iscn::Breakpoint> &b = a.breakpoints;
        ExpectedLength length;
        abnormal << written;
        switch (a.kind) {
        case iscn::Kind::Deletion:
            if (b.size() == 1) {
                kept(length, first, b[0]);
            } else {
                const double x = std::min(at(first, b[0]), at(first, b[1])), y = std::max(at(first, b[0]), at(first, b[1]));
                add(length, first, 0, x), add(length, first, y, c.length);
            }
            cell.lengths[written] = length;
            break;
        case iscn::Kind::Duplication:
            add(length, first, 0, c.length), add(length, first, at(first, b[0]), at(first, b[1]));
            cell.lengths[written] = length;
            break;
        case iscn::Kind::Inversion:
            add(length, first, 0, c.length);
            cell.lengths[written] = length;
            break;
        case iscn::Kind::Isochromosome:
            for (int copy = 0; copy < 2; ++copy)
                b[0].arm == QLatin1Char('p') ? add(length, first, 0, c.centromere) : add(length, first, c.centromere, c.length);
            cell.lengths[written] = length;
            break;
        case iscn::Kind::Derivative: {
            if (a.derivation.isEmpty()) { // der(A;B): the two long arms from their breaks
                for (int i = 0; i < a.chromosomes.size() && i < b.size(); ++i)
                    add(length, a.chromosomes[i], at(a.chromosomes[i], b[i]), bands(a.chromosomes[i]).length);
                cell.lengths[written] = length;
                for (const QString &name : a.chromosomes)
                    if (a.change == 0)
                        replace(name);
                continue;
            }
            // Made by translocations: each takes the end beyond the chromosome's own break and
            // brings the previous partner's end.
            length = whole(first);
            bool known = true;
            for (const iscn::Rearrangement &t : a.derivation) {
                const int i = int(t.chromosomes.indexOf(first));
                known = known && t.kind == iscn::Kind::Translocation && i >= 0;
                if (!known)
                    break;
                const int from = (i + int(t.chromosomes.size()) - 1) % int(t.chromosomes.size());
                ExpectedLength lost, gained;
                distal(lost, first, t.breakpoints[i]);
                distal(gained, t.chromosomes[from], t.breakpoints[from]);
                length.units += gained.units - lost.units;
                length.variable += gained.variable - lost.variable;
            }
            if (known)
                cell.lengths[written] = length;
            break;
        }
        case iscn::Kind::Ring:
            length.ring = true;
            if (b.size() == 2) { // without breakpoints its length is not known
                add(length, first, at(first, b[0]), at(first, b[1]));
                cell.lengths[written] = length;
            }
            break;
        case iscn::Kind::Isodicentric:
            for (int copy = 0; copy < 2; ++copy)
                kept(length, first, b[0]);
            cell.lengths[written] = length;
            break;
        case iscn::Kind::Dicentric: // one chromosome in place of two
            kept(length, first, b[0]);
            kept(length, a.chromosomes[1], b[1]);
            cell.lengths[written] = length;
            if (a.change == 0)
                replace(a.chromosomes[1]);
            break;
        case iscn::Kind::Insertion: // within one chromosome: the segment moves, the length stays
            cell.lengths[written] = whole(first);
            break;
        case iscn::Kind::Heteromorphism: {
            // Its block larger or smaller than any normal homologue's; the block is what the
            // tables give for that region.
            length = whole(first);
            const iscn::Variant &v = a.variant;
            for (const Band &band : c.bands) {
                if (inVariantBlock(c, band, {v.arm, v.region, v.larger})) {
                    const double units = band.stop - band.start;
                    length.variant += units;
                    if (variableBand(c, band))
                        length.variable -= units;
                }
            }
            length.variantLow = v.larger ? 2.0 : 0;
            length.variantHigh = v.larger ? 3.0 : 0.6;
            cell.lengths[written] = length;
            break;
        }
        default:
            break;
        }
        if (a.change == 0)
            replace(first);
    }
    for (const auto &[name, copies] : normal)
        for (int k = 0; k < copies; ++k)
            cell.identities << name;
    cell.identities << abnormal;
    cell.identities.sort();
    return cell;
}

// Length in pixels of a painted piece along its body: the centre of each row's chromosome
// pixels, followed from the top row to the bottom one (pieces stand upright, tilted a little).
double paintedPieceLength(const QImage &image, int bodyGrey)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double length = 0;
    bool started = false;
    double lastX = 0, lastY = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        double sum = 0;
        int count = 0;
        for (int x = 0; x < grey.width(); ++x)
            if (row[x] < bodyGrey)
                sum += x, ++count;
        if (count == 0)
            continue;
        const double x = sum / count;
        if (started)
            length += std::hypot(x - lastX, y - lastY);
        else
            length = 1;
        started = true;
        lastX = x, lastY = y;
    }
    return length;
}

// The number of a piece's pixels darker than `bodyGrey`.
double paintedPieceArea(const QImage &image, int bodyGrey)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double area = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            area += row[x] < bodyGrey;
    }
    return area;
}

// The faults of one cell's derivatives whose painted length is not what their bands give: the
// cell's scale (pixels = a * units + b) is fitted on its normal chromosomes.
QStringList lengthFaults(const std::vector<QImage> &pieces, const std::vector<QString> &identities,
                         const ExpectedCell &expected, const Ideogram &table, const CellCheckLimits &limits)
{
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    int n = 0;
    for (size_t k = 0; k < pieces.size(); ++k) {
        if (pieces[k].isNull())
            continue;
        const int index = iscn::chromosomeIndex(identities[k]);
        if (index < 0)
            continue; // not a normal chromosome
        const double units = table.at(index).length, pixels = paintedPieceLength(pieces[k], limits.bodyGrey);
        sx += units, sy += pixels, sxx += units * units, sxy += units * pixels, ++n;
    }
    QStringList faults;
    if (n < 3 || n * sxx - sx * sx <= 0)
        return faults;
    const double a = (n * sxy - sx * sy) / (n * sxx - sx * sx), b = (sy - a * sx) / n;
    // A ring is measured by its area: the cell's normal chromosomes give the area a pixel of
    // length covers.
    std::vector<double> widths;
    for (size_t k = 0; k < pieces.size(); ++k)
        if (!pieces[k].isNull() && iscn::chromosomeIndex(identities[k]) >= 0)
            widths.push_back(paintedPieceArea(pieces[k], limits.bodyGrey) / std::max(1.0, paintedPieceLength(pieces[k], limits.bodyGrey)));
    std::nth_element(widths.begin(), widths.begin() + long(widths.size() / 2), widths.end());
    const double width = widths[widths.size() / 2];
    for (size_t k = 0; k < pieces.size(); ++k) {
        const auto length = expected.lengths.find(identities[k]);
        if (pieces[k].isNull() || length == expected.lengths.end())
            continue;
        // Its variable blocks may be smaller or larger, satellites missing, as the painter draws them.
        const ExpectedLength &e = length->second;
        const double fixed = e.units - e.variable - e.variant;
        const double shortest = a * (fixed + limits.variableLow * e.variable + e.variantLow * e.variant) + b;
        const double longest = a * (fixed + limits.variableHigh * e.variable + e.variantHigh * e.variant) + b;
        const double have = e.ring ? paintedPieceArea(pieces[k], limits.bodyGrey) / std::max(1.0, width)
                                   : paintedPieceLength(pieces[k], limits.bodyGrey);
        if (have < (1 - limits.lengthTolerance) * shortest || have > (1 + limits.lengthTolerance) * longest)
            faults << QCoreApplication::translate("CaseMaker", "%1 is painted %2 % as long as its bands give").arg(identities[k]).arg(qRound(100 * have / std::max(a * e.units + b, 1.0)));
    }
    return faults;
}

} // namespace

std::vector<int> cellLines(const KaryotypeLines &lines, int cells, std::uint64_t seed, int firstLine)
{
    if (lines.empty())
        throw KorvenError(QCoreApplication::translate("CaseMaker", "the karyotype has no cell line"));
    if (firstLine < 0 || firstLine >= int(lines.size()))
        throw KorvenError(QCoreApplication::translate("CaseMaker", "cell 1 cannot be of line %1: the karyotype has %2 line(s)").arg(firstLine + 1).arg(lines.size()));
    int counted = 0, total = 0;
    for (const iscn::CellLine &line : lines)
        counted += line.cells > 0, total += std::max(0, line.cells);
    std::vector<int> order;
    if (counted == 0 && lines.size() == 1) {
        if (cells < 1 || cells > MostCells)
            throw KorvenError(QCoreApplication::translate("CaseMaker", "a case has 1 to %1 cells, not %2").arg(MostCells).arg(cells));
        return std::vector<int>(size_t(cells), 0);
    }
    if (counted != int(lines.size()))
        throw KorvenError(QCoreApplication::translate("CaseMaker", "every line of a mosaic needs its cell count in brackets, as in 45,X[3]/46,XX[17]"));
    if (total > MostCells)
        throw KorvenError(QCoreApplication::translate("CaseMaker", "the counts add up to %1 cells; a case has at most %2").arg(total).arg(MostCells));
    if (lines[size_t(firstLine)].cells < 1)
        throw KorvenError(QCoreApplication::translate("CaseMaker", "cell 1 cannot be of line %1, which counts no cell").arg(firstLine + 1));
    for (int l = 0; l < int(lines.size()); ++l)
        order.insert(order.end(), size_t(lines[l].cells), l);
    // Cell 1 is of the chosen line; the others are shuffled so the lines mix as in a culture.
    std::swap(order[0], *std::find(order.begin(), order.end(), firstLine));
    Rng rng = Rng::from(seed, OrderStream);
    for (int i = int(order.size()) - 1; i > 1; --i)
        std::swap(order[i], order[rng.integer(1, i)]);
    return order;
}

std::vector<Ideogram> loadCaseIdeograms(const QString &dataDir)
{
    std::vector<Ideogram> tables;
    for (int level : ideogramLevels())
        tables.push_back(parseIdeogram(ideogramPath(dataDir, level), level, TableGaps::Kept));
    std::vector<Ideogram> filled = tables;
    for (Ideogram &table : filled) {
        std::vector<const Ideogram *> others;
        for (const Ideogram &other : tables)
            if (other.level != table.level)
                others.push_back(&other);
        fillTableGaps(table, others);
    }
    for (size_t i = 1; i < filled.size(); ++i)
        inheritParentStains(filled[i], filled.front());
    return filled;
}

namespace {

constexpr double SmallestVisibleShare = 0.03; // of its chromosome: a smaller change is not seen

// A stretch of one chromosome between two places a karyotype names ("pter", "q23").
struct Stretch {
    QString chromosome, from, to;
};

// The stretches a structural change loses, copies, turns or moves; a translocation's one for
// each partner. Empty for whole chromosomes, isochromosomes, Robertsonians, markers and
// heteromorphisms, which always show.
std::vector<Stretch> changedStretches(const iscn::Abnormality &abnormality)
{
    const auto end = [](const iscn::Breakpoint &b) {
        return b.arm == QLatin1Char('q') ? QStringLiteral("qter") : QStringLiteral("pter");
    };
    std::vector<Stretch> stretches;
    switch (abnormality.kind) {
    case iscn::Kind::Deletion:
    case iscn::Kind::Duplication:
    case iscn::Kind::Inversion: {
        const QList<iscn::Breakpoint> &b = abnormality.breakpoints;
        stretches.push_back({abnormality.chromosomes.first(), b[0].text(), b.size() > 1 ? b[1].text() : end(b[0])});
        break;
    }
    case iscn::Kind::Derivative:
        // der(N) shows when one of the translocations that made it does.
        for (const iscn::Rearrangement &r : abnormality.derivation)
            if (r.kind == iscn::Kind::Translocation)
                for (int i = 0; i < r.chromosomes.size() && i < r.breakpoints.size(); ++i)
                    stretches.push_back({r.chromosomes[i], r.breakpoints[i].text(), end(r.breakpoints[i])});
        break;
    case iscn::Kind::Translocation:
    case iscn::Kind::Dicentric:
    case iscn::Kind::Isodicentric:
    case iscn::Kind::Addition: // what is lost beyond each break
        for (int i = 0; i < abnormality.breakpoints.size(); ++i)
            stretches.push_back({abnormality.chromosomes.value(i, abnormality.chromosomes.first()),
                                 abnormality.breakpoints[i].text(), end(abnormality.breakpoints[i])});
        break;
    case iscn::Kind::Ring: // the ends lost beyond the breaks
        for (const iscn::Breakpoint &b : abnormality.breakpoints)
            stretches.push_back({abnormality.chromosomes.first(), b.text(), end(b)});
        break;
    case iscn::Kind::Insertion: // the segment moved
        stretches.push_back({abnormality.chromosomes.last(), abnormality.breakpoints[1].text(), abnormality.breakpoints[2].text()});
        break;
    default:
        break;
    }
    return stretches;
}

// Whether banding at the table's level shows a stretch: a whole band lies between the bands of
// its two ends, and it is not too small a share of its chromosome.
bool showsAt(const Stretch &stretch, const Ideogram &table, const Ideogram &finest)
{
    const ChromosomeBands &chromosome = table.of(stretch.chromosome);
    std::pair<double, double> a = bandExtent(chromosome, stretch.from), b = bandExtent(chromosome, stretch.to);
    if (a.first > b.first)
        std::swap(a, b);
    bool wholeBand = false;
    for (const Band &band : chromosome.bands)
        wholeBand = wholeBand || (band.start >= a.second - 1e-6 && band.stop <= b.first + 1e-6 && band.stop > band.start);
    const ChromosomeBands *fine = &finest.of(stretch.chromosome);
    const double size = std::abs(placePosition(chromosome, stretch.to, fine) - placePosition(chromosome, stretch.from, fine));
    return wholeBand && size >= SmallestVisibleShare * chromosome.length;
}

} // namespace

std::vector<HiddenChange> hiddenChanges(const KaryotypeLines &lines, int level, const std::vector<Ideogram> &ideograms)
{
    const Ideogram &finest = ideogramAt(ideograms, ideogramLevels().back());
    std::vector<HiddenChange> hidden;
    QStringList seen;
    for (const iscn::CellLine &line : lines) {
        for (const iscn::Abnormality &abnormality : line.abnormalities) {
            const std::vector<Stretch> stretches = changedStretches(abnormality);
            QString text = iscn::writeAbnormality(abnormality);
            if (text.startsWith(QLatin1Char('+')))
                text.remove(0, 1);
            if (stretches.empty() || seen.contains(text))
                continue;
            seen << text;
            const auto shows = [&](int at) {
                return std::any_of(stretches.begin(), stretches.end(),
                                   [&](const Stretch &s) { return showsAt(s, ideogramAt(ideograms, at), finest); });
            };
            if (shows(level))
                continue;
            HiddenChange change{text, 0};
            for (int at : ideogramLevels())
                if (at > level && shows(at)) {
                    change.visibleFrom = at;
                    break;
                }
            hidden.push_back(change);
        }
    }
    return hidden;
}

QString hiddenChangeWarning(const HiddenChange &hidden, int level)
{
    const QString why = QCoreApplication::translate("CaseMaker", "%1 is smaller than %2 bands show (less than one band, or under 3 % of its chromosome)").arg(hidden.change).arg(level);
    if (hidden.visibleFrom > 0)
        return QCoreApplication::translate("CaseMaker", "%1; it shows at %2 bands").arg(why).arg(hidden.visibleFrom);
    return QCoreApplication::translate("CaseMaker", "%1; no band level shows it (FISH or a microarray finds it)").arg(why);
}

const Ideogram &ideogramAt(const std::vector<Ideogram> &ideograms, int level)
{
    for (const Ideogram &ideogram : ideograms)
        if (ideogram.level == level)
            return ideogram;
    QStringList levels;
    for (const Ideogram &ideogram : ideograms)
        levels << QString::number(ideogram.level);
    throw KorvenError(QCoreApplication::translate("CaseMaker", "there is no ideogram table for %1 bands (tables: %2)").arg(level).arg(levels.join(QStringLiteral(", "))));
}

SplicedChromosome buildChromosome(const CellChromosome &chromosome, const Ideogram &ideogram, const Ideogram &finest,
                                  Rng &rng)
{
    // One homologue per source chromosome, drawn in the order the segments name them.
    std::map<QString, Homologue> sources;
    try {
        for (const Segment &segment : chromosome.segments)
            if (!sources.count(segment.chromosome))
                sources.emplace(segment.chromosome, randomHomologue(ideogram.of(segment.chromosome), rng));
        if (chromosome.variant) {
            const QString &name = chromosome.segments.front().chromosome;
            const iscn::Variant &v = *chromosome.variant;
            sources[name] = variedHomologue(ideogram.of(name), sources.at(name), {v.arm, v.region, v.larger}, rng);
        }
        SplicedChromosome spliced = spliceSegments(chromosome.segments, chromosome.identity,
                                                   [&](const QString &name) -> const Homologue & { return sources.at(name); },
                                                   finest, chromosome.centromeres);
        spliced.homologue.ring = chromosome.ring;
        return spliced;
    } catch (const KorvenError &e) {
        throw KorvenError(QCoreApplication::translate("CaseMaker", "%1 cannot be painted: %2").arg(chromosome.identity, e.message()));
    }
}

PaintedCell paintCell(const std::vector<CellChromosome> &chromosomes, const Ideogram &ideogram, const Ideogram &finest,
                      std::uint64_t seed, int cell, int threads)
{
    PaintedCell painted;
    painted.chromosomes = chromosomes;
    Rng cellRng = Rng::from(seed, CellStream + std::uint64_t(cell));
    const MetaphaseStyle style = randomMetaphaseStyle(cellRng, ideogram);
    const int n = int(chromosomes.size());
    painted.spliced.resize(size_t(n));
    painted.pieces.resize(size_t(n));
    runParallel(n, threads, [&](int k) {
        Rng rng = Rng::from(seed, CellStream + std::uint64_t(cell), PieceStream + std::uint64_t(k));
        painted.spliced[k] = buildChromosome(chromosomes[k], ideogram, finest, rng);
        ChromosomeLook look = randomChromosomeLook(rng, style, paintedLength(painted.spliced[k].homologue.bands, style));
        look.lengthFactor = rng.uniform(1 - CondensationSpread, 1 + CondensationSpread);
        painted.pieces[k] = paintChromosome(painted.spliced[k].homologue, style, look);
    });
    painted.spread = layOutSpread(painted.pieces, cellRng);
    return painted;
}

QString casePieceFileName(int cell, int piece)
{
    return QStringLiteral("%1-%2.bmp").arg(cell).arg(piece + 1, 2, 10, QLatin1Char('0'));
}

bool isPlainFolderName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\'));
}

void makeCase(const CaseRecipe &recipe, const std::vector<Ideogram> &ideograms, const QString &outDir,
              const QString &name, bool replace, int threads)
{
    if (!isPlainFolderName(name))
        throw KorvenError(QCoreApplication::translate("CaseMaker", "\"%1\" is not a plain folder name").arg(name));
    QDir out(outDir);
    const QString target = out.filePath(name);
    if (QFileInfo::exists(target) && !replace)
        throw KorvenError(QCoreApplication::translate("CaseMaker", "%1 already exists").arg(target));

    // Everything that can be refused is settled before anything is written.
    const Ideogram &ideogram = ideogramAt(ideograms, recipe.level);
    const Ideogram &finest = ideogramAt(ideograms, ideogramLevels().back());
    const std::vector<int> lineOfCell = cellLines(recipe.lines, recipe.cells, recipe.seed, recipe.firstLine);
    std::vector<std::vector<CellChromosome>> lineChromosomes;
    for (const iscn::CellLine &line : recipe.lines) {
        lineChromosomes.push_back(cellChromosomes(line));
        Rng probe(0);
        for (const CellChromosome &c : lineChromosomes.back())
            buildChromosome(c, ideogram, finest, probe);
    }

    std::vector<PaintedCell> cells;
    for (int c = 0; c < int(lineOfCell.size()); ++c)
        cells.push_back(paintCell(lineChromosomes[lineOfCell[c]], ideogram, finest, recipe.seed, c, threads));

    makeFolders(outDir);
    const QString building = out.filePath(QStringLiteral(".%1.building").arg(name));
    removeFolder(building); // left by a run that was killed
    makeFolders(building);
    try {
        CaseFile file;
        file.karyotype = recipe.karyotype;
        file.level = recipe.level;
        file.notes = recipe.notes;
        file.notesJa = recipe.notesJa;
        std::vector<std::pair<QString, const QImage *>> bitmaps;
        for (int c = 0; c < int(cells.size()); ++c) {
            file.spreads.push_back(cells[c].spread.size);
            for (int k = 0; k < int(cells[c].pieces.size()); ++k) {
                const Placement &at = cells[c].spread.placements[k];
                file.pieces.push_back({c + 1, casePieceFileName(c + 1, k), cells[c].chromosomes[k].identity,
                                       at.centre.x(), at.centre.y(), at.step});
                bitmaps.emplace_back(QDir(building).filePath(file.pieces.back().file), &cells[c].pieces[k]);
            }
        }
        runParallel(int(bitmaps.size()), threads, [&](int i) { writeGeneratedBitmap(bitmaps[i].first, *bitmaps[i].second); });
        writeFileAtomically(caseFilePath(building), formatCaseFile(file).join(QLatin1Char('\n')).append(QLatin1Char('\n')).toUtf8());

        // Into place: the old folder (when replacing) goes aside first and only then away.
        const QString old = out.filePath(QStringLiteral(".%1.old").arg(name));
        removeFolder(old);
        const bool hadOld = QFileInfo::exists(target);
        if (hadOld)
            renameEntry(out.filePath(name), old);
        try {
            renameEntry(building, out.filePath(name));
        } catch (const KorvenError &) {
            if (hadOld)
                out.rename(QFileInfo(old).fileName(), name);
            throw;
        }
        flushFolder(outDir);
        removeFolder(old);
    } catch (...) {
        removeFolder(building);
        throw;
    }
}

QStringList checkCase(const QString &folder, const std::vector<Ideogram> &ideograms,
                      const std::function<KaryotypeLines(const QString &)> &readLines)
{
    QStringList faults;
    const QString path = caseFilePath(folder);
    CaseFolder file;
    try {
        file = readCaseFolder(folder, &faults);
    } catch (const KorvenError &e) {
        return {e.message()};
    }

    // The bitmaps: each listed one present and sound, each one present listed. They are loaded
    // by the case window's own reader, within the pixels a case may load.
    QSet<QString> listed;
    CasePixelBudget budget;
    std::vector<std::vector<QImage>> cellPieces(file.spreads.size());
    std::vector<std::vector<QString>> cellIdentities(file.spreads.size());
    std::vector<std::vector<int>> cellIndexes(file.spreads.size());
    for (size_t index = 0; index < file.pieces.size(); ++index) {
        const CasePiece &piece = file.pieces[index];
        listed.insert(piece.file);
        QImage image;
        try {
            image = loadCasePiece(file, piece, budget);
        } catch (const KorvenError &e) {
            faults << e.message();
        }
        cellPieces[piece.cell - 1].push_back(image);
        cellIdentities[piece.cell - 1].push_back(piece.identity);
        cellIndexes[piece.cell - 1].push_back(int(index));
    }
    const QStringList present = QDir(folder).entryList({QStringLiteral("*.bmp"), QStringLiteral("*.BMP")}, QDir::Files);
    for (const QString &name : present)
        if (!listed.contains(name))
            faults << QCoreApplication::translate("CaseMaker", "%1: not listed in case.txt").arg(QDir(folder).filePath(name));

    // The spreads: nothing overlapping, nothing outside.
    for (size_t c = 0; c < file.spreads.size(); ++c) {
        Spread spread{file.spreads[c], {}};
        std::vector<QImage> pieces;
        std::vector<QString> names;
        for (size_t k = 0; k < cellPieces[c].size(); ++k) {
            if (cellPieces[c][k].isNull())
                continue;
            const CasePiece &piece = file.pieces[size_t(cellIndexes[c][k])];
            pieces.push_back(cellPieces[c][k]);
            names.push_back(piece.file);
            spread.placements.push_back({QPoint(piece.x, piece.y), piece.step});
        }
        const SpreadFaults found = spreadFaults(pieces, spread);
        for (const auto &[a, b] : found.overlaps)
            faults << QCoreApplication::translate("CaseMaker", "%1: cell %2: %3 overlaps %4").arg(path).arg(c + 1).arg(names[size_t(b)], names[size_t(a)]);
        for (int i : found.outside)
            faults << QCoreApplication::translate("CaseMaker", "%1: cell %2: %3 reaches outside the spread").arg(path).arg(c + 1).arg(names[size_t(i)]);
    }

    // The cells against the karyotype.
    bool known = false;
    if (file.level > 0) {
        for (const Ideogram &ideogram : ideograms)
            known = known || ideogram.level == file.level;
        if (!known)
            faults << QCoreApplication::translate("CaseMaker", "%1: there is no ideogram table for level %2").arg(path).arg(file.level);
    }
    if (file.karyotype.isEmpty())
        return faults;
    // Each cell judged from the written karyotype itself, not from what the painter builds.
    std::vector<ExpectedCell> expected;
    std::vector<int> writtenCells;
    try {
        const KaryotypeLines lines = readLines(file.karyotype); // refuses what cannot be made into a case
        // A level without a table is a fault of its own (above); the lengths are then those of the coarsest.
        const Ideogram &table = ideogramAt(ideograms, known ? file.level : ideogramLevels().front());
        const Ideogram &finest = ideogramAt(ideograms, ideogramLevels().back());
        for (const iscn::CellLine &line : lines) {
            expected.push_back(expectedCell(line, table, finest));
            writtenCells.push_back(line.cells);
        }
    } catch (const KorvenError &e) {
        return faults << QCoreApplication::translate("CaseMaker", "%1: karyotype %2: %3").arg(path, file.karyotype, e.message());
    }
    const CellCheckLimits limits;
    std::vector<int> cellsOfLine(expected.size(), 0);
    for (size_t c = 0; c < file.spreads.size(); ++c) {
        QStringList have(cellIdentities[c].begin(), cellIdentities[c].end());
        have.sort();
        const auto match = std::find_if(expected.begin(), expected.end(), [&](const ExpectedCell &e) { return e.identities == have; });
        if (match == expected.end()) {
            QStringList counts;
            for (const ExpectedCell &e : expected)
                counts << QString::number(e.count);
            faults << QCoreApplication::translate("CaseMaker", "%1: cell %2 holds %3 chromosomes that are not those of %4 (%5 chromosomes)")
                          .arg(path).arg(c + 1).arg(have.size()).arg(file.karyotype, counts.join(QStringLiteral(" or ")));
            continue;
        }
        ++cellsOfLine[size_t(match - expected.begin())];
        if (int(have.size()) != match->count)
            faults << QCoreApplication::translate("CaseMaker", "%1: cell %2 holds %3 chromosomes where its line counts %4").arg(path).arg(c + 1).arg(have.size()).arg(match->count);
        for (const QString &fault : lengthFaults(cellPieces[c], cellIdentities[c], *match,
                                                 ideogramAt(ideograms, known ? file.level : ideogramLevels().front()), limits))
            faults << QCoreApplication::translate("CaseMaker", "%1: cell %2: %3").arg(path).arg(c + 1).arg(fault);
    }
    for (size_t l = 0; l < expected.size(); ++l)
        if (writtenCells[l] > 0 && cellsOfLine[l] != writtenCells[l])
            faults << QCoreApplication::translate("CaseMaker", "%1: %2 cell(s) of line %3 where the karyotype counts %4").arg(path).arg(cellsOfLine[l]).arg(l + 1).arg(writtenCells[l]);
    return faults;
}

} // namespace korven
