#include "tools/karyogram_segment.h"

#include "tools/cv_image.h"
#include "tools/karyogram_prepare.h"

#include <QCoreApplication>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace korven {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double MaxTurn = 5.0;  // degrees; a larger apparent tilt is not a tilted karyogram
constexpr double MinTurn = 0.2;  // degrees; less is not worth resampling the picture for

// Tuning of telling chromosomes from print, each with its unit and reason.
struct SegmentParameters {
    // Pixels from a component's edge from which on its grey counts as its core, at least: the
    // blended edge says nothing about whether the inside is banded.
    float coreDepth = 2.0f;
    // Share of a component's largest depth from which on its grey counts as its core: the
    // middle of a glyph's stroke is even, the middle of a chromosome still crosses its bands.
    double coreShare = 0.5;
    // Core pixels a component needs before its core's evenness is judged.
    int coreMinimum = 12;
    // Spread (standard deviation, grey levels) of the core below which a component is printed
    // matter of one even grey (a glyph, bar or disc, about 0): banded chromosomes measure 25
    // and more, a pale small one with a single band 16.
    double flatSpread = 10.0;
    // Mean grey of the core below which a component is solid print: chromosomes have pale bands
    // and measure 110 and more, black glyphs under 10.
    double solidMean = 60.0;
    // Pixels above and below a line's band looked at to tell a line standing free from one
    // crossing a chromosome.
    int lineClearance = 2;
};

constexpr SegmentParameters Tuning;

// Thick: a chromosome or part of one; Line: an underline; Small: a satellite, label or speck;
// Print: something of one even darkness (a glyph, a bar, a disc), never a chromosome.
enum class Kind { Thick, Line, Small, Print };

struct Component {
    int label = 0;
    cv::Rect box;
    int area = 0;
    double thickness = 0; // twice the largest distance from inside to the background
    double angle = 0;     // long axis against the horizontal, degrees, positive down to the right
    bool flat = false;    // its core is of one even darkness
    Kind kind = Kind::Small;
};

struct Group {
    std::vector<int> members; // component indexes; thick ones first
    int thickMembers = 0;
    cv::Rect box;
    int row = -1;
    double centreX() const { return box.x + box.width / 2.0; }
    double centreY() const { return box.y + box.height / 2.0; }
};

struct Analysis {
    cv::Mat flat;   // background at 255
    cv::Mat smooth; // flat, lightly blurred
    cv::Mat labels; // CV_32S component labels of the chromosome-or-not mask
    std::vector<Component> components;
    double thickness = 0;
    std::vector<Group> groups; // the chromosomes
    std::vector<std::vector<int>> rows; // group indexes, each row left to right
    std::vector<DroppedPiece> dropped;
    std::vector<double> lineAngles; // of the lines standing free
};

class UnionFind {
public:
    explicit UnionFind(int n) : parent_(n) { std::iota(parent_.begin(), parent_.end(), 0); }
    int find(int i) { return parent_[i] == i ? i : parent_[i] = find(parent_[i]); }
    void unite(int a, int b) { parent_[find(a)] = find(b); }

private:
    std::vector<int> parent_;
};

int oddSize(int v)
{
    return std::max(1, v) | 1;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + mid, values.end());
    return values[mid];
}

int overlap(int a0, int a1, int b0, int b1)
{
    return std::min(a1, b1) - std::max(a0, b0);
}

int xOverlap(const cv::Rect &a, const cv::Rect &b)
{
    return overlap(a.x, a.x + a.width, b.x, b.x + b.width);
}

int yOverlap(const cv::Rect &a, const cv::Rect &b)
{
    return overlap(a.y, a.y + a.height, b.y, b.y + b.height);
}

// The background grey (the commonest light grey) and the spread of its noise, of a flattened picture.
std::pair<int, double> backgroundLevel(const cv::Mat &smooth)
{
    std::array<long, 256> histogram{};
    for (int y = 0; y < smooth.rows; ++y) {
        const uchar *row = smooth.ptr(y);
        for (int x = 0; x < smooth.cols; ++x)
            ++histogram[row[x]];
    }
    int peak = 255;
    for (int v = 128; v < 256; ++v)
        if (histogram[v] > histogram[peak])
            peak = v;
    // The lower side of the background's bell: the pixels above the peak may be clipped at 255.
    long below = 0;
    for (int v = std::max(0, peak - 40); v < peak; ++v)
        below += histogram[v];
    below += histogram[peak] / 2;
    long count = histogram[peak] / 2;
    int v = peak;
    while (v > peak - 40 && v > 0 && count < 0.68 * below)
        count += histogram[--v];
    return {peak, std::max(0.5, double(peak - v))};
}

