#include "tools/bmp_writer.h"

#include <QCoreApplication>
#include "exercise/bitmap_limits.h"
#include "exercise/errors.h"
#include "files/text_file.h"

#include <QtEndian>

namespace korven {

namespace {


void put16(char *p, quint16 v) { qToLittleEndian(v, p); }
void put32(char *p, quint32 v) { qToLittleEndian(v, p); }

} // namespace

void writeGeneratedBitmap(const QString &path, const QImage &image)
{
    writeFileAtomically(path, encodeBmp24(image), FileAccess::AsBefore, Durability::Rebuildable);
}

QByteArray encodeBmp24(const QImage &source)
{
    const QImage image = source.format() == QImage::Format_RGB888 || source.format() == QImage::Format_Grayscale8
                             ? source
                             : source.convertToFormat(QImage::Format_RGB888);
    const int width = image.width();
    const int height = image.height();
    const int stride = (width * 3 + 3) & ~3;
    const quint32 pixelBytes = quint32(stride) * quint32(height);

    QByteArray bytes(Bmp24HeaderSize + qsizetype(pixelBytes), '\0');
    char *h = bytes.data();
    h[0] = 'B';
    h[1] = 'M';
    put32(h + 2, Bmp24HeaderSize + pixelBytes); // file size
    put32(h + 10, Bmp24HeaderSize);             // offset of the pixels
    put32(h + 14, 40);                     // BITMAPINFOHEADER
    put32(h + 18, quint32(width));
    put32(h + 22, quint32(height));        // positive: rows bottom-up
    put16(h + 26, 1);                      // planes
    put16(h + 28, 24);                     // bits per pixel
    put32(h + 30, 0);                      // uncompressed
    put32(h + 34, pixelBytes);
    put32(h + 38, 2835);                   // 72 dpi
    put32(h + 42, 2835);

    const bool gray = image.format() == QImage::Format_Grayscale8;
    for (int y = 0; y < height; ++y) {
        const uchar *in = image.constScanLine(y);
        uchar *out = reinterpret_cast<uchar *>(h + Bmp24HeaderSize + qsizetype(height - 1 - y) * stride);
        if (gray) {
            for (int x = 0; x < width; ++x) {
                out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = in[x];
            }
        } else {
            for (int x = 0; x < width; ++x) {
                out[3 * x] = in[3 * x + 2];
                out[3 * x + 1] = in[3 * x + 1];
                out[3 * x + 2] = in[3 * x];
            }
        }
    }
    return bytes;
}

QString bmp24FileFault(const QString &path)
{
    QByteArray bytes;
    try {
        bytes = readRegularFile(path, MaxBitmapFileBytes);
    } catch (const KorvenError &e) {
        return e.message();
    }
    return bmp24Fault(bytes.left(Bmp24HeaderSize), bytes.size());
}

} // namespace korven
