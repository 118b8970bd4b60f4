#include "tools/metaphase_spread.h"

#include "exercise/bitmap_transform.h"
#include "files/errors.h"
#include "tools/cv_image.h"

#include <QCoreApplication>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace korven {

namespace {

constexpr double Pi = 3.14159265358979323846;

// Chromosome pixels (anything not pure white) of a 24-bit picture, 255 where set.
cv::Mat chromosomeMask(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    cv::Mat mask(rgb.height(), rgb.width(), CV_8U, cv::Scalar(0));
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar *line = rgb.constScanLine(y);
        uchar *m = mask.ptr<uchar>(y);
        for (int x = 0; x < rgb.width(); ++x)
            m[x] = (line[3 * x] & line[3 * x + 1] & line[3 * x + 2]) == 255 ? 0 : 255;
    }
    return mask;
}

struct Shape {
    cv::Mat body, halo; // halo: the body grown by the gap, in a frame `gap` pixels larger each side
};

// Whether `mask` with its top-left at (x, y) meets anything set in `occupied`.
bool collides(const cv::Mat &occupied, const cv::Mat &mask, int x, int y)
{
    if (x < 0 || y < 0 || x + mask.cols > occupied.cols || y + mask.rows > occupied.rows)
        return true;
    const cv::Mat area = occupied(cv::Rect(x, y, mask.cols, mask.rows));
    for (int row = 0; row < mask.rows; ++row) {
        const uchar *a = area.ptr<uchar>(row), *m = mask.ptr<uchar>(row);
        for (int col = 0; col < mask.cols; ++col)
            if (a[col] & m[col])
                return true;
    }
    return false;
}

} // namespace

QImage turnedPiece(const QImage &piece, int step)
{
    const QImage rgb = piece.convertToFormat(QImage::Format_RGB888);
    if (step % SpreadSteps == 0)
        return rgb;
    QImage turned;
    RotateBitmap(rgb, turned, float(step % SpreadSteps) * 360.0f / SpreadSteps);
    return turned;
}

QPoint pieceCorner(const QPoint &centre, const QSize &size)
{
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2};
}

Spread layOutSpread(const std::vector<QImage> &pieces, Rng &rng, const SpreadParameters &p)
{
    const int n = int(pieces.size());
    std::vector<int> steps(n);
    std::vector<Shape> shapes(n);
    const cv::Mat grow = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(2 * p.gap + 1, 2 * p.gap + 1));
    double area = 0;
    int largest = 0;
    for (int i = 0; i < n; ++i) {
        steps[i] = rng.integer(0, SpreadSteps - 1);
        shapes[i].body = chromosomeMask(turnedPiece(pieces[i], steps[i]));
        cv::copyMakeBorder(shapes[i].body, shapes[i].halo, p.gap, p.gap, p.gap, p.gap, cv::BORDER_CONSTANT, 0);
        cv::dilate(shapes[i].halo, shapes[i].halo, grow);
        area += cv::countNonZero(shapes[i].body);
        largest = std::max({largest, shapes[i].body.cols, shapes[i].body.rows});
    }
    double radius = std::sqrt(std::max(area, 1.0) / (Pi * p.packing));
    const double stretch = 1 + p.oval * rng.uniform(), tilt = rng.uniform(0, Pi);
    // Room for the cluster to grow a good deal before it could reach the canvas edge.
    const int side = int(4 * radius) + 2 * largest + 2 * p.gap;
    cv::Mat occupied(side, side, CV_8U, cv::Scalar(0));
    const double cx = side / 2.0, cy = side / 2.0;

    // The largest pieces first, so the small ones fill the room between them.
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return shapes[a].body.rows * shapes[a].body.cols > shapes[b].body.rows * shapes[b].body.cols;
    });
    std::vector<QPoint> corners(n);
    for (int i : order) {
        const cv::Mat &body = shapes[i].body, &halo = shapes[i].halo;
        const bool touching = rng.uniform() < p.touchingShare;
        QPoint corner;
        bool placed = false;
        while (!placed) {
            for (int attempt = 0; attempt < p.attempts && !placed; ++attempt) {
                const double r = radius * std::sqrt(rng.uniform()), a = rng.uniform(0, 2 * Pi);
                const double ex = r * std::cos(a) * stretch, ey = r * std::sin(a) / stretch;
                const double x = cx + ex * std::cos(tilt) - ey * std::sin(tilt);
                const double y = cy + ex * std::sin(tilt) + ey * std::cos(tilt);
                corner = QPoint(int(x) - body.cols / 2, int(y) - body.rows / 2);
                placed = !collides(occupied, halo, corner.x() - p.gap, corner.y() - p.gap);
            }
            if (!placed)
                radius *= p.growth; // the cluster is too tight for this piece: loosen it
            if (radius > side)
                throw KorvenError(QCoreApplication::translate("MetaphaseSpread", "the chromosomes do not fit into a spread"));
        }
        if (touching) {
            // Slide towards the middle until the next pixel would touch another chromosome.
            const double dx = cx - (corner.x() + body.cols / 2.0), dy = cy - (corner.y() + body.rows / 2.0);
            const double distance = std::hypot(dx, dy);
            for (int k = 1; k < int(distance); ++k) {
                const QPoint next(corner.x() + int(std::lround(dx * k / distance)) - int(std::lround(dx * (k - 1) / distance)),
                                  corner.y() + int(std::lround(dy * k / distance)) - int(std::lround(dy * (k - 1) / distance)));
                if (collides(occupied, body, next.x(), next.y()))
                    break;
                corner = next;
            }
        }
        corners[i] = corner;
        cv::Mat area = occupied(cv::Rect(corner.x(), corner.y(), body.cols, body.rows));
        cv::bitwise_or(area, body, area);
    }

    // Crop to the cluster with a margin of white.
    int left = side, top = side, right = 0, bottom = 0;
    for (int i = 0; i < n; ++i) {
        left = std::min(left, corners[i].x()), top = std::min(top, corners[i].y());
        right = std::max(right, corners[i].x() + shapes[i].body.cols);
        bottom = std::max(bottom, corners[i].y() + shapes[i].body.rows);
    }
    Spread spread;
    spread.size = n ? QSize(right - left + 2 * p.margin, bottom - top + 2 * p.margin) : QSize(2 * p.margin, 2 * p.margin);
    for (int i = 0; i < n; ++i) {
        const QPoint corner = corners[i] - QPoint(left - p.margin, top - p.margin);
        spread.placements.push_back({corner + QPoint(shapes[i].body.cols / 2, shapes[i].body.rows / 2), steps[i]});
    }
    return spread;
}