// The outermost pixels of a picture: the background of a single bitmap.
std::vector<uchar> framePixels(const cv::Mat &grey)
{
    std::vector<uchar> frame;
    for (int x = 0; x < grey.cols; ++x)
        frame.insert(frame.end(), {grey.at<uchar>(0, x), grey.at<uchar>(grey.rows - 1, x)});
    for (int y = 0; y < grey.rows; ++y)
        frame.insert(frame.end(), {grey.at<uchar>(y, 0), grey.at<uchar>(y, grey.cols - 1)});
    return frame;
}

uchar medianOf(std::vector<uchar> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// A single bitmap's background grey and noise, from its frame only: a small chromosome's pale
// pixels outnumber the background's grey ones and would pass for noise. Noise 0: the frame is
// all one grey (pure white in a problem set).
std::pair<int, double> frameLevel(const cv::Mat &flat)
{
    const std::vector<uchar> frame = framePixels(flat);
    const int level = medianOf(frame);
    std::vector<uchar> deviations;
    for (uchar v : frame)
        deviations.push_back(uchar(std::abs(int(v) - level)));
    if (*std::max_element(deviations.begin(), deviations.end()) == 0)
        return {level, 0.0};
    return {level, std::max(0.5, 1.4826 * medianOf(deviations))};
}

// The picture's dark parts, thresholded with hysteresis: a loose mask, whose components count
// only when they reach the strict level somewhere, so faint pale bands hang on to their
// chromosome while background noise does not start a component of its own. A single bitmap on
// an even background (a problem set's pure white) takes every pixel off that grey: its
// chromosome is what is not background, however pale.
cv::Mat darkMask(Analysis &a, double &strict, bool singlePiece)
{
    if (singlePiece) {
        const auto [level, sigma] = frameLevel(a.flat);
        if (sigma == 0) {
            a.smooth = a.flat;
            strict = level;
            return a.flat < level;
        }
    }
    cv::Mat smooth;
    cv::GaussianBlur(a.flat, smooth, cv::Size(3, 3), 0.8);
    const auto [level, sigma] = singlePiece ? frameLevel(smooth) : backgroundLevel(smooth);
    const double loose = level - std::max(10.0, 3.5 * sigma);
    strict = level - std::max(30.0, 7.0 * sigma);
    a.smooth = smooth;
    return smooth < loose;
}

// The components of a mask, measured; those never darker than `strict` are left out. Each
// component's depth (distance to the background) is taken in its own box grown by a pixel: all of
// its 8-neighbours are background, so no nearer background lies outside that box, and the
// transform of a few boxes costs far less than one of the whole picture.
void measureComponents(Analysis &a, const cv::Mat &mask, double strict)
{
    a.components.clear();
    cv::Mat stats, centroids;
    const int count = cv::connectedComponentsWithStats(mask, a.labels, stats, centroids, 8, CV_32S);
    const cv::Rect whole(0, 0, mask.cols, mask.rows);
    cv::Mat ownBuffer, depthBuffer; // reused from component to component
    for (int l = 1; l < count; ++l) {
        const cv::Rect box(stats.at<int>(l, cv::CC_STAT_LEFT), stats.at<int>(l, cv::CC_STAT_TOP),
                           stats.at<int>(l, cv::CC_STAT_WIDTH), stats.at<int>(l, cv::CC_STAT_HEIGHT));
        const cv::Rect around = cv::Rect(box.x - 1, box.y - 1, box.width + 2, box.height + 2) & whole;
        if (ownBuffer.rows < around.height || ownBuffer.cols < around.width) {
            const cv::Size size(std::max(ownBuffer.cols, around.width), std::max(ownBuffer.rows, around.height));
            ownBuffer.create(size, CV_8U);
            depthBuffer.create(size, CV_32F);
        }
        cv::Mat own = ownBuffer(cv::Rect(0, 0, around.width, around.height));
        int darkest = 255;
        for (int y = around.y; y < around.br().y; ++y) {
            const int *label = a.labels.ptr<int>(y);
            const uchar *value = a.smooth.ptr(y);
            uchar *out = own.ptr(y - around.y) - around.x;
            for (int x = around.x; x < around.br().x; ++x) {
                out[x] = label[x] == l ? 255 : 0;
                if (label[x] == l)
                    darkest = std::min<int>(darkest, value[x]);
            }
        }
        if (darkest >= strict)
            continue;
        cv::Mat distance = depthBuffer(cv::Rect(0, 0, around.width, around.height));
        cv::distanceTransform(own, distance, cv::DIST_L2, 3);

        float deepest = 0;
        double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
        // Grey sums by whole pixels of depth (the last bin takes the deeper ones), so that the
        // core can be chosen by the component's own width after one pass.
        std::array<long, 16> binCount{};
        std::array<double, 16> binGrey{}, binGreySquares{};
        for (int y = box.y; y < box.br().y; ++y) {
            const int *label = a.labels.ptr<int>(y);
            const uchar *value = a.smooth.ptr(y);
            const float *depth = distance.ptr<float>(y - around.y) - around.x;
            for (int x = box.x; x < box.br().x; ++x) {
                if (label[x] != l)
                    continue;
                deepest = std::max(deepest, depth[x]);
                sx += x;
                sy += y;
                sxx += double(x) * x;
                syy += double(y) * y;
                sxy += double(x) * y;
                const size_t bin = std::min<size_t>(15, size_t(depth[x]));
                ++binCount[bin];
                binGrey[bin] += value[x];
                binGreySquares[bin] += double(value[x]) * value[x];
            }
        }
        Component c;
        c.label = l;
        c.box = box;
        c.area = stats.at<int>(l, cv::CC_STAT_AREA);
        c.thickness = 2.0 * deepest;
        const double n = c.area;
        const double mx = sx / n, my = sy / n;
        const double mu20 = sxx / n - mx * mx, mu02 = syy / n - my * my;
        const double mu11 = sxy / n - mx * my;
        c.angle = 0.5 * std::atan2(2 * mu11, mu20 - mu02) * 180 / Pi;
        long core = 0;
        double grey = 0, greySquares = 0;
        const double from = std::max<double>(Tuning.coreDepth, Tuning.coreShare * deepest);
        for (size_t bin = std::min<size_t>(15, size_t(std::ceil(from))); bin < 16; ++bin) {
            core += binCount[bin];
            grey += binGrey[bin];
            greySquares += binGreySquares[bin];
        }
        if (core >= Tuning.coreMinimum) {
            const double mean = grey / core;
            const double spread = std::sqrt(std::max(0.0, greySquares / core - mean * mean));
            c.flat = spread < Tuning.flatSpread || mean < Tuning.solidMean;
        }
        a.components.push_back(c);
    }
}

// Calls f(x, top, end) for each vertical run of set pixels of a binary picture, column x, rows
// top to end - 1, when the walk reaches its end. The picture is walked row by row, in memory order,
// with the open run of each column kept; f may clear the run's pixels.
template <typename F>
void forEachColumnRun(const cv::Mat &binary, F f)
{
    std::vector<int> runTop(size_t(binary.cols), -1);
    for (int y = 0; y < binary.rows; ++y) {
        const uchar *on = binary.ptr(y);
        for (int x = 0; x < binary.cols; ++x) {
            int &top = runTop[size_t(x)];
            if (on[x] && top < 0) {
                top = y;
            } else if (!on[x] && top >= 0) {
                f(x, top, y);
                top = -1;
            }
        }
    }
    for (int x = 0; x < binary.cols; ++x)
        if (runTop[size_t(x)] >= 0)
            f(x, runTop[size_t(x)], binary.rows);
}

// Long horizontal runs, wider than a chromosome: underlines, possibly touching the
// chromosomes standing on them. Boxed as lines of their own (their angle is not measured: the
// opening cuts a slanted line into level steps). Returns the pixels to take out of the mask, or
// an empty matrix when there are no lines. `labels` is a buffer for the lines' labels (the
// caller's component labels, which are measured again once lines are taken out).
cv::Mat lineMask(const cv::Mat &mask, double thickness, cv::Mat &labels, std::vector<Component> &lines)
{
    cv::Mat opened;
    const int length = oddSize(int(1.6 * thickness)); // a pair's underline spans over two widths
    cv::morphologyEx(mask, opened, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(length, 1)));
    // A thick horizontal band is not a line: what a vertical opening by `band` rows keeps is taken
    // out, that is runs down a column at least `band` long (the opening takes a run at the top
    // or bottom edge as going on beyond it by half the band).
    const int band = oddSize(int(0.5 * thickness));
    forEachColumnRun(opened, [&](int x, int top, int end) {
        const int reach = (end - top) + (top == 0 ? band / 2 : 0) + (end == opened.rows ? band / 2 : 0);
        if (reach >= band)
            for (int y = top; y < end; ++y)
                opened.at<uchar>(y, x) = 0;
    });
    // Without lines the caller's labels must stay as they are.
    if (cv::countNonZero(opened) == 0)
        return {};
    cv::Mat stats, centroids;
    const int count = cv::connectedComponentsWithStats(opened, labels, stats, centroids, 8, CV_32S);
    for (int l = 1; l < count; ++l) {
        Component c;
        c.label = -1;
        c.box = cv::Rect(stats.at<int>(l, cv::CC_STAT_LEFT), stats.at<int>(l, cv::CC_STAT_TOP),
                         stats.at<int>(l, cv::CC_STAT_WIDTH), stats.at<int>(l, cv::CC_STAT_HEIGHT));
        c.area = stats.at<int>(l, cv::CC_STAT_AREA);
        c.kind = Kind::Line;
        lines.push_back(c);
    }
    // Only where the line stands free is it taken out: where a chromosome lies on it or hangs
    // over it, its pixels there stay with the chromosome, so neither its end nor the ends of two
    // chromosomes touching side by side are cut off. What stays is cleared from `opened`, which
    // then holds what is taken out.
    const int clear = Tuning.lineClearance + 1;
    forEachColumnRun(opened, [&](int x, int top, int end) {
        const bool above = top - clear >= 0 && mask.at<uchar>(top - clear, x);
        const bool below = end - 1 + clear < mask.rows && mask.at<uchar>(end - 1 + clear, x);
        if (above || below)
            for (int y = top; y < end; ++y)
                opened.at<uchar>(y, x) = 0;
    });
    cv::dilate(opened, opened, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(3, 3)));
    return opened;
}

