#pragma once
// Conversions between Qt images and OpenCV matrices, shared by the problem maker and the importer.
// The matrices own their pixels (deep copies), so neither side outlives the other's buffer,
// except the view colourPixels gives.
#include <QImage>
#include <opencv2/core.hpp>

namespace korven {

// An 8-bit single-channel matrix of the image's grey levels (colour images are converted to grey,
// transparent parts count as white).
cv::Mat toGreyMat(const QImage &image);

// An 8-bit three-channel matrix in OpenCV's BGR order.
cv::Mat toBgrMat(const QImage &image);

// The image's colours as an 8-bit matrix whose first three channels are blue, green and red: a
// view of the image's own pixels when they are stored so (opaque 32-bit, a fourth channel
// follows), else a copy from toBgrMat. A view is only valid while `image` lives and must not be
// written to.
cv::Mat colourPixels(const QImage &image);

// A QImage of an 8-bit matrix: one channel gives Format_Grayscale8, three (BGR) give Format_RGB888.
QImage toQImage(const cv::Mat &mat);

} // namespace korven
