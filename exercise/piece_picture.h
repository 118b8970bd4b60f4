#pragma once
// What a piece control shows: its source drawn by the two transforms, at the screen's own
// resolution, and the scale and turn it was drawn with (so the magnifier can draw it again).
#include <QImage>
#include <QSize>

#include <optional>

namespace korven {

struct PiecePicture {
    QImage pixels;  // 24-bit, marked with the device pixel ratio it was drawn for
    // The same for showing over other things (ARGB32 premultiplied, same size and ratio): the
    // source's pure white turned into transparency before the transforms, so the chromosome's
    // edge fades into what lies behind it rather than into white. Where no white was mixed in,
    // the pixels are `pixels` exactly.
    QImage shown;
    QSize size;     // logical size: exactly the transforms' output size at ratio 1
    float scale = 0.0f;
    std::optional<float> angle; // none: scaled only (upright, no turn)
};

// ScaleBitmap by scale, then RotateBitmap by angle when there is one. At ratio 1 the pixels are
// the transforms' output itself. At another ratio the same transforms run at scale * ratio and
// the result is centred in a canvas of size * ratio (white where it falls short), so the control
// keeps its logical size while the screen gets all the detail it can show.
PiecePicture drawPiecePicture(const QImage &source, float scale, std::optional<float> angle, qreal ratio);

// The logical size drawPiecePicture gives, without drawing.
QSize piecePictureSize(const QSize &source, float scale, std::optional<float> angle);

} // namespace korven
