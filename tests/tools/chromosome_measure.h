#pragma once
// Measurements on a painted chromosome bitmap, taken as a cytogeneticist's software would: the
// body is traced row by row (pieces are upright), its centre line smoothed, and lengths, widths,
// curvature, edge sharpness and the band profile read along that line.
#include "tools/chromosome_variants.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <queue>
#include <vector>

namespace measure {

inline bool isWhite(const QImage &image, int x, int y) { return image.constScanLine(y)[x] == 255; }

// Labels of the 8-connected pieces of non-white pixels (0 for white), and their count.
inline int labelPieces(const QImage &image, std::vector<int> *labels)
{
    const int w = image.width(), h = image.height();
    labels->assign(size_t(w) * h, 0);
    int count = 0;
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (isWhite(image, x0, y0) || (*labels)[size_t(y0) * w + x0])
                continue;
            ++count;
            std::queue<QPoint> queue;
            queue.emplace(x0, y0);
            (*labels)[size_t(y0) * w + x0] = count;
            while (!queue.empty()) {
                const QPoint p = queue.front();
                queue.pop();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = p.x() + dx, y = p.y() + dy;
                        if (x >= 0 && y >= 0 && x < w && y < h && !(*labels)[size_t(y) * w + x] && !isWhite(image, x, y)) {
                            (*labels)[size_t(y) * w + x] = count;
                            queue.emplace(x, y);
                        }
                    }
            }
        }
    return count;
}

// The largest piece traced row by row.
struct Trace {
    int top = 0, bottom = -1;          // rows of the body
    std::vector<int> left, right;      // extent per row (index row - top)
    std::vector<double> centre;        // smoothed centre per row
    std::vector<double> slope;         // d centre / d row
    std::vector<double> arc;           // length along the centre line at each row
    double length = 0;
    double width = 0;                  // median extent across the centre line
    int rows() const { return bottom - top + 1; }
};

inline Trace trace(const QImage &image)
{
    std::vector<int> labels;
    const int count = labelPieces(image, &labels);
    std::vector<int> area(count + 1, 0);
    for (int label : labels)
        ++area[label];
    const int body = int(std::max_element(area.begin() + 1, area.end()) - area.begin());
    const int w = image.width();
    Trace t;
    t.top = image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < w; ++x)
            if (labels[size_t(y) * w + x] == body)
                t.top = std::min(t.top, y), t.bottom = std::max(t.bottom, y);
    for (int y = t.top; y <= t.bottom; ++y) {
        int l = w, r = -1;
        for (int x = 0; x < w; ++x)
            if (labels[size_t(y) * w + x] == body)
                l = std::min(l, x), r = std::max(r, x);
        t.left.push_back(l), t.right.push_back(r);
    }
    const int n = t.rows();
    std::vector<double> raw(n);
    std::vector<double> extents(n);
    for (int i = 0; i < n; ++i)
        raw[i] = (t.left[i] + t.right[i]) / 2.0, extents[i] = t.right[i] - t.left[i] + 1;
    std::vector<double> sorted = extents;
    std::sort(sorted.begin(), sorted.end());
    const double roughWidth = sorted[n / 2];
    const int half = std::max(2, int(roughWidth / 2)); // smooth over about a width
    t.centre.resize(n);
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        int k = 0;
        for (int j = std::max(0, i - half); j <= std::min(n - 1, i + half); ++j)
            sum += raw[j], ++k;
        t.centre[i] = sum / k;
    }
    t.slope.resize(n);
    for (int i = 0; i < n; ++i)
        t.slope[i] = (t.centre[std::min(n - 1, i + 2)] - t.centre[std::max(0, i - 2)])
                     / std::max(1, std::min(n - 1, i + 2) - std::max(0, i - 2));
    t.arc.resize(n);
    for (int i = 1; i < n; ++i)
        t.arc[i] = t.arc[i - 1] + std::sqrt(1 + t.slope[i] * t.slope[i]);
    t.length = t.arc.back() + 1;
    std::vector<double> across;
    for (int i = n / 10; i < n - n / 10; ++i)
        across.push_back(extents[i] / std::sqrt(1 + t.slope[i] * t.slope[i]));
    std::sort(across.begin(), across.end());
    t.width = across.empty() ? roughWidth : across[across.size() / 2];
    return t;
}

