#include "iscn/ideogram_layout.h"

#include "iscn/band_table.h"

#include <algorithm>
#include <cmath>

namespace korven::iscn {

double stainDarkness(const QString &stain)
{
    static const QList<QPair<QString, double>> darkness{
        {QStringLiteral("gneg"), 0.0},    {QStringLiteral("gpos25"), 0.3}, {QStringLiteral("gpos50"), 0.52},
        {QStringLiteral("gpos75"), 0.74}, {QStringLiteral("gpos100"), 0.95}, {QStringLiteral("gvar"), 0.85},
        {QStringLiteral("acen"), 0.35},   {QStringLiteral("stalk"), 0.05}};
    for (const auto &[name, value] : darkness)
        if (name == stain)
            return value;
    return 0.0;
}

std::optional<IdeogramChromosome> builtInIdeogram(int chromosome, int level)
{
    if (chromosome < 0 || chromosome >= ChromosomeCount)
        return std::nullopt;
    IdeogramChromosome out;
    for (const TableBand &b : builtInBands(level)) {
        if (b.chromosome != chromosome)
            continue;
        IdeogramBand band{b.arm, b.name, b.start, b.stop, stainDarkness(b.stain), BandShape::Plain};
        if (b.stain == QLatin1String("acen")) {
            band.shape = BandShape::Centromere;
            if (band.arm == QLatin1Char('p'))
                out.centromere = band.stop;
        } else if (b.stain == QLatin1String("stalk")) {
            band.shape = BandShape::Stalk;
        }
        out.name = chromosomeName(chromosome);
        out.length = std::max(out.length, band.stop);
        out.bands.append(band);
    }
    if (out.bands.isEmpty())
        return std::nullopt;
    return out;
}

std::optional<double> breakpointPosition(const IdeogramChromosome &chromosome, const Breakpoint &breakpoint)
{
    if (breakpoint.band == QLatin1String("10"))
        return chromosome.centromere;
    // The band with its sub-bands, else the coarser band of this level holding it.
    for (bool finer : {true, false}) {
        double start = 0, stop = -1;
        for (const IdeogramBand &b : chromosome.bands) {
            if (b.arm != breakpoint.arm
                || !(finer ? BandTable::within(b.name, breakpoint.band) : BandTable::within(breakpoint.band, b.name)))
                continue;
            start = stop < start ? b.start : std::min(start, b.start);
            stop = std::max(stop, b.stop);
        }
        if (stop >= start)
            return (start + stop) / 2;
    }
    return std::nullopt;
}

QList<IdeogramQuad> layOutIdeogram(const IdeogramChromosome &chromosome, QPointF top, double width,
                                   double pixelsPerUnit)
{
    QList<IdeogramQuad> quads;
    const double x = top.x();
    for (const IdeogramBand &band : chromosome.bands) {
        const double y0 = top.y() + band.start * pixelsPerUnit, y1 = top.y() + band.stop * pixelsPerUnit;
        double topHalf = width / 2, bottomHalf = width / 2;
        if (band.shape == BandShape::Centromere) {
            // Pinched towards the centromere.
            const bool above = band.stop <= chromosome.centromere + 1e-9;
            (above ? bottomHalf : topHalf) = width * 0.18;
        } else if (band.shape == BandShape::Stalk) {
            topHalf = bottomHalf = width * 0.15;
        }
        IdeogramQuad quad;
        quad.corners = {QPointF(x - topHalf, y0), QPointF(x + topHalf, y0), QPointF(x + bottomHalf, y1),
                        QPointF(x - bottomHalf, y1)};
        quad.grey = int(std::lround(250 - 215 * std::clamp(band.darkness, 0.0, 1.0)));
        quads.append(quad);
    }
    return quads;
}

} // namespace korven::iscn