SpreadFaults spreadFaults(const std::vector<QImage> &pieces, const Spread &spread)
{
    SpreadFaults faults;
    cv::Mat owner(std::max(1, spread.size.height()), std::max(1, spread.size.width()), CV_32S, cv::Scalar(-1));
    for (int i = 0; i < int(pieces.size()) && i < int(spread.placements.size()); ++i) {
        const cv::Mat mask = chromosomeMask(turnedPiece(pieces[i], spread.placements[i].step));
        const QPoint corner = pieceCorner(spread.placements[i].centre, QSize(mask.cols, mask.rows));
        bool outside = false;
        std::vector<int> met;
        for (int row = 0; row < mask.rows; ++row) {
            const uchar *m = mask.ptr<uchar>(row);
            for (int col = 0; col < mask.cols; ++col) {
                if (!m[col])
                    continue;
                const int x = corner.x() + col, y = corner.y() + row;
                if (x < 0 || y < 0 || x >= owner.cols || y >= owner.rows) {
                    outside = true;
                    continue;
                }
                int &o = owner.at<int>(y, x);
                if (o >= 0 && std::find(met.begin(), met.end(), o) == met.end())
                    met.push_back(o);
                o = i;
            }
        }
        if (outside)
            faults.outside.push_back(i);
        std::sort(met.begin(), met.end());
        for (int other : met)
            faults.overlaps.emplace_back(other, i);
    }
    return faults;
}

QImage drawSpread(const std::vector<QImage> &pieces, const Spread &spread)
{
    QImage out(spread.size, QImage::Format_RGB888);
    out.fill(Qt::white);
    for (int i = 0; i < int(pieces.size()) && i < int(spread.placements.size()); ++i) {
        const QImage turned = turnedPiece(pieces[i], spread.placements[i].step);
        const QPoint corner = pieceCorner(spread.placements[i].centre, turned.size());
        for (int row = 0; row < turned.height(); ++row) {
            const int y = corner.y() + row;
            if (y < 0 || y >= out.height())
                continue;
            const uchar *src = turned.constScanLine(row);
            uchar *dst = out.scanLine(y);
            for (int col = 0; col < turned.width(); ++col) {
                const int x = corner.x() + col;
                if (x < 0 || x >= out.width())
                    continue;
                for (int k = 0; k < 3; ++k)
                    dst[3 * x + k] = std::min(dst[3 * x + k], src[3 * col + k]);
            }
        }
    }
    return out;
}

} // namespace korven
