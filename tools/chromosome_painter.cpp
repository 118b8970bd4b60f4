#include "tools/chromosome_painter.h"

#include "tools/cv_image.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace korven {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Step = 0.25;    // sampling step of the profiles along the axis, pixels
constexpr double WhiteCut = 245; // blurred grey at least this light is background

// Blurs a profile with a Gaussian of the given deviation (in samples), clamping at the ends.
void blur(std::vector<float> &values, double sigma)
{
    if (sigma < 0.3 || values.size() < 2)
        return;
    cv::Mat row(1, int(values.size()), CV_32F, values.data());
    cv::GaussianBlur(row.clone(), row, cv::Size(0, 0), sigma, 0, cv::BORDER_REPLICATE);
}

// A smooth random wave in about [-1, 1] with features every `period` samples.
std::vector<float> smoothNoise(Rng &rng, int n, double period)
{
    std::vector<float> values(n);
    const int knots = int(n / period) + 2;
    std::vector<float> knot(knots);
    for (float &k : knot)
        k = float(rng.uniform(-1, 1));
    for (int i = 0; i < n; ++i) {
        const double t = i / period;
        const int k = int(t);
        const double f = t - k;
        const double w = (1 - std::cos(f * Pi)) / 2;
        values[i] = float(knot[k] * (1 - w) + knot[k + 1] * w);
    }
    return values;
}

// Uniform in [0, 1) from a pixel position and a salt, so the textures need no generator state.
double pixelHash(std::uint64_t seed, int x, int y)
{
    const std::uint64_t h = Rng::mix(seed ^ (std::uint64_t(std::uint32_t(x)) << 32 | std::uint32_t(y)));
    return double(h >> 11) * (1.0 / 9007199254740992.0);
}

inline float sample(const std::vector<float> &values, double s)
{
    const double t = std::clamp(s / Step, 0.0, double(values.size() - 1));
    const int i = std::min(int(t), int(values.size()) - 2);
    const double f = t - i;
    return float(values[i] * (1 - f) + values[i + 1] * f);
}

// The axis of a piece before its tilt: x = f(t) beside the line x = 0 for 0 <= t <= span, with
// f(0) = f(span) = 0; a half sine (C) or a full sine (S). Tabulated, as every pixel looks it up.
class Axis {
public:
    // Chooses span so that the axis is `length` long.
    Axis(double amplitude, bool sShape, double length)
        : amplitude_(amplitude), waves_(sShape ? 2 : 1), span_(length)
    {
        // A nearly straight axis needs one step of Newton's method to find the nearest point.
        steps_ = std::abs(amplitude) * waves_ < 0.03 * length ? 1 : 2;
        for (int round = 0; round < 3; ++round) {
            tabulate();
            span_ *= length / std::max(1.0, double(arc_.back()));
        }
        tabulate();
    }

    double span() const { return span_; }
    double f(double t) const { return sample(f_, t); }

    // Nearest axis point to (x, y): the along-axis distance s and the signed distance u across.
    void locate(double x, double y, double *s, double *u) const
    {
        double t = y;
        for (int i = 0; i < steps_; ++i) {
            const double tc = std::clamp(t, 0.0, span_);
            const double d = sample(f_, tc) - x, g1 = sample(slope_, tc);
            const double g = (tc - y) + d * g1;
            const double gp = 1 + g1 * g1 + d * sample(curvature_, tc);
            t = tc - g / std::max(gp, 0.2);
        }
        if (t < 0 || t > span_) { // beyond the ends the axis goes on straight
            const double end = t < 0 ? 0 : span_;
            const double g1 = sample(slope_, end), norm = std::sqrt(1 + g1 * g1);
            const double fx = sample(f_, end);
            *s = (end > 0 ? arc_.back() : 0) + ((y - end) + (x - fx) * g1) / norm;
            *u = ((x - fx) - (y - end) * g1) / norm;
            return;
        }
        const double g1 = sample(slope_, t);
        *s = sample(arc_, t);
        *u = (x - sample(f_, t)) / std::sqrt(1 + g1 * g1);
    }

private:
    void tabulate()
    {
        const int n = int(std::ceil(span_ / Step)) + 2;
        const double k = waves_ * Pi / span_;
        f_.resize(n), slope_.resize(n), curvature_.resize(n), arc_.assign(n, 0);
        for (int i = 0; i < n; ++i) {
            const double t = std::min(i * Step, span_);
            f_[i] = float(amplitude_ * std::sin(k * t));
            slope_[i] = float(amplitude_ * k * std::cos(k * t));
            curvature_[i] = float(-amplitude_ * k * k * std::sin(k * t));
            if (i > 0) {
                const double mid = amplitude_ * k * std::cos(k * (i - 0.5) * Step);
                arc_[i] = float(arc_[i - 1] + Step * std::sqrt(1 + mid * mid));
            }
        }
    }

