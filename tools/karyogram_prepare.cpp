#include "tools/karyogram_prepare.h"

#include "files/errors.h"
#include "tools/cv_image.h"

#include <QCoreApplication>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <array>
#include <cmath>

namespace korven {

namespace {

// Tuning of the preparation, each with its unit and reason.
struct PrepareParameters {
    // Grey levels between a pixel's strongest and weakest channel from which it counts as
    // coloured: stained chromosomes scanned in colour stay below it, logos and bars go far above.
    int colourSpread = 40;
    // Pixels the colour mask is widened by, to take in the blended edge of a coloured mark.
    int colourEdge = 2;
    // Pixels a coloured mark needs to be listed in the diagnosis (smaller ones are noise).
    int colourMarkArea = 40;
    // Grey level below which the median grey means a dark background.
    int darkBackground = 110;
    // Longest side, pixels, of the reduced copy the sheet is looked for in.
    int sheetSearchSide = 400;
    // Share of the picture's edge that must be sheet-light for the picture to be the sheet.
    double sheetEdgeShare = 0.5;
    // Smallest share of the picture a photographed sheet covers.
    double sheetArea = 0.25;
    // Share of the sheet's size its corners are moved inwards: the edge found on the reduced copy
    // is a few pixels out, and a sheet's margin is wider than that.
    double sheetInset = 0.015;
};

constexpr PrepareParameters Tuning;

// The corners in the order top left, top right, bottom right, bottom left.
std::vector<cv::Point2f> ordered(const std::vector<cv::Point> &quad)
{
    std::vector<cv::Point2f> p(quad.begin(), quad.end());
    std::array<cv::Point2f, 4> out;
    const auto bySum = [](const cv::Point2f &a, const cv::Point2f &b) { return a.x + a.y < b.x + b.y; };
    const auto byDiff = [](const cv::Point2f &a, const cv::Point2f &b) { return a.x - a.y < b.x - b.y; };
    out[0] = *std::min_element(p.begin(), p.end(), bySum);
    out[2] = *std::max_element(p.begin(), p.end(), bySum);
    out[1] = *std::max_element(p.begin(), p.end(), byDiff);
    out[3] = *std::min_element(p.begin(), p.end(), byDiff);
    return {out.begin(), out.end()};
}

double distance(const cv::Point2f &a, const cv::Point2f &b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

cv::Mat colourMask(const cv::Mat &bgr)
{
    CV_Assert(bgr.depth() == CV_8U && bgr.channels() >= 3);
    const int channels = bgr.channels();
    cv::Mat mask(bgr.size(), CV_8U);
    bool any = false;
    for (int y = 0; y < bgr.rows; ++y) {
        const uchar *pixel = bgr.ptr(y);
        uchar *out = mask.ptr(y);
        for (int x = 0; x < bgr.cols; ++x, pixel += channels) {
            const int high = std::max({pixel[0], pixel[1], pixel[2]});
            const int low = std::min({pixel[0], pixel[1], pixel[2]});
            out[x] = high - low > Tuning.colourSpread ? 255 : 0;
            any |= out[x] != 0;
        }
    }
    if (any) {
        const int edge = 2 * Tuning.colourEdge + 1;
        cv::dilate(mask, mask, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(edge, edge)));
    }
    return mask;
}

bool hasDarkBackground(const cv::Mat &grey)
{
    // The background covers most of a karyogram, so the median grey is the background's; the
    // commonest grey would be misled by a dark desk around a vignetted sheet.
    std::array<long, 256> histogram{};
    long count = 0;
    for (int y = 0; y < grey.rows; y += 2) {
        const uchar *row = grey.ptr(y);
        for (int x = 0; x < grey.cols; x += 2, ++count)
            ++histogram[row[x]];
    }
    long below = 0;
    int median = 0;
    while (median < 255 && (below += histogram[median]) < count / 2)
        ++median;
    return median < Tuning.darkBackground;
}

std::vector<cv::Point2f> sheetCorners(const cv::Mat &grey)
{
    const double factor = std::max(1.0, double(std::max(grey.cols, grey.rows)) / Tuning.sheetSearchSide);
    cv::Mat small;
    cv::resize(grey, small, cv::Size(std::max(1, int(grey.cols / factor)), std::max(1, int(grey.rows / factor))), 0, 0,
               cv::INTER_AREA);
    cv::Mat light;
    cv::threshold(small, light, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);

    long edge = 0, edgeLight = 0;
    for (int x = 0; x < light.cols; ++x) {
        edgeLight += (light.at<uchar>(0, x) > 0) + (light.at<uchar>(light.rows - 1, x) > 0);
        edge += 2;
    }
    for (int y = 0; y < light.rows; ++y) {
        edgeLight += (light.at<uchar>(y, 0) > 0) + (light.at<uchar>(y, light.cols - 1) > 0);
        edge += 2;
    }
    if (edgeLight >= Tuning.sheetEdgeShare * edge)
        return {};

    const auto cropMessage = [] {
        return KorvenError(QCoreApplication::translate("KaryogramImport",
                                                       "the picture shows a surface around the sheet whose corners cannot be "
                                                       "found; crop the picture to the sheet"));
    };
    // The sheet with its print closed over, as one light region.
    const int close = std::max(3, std::max(light.cols, light.rows) / 20) | 1;
    cv::morphologyEx(light, light, cv::MORPH_CLOSE, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(close, close)));
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(light, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    if (contours.empty())
        throw cropMessage();
    const auto largest = std::max_element(contours.begin(), contours.end(), [](const auto &a, const auto &b) {
        return cv::contourArea(a) < cv::contourArea(b);
    });
    std::vector<cv::Point> hull, quad;
    cv::convexHull(*largest, hull);
    const double perimeter = cv::arcLength(hull, true);
    for (double share = 0.01; share < 0.1 && quad.size() != 4; share += 0.005)
        cv::approxPolyDP(hull, quad, share * perimeter, true);
    if (quad.size() != 4 || cv::contourArea(quad) < Tuning.sheetArea * light.total())
        throw cropMessage();

    std::vector<cv::Point2f> corners = ordered(quad);
    cv::Point2f centre(0, 0);
    for (const cv::Point2f &p : corners)
        centre += p * 0.25f;
    for (cv::Point2f &p : corners)
        p = (p + (centre - p) * float(2 * Tuning.sheetInset)) * float(factor);
    return corners;
}

PreparedPicture preparePicture(const QImage &picture)
{
    PreparedPicture prepared;
    prepared.grey = toGreyMat(picture);
    const bool colour = picture.format() != QImage::Format_Grayscale8 && picture.format() != QImage::Format_Grayscale16
                        && picture.format() != QImage::Format_Mono && picture.format() != QImage::Format_MonoLSB;
    // A view of the picture's own pixels where possible: a copy would cost more than the mask.
    cv::Mat bgr = colour ? colourPixels(picture) : cv::Mat();

    if (hasDarkBackground(prepared.grey)) {
        prepared.grey = 255 - prepared.grey;
        prepared.inverted = true;
    }

    const std::vector<cv::Point2f> corners = sheetCorners(prepared.grey);
    if (!corners.empty()) {
        const cv::Size size(int(std::max(distance(corners[0], corners[1]), distance(corners[3], corners[2]))),
                            int(std::max(distance(corners[0], corners[3]), distance(corners[1], corners[2]))));
        const cv::Point2f target[] = {{0, 0}, {float(size.width), 0}, {float(size.width), float(size.height)},
                                      {0, float(size.height)}};
        const cv::Mat straighten = cv::getPerspectiveTransform(corners.data(), target);
        cv::warpPerspective(prepared.grey, prepared.grey, straighten, size, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
        if (colour) {
            cv::Mat straight;
            cv::warpPerspective(bgr, straight, straighten, size, cv::INTER_LINEAR, cv::BORDER_REPLICATE);
            bgr = straight;
        }
        prepared.croppedToSheet = true;
    }

    const cv::Mat marks = colour ? colourMask(bgr) : cv::Mat();
    if (colour && cv::countNonZero(marks) > 0) {
        prepared.grey.setTo(255, marks);
        cv::Mat labels, stats, centroids;
        const int count = cv::connectedComponentsWithStats(marks, labels, stats, centroids, 8, CV_32S);
        for (int l = 1; l < count; ++l)
            if (stats.at<int>(l, cv::CC_STAT_AREA) >= Tuning.colourMarkArea)
                prepared.colourMarks.emplace_back(stats.at<int>(l, cv::CC_STAT_LEFT), stats.at<int>(l, cv::CC_STAT_TOP),
                                                  stats.at<int>(l, cv::CC_STAT_WIDTH), stats.at<int>(l, cv::CC_STAT_HEIGHT));
    }
    return prepared;
}

} // namespace korven