// Chromosomes are the thickest large things: the typical width is the median over the 23 largest
// components (or the largest alone for a single bitmap); thinner things are lines, text and specks.
void classify(Analysis &a, bool singlePiece)
{
    std::vector<int> bySize(a.components.size());
    std::iota(bySize.begin(), bySize.end(), 0);
    std::sort(bySize.begin(), bySize.end(), [&](int i, int j) { return a.components[i].area > a.components[j].area; });
    // Print of one even darkness is never a chromosome, so it has no say in their width either.
    const auto isPrint = [&](const Component &c) { return !singlePiece && c.flat; };
    std::vector<double> widths;
    const size_t sample = singlePiece ? 1 : 23;
    for (size_t i = 0; i < bySize.size() && widths.size() < sample; ++i)
        if (!isPrint(a.components[bySize[i]]))
            widths.push_back(a.components[bySize[i]].thickness);
    a.thickness = std::max(2.0, median(widths));
    const double t = a.thickness;
    for (Component &c : a.components) {
        if (c.thickness >= 0.55 * t && c.area >= 0.6 * t * t)
            c.kind = isPrint(c) ? Kind::Print : Kind::Thick;
        else if (c.box.width >= 2 * t && c.box.width >= 6 * c.box.height)
            c.kind = Kind::Line;
        else
            c.kind = Kind::Small;
    }
}