    double amplitude_, waves_, span_;
    int steps_ = 2;
    std::vector<float> f_, slope_, curvature_, arc_; // at t = i * Step
};

// The body along its axis, sampled every Step pixels: per chromatid (0 left, 1 right) its
// radius, its centre's distance from the axis and its stain; and what both share.
struct Chromatids {
    std::vector<float> radius[2], offset[2], darkness[2];
    std::vector<float> thin;  // density factor, below 1 on the thin short arms of acrocentrics
    std::vector<float> solid; // 1 in heterochromatin blocks, which stain as one even body
    float shift[2] = {0, 0};  // each chromatid's bands lie a little higher or lower
    double skew = 0, bow = 0; // bands run askew and bowed across the width
    bool acrocentric = false;
};

// Chromatid gap, in chromatid radii, inside heterochromatin blocks: the sisters lie closed.
constexpr double SolidGap = -0.55;
// ISCN length of a middle-sized chromosome, whose ends part at the style's share.
constexpr double MiddleLength = 7000;

// Band position (ISCN units) at each sample: each arm condenses unevenly, stretched here and
// squeezed there by up to `warp`, but keeps its ends and the centromere in place.
std::vector<double> unevenPositions(const ChromosomeBands &bands, double length, int n, double width, Rng &rng)
{
    const double warp = rng.uniform(0.1, 0.22);
    const std::vector<float> wave = smoothNoise(rng, n, 1.8 * width / Step);
    std::vector<double> cumulative(n, 0);
    for (int i = 1; i < n; ++i)
        cumulative[i] = cumulative[i - 1] + 1 + warp * wave[i];
    const auto at = [&](double s) {
        const double t = std::clamp(s / Step, 0.0, double(n - 1));
        const int i = std::min(int(t), n - 2);
        return cumulative[i] + (t - i) * (cumulative[i + 1] - cumulative[i]);
    };
    const double centromere = bands.centromere / std::max(1.0, bands.length) * length;
    const double atCentromere = at(centromere), atEnd = at(length);
    std::vector<double> position(n);
    for (int i = 0; i < n; ++i) {
        const double s = i * Step, c = at(s);
        position[i] = s <= centromere
                          ? bands.centromere * c / std::max(1e-9, atCentromere)
                          : bands.centromere
                                + (bands.length - bands.centromere) * std::min(1.0, (c - atCentromere) / std::max(1e-9, atEnd - atCentromere));
    }
    return position;
}

