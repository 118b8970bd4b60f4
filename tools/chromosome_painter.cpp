#include "tools/chromosome_painter.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korven {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Step = 0.25; // sampling step of the profiles along the axis, pixels

// Blurs a profile with a Gaussian of the given deviation (in samples), clamping at the ends.
void blur(std::vector<float> &values, double sigma)
{
    if (sigma < 0.3 || values.size() < 2)
        return;
    const int radius = int(std::ceil(3 * sigma));
    std::vector<float> kernel(2 * radius + 1);
    float sum = 0;
    for (int k = -radius; k <= radius; ++k)
        sum += kernel[k + radius] = float(std::exp(-0.5 * k * k / (sigma * sigma)));
    for (float &k : kernel)
        k /= sum;
    const int n = int(values.size());
    std::vector<float> out(n);
    for (int i = 0; i < n; ++i) {
        float acc = 0;
        for (int k = -radius; k <= radius; ++k)
            acc += kernel[k + radius] * values[std::clamp(i + k, 0, n - 1)];
        out[i] = acc;
    }
    values.swap(out);
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

// Uniform in [-1, 1) from a pixel position, so the grey noise needs no generator state.
double pixelNoise(std::uint64_t seed, int x, int y)
{
    const std::uint64_t h = Rng::mix(seed ^ (std::uint64_t(std::uint32_t(x)) << 32 | std::uint32_t(y)));
    return double(h >> 11) * (2.0 / 9007199254740992.0) - 1.0;
}

float sample(const std::vector<float> &values, double s)
{
    const double t = std::clamp(s / Step, 0.0, double(values.size() - 1));
    const int i = std::min(int(t), int(values.size()) - 2);
    const double f = t - i;
    return float(values[i] * (1 - f) + values[i + 1] * f);
}

} // namespace

MetaphaseStyle randomMetaphaseStyle(Rng &rng, const Ideogram &ideogram)
{
    MetaphaseStyle style;
    double lengthLow = 258, lengthHigh = 290, widthLow = 30, widthHigh = 35, softLow = 1.0, softHigh = 1.4;
    if (ideogram.level >= 850) {
        lengthLow = 306, lengthHigh = 338, widthLow = 24, widthHigh = 29, softLow = 0.7, softHigh = 1.0;
    } else if (ideogram.level >= 550) {
        lengthLow = 282, lengthHigh = 316, widthLow = 27, widthHigh = 32, softLow = 0.85, softHigh = 1.2;
    }
    style.pixelsPerUnit = rng.uniform(lengthLow, lengthHigh) / ideogram.at(0).length;
    style.width = rng.uniform(widthLow, widthHigh);
    style.bandSoftness = rng.uniform(softLow, softHigh);
    style.unstainedDensity = rng.uniform(0.22, 0.32);
    style.stainDensity = rng.uniform(1.3, 1.6);
    style.noise = rng.uniform(3, 6);
    return style;
}

ChromosomeLook randomChromosomeLook(Rng &rng)
{
    ChromosomeLook look;
    look.lengthFactor = rng.uniform(0.97, 1.03);
    look.tiltDegrees = rng.uniform(-5, 5);
    look.bend = rng.uniform(-0.035, 0.035);
    look.wave = rng.uniform(-0.012, 0.012);
    look.contrast = rng.uniform(0.95, 1.05);
    look.heterochromatin = rng.uniform(0.55, 1.0);
    look.chromatidSpread = rng.uniform(0.92, 1.08);
    for (int &margin : look.margins)
        margin = rng.integer(3, 7);
    look.seed = rng.next();
    return look;
}