// Pieces of one broken chromosome lie one above the other, overlapping sideways, a small gap apart.
// In a single bitmap, which holds one chromosome standing upright, a pale centromere or band may
// leave a wider gap: parts one above the other belong together whatever the gap.
void groupFragments(Analysis &a, bool singlePiece)
{
    std::vector<int> thick;
    for (int i = 0; i < int(a.components.size()); ++i)
        if (a.components[i].kind == Kind::Thick)
            thick.push_back(i);
    UnionFind sets(int(thick.size()));
    for (size_t i = 0; i < thick.size(); ++i) {
        for (size_t j = i + 1; j < thick.size(); ++j) {
            const cv::Rect &p = a.components[thick[i]].box;
            const cv::Rect &q = a.components[thick[j]].box;
            if (xOverlap(p, q) < 0.5 * std::min(p.width, q.width))
                continue;
            const int shared = yOverlap(p, q); // negative: the gap between them
            if ((!singlePiece && -shared > 0.6 * a.thickness) || shared > 0.25 * std::min(p.height, q.height))
                continue;
            sets.unite(int(i), int(j));
        }
    }
    std::vector<int> groupOf(thick.size(), -1);
    for (size_t i = 0; i < thick.size(); ++i) {
        const int root = sets.find(int(i));
        if (groupOf[root] < 0) {
            groupOf[root] = int(a.groups.size());
            a.groups.emplace_back();
        }
        Group &g = a.groups[groupOf[root]];
        g.members.push_back(thick[i]);
        ++g.thickMembers;
        g.box = g.box.area() ? (g.box | a.components[thick[i]].box) : a.components[thick[i]].box;
    }
}