// Shapes and stains the two chromatids of a body `length` pixels long and `width` wide.
Chromatids shapeChromatids(const Homologue &homologue, const MetaphaseStyle &style, double contrast, double length,
                           double width, Rng &rng)
{
    const ChromosomeBands &bands = homologue.bands;
    const double rho = width / 4;
    const double centromere = bands.centromere / std::max(1.0, bands.length) * length;
    const int n = int(std::ceil(length / Step)) + 2;
    const double pixelsPerUnit = length / std::max(1.0, bands.length);
    Chromatids c;
    // Which bands make the short arm of an acrocentric: satellite, stalk, proximal part.
    int stalk = -1;
    for (size_t b = 0; b < bands.bands.size() && bands.acrocentric; ++b)
        if (bands.bands[b].stain == Stain::Stalk)
            stalk = int(b);
    // The satellite is a knob about as wide as it is long; the proximal short arm a stub with a
    // rounded top, about half as wide as the long arm.
    const double satelliteRoundness = rng.uniform(0.9, 1.3), stalkWidth = rng.uniform(0.1, 0.16);
    const double shortArmWidth = rng.uniform(0.45, 0.62);
    constexpr double NeckWidth = 0.3; // of the centromere between an acrocentric's two arms
    double armEnd = 0; // where the short arm's stub ends: the start of its centromere band
    for (const Band &band : bands.bands)
        if (band.shortArm && band.stain == Stain::Acen)
            armEnd = band.start;

    const std::vector<double> position = unevenPositions(bands, length, n, width, rng);
    // This homologue's stain: a little more or less contrast between pale, middle and dark bands.
    const double gamma = style.stainGamma * rng.uniform(0.85, 1.18);

    // Along the axis: width factor, thin-part paleness, darkness per chromatid, chromatid gap.
    std::vector<float> widthFactor(n, 1), thin(n, 1), gap(n), dark[2], solid(n, 0);
    dark[0].resize(n), dark[1].resize(n);
    std::vector<double> jitter[2];
    for (int side = 0; side < 2; ++side)
        for (size_t b = 0; b < bands.bands.size(); ++b)
            jitter[side].push_back(rng.uniform(0.93, 1.07));
    for (size_t b = 0; b < bands.bands.size(); ++b) { // shared part of the per-band jitter
        const double common = rng.uniform(0.85, 1.15);
        jitter[0][b] *= common, jitter[1][b] *= common;
    }
    const double shoulder = 0.5 * width; // rounded top of an acrocentric's long arm
    const double shoulderStart = centromere - 0.15 * shoulder;
    size_t b = 0;
    for (int i = 0; i < n; ++i) {
        const double s = i * Step;
        while (b + 1 < bands.bands.size() && position[i] >= bands.bands[b].stop)
            ++b;
        const Band &band = bands.bands[b];
        const double darkness = std::pow(std::clamp(homologue.darkness[b], 0.0, 1.0), gamma) * contrast;
        dark[0][i] = float(darkness * jitter[0][b]);
        dark[1][i] = float(darkness * jitter[1][b]);
        if (band.stain == Stain::Gvar && !(stalk >= 0 && band.shortArm))
            solid[i] = 1;
        if (stalk >= 0 && s < centromere + shoulder) {
            double armWidth = 1, density = 1;
            if (band.shortArm && int(b) < stalk) { // a round knob
                const double size = (band.stop - band.start) * pixelsPerUnit;
                const double t = 2 * (position[i] - band.start) / std::max(1e-9, band.stop - band.start) - 1;
                armWidth = std::clamp(satelliteRoundness * size / width, 0.4, 0.65) * std::pow(std::max(0.0, 1 - t * t), 0.4);
                density = 0.95;
            } else if (band.shortArm && int(b) == stalk) {
                armWidth = stalkWidth, density = 0.35;
            } else if (band.shortArm && band.stain != Stain::Acen) { // a stub rounded at both ends
                const double top = bands.bands[stalk].stop, bottom = std::max(top + 1, armEnd);
                const double t = 2 * (position[i] - top) / (bottom - top) - 1;
                armWidth = std::max(stalkWidth, shortArmWidth * std::pow(std::max(0.0, 1 - t * t), 0.3));
            } else if (band.shortArm) { // the centromere's narrow neck below the stub
                armWidth = NeckWidth;
            }
            const double t = (shoulderStart + shoulder - s) / shoulder;
            const double round = t >= 1 ? 0 : t <= 0 ? 1 : std::sqrt(1 - t * t);
            widthFactor[i] = float(std::max(armWidth, round));
            thin[i] = float(armWidth >= round ? density * (0.6 + 0.4 * widthFactor[i]) : 1);
        }
    }
    blur(widthFactor, 0.03 * width / Step);
    blur(thin, 0.03 * width / Step);
    blur(solid, 0.12 * width / Step);
    // This homologue's band sharpness.
    const double bandBlur = style.bandBlur * rng.uniform(0.6, 1.5) * width / Step;
    blur(dark[0], bandBlur);
    blur(dark[1], bandBlur);

    // Chromatid gap in chromatid radii (below zero they overlap): together along most of the
    // body, opening here and there along the arms, at some ends the tips parted (more often in
    // long chromosomes and at high band levels), closed at the centromere and splaying just
    // beside it; closed all along heterochromatin blocks.
    const std::vector<float> armWave = smoothNoise(rng, n, 1.6 * width / Step);
    const double partedChance = std::clamp(style.endPartedShare * (0.4 + 0.6 * bands.length / MiddleLength), 0.0, 0.95);
    const auto endSplit = [&] {
        const bool parted = rng.uniform() < partedChance;
        const double split = rng.uniform(0.45, 0.8) + style.endSplit * rng.uniform(0, 1);
        return parted ? split : -rng.uniform(0.3, 0.45); // closed: one rounded tip
    };
    double splitTop = endSplit(), splitBottom = endSplit();
    if (homologue.ring) // no ends: the chromatids run on closed
        splitTop = splitBottom = -0.3;
    const double reachTop = rng.uniform(0.6, 1.5) * width, reachBottom = rng.uniform(0.6, 1.5) * width;
    const double waist = rng.uniform(0.3, 0.4), waistSkew = rng.uniform(-0.1, 0.1) * width;
    const double splay = rng.uniform(0.1, 0.4);
    const double waistDepth[2] = {waist * rng.uniform(0.7, 1.3), waist * rng.uniform(0.7, 1.3)};
    std::vector<float> waistProfile(n, 0);
    // Each centromere a waist: a dicentric has two.
    std::vector<double> waists{centromere};
    if (homologue.secondCentromere >= 0)
        waists.push_back(homologue.secondCentromere / std::max(1.0, bands.length) * length);
    for (int i = 0; i < n; ++i) {
        const double s = i * Step;
        double g = -0.2 + 2.5 * std::max(0.0, armWave[i] - (1 - style.armSplit));
        const double top = std::max(0.0, 1 - s / reachTop), bottom = std::max(0.0, 1 - (length - s) / reachBottom);
        g += 2 * (splitTop * top * top + splitBottom * bottom * bottom);
        if (stalk < 0) {
            for (const double at : waists) {
                const double d = (s - at - waistSkew) / (0.35 * width);
                g += -0.35 * std::exp(-d * d) + splay * std::exp(-(std::abs(d) - 1.6) * (std::abs(d) - 1.6));
                waistProfile[i] = std::max(waistProfile[i], float(std::exp(-d * d)));
            }
        } else if (s < centromere + shoulder) {
            g = std::min(g, -0.6 + 0.9 * widthFactor[i] * widthFactor[i]); // the short arm is one strand
        }
        g = g * (1 - solid[i]) + SolidGap * solid[i];
        gap[i] = float(std::min(g, 1.2)); // keeps parted ends within the canvas
    }

    // Per chromatid: radius with a wobbly outline, a waist and a little bulge at dark bands.
    c.skew = rng.uniform(-0.09, 0.09), c.bow = rng.uniform(-0.12, 0.12);
    c.shift[0] = float(rng.uniform(-0.5, 0.5)), c.shift[1] = float(rng.uniform(-0.5, 0.5));
    for (int side = 0; side < 2; ++side) {
        const std::vector<float> wobble = smoothNoise(rng, n, 0.8 * width / Step);
        const std::vector<float> swell = smoothNoise(rng, n, 3 * width / Step);
        const std::vector<float> uneven = smoothNoise(rng, n, 0.9 * width / Step);
        std::vector<float> smoothDark = dark[side];
        blur(smoothDark, 0.1 * width / Step);
        c.radius[side].resize(n), c.offset[side].resize(n), c.darkness[side].resize(n);
        for (int i = 0; i < n; ++i) {
            // A heterochromatin block beside the centromere keeps its full width up to the waist.
            const double pinch = 1 - waistDepth[side] * waistProfile[i] * (1 - 0.8 * solid[i]);
            const double r = rho * widthFactor[i] * pinch
                             * (1 + 0.04 * wobble[i] + 0.03 * swell[i] + 0.03 * smoothDark[i]);
            c.radius[side][i] = float(r);
            c.offset[side][i] = float(rho * widthFactor[i] * pinch * (1 + 0.5 * gap[i]));
            c.darkness[side][i] = float(dark[side][i] * (1 + 0.12 * uneven[i] * (1 - solid[i])));
        }
    }

    c.thin = std::move(thin);
    c.solid = std::move(solid);
    c.acrocentric = stalk >= 0;
    return c;
}

