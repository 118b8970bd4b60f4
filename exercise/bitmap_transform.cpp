#include "exercise/bitmap_transform.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

// How a sample is computed
// ------------------------
// An output pixel maps to a source position (x, y) relative to the source centre (W/2, H/2), in
// single precision. Its whole parts are v = trunc(x) for x > 0, else trunc(x - 1) (the floor of a
// non-integral x; a whole x <= 0 gives x - 1 with fraction 1), and the same for u from y. The
// fractions fx = x - v, fy = y - u are single precision too. Source column W/2 + v and row H/2 + u
// must lie in [0, W-1) and [0, H-1), otherwise the pixel is white; inside, each channel is
//   trunc((1-fy)*((1-fx)*S00 + fx*S01) + fy*((1-fx)*S10 + fx*S11)),
// the expression taken as its exact value. Rounding here would matter: a flat colour must stay
// that colour, and 255 turned into 254 would leave a non-transparent fringe.
//
// The fractions are binary fractions, so the exact value is reached with integers. Nearly every
// fraction is a multiple of 2^-24 (all but those of positions strictly between 0 and 0.5); such
// a pair is used as 24-bit fixed-point weights in 64-bit arithmetic. Finer fractions use 58-bit
// weights in 128-bit arithmetic. Only a fraction finer than 2^-58, which the callers' angles and
// factors never produce, falls back to extended precision.
//
// The coordinates are products and sums rounded to single precision one operation at a time,
// so floating-point contraction (fused multiply-add) stays off in this file.
#pragma GCC optimize("fp-contract=off")