// Rows: each chromosome is joined to its nearest neighbour on the right that shares at least half
// the height of the smaller; chains of neighbours are rows. A slight tilt does not break a chain.
void findRows(Analysis &a)
{
    const int n = int(a.groups.size());
    UnionFind sets(n);
    for (int i = 0; i < n; ++i) {
        const Group &g = a.groups[i];
        int best = -1;
        double bestGap = 0;
        for (int j = 0; j < n; ++j) {
            const Group &h = a.groups[j];
            if (j == i || h.centreX() <= g.centreX())
                continue;
            if (yOverlap(g.box, h.box) < 0.5 * std::min(g.box.height, h.box.height))
                continue;
            const double gap = h.box.x - (g.box.x + g.box.width);
            if (best < 0 || gap < bestGap) {
                best = j;
                bestGap = gap;
            }
        }
        if (best >= 0)
            sets.unite(i, best);
    }
    std::vector<int> rowOf(n, -1);
    std::vector<std::vector<int>> rows;
    for (int i = 0; i < n; ++i) {
        const int root = sets.find(i);
        if (rowOf[root] < 0) {
            rowOf[root] = int(rows.size());
            rows.emplace_back();
        }
        rows[rowOf[root]].push_back(i);
    }
    const auto meanY = [&](const std::vector<int> &row) {
        double sum = 0;
        for (int i : row)
            sum += a.groups[i].centreY();
        return sum / row.size();
    };
    std::sort(rows.begin(), rows.end(), [&](const auto &p, const auto &q) { return meanY(p) < meanY(q); });
    for (size_t r = 0; r < rows.size(); ++r) {
        std::sort(rows[r].begin(), rows[r].end(),
                  [&](int i, int j) { return a.groups[i].centreX() < a.groups[j].centreX(); });
        for (int i : rows[r])
            a.groups[i].row = int(r);
    }
    a.rows = std::move(rows);
}

// How far the picture is turned, in degrees (positive: level lines run down to the right). The
// underlines tell it best; without them the chromosomes' lower ends along each row.
double estimateTilt(const Analysis &a)
{
    if (a.lineAngles.size() >= 3)
        return median(a.lineAngles);
    std::vector<double> slopes;
    for (const auto &row : a.rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            for (size_t j = i + 1; j < row.size(); ++j) {
                const Group &p = a.groups[row[i]];
                const Group &q = a.groups[row[j]];
                const double dx = q.centreX() - p.centreX();
                if (dx > a.thickness)
                    slopes.push_back(std::atan2(double(q.box.br().y - p.box.br().y), dx) * 180 / Pi);
            }
        }
    }
    return median(slopes);
}

// Small things join the chromosome they belong to: a satellite or stalk just above its top, a tip
// broken off just below its end (never below the row's lowest end, where the labels are), or
// anything inside its bounds. The rest is dropped as a line, text or a speck.
void attachSmallPieces(Analysis &a)
{
    const double t = a.thickness;
    std::vector<int> rowBottom(a.rows.size(), 0);
    for (const Group &g : a.groups)
        rowBottom[g.row] = std::max(rowBottom[g.row], g.box.br().y);
    std::vector<cv::Rect> grown(a.groups.size());
    for (size_t g = 0; g < a.groups.size(); ++g)
        grown[g] = a.groups[g].box;

    for (int i = 0; i < int(a.components.size()); ++i) {
        const Component &c = a.components[i];
        if (c.kind == Kind::Thick)
            continue;
        int best = -1;
        if (c.kind == Kind::Small) {
            const double cx = c.box.x + c.box.width / 2.0, cy = c.box.y + c.box.height / 2.0;
            double bestGap = 1e9;
            for (int g = 0; g < int(a.groups.size()); ++g) {
                const cv::Rect &b = a.groups[g].box;
                double gap = 1e9;
                if (b.contains(cv::Point(int(cx), int(cy)))) {
                    gap = 0;
                } else if (cx >= b.x && cx <= b.x + b.width && c.box.br().y <= b.y + 0.2 * t
                           && b.y - c.box.br().y <= 0.6 * t && c.area <= t * t) {
                    gap = b.y - c.box.br().y; // above: satellite or stalk
                } else if (c.box.y >= b.br().y - 0.2 * t && c.box.y - b.br().y <= 0.3 * t
                           && c.box.x >= b.x - 0.15 * t && c.box.br().x <= b.br().x + 0.15 * t
                           && c.box.width >= 0.5 * b.width && c.box.br().y <= rowBottom[a.groups[g].row] + 0.15 * t) {
                    gap = c.box.y - b.br().y; // below: a broken-off end
                }
                if (gap < bestGap) {
                    bestGap = gap;
                    best = g;
                }
            }
        }
        if (best >= 0) {
            a.groups[best].members.push_back(i);
            grown[best] |= c.box;
        } else {
            const DroppedKind kind = c.kind == Kind::Line             ? DroppedKind::Line
                                     : c.area < 0.05 * t * t          ? DroppedKind::Speck
                                                                      : DroppedKind::Text;
            a.dropped.push_back({c.box, kind});
        }
    }
    for (size_t g = 0; g < a.groups.size(); ++g)
        a.groups[g].box = grown[g];
}