// Largest distance of the centre line from the straight line joining its ends (half a width in
// from each end), in widths.
inline double bendInWidths(const Trace &t)
{
    const int a = std::min(t.rows() - 1, int(t.width / 2)), b = std::max(0, t.rows() - 1 - int(t.width / 2));
    if (b <= a)
        return 0;
    const double x0 = t.centre[a], x1 = t.centre[b];
    const double dy = b - a, dx = x1 - x0, norm = std::hypot(dx, dy);
    double most = 0;
    for (int i = a; i <= b; ++i)
        most = std::max(most, std::abs((t.centre[i] - x0) * dy - (i - a) * dx) / norm);
    return most / t.width;
}

inline double grey(const QImage &image, int x, int y)
{
    if (x < 0 || x >= image.width())
        return 255;
    return image.constScanLine(y)[x];
}

// Median 10-90 % rise, in pixels, of the left and right edges of the rows in the middle of the
// body: from the white outside to the darkest point within a third of the width.
inline double edgeRise(const QImage &image, const Trace &t)
{
    std::vector<double> rises;
    const int n = t.rows();
    for (int i = n / 5; i < 4 * n / 5; ++i) {
        const int y = t.top + i;
        for (int dir : {1, -1}) {
            const int start = dir > 0 ? t.left[i] - 1 : t.right[i] + 1;
            const int reach = int(t.width / 3) + 2;
            double floor = 255;
            for (int k = 0; k <= reach; ++k)
                floor = std::min(floor, grey(image, start + dir * k, y));
            if (floor > 235)
                continue;
            const auto crossing = [&](double level) {
                for (int k = 1; k <= reach; ++k) {
                    const double g0 = grey(image, start + dir * (k - 1), y), g1 = grey(image, start + dir * k, y);
                    if (g1 <= level)
                        return k - 1 + (g0 - level) / std::max(1e-9, g0 - g1);
                }
                return double(reach);
            };
            rises.push_back(crossing(255 - 0.9 * (255 - floor)) - crossing(255 - 0.1 * (255 - floor)));
        }
    }
    std::sort(rises.begin(), rises.end());
    return rises.empty() ? 0 : rises[rises.size() / 2];
}

// Mean grey of the middle half of the width at each row, indexed like the trace's rows.
inline std::vector<double> profile(const QImage &image, const Trace &t)
{
    std::vector<double> values;
    for (int i = 0; i < t.rows(); ++i) {
        const int reach = std::max(1, int(t.width / 4));
        double sum = 0;
        int k = 0;
        for (int x = int(std::lround(t.centre[i])) - reach; x <= int(std::lround(t.centre[i])) + reach; ++x)
            sum += grey(image, x, t.top + i), ++k;
        values.push_back(sum / k);
    }
    return values;
}

// Darkness of the homologue's bands at each row of the trace (rows mapped by their share of the
// length), blurred by `sigma` pixels like the optics.
inline std::vector<double> expectedDarkness(const korven::Homologue &h, const Trace &t, double sigma)
{
    const auto &bands = h.bands.bands;
    std::vector<double> values;
    for (int i = 0; i < t.rows(); ++i) {
        const double position = t.arc[i] / t.length * h.bands.length;
        size_t b = 0;
        while (b + 1 < bands.size() && position >= bands[b].stop)
            ++b;
        values.push_back(h.darkness[b]);
    }
    std::vector<double> blurred(values.size());
    const int radius = int(3 * sigma) + 1;
    for (int i = 0; i < int(values.size()); ++i) {
        double sum = 0, weight = 0;
        for (int k = -radius; k <= radius; ++k) {
            const int j = std::clamp(i + k, 0, int(values.size()) - 1);
            const double wgt = std::exp(-0.5 * k * k / (sigma * sigma));
            sum += wgt * values[j], weight += wgt;
        }
        blurred[i] = sum / weight;
    }
    return blurred;
}

inline double correlation(const std::vector<double> &a, const std::vector<double> &b, int from, int to)
{
    double ma = 0, mb = 0;
    const int n = to - from;
    for (int i = from; i < to; ++i)
        ma += a[i], mb += b[i];
    ma /= n, mb /= n;
    double sab = 0, saa = 0, sbb = 0;
    for (int i = from; i < to; ++i)
        sab += (a[i] - ma) * (b[i] - mb), saa += (a[i] - ma) * (a[i] - ma), sbb += (b[i] - mb) * (b[i] - mb);
    return saa > 0 && sbb > 0 ? sab / std::sqrt(saa * sbb) : 0;
}

