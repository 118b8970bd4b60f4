#pragma once
// Pictures the tools read from a user and write for one: read through the checked open, so a
// FIFO or link is refused and not waited on; written through the one whole-file writer.
#include <QImage>
#include <QString>

namespace korven {

// The largest picture file the tools take in (a scanned karyogram sheet), in bytes.
inline constexpr qint64 MaxPictureFileBytes = 256 * 1024 * 1024;
// The most pixels a picture may declare (a sheet scanned at 600 dpi is about 35 million).
inline constexpr qint64 MaxPicturePixels = 120'000'000;

// The picture in the file, turned upright as its EXIF orientation says. Throws KorvenError naming
// the file when it is no regular file, too large, or cannot be decoded.
QImage readPicture(const QString &path);

// Writes the picture in `format` ("PNG") through writeFileAtomically. Throws KorvenError naming
// the file when it cannot be encoded or written.
void writePicture(const QString &path, const QImage &image, const char *format);

} // namespace korven