// `labels`: a buffer of the picture's size for the component labels, or none.
Analysis analyse(cv::Mat flat, bool singlePiece, const cv::Mat &labels = {})
{
    Analysis a;
    a.flat = std::move(flat);
    a.labels = labels;
    double strict = 0;
    cv::Mat mask = darkMask(a, strict, singlePiece);
    measureComponents(a, mask, strict);
    std::vector<Component> lines;
    if (!singlePiece) {
        classify(a, singlePiece);
        for (const Component &c : a.components)
            if (c.kind == Kind::Line)
                a.lineAngles.push_back(c.angle);
        const cv::Mat drawn = lineMask(mask, a.thickness, a.labels, lines);
        if (!lines.empty()) {
            cv::subtract(mask, drawn, mask); // both 0 or 255: what is drawn is cleared
            measureComponents(a, mask, strict);
        }
    }
    // Things touching the picture's edge are scanner borders or cut-off material, not chromosomes.
    std::vector<Component> inside;
    for (const Component &c : a.components) {
        if (!singlePiece && (c.box.x == 0 || c.box.y == 0 || c.box.br().x == a.flat.cols || c.box.br().y == a.flat.rows))
            a.dropped.push_back({c.box, DroppedKind::Speck});
        else
            inside.push_back(c);
    }
    a.components.swap(inside);
    classify(a, singlePiece);
    a.components.insert(a.components.end(), lines.begin(), lines.end());
    groupFragments(a, singlePiece);
    findRows(a);
    return a;
}

// Turns a flattened picture by `degrees` (counter-clockwise on screen), on a canvas large enough
// to keep every corner, filled with background.
cv::Mat turnMatrix(const cv::Size &from, double degrees, cv::Size &size)
{
    const cv::Point2f centre(from.width / 2.0f, from.height / 2.0f);
    cv::Mat turn = cv::getRotationMatrix2D(centre, degrees, 1.0);
    const double c = std::abs(std::cos(degrees * Pi / 180)), s = std::abs(std::sin(degrees * Pi / 180));
    size = cv::Size(int(std::ceil(from.width * c + from.height * s)), int(std::ceil(from.height * c + from.width * s)));
    turn.at<double>(0, 2) += (size.width - from.width) / 2.0;
    turn.at<double>(1, 2) += (size.height - from.height) / 2.0;
    return turn;
}

cv::Mat turnPicture(const cv::Mat &flat, double degrees)
{
    cv::Size size;
    const cv::Mat turn = turnMatrix(flat.size(), degrees, size);
    cv::Mat out;
    cv::warpAffine(flat, out, turn, size, cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar(255));
    return out;
}

// A box of the picture as it lies after turning it by `degrees`.
cv::Rect turnedBox(const cv::Rect &box, const cv::Size &picture, double degrees)
{
    cv::Size size;
    const cv::Mat turn = turnMatrix(picture, degrees, size);
    std::vector<cv::Point2f> corners = {box.tl(), {float(box.br().x), float(box.y)}, box.br(), {float(box.x), float(box.br().y)}};
    cv::transform(corners, corners, turn);
    return cv::boundingRect(corners);
}

