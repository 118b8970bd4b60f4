#pragma once
// The program's own bilinear transforms on 24-bit images (QImage::Format_RGB888).
#include <QImage>

namespace korven {

// Output trunc(W*s) x trunc(H*s - 1); white where the sample falls outside the source.
void ScaleBitmap(const QImage &source, QImage &output, float factor);

// Turns the picture counter-clockwise by angle degrees (0 <= angle < 360) into an output sized
// to the turned bounding box; white outside the source.
void RotateBitmap(const QImage &source, QImage &output, float angle);

// A display copy of a 24-bit image in which pure white is transparent.
QImage whiteAsTransparent(const QImage &image);

} // namespace korven
