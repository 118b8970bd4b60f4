#include "tools/band_splice.h"

#include "files/errors.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace korven {

namespace {

constexpr double ShortestPiece = 1; // ISCN units; a shorter cut piece is a rounding remnant

struct Span {
    double start = 0, stop = -1;
    bool valid() const { return stop >= start; }
};

// The extent of the bands on one arm whose names are `band` or start with it (its children).
Span bandSpan(const ChromosomeBands &chromosome, bool shortArm, const QString &band)
{
    Span span;
    for (const Band &b : chromosome.bands) {
        if (b.shortArm != shortArm || !b.name.startsWith(band))
            continue;
        if (!span.valid())
            span = {b.start, b.stop};
        span.start = std::min(span.start, b.start);
        span.stop = std::max(span.stop, b.stop);
    }
    return span;
}

QString noSuchBand(const ChromosomeBands &chromosome, const QString &place)
{
    return QCoreApplication::translate("BandSplice", "chromosome %1 has no band %2").arg(chromosome.name, place);
}

} // namespace

double placePosition(const ChromosomeBands &chromosome, const QString &place, const ChromosomeBands *finest)
{
    if (place == QLatin1String("pter"))
        return 0;
    if (place == QLatin1String("qter"))
        return chromosome.length;
    if (place == QLatin1String("cen") || place == QLatin1String("p10") || place == QLatin1String("q10"))
        return chromosome.centromere;
    if (place.size() < 2 || (place[0] != QLatin1Char('p') && place[0] != QLatin1Char('q')))
        throw KorvenError(noSuchBand(chromosome, place));
    const bool shortArm = place[0] == QLatin1Char('p');
    const QString band = place.mid(1);
    const Span named = bandSpan(chromosome, shortArm, band);
    if (named.valid())
        return (named.start + named.stop) / 2;

    // A finer band than this table has: its coarser band here, and where inside it the finer
    // table puts the named band.
    for (QString coarse = band.chopped(1); !coarse.isEmpty(); coarse.chop(1)) {
        if (coarse.endsWith(QLatin1Char('.')))
            continue;
        const Span here = bandSpan(chromosome, shortArm, coarse);
        if (!here.valid())
            continue;
        double fraction = 0.5;
        if (finest) {
            const Span fine = bandSpan(*finest, shortArm, band), parent = bandSpan(*finest, shortArm, coarse);
            if (!fine.valid() || !parent.valid() || parent.stop <= parent.start)
                throw KorvenError(noSuchBand(chromosome, place));
            fraction = ((fine.start + fine.stop) / 2 - parent.start) / (parent.stop - parent.start);
        }
        return here.start + fraction * (here.stop - here.start);
    }
    throw KorvenError(noSuchBand(chromosome, place));
}

std::pair<double, double> bandExtent(const ChromosomeBands &chromosome, const QString &place)
{
    if (place == QLatin1String("pter"))
        return {0, 0};
    if (place == QLatin1String("qter"))
        return {chromosome.length, chromosome.length};
    if (place == QLatin1String("cen") || place == QLatin1String("p10") || place == QLatin1String("q10"))
        return {chromosome.centromere, chromosome.centromere};
    if (place.size() >= 2 && (place[0] == QLatin1Char('p') || place[0] == QLatin1Char('q'))) {
        const bool shortArm = place[0] == QLatin1Char('p');
        for (QString band = place.mid(1); band.size() >= 2; band.chop(1)) {
            if (band.endsWith(QLatin1Char('.')))
                continue;
            const Span span = bandSpan(chromosome, shortArm, band);
            if (span.valid())
                return {span.start, span.stop};
        }
    }
    throw KorvenError(noSuchBand(chromosome, place));
}

SplicedChromosome splicePieces(const std::vector<SourcePiece> &pieces, const QString &name, int centromeres)
{
    SplicedChromosome result;
    ChromosomeBands &out = result.homologue.bands;
    out.name = name;
    std::vector<QString> sourceNames;
    double at = 0;
    for (const SourcePiece &piece : pieces) {
        const ChromosomeBands &source = piece.source->bands;
        const double low = std::clamp(std::min(piece.from, piece.to), 0.0, source.length);
        const double high = std::clamp(std::max(piece.from, piece.to), 0.0, source.length);
        if (high - low < ShortestPiece)
            continue;
        if (at > 0)
            result.junctions.push_back(at);
        const bool reversed = piece.from > piece.to;
        std::vector<size_t> order;
        for (size_t b = 0; b < source.bands.size(); ++b)
            if (std::min(source.bands[b].stop, high) - std::max(source.bands[b].start, low) > 0)
                order.push_back(b);
        if (reversed)
            std::reverse(order.begin(), order.end());
        for (size_t b : order) {
            const Band &band = source.bands[b];
            const double size = std::min(band.stop, high) - std::max(band.start, low);
            Band cut = band;
            cut.start = at;
            cut.stop = at += size;
            out.bands.push_back(cut);
            result.homologue.darkness.push_back(piece.source->darkness[b]);
            result.labels << source.name + (band.shortArm ? QLatin1Char('p') : QLatin1Char('q')) + band.name;
        }
    }
    out.length = at;

    // One run of acen bands makes one centromere.
    std::vector<std::pair<int, int>> runs; // first and last band of each
    for (int b = 0; b < int(out.bands.size()); ++b) {
        if (out.bands[b].stain != Stain::Acen)
            continue;
        if (runs.empty() || runs.back().second != b - 1)
            runs.emplace_back(b, b);
        runs.back().second = b;
    }
    if (runs.empty())
        throw KorvenError(QCoreApplication::translate("BandSplice", "%1 keeps no centromere").arg(name));
    if (int(runs.size()) > centromeres)
        throw KorvenError(QCoreApplication::translate("BandSplice", "%1 keeps more than one centromere").arg(name));
    if (int(runs.size()) < centromeres)
        throw KorvenError(QCoreApplication::translate("BandSplice", "%1 keeps one centromere, not two").arg(name));
    const auto middle = [&](const std::pair<int, int> &run) {
        return run.second > run.first ? out.bands[run.first].stop : (out.bands[run.first].start + out.bands[run.first].stop) / 2;
    };
    out.centromere = middle(runs.front());
    if (runs.size() > 1)
        result.homologue.secondCentromere = middle(runs.back());
    int stalks = 0;
    bool stalkAbove = true;
    for (Band &band : out.bands) {
        band.shortArm = band.stop <= out.centromere + 1e-9;
        if (band.stain == Stain::Stalk)
            ++stalks, stalkAbove = stalkAbove && band.shortArm;
    }
    out.acrocentric = stalks == 1 && stalkAbove;
    return result;
}

SplicedChromosome spliceSegments(const std::vector<Segment> &segments, const QString &name,
                                 const std::function<const Homologue &(const QString &)> &source,
                                 const Ideogram &finest, int centromeres)
{
    std::vector<SourcePiece> pieces;
    for (const Segment &segment : segments) {
        const Homologue &homologue = source(segment.chromosome);
        const ChromosomeBands *fine = &finest.of(segment.chromosome);
        pieces.push_back({&homologue, placePosition(homologue.bands, segment.from, fine),
                          placePosition(homologue.bands, segment.to, fine)});
    }
    return splicePieces(pieces, name, centromeres);
}

} // namespace korven