// The picture the camera takes of the transmitted light: blurred by the optics, the faint fringe
// that reaches the border cut to white (light places enclosed by the chromosome stay grey), the
// camera's noise added, cropped and framed by the look's margins. Only the body is kept, and with
// `looseSatellites` also detached specks of at least minSpeck pixels.
QImage develop(cv::Mat light, const MetaphaseStyle &style, const ChromosomeLook &look, bool looseSatellites,
               int minSpeck)
{
    cv::GaussianBlur(light, light, cv::Size(0, 0), style.blur, style.blur, cv::BORDER_REPLICATE);
    cv::Mat grey;
    light.convertTo(grey, CV_32F, 255);
    cv::Mat background = grey >= WhiteCut; // 255 where light
    cv::Mat outside = background.clone();
    cv::floodFill(outside, cv::Point(0, 0), cv::Scalar(128));
    cv::Mat chromosome = outside != 128;

    // Keep the body and, on acrocentrics, loose satellites big enough to be seen; drop specks.
    cv::Mat labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(chromosome, labels, stats, centroids, 8, CV_32S);
    int main = 0, mainArea = 0;
    for (int k = 1; k < count; ++k)
        if (stats.at<int>(k, cv::CC_STAT_AREA) > mainArea)
            main = k, mainArea = stats.at<int>(k, cv::CC_STAT_AREA);
    std::vector<char> keep(count, 0);
    for (int k = 1; k < count; ++k)
        keep[k] = k == main || (looseSatellites && stats.at<int>(k, cv::CC_STAT_AREA) >= minSpeck);

    const int canvasW = light.cols, canvasH = light.rows;
    int left = canvasW, right = -1, top = canvasH, bottom = -1;
    const std::uint64_t noiseSeed = look.seed ^ 0xCA3Eull;
    const double noiseScale = style.noise * 2.449; // the difference of two uniforms has deviation 1/sqrt(6)
    cv::Mat out(canvasH, canvasW, CV_8U, cv::Scalar(255));
    for (int py = 0; py < canvasH; ++py) {
        const int *label = labels.ptr<int>(py);
        const float *g = grey.ptr<float>(py);
        uchar *o = out.ptr<uchar>(py);
        for (int px = 0; px < canvasW; ++px) {
            if (!keep[label[px]])
                continue;
            const double noise = (pixelHash(noiseSeed, px, py) - pixelHash(noiseSeed + 1, px, py)) * noiseScale;
            o[px] = uchar(std::clamp(std::lround(g[px] + noise), 4L, long(WhiteCut) - 1));
            left = std::min(left, px), right = std::max(right, px);
            top = std::min(top, py), bottom = std::max(bottom, py);
        }
    }
    if (right < 0) // nothing visible: a single grey dot keeps the piece a picture
        left = right = canvasW / 2, top = bottom = canvasH / 2, out.at<uchar>(top, left) = 200;

    const int *m = look.margins;
    cv::Mat framed(bottom - top + 1 + m[1] + m[3], right - left + 1 + m[0] + m[2], CV_8U, cv::Scalar(255));
    out(cv::Rect(left, top, right - left + 1, bottom - top + 1))
        .copyTo(framed(cv::Rect(m[0], m[1], right - left + 1, bottom - top + 1)));
    return toQImage(framed);
}

} // namespace

