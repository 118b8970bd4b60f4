#pragma once
// Making a karyogram picture ready for segmentation: coloured marks (logos, header bars) taken
// out, a dark background turned light, a photographed sheet cut from the desk and straightened.
#include <QImage>
#include <opencv2/core.hpp>

#include <vector>

namespace korven {

struct PreparedPicture {
    cv::Mat grey;                        // light background, dark chromosomes, colour marks white
    bool inverted = false;               // the picture had a dark background
    bool croppedToSheet = false;         // the picture was a photo of a sheet on a desk
    std::vector<cv::Rect> colourMarks;   // in `grey`'s coordinates
};

// Throws KorvenError asking to crop the picture when the picture shows a desk around a sheet
// whose four corners cannot be found.
PreparedPicture preparePicture(const QImage &picture);

// The coloured parts of a BGR picture (chromosomes are grey): 255 where a pixel's channels differ
// clearly, widened to take in their blended edges. A fourth channel, if any, is not looked at.
cv::Mat colourMask(const cv::Mat &bgr);

// Whether a grey picture has a dark background (its commonest grey is dark).
bool hasDarkBackground(const cv::Mat &grey);

// The corners of a light sheet lying on a darker surface (top left, top right, bottom right,
// bottom left), or none when the picture is the sheet itself. Throws KorvenError when a
// surface shows around the picture's edge but the sheet's corners cannot be found.
std::vector<cv::Point2f> sheetCorners(const cv::Mat &grey);

} // namespace korven
