#pragma once
// The program's own bilinear transforms on 24-bit images (QImage::Format_RGB888).
#include <QImage>

namespace korven {

// Both transforms read any format as 24-bit colour and give a Format_RGB888 output (a null image
// when the output would have no pixels). Each output pixel is the bilinear sample of a source
// position, the exact value of the blend truncated; the last source row and column are never a
// sample's top-left corner, so they and everything outside the source give white. The source may
// be the output.

// Output trunc(W*s) x trunc(H*s - 1); white where the sample falls outside the source. Below a
// factor of 1/2 the source is first reduced by exact 2 x 2 averaging, reductionSteps(s) times,
// and the rule then samples the reduced source with the factor doubled as often; sizes and
// centre offsets stay those of s. From 1/2 on, the reduced source is the source itself.
void ScaleBitmap(const QImage &source, QImage &output, float factor);

// How many 2 x 2 reductions ScaleBitmap makes before sampling: the fewest that bring the factor
// to 1/2 or above.
int reductionSteps(float factor);

// The output sizes of the two transforms, without computing a pixel (empty when there would be
// none).
QSize scaledSize(const QSize &source, float factor);
QSize rotatedSize(const QSize &source, float angle);

// Turns the picture counter-clockwise by angle degrees (0 <= angle < 360) into an output sized
// to the turned bounding box; white outside the source. Whole quarter turns use exact sine and
// cosine.
void RotateBitmap(const QImage &source, QImage &output, float angle);

// A display copy of a 24-bit image in which pure white is transparent.
QImage whiteAsTransparent(const QImage &image);

} // namespace korven
