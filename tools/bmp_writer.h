#pragma once
// 24-bit BMP files written byte by byte: 54-byte header, bottom-up BGR rows padded to 4 bytes.
#include "exercise/bmp_check.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace korven {

// The whole BMP file for an image (any format; converted to 24-bit colour).
QByteArray encodeBmp24(const QImage &image);

// Writes a generated picture as a 24-bit BMP through the safe writer, so no half-written bitmap is
// ever seen, without its flushes to disk: generated bitmaps can be made again at any time, and
// thousands of flushes would dominate the time of a run. Throws KorvenError naming the file.
void writeGeneratedBitmap(const QString &path, const QImage &image);

// Reads the file's header and applies bmp24Fault; a file that cannot be read gives its error.
QString bmp24FileFault(const QString &path);

} // namespace korven
