#include "tools/ideogram.h"

#include "exercise/errors.h"
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

Ideogram parseIdeogram(const QString &path, int level)
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
