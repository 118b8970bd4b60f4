#include "exercise/piece_picture.h"

#include "exercise/bitmap_transform.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace korven {

namespace {

QImage transform(const QImage &source, float scale, std::optional<float> angle)
{
    QImage scaled;
    ScaleBitmap(source, scaled, scale);
    if (!angle || scaled.isNull())
        return scaled;
    QImage turned;
    RotateBitmap(scaled, turned, *angle);
    return turned;
}

// The two halves of a picture with premultiplied alpha that the 24-bit transforms can carry:
// `ink` is the source with pure white turned black (colour times alpha), `clear` is white where
// the source is pure white and black elsewhere (255 minus alpha). Outside the source the
// transforms give white, which `clear` reads as transparent.
void splitWhite(const QImage &source, QImage &ink, QImage &clear)
{
    ink = source.convertToFormat(QImage::Format_RGB888);
    clear = QImage(ink.size(), QImage::Format_RGB888);
    for (int y = 0; y < ink.height(); ++y) {
        uchar *colour = ink.scanLine(y);
        uchar *white = clear.scanLine(y);
        for (int x = 0; x < ink.width() * 3; x += 3) {
            const bool isWhite = colour[x] == 255 && colour[x + 1] == 255 && colour[x + 2] == 255;
            const uchar v = isWhite ? 255 : 0;
            white[x] = white[x + 1] = white[x + 2] = v;
            if (isWhite)
                colour[x] = colour[x + 1] = colour[x + 2] = 0;
        }
    }
}

// Puts the transformed halves together again.
QImage joinWhite(const QImage &ink, const QImage &clear)
{
    QImage out(ink.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        const uchar *colour = ink.constScanLine(y);
        const uchar *white = clear.constScanLine(y);
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x, colour += 3, white += 3) {
            const int alpha = 255 - white[0];
            dst[x] = alpha == 0 ? 0u
                                : qRgba(std::min<int>(colour[0], alpha), std::min<int>(colour[1], alpha),
                                        std::min<int>(colour[2], alpha), alpha);
        }
    }
    return out;
}

QImage transformShown(const QImage &source, float scale, std::optional<float> angle)
{
    QImage ink, clear;
    splitWhite(source, ink, clear);
    const QImage inkOut = transform(ink, scale, angle);
    const QImage clearOut = transform(clear, scale, angle);
    if (inkOut.isNull() || clearOut.size() != inkOut.size())
        return QImage();
    return joinWhite(inkOut, clearOut);
}

// `fine` in the middle of a canvas of `size` filled with `background`, marked with `ratio`.
QImage centred(const QImage &fine, QSize size, QImage::Format format, Qt::GlobalColor background, qreal ratio)
{
    QImage canvas(size, format);
    canvas.fill(background);
    if (!fine.isNull()) {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage((canvas.width() - fine.width()) / 2, (canvas.height() - fine.height()) / 2, fine);
    }
    canvas.setDevicePixelRatio(ratio);
    return canvas;
}

} // namespace

QSize piecePictureSize(const QSize &source, float scale, std::optional<float> angle)
{
    const QSize scaled = scaledSize(source, scale);
    if (!angle || scaled.isEmpty())
        return scaled;
    return rotatedSize(scaled, *angle);
}

PiecePicture drawPiecePicture(const QImage &source, float scale, std::optional<float> angle, qreal ratio)
{
    PiecePicture picture;
    picture.scale = scale;
    picture.angle = angle;
    if (!(ratio > 0.0) || std::abs(ratio - 1.0) < 1e-6) {
        picture.pixels = transform(source, scale, angle);
        picture.shown = transformShown(source, scale, angle);
        picture.size = picture.pixels.size();
        return picture;
    }
    picture.size = piecePictureSize(source.size(), scale, angle);
    if (picture.size.isEmpty())
        return picture;
    const QSize canvas(int(std::ceil(picture.size.width() * ratio)), int(std::ceil(picture.size.height() * ratio)));
    picture.pixels = centred(transform(source, float(scale * ratio), angle), canvas, QImage::Format_RGB888, Qt::white, ratio);
    picture.shown = centred(transformShown(source, float(scale * ratio), angle), canvas,
                            QImage::Format_ARGB32_Premultiplied, Qt::transparent, ratio);
    return picture;
}

} // namespace korven