QImage paintChromosome(const ChromosomeBands &bands, const MetaphaseStyle &style, const ChromosomeLook &look)
{
    const double length = bands.length * style.pixelsPerUnit * look.lengthFactor;
    const double centromere = bands.centromere / bands.length * length;
    const double quarter = style.width / 4;
    const int n = int(std::ceil(length / Step)) + 2;
    Rng rng(look.seed);

    // Profiles along the axis: stain darkness, chromatid width, chromatid separation and paleness
    // (the thin short arms of the acrocentrics).
    std::vector<float> darkness(n), widthFactor(n), spreadFactor(n), paleness(n);
    double stalkStart = -1;
    for (const Band &band : bands.bands)
        if (band.stain == Stain::Stalk && stalkStart < 0)
            stalkStart = band.start;
    const double minStalk = std::min(1.0, 2.4 / style.width); // keeps the stalk a few pixels wide
    // The q arm of an acrocentric starts with a rounded shoulder, placed so that it has grown to
    // about 70 % of the arm's width where the table puts the centromere.
    const double shoulder = 0.7 * style.width;
    const double shoulderStart = centromere - 0.29 * shoulder;
    size_t b = 0;
    for (int i = 0; i < n; ++i) {
        const double s = i * Step;
        const double position = std::min(s / length, 1.0) * bands.length;
        while (b + 1 < bands.bands.size() && position >= bands.bands[b].stop)
            ++b;
        const Band &band = bands.bands[b];
        double dark = band.stain == Stain::Gvar ? look.heterochromatin : stainDensity(band.stain);
        double width = 1, spread = 1, pale = 1;
        if (bands.acrocentric && s < centromere + shoulder) {
            double armWidth = 1;
            if (band.shortArm) {
                if (band.stain == Stain::Stalk)
                    dark = 0.02, armWidth = std::max(0.12, minStalk), spread = 0.1, pale = 0.55;
                else if (band.start < stalkStart) // satellite
                    dark = 0.28, armWidth = 0.42, spread = 0.1, pale = 0.75;
                else                              // proximal short arm and centromere
                    dark = 0.38, armWidth = 0.38, spread = 0.3, pale = 0.85;
            }
            const double t = (shoulderStart + shoulder - s) / shoulder;
            const double round = t >= 1 ? 0 : t <= 0 ? 1 : std::sqrt(1 - t * t);
            width = std::max(armWidth, round);
            if (round > armWidth)
                spread = std::max(spread, round * round);
        }
        darkness[i] = float(dark * look.contrast);
        widthFactor[i] = float(width);
        spreadFactor[i] = float(spread);
        paleness[i] = float(pale);
    }
    blur(darkness, style.bandSoftness / Step);
    blur(widthFactor, 0.8 / Step);
    blur(spreadFactor, 1.5 / Step);
    blur(paleness, 1.2 / Step);
    const std::vector<float> mottle = smoothNoise(rng, n, 5 / Step);
    const std::vector<float> wobbleA = smoothNoise(rng, n, 9 / Step);
    const std::vector<float> wobbleB = smoothNoise(rng, n, 9 / Step);
    // The primary constriction: the chromatids narrow and come together at the centromere.
    const double constrictionSigma = 0.28 * style.width;
    for (int i = 0; i < n; ++i) {
        const double d = (i * Step - centromere) / constrictionSigma;
        const double pinch = std::exp(-d * d);
        if (!bands.acrocentric)
            widthFactor[i] *= float(1 - 0.2 * pinch);
        spreadFactor[i] *= float(1 - 0.45 * pinch);
        darkness[i] = std::max(0.0f, darkness[i] + 0.04f * mottle[i]);
    }

    // Each chromatid is a tube of radius r around an axis at +-offset, with round caps at both ends.
    const double radiusScale = quarter * 1.12;
    const double offsetScale = quarter * 0.9 * look.chromatidSpread;
    const auto offsetAt = [&](double s) { return sample(widthFactor, s) * sample(spreadFactor, s) * offsetScale; };
    const double topRadius = sample(widthFactor, quarter * sample(widthFactor, 0)) * radiusScale;
    const double bottomRadius = sample(widthFactor, length - quarter) * radiusScale;
    const double topOffset = offsetAt(topRadius);
    const double bottomOffset = offsetAt(length - bottomRadius);
    // Bands run a little askew, and the two chromatids' bands do not line up exactly.
    const double skew = rng.uniform(-0.07, 0.07);
    const double shiftA = rng.uniform(-0.4, 0.4), shiftB = rng.uniform(-0.4, 0.4);

    const double theta = look.tiltDegrees * Pi / 180;
    const double sinT = std::sin(theta), cosT = std::cos(theta);
    const double bendPixels = look.bend * length, wavePixels = look.wave * length;
    const double halfWidth = style.width / 2 + std::abs(bendPixels) + std::abs(wavePixels) + 2;
    const int canvasW = int(std::ceil(2 * (halfWidth * cosT + length / 2 * std::abs(sinT)))) + 4;
    const int canvasH = int(std::ceil(2 * (length / 2 * cosT + halfWidth * std::abs(sinT)))) + 4;
    const double cx = canvasW / 2.0, cy = canvasH / 2.0;

    std::vector<uchar> canvas(size_t(canvasW) * canvasH, 255);
    int left = canvasW, right = -1, top = canvasH, bottom = -1;
    for (int py = 0; py < canvasH; ++py) {
        for (int px = 0; px < canvasW; ++px) {
            const double dx = px + 0.5 - cx, dy = py + 0.5 - cy;
            const double s = dy * cosT - dx * sinT + length / 2;
            if (s < -1 || s > length + 1)
                continue;
            const double axis = bendPixels * std::sin(Pi * s / length) + wavePixels * std::sin(2 * Pi * s / length);
            const double u = dx * cosT + dy * sinT - axis;
            if (std::abs(u) > style.width)
                continue;

            const double w = sample(widthFactor, s);
            const double offset = w * sample(spreadFactor, s) * offsetScale;
            double coverage = 0, thickness = 0, nearest = 2;
            int nearestSide = -1;
            for (int side = -1; side <= 1; side += 2) {
                const double wobble = 1 + 0.06 * sample(side < 0 ? wobbleA : wobbleB, s);
                double distance, radius;
                if (s < topRadius) {
                    radius = topRadius;
                    distance = std::hypot(s - topRadius, u - side * topOffset * wobble);
                } else if (s > length - bottomRadius) {
                    radius = bottomRadius;
                    distance = std::hypot(s - (length - bottomRadius), u - side * bottomOffset * wobble);
                } else {
                    radius = w * radiusScale;
                    distance = std::abs(u - side * offset * wobble);
                }
                const double c = std::clamp(radius - distance + 0.5, 0.0, 1.0);
                const double q = std::min(distance / radius, 1.0);
                coverage = std::max(coverage, c);
                thickness = std::max(thickness, 0.3 + 0.7 * std::pow(1 - q * q, 0.4));
                if (q < nearest)
                    nearest = q, nearestSide = side;
            }
            if (coverage < 0.04)
                continue;

            const double bandAt = s + skew * u + (nearestSide < 0 ? shiftA : shiftB);
            const double density = sample(paleness, s) * thickness
                                   * (style.unstainedDensity + sample(darkness, bandAt) * style.stainDensity);
            const double body = 255 * std::exp(-density) + style.noise * pixelNoise(look.seed, px, py);
            const double grey = 255 - coverage * (255 - body);
            canvas[size_t(py) * canvasW + px] = uchar(std::clamp(std::lround(grey), 8L, 254L));
            left = std::min(left, px), right = std::max(right, px);
            top = std::min(top, py), bottom = std::max(bottom, py);
        }
    }

    const int *m = look.margins;
    const int outW = right - left + 1 + m[0] + m[2];
    const int outH = bottom - top + 1 + m[1] + m[3];
    QImage image(outW, outH, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = top; y <= bottom; ++y) {
        uchar *line = image.scanLine(y - top + m[1]) + m[0];
        std::copy_n(canvas.data() + size_t(y) * canvasW + left, right - left + 1, line);
    }
    return image;
}

} // namespace korven
