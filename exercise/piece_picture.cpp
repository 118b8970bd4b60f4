#include "exercise/piece_picture.h"

#include "exercise/bitmap_transform.h"

#include <QPainter>

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
        picture.size = picture.pixels.size();
        return picture;
    }
    picture.size = piecePictureSize(source.size(), scale, angle);
    if (picture.size.isEmpty())
        return picture;
    const QImage fine = transform(source, float(scale * ratio), angle);
    QImage canvas(int(std::ceil(picture.size.width() * ratio)), int(std::ceil(picture.size.height() * ratio)),
                  QImage::Format_RGB888);
    canvas.fill(Qt::white);
    if (!fine.isNull()) {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage((canvas.width() - fine.width()) / 2, (canvas.height() - fine.height()) / 2, fine);
    }
    canvas.setDevicePixelRatio(ratio);
    picture.pixels = canvas;
    return picture;
}

} // namespace korven
