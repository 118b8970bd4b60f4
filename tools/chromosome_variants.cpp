#include "tools/chromosome_variants.h"

#include "files/errors.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace korven {

namespace {

// A variable block: where it is, its usual darkness, and how far size and darkness wander.
struct Variable {
    double darkness;
    double sizeLow, sizeHigh;   // factor on the table's size
    double darkLow, darkHigh;   // range of a homologue's darkness
    double absentShare = 0;     // share of homologues without the block
    // Blocks of a pair: share of people whose two homologues differ by 1.3 times or more; below
    // zero each homologue draws its size on its own.
    double heteromorphicShare = -1;
    // Above zero: the size factor is normal around the middle of its range with this deviation,
    // clamped to the range (for Yq12, whose length is reported as mean and deviation).
    double sizeDeviation = 0;
};

// Size factors of a pair whose blocks differ at most this much when not heteromorphic, and
// from the smallest to the largest difference when heteromorphic.
constexpr double SimilarRatio = 1.1;
constexpr double HeteromorphicLow = 1.35, HeteromorphicHigh = 2.0;

// The block a band belongs to, or nullptr for an ordinary band.
const Variable *variableOf(const ChromosomeBands &chromosome, const Band &band)
{
    static const Variable q1{0.9, 0.75, 1.3, 0.85, 1.0, 0, 0.11};
    static const Variable q16{0.85, 0.7, 1.35, 0.78, 0.98, 0, 0.08};
    static const Variable q9{0.06, 0.65, 1.4, 0.0, 0.12, 0, 0.48}; // pale in G-banding
    static const Variable centromeric19{0.75, 0.85, 1.2, 0.62, 0.88};
    static const Variable q3{0.5, 0.85, 1.2, 0.38, 0.62};
    // Yq/21q is 1.56 +- 0.25 in normal men, never below 0.98: Yq12 about 1.3 times the table's
    // size (the tables give a Yq of 1.3-1.4 times 21q).
    static const Variable qY{0.78, 0.8, 1.9, 0.6, 0.92, 0, -1, 0.3};
    static const Variable satellite{0.45, 0.5, 1.4, 0.3, 0.65, 0.2};
    static const Variable stalk{0.04, 0.8, 1.8, 0.0, 0.08};
    static const Variable shortArm{0.4, 0.6, 1.5, 0.15, 0.65};
    static const Variable otherBlock{0.75, 0.85, 1.2, 0.6, 0.9};

    const QString &name = chromosome.name;
    if (chromosome.acrocentric && band.shortArm && band.stain != Stain::Acen) {
        if (band.stain == Stain::Stalk)
            return &stalk;
        return band.name.startsWith(QLatin1String("13")) ? &satellite : &shortArm;
    }
    if (band.stain != Stain::Gvar)
        return nullptr;
    if (name == QLatin1String("1"))
        return &q1;
    if (name == QLatin1String("16"))
        return &q16;
    if (name == QLatin1String("9"))
        return &q9;
    if (name == QLatin1String("19"))
        return &centromeric19;
    if (name == QLatin1String("3"))
        return &q3;
    if (name == QLatin1String("Y"))
        return &qY;
    return &otherBlock;
}

// Moves every band so they follow each other again after some changed size; keeps the
// centromere where the p-arm acen band ends.
void relayBands(ChromosomeBands &chromosome, const std::vector<double> &sizes)
{
    double at = 0;
    for (size_t i = 0; i < chromosome.bands.size(); ++i) {
        Band &band = chromosome.bands[i];
        band.start = at;
        band.stop = at += sizes[i];
        if (band.stain == Stain::Acen && band.shortArm)
            chromosome.centromere = band.stop;
    }
    chromosome.length = at;
}

} // namespace

double typicalDarkness(const ChromosomeBands &chromosome, const Band &band)
{
    const Variable *variable = variableOf(chromosome, band);
    return variable ? variable->darkness : bandDensity(band);
}

Homologue typicalHomologue(const ChromosomeBands &chromosome)
{
    Homologue homologue{chromosome, {}};
    for (const Band &band : chromosome.bands)
        homologue.darkness.push_back(typicalDarkness(chromosome, band));
    return homologue;
}