// Grey below which the darkest `share` of the body's pixels lie.
inline double darkestGrey(const QImage &image, const Trace &t, double share)
{
    std::vector<double> greys;
    for (int i = 0; i < t.rows(); ++i)
        for (int x = t.left[i]; x <= t.right[i]; ++x)
            if (!isWhite(image, x, t.top + i))
                greys.push_back(grey(image, x, t.top + i));
    if (greys.empty())
        return 255;
    const size_t k = std::min(greys.size() - 1, size_t(share * greys.size()));
    std::nth_element(greys.begin(), greys.begin() + k, greys.end());
    return greys[k];
}

// How far a row's grey rises between its darkest point left and right of `centre`, as a share
// of the way from that darkness to white: 0 for a body dark across, near 1 for two pieces with
// white between them.
inline double rowValley(const QImage &image, int y, int left, int right, double centre)
{
    const auto smoothed = [&](int x) {
        return (grey(image, x - 1, y) + 2 * grey(image, x, y) + grey(image, x + 1, y)) / 4;
    };
    double darkLeft = 255, darkRight = 255;
    int atLeft = left, atRight = right;
    for (int x = left; x <= right; ++x) {
        const double g = smoothed(x);
        if (x < centre && g < darkLeft)
            darkLeft = g, atLeft = x;
        if (x >= centre && g < darkRight)
            darkRight = g, atRight = x;
    }
    double between = 0;
    for (int x = atLeft; x <= atRight; ++x)
        between = std::max(between, smoothed(x));
    const double dark = std::max(darkLeft, darkRight);
    return dark >= 250 ? 0 : (between - dark) / (255 - dark);
}

// Whether the chromatid tips at one end (the top, or the bottom) stand apart: the rows a quarter
// to two thirds of a width in from the tip show a valley at least `valley` of the way to white
// (0.5 for tips clearly apart, less for a notch between them).
inline bool tipsParted(const QImage &image, const Trace &t, bool top, double valley = 0.5)
{
    int parted = 0;
    for (int k = int(0.25 * t.width); k <= int(0.67 * t.width) && k < t.rows() / 3; ++k) {
        const int i = top ? k : t.rows() - 1 - k;
        parted += rowValley(image, t.top + i, t.left[i], t.right[i], t.centre[i]) >= valley;
    }
    return parted >= 2;
}

// Stain mass of each row: how much darker than white its pixels are, summed.
inline std::vector<double> rowMass(const QImage &image, const Trace &t)
{
    std::vector<double> mass;
    for (int i = 0; i < t.rows(); ++i) {
        double sum = 0;
        for (int x = t.left[i]; x <= t.right[i]; ++x)
            sum += 255 - grey(image, x, t.top + i);
        mass.push_back(sum);
    }
    return mass;
}

// Whether the top of an acrocentric shows its satellite: as a loose speck above the body, or as
// a knob whose stain mass falls by a quarter or more at the stalk below it.
inline bool showsSatellite(const QImage &image, const Trace &t)
{
    std::vector<int> labels;
    const int count = labelPieces(image, &labels);
    for (int k = 1; k <= count; ++k)
        for (int y = 0; y < t.top; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (labels[size_t(y) * image.width() + x] == k)
                    return true; // a piece above the body
    const std::vector<double> mass = rowMass(image, t);
    const double full = *std::max_element(mass.begin(), mass.end());
    double knob = 0;
    for (int i = 0; i < t.rows() && mass[i] < 0.6 * full; ++i) {
        knob = std::max(knob, mass[i]);
        if (knob > 0 && mass[i] <= 0.75 * knob && i + 1 < t.rows() && mass[i + 1] >= mass[i])
            return true;
    }
    return false;
}

// The profile resampled to `n` points along its length, so pieces of different lengths compare.
inline std::vector<double> resampled(const std::vector<double> &values, int n)
{
    std::vector<double> out(n);
    for (int k = 0; k < n; ++k) {
        const double t = (k + 0.5) / n * values.size() - 0.5;
        const int i = std::clamp(int(t), 0, int(values.size()) - 2);
        const double f = std::clamp(t - i, 0.0, 1.0);
        out[k] = values[i] * (1 - f) + values[i + 1] * f;
    }
    return out;
}

} // namespace measure
