#pragma once
// Whether a file is the uncompressed 24-bit BMP the tools write and the case reader takes in,
// judged from its header and its length before any pixel is decoded.
#include <QByteArray>
#include <QString>

namespace korven {

// The file header and BITMAPINFOHEADER of a 24-bit BMP.
inline constexpr int Bmp24HeaderSize = 54;

// Why a BMP file is not an uncompressed 24-bit bitmap within the limits of bitmap_limits.h, judged
// from its first bytes (at least the 54-byte header) and its size: a header that promises more
// pixel rows than the file holds is "cut short". An empty string when it is one.
QString bmp24Fault(const QByteArray &head, qint64 fileSize);

} // namespace korven