Homologue randomHomologue(const ChromosomeBands &chromosome, Rng &rng)
{
    return randomHomologue(chromosome, rng, PairDraw{rng.next(), rng.integer(0, 1)});
}

Homologue randomHomologue(const ChromosomeBands &chromosome, Rng &rng, const PairDraw &pair)
{
    Homologue homologue{chromosome, {}};
    std::vector<double> sizes;
    Rng person(pair.seed);
    for (const Band &band : chromosome.bands) {
        double size = band.stop - band.start;
        double darkness = bandDensity(band);
        if (const Variable *variable = variableOf(chromosome, band)) {
            // Draw every number every time, so one block's luck does not shift the others'.
            double factor = variable->sizeDeviation > 0
                                ? std::clamp((variable->sizeLow + variable->sizeHigh) / 2
                                                 + variable->sizeDeviation * rng.normal(),
                                             variable->sizeLow, variable->sizeHigh)
                                : rng.uniform(variable->sizeLow, variable->sizeHigh);
            const double base = person.uniform(variable->sizeLow, variable->sizeHigh);
            const bool heteromorphic = person.uniform() < variable->heteromorphicShare;
            const double ratio = heteromorphic ? person.uniform(HeteromorphicLow, HeteromorphicHigh)
                                               : person.uniform(1, SimilarRatio);
            const int larger = person.integer(0, 1);
            if (variable->heteromorphicShare >= 0)
                factor = base * std::sqrt(pair.which == larger ? ratio : 1 / ratio);
            const bool absent = rng.uniform() < variable->absentShare;
            size *= absent ? 0 : factor;
            darkness = rng.uniform(variable->darkLow, variable->darkHigh);
        }
        sizes.push_back(size);
        homologue.darkness.push_back(std::clamp(darkness, 0.0, 1.0));
    }
    relayBands(homologue.bands, sizes);
    return homologue;
}

bool inVariantBlock(const ChromosomeBands &chromosome, const Band &band, const BlockVariant &variant)
{
    if (band.shortArm != (variant.arm == QLatin1Char('p')) || band.stain == Stain::Acen)
        return false;
    const bool shortAcro = chromosome.acrocentric && band.shortArm;
    const bool satellite = band.name.startsWith(QLatin1String("13"));
    if (variant.region == QLatin1String("stk"))
        return band.stain == Stain::Stalk;
    if (variant.region == QLatin1String("s"))
        return shortAcro && band.stain != Stain::Stalk && satellite;
    return shortAcro ? band.stain != Stain::Stalk && !satellite : band.stain == Stain::Gvar;
}

Homologue variedHomologue(const ChromosomeBands &table, const Homologue &homologue, const BlockVariant &variant, Rng &rng)
{
    const ChromosomeBands &c = homologue.bands;
    Homologue varied = homologue;
    std::vector<double> sizes;
    bool found = false;
    // Drawn for every band alike, so the sizes do not depend on which bands the block has.
    const double factor = variant.larger ? rng.uniform(2.4, 2.8) : rng.uniform(0.25, 0.4);
    const double darkness = rng.uniform(-0.05, 0.05);
    for (size_t b = 0; b < c.bands.size(); ++b) {
        const Band &band = c.bands[b];
        double size = band.stop - band.start;
        if (inVariantBlock(c, band, variant)) {
            found = true;
            // Sized on the table's band, so a block drawn small (or absent) for this person is
            // still clearly larger.
            size = (table.bands[b].stop - table.bands[b].start) * factor;
            varied.darkness[b] = std::clamp(varied.darkness[b] + darkness, 0.0, 1.0);
        }
        sizes.push_back(size);
    }
    if (!found)
        throw KorvenError(QCoreApplication::translate("ChromosomeVariants", "chromosome %1 has no %2 block on its %3 arm to be %4")
                              .arg(c.name, variant.region, variant.arm,
                                   variant.larger ? QCoreApplication::translate("ChromosomeVariants", "larger")
                                                  : QCoreApplication::translate("ChromosomeVariants", "smaller")));
    relayBands(varied.bands, sizes);
    return varied;
}

} // namespace korven