// The mask of one chromosome in its box: its components, the gaps between its broken pieces
// bridged, holes of background inside it filled.
cv::Mat groupMask(const Analysis &a, const Group &g)
{
    cv::Mat mask(g.box.size(), CV_8U, cv::Scalar(0));
    cv::Mat thick(g.box.size(), CV_8U, cv::Scalar(0));
    for (size_t m = 0; m < g.members.size(); ++m) {
        const Component &c = a.components[g.members[m]];
        const bool isThick = int(m) < g.thickMembers;
        for (int y = c.box.y; y < c.box.br().y; ++y) {
            const int *label = a.labels.ptr<int>(y);
            uchar *out = mask.ptr(y - g.box.y);
            uchar *outThick = thick.ptr(y - g.box.y);
            for (int x = c.box.x; x < c.box.br().x; ++x) {
                if (label[x] == c.label) {
                    out[x - g.box.x] = 255;
                    if (isThick)
                        outThick[x - g.box.x] = 255;
                }
            }
        }
    }
    if (g.thickMembers > 1) {
        std::vector<cv::Rect> pieces;
        for (int m = 0; m < g.thickMembers; ++m)
            pieces.push_back(a.components[g.members[m]].box);
        std::sort(pieces.begin(), pieces.end(), [](const cv::Rect &p, const cv::Rect &q) { return p.y < q.y; });
        const int reach = oddSize(int(std::ceil(1.2 * a.thickness)) + 5);
        cv::Mat closed;
        cv::morphologyEx(thick, closed, cv::MORPH_CLOSE, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(1, reach)));
        for (size_t i = 0; i + 1 < pieces.size(); ++i) {
            const int upperEnd = pieces[i].br().y, lowerTop = pieces[i + 1].y;
            const int from = std::max(0, std::min(upperEnd, lowerTop) - 2 - g.box.y);
            const int to = std::min(g.box.height, std::max(upperEnd, lowerTop) + 2 - g.box.y);
            for (int y = from; y < to; ++y) {
                cv::Mat target = mask.row(y);
                cv::bitwise_or(target, closed.row(y), target);
            }
        }
    }
    // Holes: background not reachable from outside the box.
    cv::Mat padded;
    cv::copyMakeBorder(mask, padded, 1, 1, 1, 1, cv::BORDER_CONSTANT, cv::Scalar(0));
    cv::floodFill(padded, cv::Point(0, 0), cv::Scalar(128));
    for (int y = 0; y < mask.rows; ++y) {
        const uchar *p = padded.ptr(y + 1) + 1;
        uchar *out = mask.ptr(y);
        for (int x = 0; x < mask.cols; ++x)
            if (p[x] == 0)
                out[x] = 255;
    }
    return mask;
}

} // namespace

cv::Mat flattenBackground(const cv::Mat &grey)
{
    cv::Mat background;
    const int longest = std::max(grey.cols, grey.rows);
    if (longest < 500) {
        background = cv::Mat(grey.size(), CV_8U, cv::Scalar(std::max<int>(1, medianOf(framePixels(grey)))));
    } else {
        // The light level, smoothly: dark things narrower than an eighth of the picture closed
        // over on a reduced copy, which also averages the noise away.
        const int block = std::max(1, longest / 500);
        cv::Mat small;
        cv::resize(grey, small, cv::Size(std::max(1, grey.cols / block), std::max(1, grey.rows / block)), 0, 0,
                   cv::INTER_AREA);
        const int k = oddSize(std::max(5, std::max(small.cols, small.rows) / 8));
        cv::morphologyEx(small, small, cv::MORPH_CLOSE, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(k, k)));
        cv::GaussianBlur(small, small, cv::Size(k, k), 0);
        cv::max(small, 1, small);
        cv::resize(small, background, grey.size(), 0, 0, cv::INTER_LINEAR);
    }
    cv::Mat flat;
    cv::divide(grey, background, flat, 255.0);
    return flat;
}

Segmentation segmentKaryogram(QImage picture)
{
    PreparedPicture prepared = preparePicture(picture);
    // The decoded picture is not looked at again. When it is ours alone, four bytes a pixel and
    // of the size analysed, its pixels serve as the component labels: a fresh buffer that large
    // costs a page fault for each of its pages.
    cv::Mat labels;
    if (picture.depth() == 32 && picture.isDetached() && picture.width() == prepared.grey.cols
        && picture.height() == prepared.grey.rows)
        labels = cv::Mat(picture.height(), picture.width(), CV_32S, picture.bits(), size_t(picture.bytesPerLine()));
    cv::Mat flat = flattenBackground(prepared.grey);
    const cv::Size size = prepared.grey.size();
    prepared.grey.release(); // not needed again; its memory serves the analysis
    Analysis a = analyse(std::move(flat), false, labels);
    double tilt = 0;
    if (!a.groups.empty()) {
        const double measured = estimateTilt(a);
        if (std::abs(measured) >= MinTurn && std::abs(measured) <= MaxTurn) {
            tilt = measured;
            a = analyse(turnPicture(a.flat, tilt), false);
        }
    }
    attachSmallPieces(a);

    // The background's own grey becomes 255 in the bitmaps.
    const int level = backgroundLevel(a.smooth).first;

    Segmentation result;
    a.flat.convertTo(result.picture, CV_8U, 255.0 / std::max(1, level));
    result.tiltDegrees = tilt;
    result.inverted = prepared.inverted;
    result.croppedToSheet = prepared.croppedToSheet;
    for (const cv::Rect &mark : prepared.colourMarks)
        a.dropped.push_back({tilt != 0 ? turnedBox(mark, size, tilt) : mark, DroppedKind::Colour});
    result.thickness = a.thickness;
    result.dropped = a.dropped;
    for (const auto &row : a.rows) {
        result.rowCounts.push_back(int(row.size()));
        for (int g : row) {
            const Group &group = a.groups[g];
            result.chromosomes.push_back({group.box, groupMask(a, group), group.row, int(group.members.size())});
        }
    }
    return result;
}