namespace korven {

namespace {

constexpr float FractionScale = 16777216.0f; // 2^24

QImage as24Bit(const QImage &image)
{
    if (image.format() == QImage::Format_RGB888)
        return image;
    return image.convertToFormat(QImage::Format_RGB888);
}

// The whole part by the trunc rule above and the single-precision fraction.
inline void splitCoordinate(float c, int &whole, float &fraction)
{
    whole = int(c) - (c <= 0.0f ? 1 : 0);
    fraction = c - float(whole);
}

// A fraction in [0, 1] with its 24-bit fixed-point weight, or -1 when it is finer than 2^-24.
struct Fraction {
    float value;
    std::int32_t weight;
};

inline Fraction makeFraction(float fraction)
{
    const float scaled = fraction * FractionScale; // exact: a power of two
    std::int32_t weight = -1;
    if (scaled >= 0.0f && scaled <= FractionScale) {
        weight = std::int32_t(scaled);
        if (float(weight) != scaled)
            weight = -1;
    }
    return {fraction, weight};
}

// The 58-bit fixed-point weight of a fraction in [0, 1], false when it is finer than 2^-58.
inline bool wideWeight(float fraction, std::int64_t &weight)
{
    const double scaled = std::ldexp(double(fraction), 58); // exact
    if (!(scaled >= 0.0 && scaled <= 0x1p58))
        return false;
    weight = std::int64_t(scaled);
    return double(weight) == scaled;
}

// One channel, exact, with 24-bit weights wx, wy in [0, 2^24].
inline std::uint8_t blend24(int s00, int s01, int s10, int s11, std::int64_t wx, std::int64_t wy)
{
    const std::int64_t top = (std::int64_t(s00) << 24) + wx * (s01 - s00);
    const std::int64_t bottom = (std::int64_t(s10) << 24) + wx * (s11 - s10);
    const std::int64_t value = (top << 24) + wy * (bottom - top);
    return std::uint8_t(value >> 48); // value lies in [0, 256 * 2^48)
}

// The same with 58-bit weights in [0, 2^58].
inline std::uint8_t blend58(int s00, int s01, int s10, int s11, std::int64_t wx, std::int64_t wy)
{
    using Wide = __int128;
    const Wide top = (Wide(s00) << 58) + Wide(wx) * (s01 - s00);
    const Wide bottom = (Wide(s10) << 58) + Wide(wx) * (s11 - s10);
    const Wide value = (top << 58) + Wide(wy) * (bottom - top);
    return std::uint8_t(value >> 116); // value lies in [0, 256 * 2^116)
}

// Last resort for fractions finer than 2^-58: extended precision.
inline std::uint8_t blendExtended(int s00, int s01, int s10, int s11, float fx, float fy)
{
    const long double x = fx;
    const long double y = fy;
    const long double value = (1 - y) * ((1 - x) * s00 + x * s01) + y * ((1 - x) * s10 + x * s11);
    if (!(value > 0.0L))
        return 0;
    if (value >= 255.0L)
        return 255;
    return std::uint8_t(static_cast<int>(value));
}

// The rare case of a fraction finer than 2^-24.
[[gnu::noinline]] void sampleFine(const uchar *a, const uchar *b, Fraction fx, Fraction fy, uchar *out)
{
    std::int64_t wx, wy;
    if (wideWeight(fx.value, wx) && wideWeight(fy.value, wy)) {
        for (int k = 0; k < 3; ++k)
            out[k] = blend58(a[k], a[k + 3], b[k], b[k + 3], wx, wy);
    } else {
        for (int k = 0; k < 3; ++k)
            out[k] = blendExtended(a[k], a[k + 3], b[k], b[k + 3], fx.value, fy.value);
    }
}

// Writes the sample whose top-left source pixel is at a (and the pixel below it at b) into the
// three bytes at out; the position is already known to be inside.
inline void samplePixel(const uchar *a, const uchar *b, Fraction fx, Fraction fy, uchar *out)
{
    if (fx.weight >= 0 && fy.weight >= 0) {
        out[0] = blend24(a[0], a[3], b[0], b[3], fx.weight, fy.weight);
        out[1] = blend24(a[1], a[4], b[1], b[4], fx.weight, fy.weight);
        out[2] = blend24(a[2], a[5], b[2], b[5], fx.weight, fy.weight);
    } else {
        sampleFine(a, b, fx, fy, out);
    }
}

inline void setWhite(uchar *out)
{
    out[0] = out[1] = out[2] = 255;
}

// Sine and cosine of a turn of `degrees`, exact at whole multiples of 90 degrees. (The library's
// cos(pi/2) is about 6e-17, not 0, which would put the samples along the centre lines a hair off
// the whole pixels.)
void turnSinCos(float degrees, float &sine, float &cosine)
{
    const double quarters = double(degrees) / 90.0;
    if (quarters == std::floor(quarters) && std::fabs(quarters) < 1e9) {
        static constexpr float sines[4] = {0.0f, 1.0f, 0.0f, -1.0f};
        static constexpr float cosines[4] = {1.0f, 0.0f, -1.0f, 0.0f};
        const int k = int(((long long)(quarters) % 4 + 4) % 4);
        sine = sines[k];
        cosine = cosines[k];
        return;
    }
    const double theta = double(degrees) * M_PI * (1.0 / 180.0);
    sine = float(std::sin(theta));
    cosine = float(std::cos(theta));
}

// The mean of every 2^n x 2^n block of the source, rounded once: n rounds of exact 2 x 2
// averaging. A trailing odd row or column (never sampled at the next level) is left out.
QImage reduceByBlocks(const QImage &src, int n)
{
    // Past 2^15 no bitmap has a whole block: all white, as nothing inside can be sampled.
    const int W = n <= 15 ? src.width() >> n : 0;
    const int H = n <= 15 ? src.height() >> n : 0;
    QImage out(std::max(W, 1), std::max(H, 1), QImage::Format_RGB888);
    if (out.isNull() || W < 1 || H < 1) {
        out.fill(Qt::white);
        return out;
    }
    if (n == 1) { // the common case, written out
        for (int r = 0; r < H; ++r) {
            const uchar *a = src.constScanLine(2 * r);
            const uchar *b = src.constScanLine(2 * r + 1);
            uchar *dst = out.scanLine(r);
            for (int c = 0; c < W; ++c, a += 6, b += 6, dst += 3) {
                dst[0] = uchar((a[0] + a[3] + b[0] + b[3] + 2) >> 2);
                dst[1] = uchar((a[1] + a[4] + b[1] + b[4] + 2) >> 2);
                dst[2] = uchar((a[2] + a[5] + b[2] + b[5] + 2) >> 2);
            }
        }
        return out;
    }
    const int block = 1 << n;
    const int shift = 2 * n;
    const std::uint64_t half = std::uint64_t(1) << (shift - 1);
    std::vector<std::uint64_t> sums(size_t(W) * 3);
    for (int r = 0; r < H; ++r) {
        std::fill(sums.begin(), sums.end(), half);
        for (int k = 0; k < block; ++k) {
            const uchar *in = src.constScanLine(r * block + k);
            std::uint64_t *sum = sums.data();
            for (int c = 0; c < W; ++c, sum += 3) {
                for (int b = 0; b < block; ++b, in += 3) {
                    sum[0] += in[0];
                    sum[1] += in[1];
                    sum[2] += in[2];
                }
            }
        }
        uchar *dst = out.scanLine(r);
        for (int i = 0; i < 3 * W; ++i)
            dst[i] = uchar(sums[i] >> shift);
    }
    return out;
}

} // namespace

QSize scaledSize(const QSize &source, float factor)
{
    if (source.isEmpty() || !(factor > 0.0f) || !std::isfinite(factor))
        return QSize();
    const double outW = std::trunc(double(source.width()) * factor);
    const double outH = std::trunc(double(source.height()) * factor - 1.0);
    if (outW < 1.0 || outH < 1.0 || outW > 1e6 || outH > 1e6)
        return QSize();
    return QSize(int(outW), int(outH));
}

QSize rotatedSize(const QSize &source, float angle)
{
    if (source.isEmpty() || !std::isfinite(angle))
        return QSize();
    // The size angle folds the turn into 0..90 degrees.
    float phi = angle;
    if (phi < 0.0f || phi >= 360.0f) // callers pass 0 <= angle < 360; keep odd angles sane
        phi = float(std::fmod(double(phi), 360.0) + (phi < 0.0f ? 360.0 : 0.0));
    if (phi > 180.0f)
        phi = phi - 180.0f;
    if (phi > 90.0f)
        phi = 180.0f - phi;
    const double r = double(phi) * M_PI * (1.0 / 180.0);
    const int W = source.width();
    const int H = source.height();
    const double outW = std::trunc(std::cos(r) * W + std::sin(r) * H);
    const double outH = std::trunc(std::sin(r) * W + std::cos(r) * H);
    if (outW < 1.0 || outH < 1.0 || outW > 1e6 || outH > 1e6)
        return QSize();
    return QSize(int(outW), int(outH));
}

int reductionSteps(float factor)
{
    int n = 0;
    while (factor > 0.0f && factor < 0.5f && n < 30) {
        factor *= 2.0f; // exact
        ++n;
    }
    return n;
}

void ScaleBitmap(const QImage &source, QImage &output, float factor)
{
    QImage src = as24Bit(source);
    if (src.isNull() || !(factor > 0.0f) || !std::isfinite(factor)) {
        output = QImage();
        return;
    }
    const int W = src.width();
    const int H = src.height();
    // Sizes from exact products (an int times a float is exact in double).
    const double scaledW = double(W) * factor;
    const double scaledH = double(H) * factor;
    const QSize outSize = scaledSize(src.size(), factor);
    if (outSize.isEmpty()) {
        output = QImage();
        return;
    }
    const int outW = outSize.width();
    const int outH = outSize.height();
    const int hw = int(scaledW * 0.5);
    const int hh = int(scaledH * 0.5);

    QImage out(outW, outH, QImage::Format_RGB888);
    if (out.isNull()) {
        output = QImage();
        return;
    }

    // Below a factor of 1/2 single samples would skip source rows and columns: the source is
    // first reduced by whole 2 x 2 averages until the remaining factor is 1/2 or more. The output
    // keeps the size and the centre offsets of the original factor.
    if (const int steps = reductionSteps(factor); steps > 0) {
        src = reduceByBlocks(src, steps);
        factor = std::ldexp(factor, steps);
    }
    const int sampledW = src.width();
    const int sampledH = src.height();

    // Per output column (column offset j = c - hw; the last offsets, past the output, are never
    // written): byte offset of the source column and its fraction. The source column grows with
    // j, so the columns inside the source form one run [first, last).
    std::vector<int> columnBytes(outW);
    std::vector<Fraction> columnFraction(outW);
    int first = outW, last = 0;
    bool allCoarse = true;
    for (int c = 0; c < outW; ++c) {
        int v;
        float fx;
        splitCoordinate(float(c - hw) / factor, v, fx);
        const int col = sampledW / 2 + v;
        if (col < 0 || col >= sampledW - 1)
            continue;
        first = std::min(first, c);
        last = c + 1;
        columnBytes[c] = 3 * col;
        columnFraction[c] = makeFraction(fx);
        allCoarse = allCoarse && columnFraction[c].weight >= 0;
    }

    for (int r = 0; r < outH; ++r) {
        uchar *dst = out.scanLine(r);
        int u;
        float fy;
        splitCoordinate(float(r - hh) / factor, u, fy);
        const int row = sampledH / 2 + u;
        if (row < 0 || row >= sampledH - 1 || first >= last) {
            std::memset(dst, 255, size_t(outW) * 3);
            continue;
        }
        std::memset(dst, 255, size_t(first) * 3);
        std::memset(dst + 3 * last, 255, size_t(outW - last) * 3);
        const Fraction rowFraction = makeFraction(fy);
        const uchar *row0 = src.constScanLine(row);
        const uchar *row1 = src.constScanLine(row + 1);
        if (allCoarse && rowFraction.weight >= 0) {
            const std::int64_t wy = rowFraction.weight;
            for (int c = first; c < last; ++c) {
                const uchar *a = row0 + columnBytes[c];
                const uchar *b = row1 + columnBytes[c];
                const std::int64_t wx = columnFraction[c].weight;
                uchar *o = dst + 3 * c;
                o[0] = blend24(a[0], a[3], b[0], b[3], wx, wy);
                o[1] = blend24(a[1], a[4], b[1], b[4], wx, wy);
                o[2] = blend24(a[2], a[5], b[2], b[5], wx, wy);
            }
        } else {
            for (int c = first; c < last; ++c)
                samplePixel(row0 + columnBytes[c], row1 + columnBytes[c], columnFraction[c], rowFraction,
                            dst + 3 * c);
        }
    }
    output = out;
}

void RotateBitmap(const QImage &source, QImage &output, float angle)
{
    const QImage src = as24Bit(source);
    if (src.isNull() || !std::isfinite(angle)) {
        output = QImage();
        return;
    }
    const int W = src.width();
    const int H = src.height();

    // The size angle folds the turn into 0..90 degrees.
    const QSize outSize = rotatedSize(src.size(), angle);
    if (outSize.isEmpty()) {
        output = QImage();
        return;
    }
    const int outW = outSize.width();
    const int outH = outSize.height();
    const int hw = (outW + 1) / 2;
    const int hh = (outH + 1) / 2;

    QImage out(outW, outH, QImage::Format_RGB888);
    const qsizetype srcStride = src.bytesPerLine();
    if (out.isNull() || srcStride * H > qsizetype(INT32_MAX)) {
        output = QImage();
        return;
    }

    float sinT, cosT;
    turnSinCos(angle, sinT, cosT);

    // Per output column the products with j; per row those with i. Each coordinate is then one
    // single-precision addition or subtraction, exactly as sinT*j + cosT*i evaluates.
    std::vector<float> sinJ(outW), cosJ(outW);
    for (int c = 0; c < outW; ++c) {
        const float j = float(c - hw);
        sinJ[c] = sinT * j;
        cosJ[c] = cosT * j;
    }

    // Each row is done in two passes: first every pixel's source offset and weights (a plain
    // loop without branches, which the compiler turns into vector code), then the blends.
    std::vector<std::int32_t> offsets(outW), weightX(outW), weightY(outW);
    const int halfW = W / 2;
    const int halfH = H / 2;
    const std::uint32_t colLimit = std::uint32_t(W - 1);
    const std::uint32_t rowLimit = std::uint32_t(H - 1);
    const std::int32_t stride = std::int32_t(srcStride);
    const uchar *srcBits = src.constBits();
    for (int rr = 0; rr < outH; ++rr) {
        uchar *dst = out.scanLine(rr);
        const float i = float(rr - hh);
        const float cosI = cosT * i;
        const float sinI = sinT * i;
        std::int32_t *off = offsets.data();
        std::int32_t *wxs = weightX.data();
        std::int32_t *wys = weightY.data();
        for (int c = 0; c < outW; ++c) {
            const float y = sinJ[c] + cosI;
            const float x = cosJ[c] - sinI;
            const int u = int(y) - (y <= 0.0f ? 1 : 0);
            const int v = int(x) - (x <= 0.0f ? 1 : 0);
            const float fy = y - float(u);
            const float fx = x - float(v);
            const int col = halfW + v;
            const int row = halfH + u;
            const bool inside = (std::uint32_t(col) < colLimit) & (std::uint32_t(row) < rowLimit);
            const float sx = fx * FractionScale;
            const float sy = fy * FractionScale;
            const std::int32_t ix = std::int32_t(sx);
            const std::int32_t iy = std::int32_t(sy);
            off[c] = inside ? row * stride + 3 * col : -1;
            wxs[c] = float(ix) == sx ? ix : -1;
            wys[c] = float(iy) == sy ? iy : -1;
        }
        for (int c = 0; c < outW; ++c) {
            uchar *o = dst + 3 * c;
            if (off[c] < 0) {
                setWhite(o);
                continue;
            }
            const uchar *a = srcBits + off[c];
            const uchar *b = a + stride;
            const std::int64_t wx = wxs[c];
            const std::int64_t wy = wys[c];
            if ((wx | wy) >= 0) {
                o[0] = blend24(a[0], a[3], b[0], b[3], wx, wy);
                o[1] = blend24(a[1], a[4], b[1], b[4], wx, wy);
                o[2] = blend24(a[2], a[5], b[2], b[5], wx, wy);
            } else {
                // The fine route recomputes the fractions exactly as above.
                const float y = sinJ[c] + cosI;
                const float x = cosJ[c] - sinI;
                int u, v;
                float fy, fx;
                splitCoordinate(y, u, fy);
                splitCoordinate(x, v, fx);
                sampleFine(a, b, makeFraction(fx), makeFraction(fy), o);
            }
        }
    }
    output = out;
}

QImage whiteAsTransparent(const QImage &image)
{
    const QImage src = as24Bit(image);
    if (src.isNull())
        return QImage();
    QImage out(src.width(), src.height(), QImage::Format_ARGB32);
    if (out.isNull())
        return QImage();
    out.setDevicePixelRatio(image.devicePixelRatio());
    for (int r = 0; r < src.height(); ++r) {
        const uchar *in = src.constScanLine(r);
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(r));
        for (int c = 0; c < src.width(); ++c, in += 3) {
            if (in[0] == 255 && in[1] == 255 && in[2] == 255)
                dst[c] = qRgba(255, 255, 255, 0);
            else
                dst[c] = qRgb(in[0], in[1], in[2]);
        }
    }
    return out;
}

} // namespace korven