MetaphaseStyle randomMetaphaseStyle(Rng &rng, const Ideogram &ideogram)
{
    // Chromosome 1's length and its length-to-width ratio by band level; the drawn width is
    // smaller than the seen one by the blur's fringe on each side.
    // Sister chromatids part more in less condensed cells: few parted ends at 400 bands, most at 850.
    double lengthLow = 250, lengthHigh = 290, ratioLow = 7.5, ratioHigh = 8.5;
    double endSplit = 0.25, endParted = 0.12, armSplit = 0.15, curved = 0.03;
    if (ideogram.level >= 850) {
        lengthLow = 320, lengthHigh = 370, ratioLow = 15, ratioHigh = 17;
        endSplit = 0.6, endParted = 0.8, armSplit = 0.3, curved = 0.4;
    } else if (ideogram.level >= 550) {
        lengthLow = 280, lengthHigh = 320, ratioLow = 10.4, ratioHigh = 11.6;
        endSplit = 0.35, endParted = 0.5, armSplit = 0.2, curved = 0.12;
    }
    MetaphaseStyle style;
    const double length = rng.uniform(lengthLow, lengthHigh);
    const double seenWidth = length / rng.uniform(ratioLow, ratioHigh);
    // The point-spread function's deviation is about 0.12 of the drawn width; focus varies a
    // little from cell to cell.
    const double focus = rng.uniform(0.1, 0.125);
    style.width = seenWidth / (1 + 2.1 * focus);
    style.blur = focus * style.width;
    style.pixelsPerUnit = (length - 1.6 * style.blur) / ideogram.at(0).length;
    style.paleGrey = rng.uniform(200, 222);
    // Longer, finer-banded chromosomes blur their split dark bands more, so their cells are
    // stained a little darker to keep the landmarks as dark as at 400 bands.
    const double darker = ideogram.level >= 550 ? 6 : 0;
    style.darkGrey = rng.uniform(46, 78) - darker;
    style.grain = rng.uniform(0.25, 0.4);
    style.noise = rng.uniform(1.5, 3.5);
    style.endSplit = endSplit * rng.uniform(0.7, 1.3);
    style.endPartedShare = endParted * rng.uniform(0.8, 1.2);
    style.armSplit = armSplit * rng.uniform(0.7, 1.3);
    // Cells differ in how crisp their bands are and how the stain takes.
    style.bandBlur = rng.uniform(0.03, 0.1);
    style.stainGamma = rng.uniform(0.85, 1.2);
    style.curvedShare = curved;
    return style;
}

