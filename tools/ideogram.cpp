#include "tools/ideogram.h"

#include "files/errors.h"
#include "files/text_file.h"
#include "iscn/band_table.h"
#include "iscn/chromosome.h"
#include "iscn/ideogram_layout.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <algorithm>

namespace korven {

namespace {

// The bundled tables are some tens of kilobytes; anything far larger is not a table.
constexpr qint64 MaxIdeogramTableBytes = 4 * 1024 * 1024;

// Closes the gaps some tables leave between bands: each neighbour takes half of the gap.
void closeGaps(std::vector<Band> &bands)
{
    for (size_t i = 1; i < bands.size(); ++i) {
        const double gap = bands[i].start - bands[i - 1].stop;
        if (gap != 0) {
            const double middle = bands[i - 1].stop + gap / 2;
            bands[i - 1].stop = middle;
            bands[i].start = middle;
        }
    }
}

} // namespace

const ChromosomeBands &Ideogram::of(const QString &name) const
{
    const int index = iscn::chromosomeIndex(name);
    if (index < 0 || size_t(index) >= chromosomes.size())
        throw KorvenError(QCoreApplication::translate("BandSplice", "there is no chromosome %1").arg(name));
    return chromosomes[size_t(index)];
}

const std::vector<int> &ideogramLevels()
{
    static const std::vector<int> levels = {400, 550, 850};
    return levels;
}

QString ideogramPath(const QString &dataDir, int level)
{
    return dataDir + QStringLiteral("/human-ideogram-bands-%1.tsv").arg(level);
}

Ideogram parseIdeogram(const QString &path, int level, TableGaps gaps)
{
    const QString text = QString::fromUtf8(readRegularFile(path, MaxIdeogramTableBytes));
    QString why;
    const std::optional<QList<iscn::TableBand>> table = iscn::readBandTable(text, &why);
    if (!table)
        throw KorvenError(QStringLiteral("%1 %2").arg(path, why));

    Ideogram ideogram;
    ideogram.level = level;
    ideogram.chromosomes.resize(iscn::ChromosomeCount);
    for (int i = 0; i < iscn::ChromosomeCount; ++i)
        ideogram.chromosomes[i].name = iscn::chromosomeName(i);

    for (const iscn::TableBand &row : *table) {
        const auto fail = [&](const QString &what) {
            return KorvenError(QStringLiteral("%1 line %2: %3").arg(path).arg(row.line).arg(what));
        };
        Band band;
        band.shortArm = row.arm == QLatin1Char('p');
        band.name = row.name;
        band.start = row.start;
        band.stop = row.stop;
        band.stain = Stain(iscn::stainNames().indexOf(row.stain));
        band.parentStain = band.stain;
        band.bpStart = row.bpStart; // 0 when unreadable: then no parent is found
        band.bpStop = row.bpStop;

        auto &bands = ideogram.chromosomes[row.chromosome].bands;
        if (!bands.empty()) {
            if (band.start < bands.back().stop)
                throw fail(QStringLiteral("band %1 overlaps the band before it").arg(band.name));
            if (band.shortArm && !bands.back().shortArm)
                throw fail(QStringLiteral("p-arm band %1 after the q arm").arg(band.name));
        }
        bands.push_back(band);
    }

    for (auto &chromosome : ideogram.chromosomes) {
        auto &bands = chromosome.bands;
        if (bands.empty())
            throw KorvenError(QStringLiteral("%1: no bands for chromosome %2").arg(path, chromosome.name));
        if (gaps == TableGaps::Shared)
            closeGaps(bands);
        const double origin = bands.front().start;
        for (auto &band : bands) {
            band.start -= origin;
            band.stop -= origin;
        }
        chromosome.length = bands.back().stop;
        bool pAcen = false, qAcen = false;
        for (const auto &band : bands) {
            if (band.stain == Stain::Acen) {
                if (band.shortArm) {
                    pAcen = true;
                    chromosome.centromere = band.stop;
                } else {
                    qAcen = true;
                }
            }
            if (band.stain == Stain::Stalk)
                chromosome.acrocentric = true;
        }
        if (!pAcen || !qAcen)
            throw KorvenError(QStringLiteral("%1: chromosome %2 has no centromere (acen bands on both arms)")
                                  .arg(path, chromosome.name));
    }
    return ideogram;
}

void fillTableGaps(Ideogram &table, const std::vector<const Ideogram *> &others)
{
    // The coarser tables first, the nearest level first; then the finer ones, nearest first.
    std::vector<const Ideogram *> order = others;
    std::sort(order.begin(), order.end(), [&](const Ideogram *a, const Ideogram *b) {
        const bool coarserA = a->level < table.level, coarserB = b->level < table.level;
        if (coarserA != coarserB)
            return coarserA;
        return std::abs(a->level - table.level) < std::abs(b->level - table.level);
    });
    for (size_t c = 0; c < table.chromosomes.size(); ++c) {
        std::vector<Band> &bands = table.chromosomes[c].bands;
        std::vector<Band> filled;
        for (size_t i = 0; i < bands.size(); ++i) {
            if (i > 0 && bands[i].start > bands[i - 1].stop) {
                const double from = bands[i - 1].stop, to = bands[i].start;
                bool covered = false;
                for (const Ideogram *other : order) {
                    if (c >= other->chromosomes.size())
                        continue;
                    std::vector<Band> pieces;
                    double reached = from;
                    for (const Band &band : other->chromosomes[c].bands) {
                        const double start = std::max(band.start, from), stop = std::min(band.stop, to);
                        if (stop <= start)
                            continue;
                        if (start > reached + 1e-9)
                            break; // that table has a gap here too
                        Band piece = band;
                        piece.start = start;
                        piece.stop = stop;
                        // A centromere band of the coarser table away from this table's centromere
                        // (11p11.1 at 400 holds 11p11.12 at 550) takes its sub-band's stain here.
                        const bool besideCentromere = bands[i - 1].stain == Stain::Acen || bands[i].stain == Stain::Acen;
                        if (piece.stain == Stain::Acen && !besideCentromere)
                            for (const Band *side : {&bands[i - 1], &bands[i]})
                                if (iscn::BandTable::within(side->name, piece.name) && side->shortArm == piece.shortArm)
                                    piece.stain = side->stain;
                        piece.parentStain = piece.stain;
                        piece.bpStart = piece.bpStop = bands[i].bpStart; // holds no base pairs of its own
                        pieces.push_back(piece);
                        reached = stop;
                    }
                    if (reached >= to - 1e-9) {
                        filled.insert(filled.end(), pieces.begin(), pieces.end());
                        covered = true;
                        break;
                    }
                }
                if (!covered)
                    throw KorvenError(QStringLiteral("the %1-band table leaves a gap in chromosome %2 from %3 to %4 that no other table covers")
                                          .arg(table.level).arg(table.chromosomes[c].name).arg(from).arg(to));
            }
            filled.push_back(bands[i]);
        }
        bands = filled;
    }
}

double stainDensity(Stain stain)
{
    return iscn::stainDarkness(iscn::stainNames().at(qsizetype(stain)));
}

void inheritParentStains(Ideogram &fine, const Ideogram &coarse)
{
    for (size_t c = 0; c < fine.chromosomes.size() && c < coarse.chromosomes.size(); ++c) {
        for (Band &band : fine.chromosomes[c].bands) {
            double most = 0;
            for (const Band &parent : coarse.chromosomes[c].bands) {
                const double overlap = std::min(band.bpStop, parent.bpStop) - std::max(band.bpStart, parent.bpStart);
                if (overlap > most)
                    most = overlap, band.parentStain = parent.stain;
            }
        }
    }
}

double bandDensity(const Band &band)
{
    // Share of a dark band's stain its light sub-bands keep: a light sub-band narrower than the
    // optics' blur would otherwise pale the whole landmark.
    constexpr double LightPartShare = 0.45;
    const double own = stainDensity(band.stain);
    const bool darkParent = band.parentStain == Stain::Gpos50 || band.parentStain == Stain::Gpos75
                            || band.parentStain == Stain::Gpos100 || band.parentStain == Stain::Gvar;
    if (!darkParent || band.stain == Stain::Acen || band.stain == Stain::Stalk || band.stain == Stain::Gvar)
        return own;
    const double parent = stainDensity(band.parentStain);
    return band.stain == Stain::Gneg ? LightPartShare * parent : std::max(own, parent);
}

} // namespace korven