QImage chromosomeBitmap(const Segmentation &segmentation, int index, int margin)
{
    const FoundChromosome &c = segmentation.chromosomes.at(size_t(index));
    QImage bitmap(c.box.width + 2 * margin, c.box.height + 2 * margin, QImage::Format_Grayscale8);
    bitmap.fill(255);
    for (int y = 0; y < c.box.height; ++y) {
        const uchar *inside = c.mask.ptr(y);
        const uchar *grey = segmentation.picture.ptr(c.box.y + y) + c.box.x;
        uchar *out = bitmap.scanLine(y + margin) + margin;
        for (int x = 0; x < c.box.width; ++x)
            if (inside[x])
                out[x] = std::min<uchar>(grey[x], 254);
    }
    return bitmap;
}

BitmapContent inspectBitmap(const QImage &bitmap)
{
    Analysis a = analyse(flattenBackground(toGreyMat(bitmap)), true);
    BitmapContent content;
    content.chromosomes = int(a.groups.size());
    int largest = 0;
    for (const Group &g : a.groups) {
        if (g.box.area() > largest) {
            largest = g.box.area();
            content.height = g.box.height;
        }
    }
    return content;
}

QImage whitenedPiece(const QImage &picture)
{
    Analysis a = analyse(flattenBackground(toGreyMat(picture)), true);
    cv::Mat smooth;
    cv::GaussianBlur(a.flat, smooth, cv::Size(3, 3), 0.8);
    const double scale = 255.0 / std::max(1, backgroundLevel(smooth).first);
    std::vector<uchar> kept;
    int largestLabel = 0;
    for (const Component &c : a.components)
        largestLabel = std::max(largestLabel, c.label);
    kept.assign(size_t(largestLabel) + 1, 0);
    for (const Component &c : a.components)
        if (c.area >= 0.05 * a.thickness * a.thickness)
            kept[size_t(c.label)] = 1;
    cv::Mat mask(a.flat.size(), CV_8U, cv::Scalar(0));
    for (int y = 0; y < mask.rows; ++y) {
        const int *label = a.labels.ptr<int>(y);
        uchar *out = mask.ptr(y);
        for (int x = 0; x < mask.cols; ++x)
            if (label[x] > 0 && label[x] <= largestLabel && kept[size_t(label[x])])
                out[x] = 255;
    }
    cv::Mat padded;
    cv::copyMakeBorder(mask, padded, 1, 1, 1, 1, cv::BORDER_CONSTANT, cv::Scalar(0));
    cv::floodFill(padded, cv::Point(0, 0), cv::Scalar(128));
    QImage out(a.flat.cols, a.flat.rows, QImage::Format_Grayscale8);
    out.fill(255);
    for (int y = 0; y < mask.rows; ++y) {
        const uchar *fill = padded.ptr(y + 1) + 1;
        const uchar *grey = a.flat.ptr(y);
        uchar *line = out.scanLine(y);
        for (int x = 0; x < mask.cols; ++x)
            if (fill[x] != 128)
                line[x] = uchar(std::min(254.0, std::round(grey[x] * scale)));
    }
    return out;
}

bool lengthsDifferClearly(int a, int b)
{
    return std::min(a, b) < 0.75 * std::max(a, b);
}

QString droppedKindName(DroppedKind kind)
{
    switch (kind) {
    case DroppedKind::Line:
        return QCoreApplication::translate("KaryogramImport", "line");
    case DroppedKind::Text:
        return QCoreApplication::translate("KaryogramImport", "label or title");
    case DroppedKind::Colour:
        return QCoreApplication::translate("KaryogramImport", "colour mark");
    case DroppedKind::Speck:
        break;
    }
    return QCoreApplication::translate("KaryogramImport", "speck");
}

} // namespace korven