ChromosomeLook randomChromosomeLook(Rng &rng, const MetaphaseStyle &style, double lengthPixels)
{
    ChromosomeLook look;
    look.lengthFactor = 1;
    look.widthFactor = rng.uniform(0.95, 1.05);
    look.tiltDegrees = rng.uniform(-4, 4);
    const double slender = lengthPixels / style.width;
    const double share = slender >= 7 ? style.curvedShare : style.curvedShare * 0.4;
    const bool curved = rng.uniform() < share;
    const bool sShape = rng.uniform() < 0.35;
    // A visible curve leaves the straight line by more than half a width; the cap keeps short
    // pieces from folding.
    double bend = curved ? rng.uniform(0.8, 1.4) : rng.uniform(0, 0.2);
    bend = std::min(bend, 0.08 * slender);
    // An S bends twice as steeply for the same distance: only long pieces take it.
    look.sShape = curved && sShape && 0.055 * slender >= 0.7;
    if (look.sShape)
        bend = std::min(bend, 0.055 * slender);
    look.bend = rng.uniform() < 0.5 ? -bend : bend;
    look.contrast = rng.uniform(0.92, 1.08);
    for (int &margin : look.margins)
        margin = rng.integer(3, 7);
    look.seed = rng.next();
    return look;
}

double paintedLength(const ChromosomeBands &bands, const MetaphaseStyle &style)
{
    return bands.length * style.pixelsPerUnit;
}

