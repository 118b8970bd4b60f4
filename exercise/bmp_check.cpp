#include "exercise/bmp_check.h"

#include "exercise/bitmap_limits.h"

#include <QCoreApplication>

namespace korven {

namespace {

// Little-endian fields of a header; bytes past the end read as 0.
quint32 getLE(const QByteArray &b, int at, int width)
{
    quint32 v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | (at + i < b.size() ? quint8(b.at(at + i)) : 0u);
    return v;
}
quint16 get16(const QByteArray &b, int at) { return quint16(getLE(b, at, 2)); }
quint32 get32(const QByteArray &b, int at) { return getLE(b, at, 4); }

constexpr int HeaderSize = Bmp24HeaderSize;

} // namespace

QString bmp24Fault(const QByteArray &head, qint64 fileSize)
{
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M')
        return QCoreApplication::translate("BmpWriter", "not a BMP file (no \"BM\" signature)");
    if (head.size() < HeaderSize)
        return QCoreApplication::translate("BmpWriter", "BMP header cut short (%1 bytes)").arg(head.size());
    const quint32 infoSize = get32(head, 14);
    if (infoSize == 12) {
        if (get16(head, 24) != 24)
            return QCoreApplication::translate("BmpWriter", "%1 bits per pixel, 24 needed").arg(get16(head, 24));
        return QCoreApplication::translate("BmpWriter", "old OS/2 BMP header, a Windows BMP header is needed");
    }
    if (infoSize < 40)
        return QCoreApplication::translate("BmpWriter", "unknown BMP header size %1").arg(infoSize);
    const quint16 bits = get16(head, 28);
    if (bits != 24)
        return QCoreApplication::translate("BmpWriter", "%1 bits per pixel, 24 needed").arg(bits);
    const quint32 compression = get32(head, 30);
    if (compression != 0)
        return QCoreApplication::translate("BmpWriter", "compressed BMP (method %1), uncompressed needed").arg(compression);
    // Signed 32-bit fields, widened before any arithmetic: extreme values cannot overflow.
    const qint64 width = qint32(get32(head, 18));
    const qint64 height = qint32(get32(head, 22));
    const qint64 rows = height < 0 ? -height : height;
    if (width <= 0 || height == 0)
        return QCoreApplication::translate("BmpWriter", "invalid size %1 x %2").arg(width).arg(height);
    if (!bitmapSizeAccepted(width, rows))
        return QCoreApplication::translate("BmpWriter", "%1 x %2 pixels is too large (at most %3 x %3 and %4 pixels)")
            .arg(width).arg(rows).arg(MaxBitmapSide).arg(MaxBitmapPixels);
    const quint32 offset = get32(head, 10);
    const qint64 stride = (width * 3 + 3) & ~qint64(3);
    const qint64 needed = qint64(offset) + stride * rows;
    if (fileSize < needed)
        return QCoreApplication::translate("BmpWriter", "file cut short: %1 bytes, %2 needed for %3 x %4 pixels")
            .arg(fileSize).arg(needed).arg(width).arg(rows);
    return {};
}

} // namespace korven