QImage paintChromosome(const Homologue &homologue, const MetaphaseStyle &style, const ChromosomeLook &look)
{
    const ChromosomeBands &bands = homologue.bands;
    const double length = std::max(4.0, paintedLength(bands, style) * look.lengthFactor);
    const double width = style.width * look.widthFactor;
    const double rho = width / 4; // radius of one chromatid
    Rng rng(look.seed);

    const Chromatids c = shapeChromatids(homologue, style, look.contrast, length, width, rng);

    // Pale, slightly frayed telomeres; a ring has none.
    const bool ring = homologue.ring;
    const double telomere = 0.22 * width;
    const auto endFade = [&](double s) {
        const double d = std::min(s, length - s);
        return ring ? 1.0 : d <= 0 ? 0.45 : 1 - 0.45 * std::exp(-d / telomere);
    };

    const Axis axis(ring ? 0 : look.bend * width, look.sShape, length);
    const double theta = look.tiltDegrees * Pi / 180;
    const double sinT = std::sin(theta), cosT = std::cos(theta);
    const double pad = 3 * style.blur + 4;
    // A ring's axis is a circle as long as the chromosome, its top at the p-arm end.
    const double ringRadius = length / (2 * Pi);
    const double halfW = ring ? ringRadius + 0.85 * width + pad : std::abs(look.bend) * width + 0.85 * width + pad;
    const double halfH = ring ? halfW : axis.span() / 2 + pad;
    const int canvasW = int(std::ceil(2 * (halfW * cosT + halfH * std::abs(sinT)))) + 2;
    const int canvasH = int(std::ceil(2 * (halfH * cosT + halfW * std::abs(sinT)))) + 2;
    const double cx = canvasW / 2.0, cy = canvasH / 2.0;

    // The round ends: radius and offset of each chromatid's cap at the top and the bottom; a
    // ring's are empty.
    double caps[2][4] = {};
    for (int side = 0; side < 2 && !ring; ++side) {
        caps[side][0] = sample(c.radius[side], 0.5 * sample(c.radius[side], 0));
        caps[side][1] = sample(c.offset[side], caps[side][0]);
        caps[side][2] = sample(c.radius[side], length - 0.5 * sample(c.radius[side], length));
        caps[side][3] = sample(c.offset[side], length - caps[side][2]);
    }

    // Optical densities before the blur; the blur spreads the thin body's density over its fringe,
    // so the drawn densities are a little higher than the greys they are to show.
    const double od0 = -1.2 * std::log(style.paleGrey / 255);
    const double odStain = -1.25 * std::log(style.darkGrey / 255) - od0;
    const std::uint64_t grainSeed = look.seed ^ 0x5EEDull, frayed = look.seed ^ 0xF4A7ull;
    cv::Mat light(canvasH, canvasW, CV_32F, cv::Scalar(1));
    for (int py = 0; py < canvasH; ++py) {
        float *row = light.ptr<float>(py);
        for (int px = 0; px < canvasW; ++px) {
            const double dx = px + 0.5 - cx, dy = py + 0.5 - cy;
            double s, u;
            if (ring) {
                // Along the circle clockwise from the top; across it outwards.
                u = std::hypot(dx, dy) - ringRadius;
                if (std::abs(u) > 0.85 * width + 2)
                    continue;
                s = (std::atan2(dx, -dy) + Pi) / (2 * Pi) * length;
                s = std::fmod(s + length / 2, length);
            } else {
                const double x = dx * cosT + dy * sinT, y = -dx * sinT + dy * cosT + axis.span() / 2;
                if (std::abs(x - axis.f(std::clamp(y, 0.0, axis.span()))) > 0.85 * width + 2)
                    continue;
                axis.locate(x, y, &s, &u);
                if (s < -1 || s > length + 1)
                    continue;
            }

            double density[2], cover[2], stained[2];
            for (int side = 0; side < 2; ++side) {
                const double sign = side == 0 ? -1 : 1;
                const double radius = sample(c.radius[side], s);
                const double offset = sample(c.offset[side], s);
                const double capTop = caps[side][0], capBottom = caps[side][2];
                double distance;
                if (ring)
                    distance = std::abs(u - sign * offset);
                else if (s < capTop)
                    distance = std::hypot(s - capTop, u - sign * caps[side][1]);
                else if (s > length - capBottom)
                    distance = std::hypot(s - (length - capBottom), u - sign * caps[side][3]);
                else
                    distance = std::abs(u - sign * offset);
                const double end = std::min(s, length - s);
                double edge = ring ? radius : s < capTop ? capTop : s > length - capBottom ? capBottom : radius;
                if (end < telomere * 2 && !ring)
                    edge *= 1 + 0.12 * (pixelHash(frayed, px, py) - 0.5) * 2;
                const double coverage = std::clamp(edge - distance + 0.5, 0.0, 1.0);
                const double across = u - sign * offset;
                const double bandAt = s + c.skew * across + c.bow * across * across / width + c.shift[side];
                cover[side] = coverage;
                stained[side] = sample(c.darkness[side], bandAt);
                if (coverage <= 0) {
                    density[side] = 0;
                    continue;
                }
                const double q = std::min(distance / edge, 1.0);
                const double body = coverage * std::sqrt(1 - q * q * q * q);
                density[side] = body * (od0 + odStain * stained[side] * (1 - 0.5 * q * q) * endFade(s));
            }
            double od = std::max(density[0], density[1]) + 0.25 * std::min(density[0], density[1]);
            // Heterochromatin: one body across both chromatids, evenly stained, without the
            // paler seam between them.
            if (const double solid = sample(c.solid, s); solid > 0) {
                const double half = (sample(c.offset[0], s) + sample(c.radius[0], s) + sample(c.offset[1], s)
                                     + sample(c.radius[1], s)) / 2;
                const double q = std::min(std::abs(u) / std::max(1.0, half), 1.0);
                const double body = std::max(cover[0], cover[1]) * std::sqrt(1 - q * q * q * q);
                const double stain = (stained[0] + stained[1]) / 2 * (1 - 0.25 * q * q);
                od = od * (1 - solid) + solid * 1.1 * body * (od0 + odStain * stain * endFade(s));
            }
            if (od <= 0)
                continue;
            od *= sample(c.thin, s) * (1 + style.grain * 2 * (pixelHash(grainSeed, px, py) - 0.5));
            row[px] = float(std::exp(-od));
        }
    }

    return develop(light, style, look, c.acrocentric, std::max(6, int(0.25 * rho * rho)));
}

} // namespace korven
