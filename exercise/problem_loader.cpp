#include "exercise/problem_loader.h"

#include "exercise/bitmap_limits.h"
#include "files/comma_text.h"
#include "files/errors.h"
#include "files/text_file.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QImageReader>

#include <limits>

#include <algorithm>

namespace korven {

namespace {

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

// The listing's third fields, line by line, appended to values as they are read; throws on the
// first line without one and when fewer than PieceCount lines are present.
void readListingInto(const QStringList &lines, const QString &listingPath, QStringList &values)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = splitCommaText(lines.at(i));
        if (fields.size() < 3)
            throw KorvenError(QCoreApplication::translate("ProblemLoader", "%1, line %2: fewer than three fields.")
                                  .arg(shown(listingPath)).arg(i + 1));
        values << fields.at(2);
    }
    if (lines.size() < PieceCount)
        throw KorvenError(QCoreApplication::translate("ProblemLoader", "%1, line %2: missing; the listing needs %3 lines but has %4.")
                              .arg(shown(listingPath)).arg(lines.size() + 1).arg(PieceCount)
                              .arg(lines.size()));
    for (int i = 0; i < PieceCount; ++i) {
        bool ok = false;
        values.at(i).toInt(&ok);
        if (!ok)
            throw KorvenError(QCoreApplication::translate("ProblemLoader", "%1, line %2: '%3' is not a whole number.")
                                  .arg(shown(listingPath)).arg(i + 1).arg(values.at(i)));
    }
}

} // namespace

QString pieceFileName(int piece)
{
    return QStringLiteral("%1-%2.bmp").arg(piece / 2 + 1).arg(piece % 2 + 1);
}

int checkValue(const QString &path)
{
    try {
        const qint64 size = regularFileSize(path);
        return size <= 5 ? 0 : int((size - 5) % 83);
    } catch (const KorvenError &) {
        return -1;
    }
}

QStringList readListingCheckValues(const QString &listingPath)
{
    return parseListing(readTextLines(listingPath), listingPath);
}

QStringList parseListing(const QStringList &lines, const QString &listingPath)
{
    QStringList values;
    readListingInto(lines, listingPath, values);
    return values;
}

namespace {

// The width and height a BMP file's header declares (an invalid size when it is no BMP).
QSize bmpHeaderSize(const QByteArray &bytes)
{
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        return {};
    auto int32At = [&](int at) {
        const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData()) + at;
        return qint32(quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24);
    };
    const qint64 width = int32At(18);
    const qint64 height = qAbs(qint64(int32At(22)));
    if (width <= 0 || height <= 0 || width > std::numeric_limits<int>::max() || height > std::numeric_limits<int>::max())
        return {};
    return QSize(int(width), int(height));
}

} // namespace

QImage loadBitmap24(const QString &path)
{
    // Read through the checked open, so a FIFO, device or link is refused rather than waited on.
    return decodeBitmap24(readRegularFile(path, MaxBitmapFileBytes), path);
}

QImage decodeBitmap24(QByteArray bytes, const QString &path)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The declared size is judged before any pixel is decoded.
    QSize declared = reader.size();
    if (!declared.isValid())
        declared = bmpHeaderSize(bytes); // the decoder refuses huge sizes with no word on why
    if (!declared.isValid())
        throw KorvenError(QCoreApplication::translate("ProblemLoader", "Cannot load the image %1: %2").arg(shown(path), reader.errorString()));
    if (!bitmapSizeAccepted(declared.width(), declared.height()))
        throw KorvenError(QCoreApplication::translate("ProblemLoader", "Cannot load the image %1: it declares %2 x %3 pixels; at most %4 x %4 "
                                         "and %5 pixels in all are accepted.")
                              .arg(shown(path)).arg(declared.width()).arg(declared.height())
                              .arg(MaxBitmapSide).arg(MaxBitmapPixels));
    // The decoder allocates what the header declares, so the check above bounds the memory. (Qt's
    // allocation limit is process-wide: lowering it here would refuse the tools' large pictures.)
    QImage image = reader.read();
    if (image.isNull())
        throw KorvenError(QCoreApplication::translate("ProblemLoader", "Cannot load the image %1: %2").arg(shown(path), reader.errorString()));
    if (!bitmapSizeAccepted(image.width(), image.height()))
        throw KorvenError(QCoreApplication::translate("ProblemLoader", "Cannot load the image %1: %2 x %3 pixels is too large.")
                              .arg(shown(path)).arg(image.width()).arg(image.height()));
    if (image.format() != QImage::Format_RGB888)
        image = image.convertToFormat(QImage::Format_RGB888);
    return image;
}

LoadReport loadProblem(const QString &imagesFolder, const QString &name,
                       std::array<QImage, PieceCount> &bitmaps, QStringList &checkValues)
{
    const QDir folder(QDir(imagesFolder).filePath(name));
    checkValues.clear();
    // The whole listing is checked before any bitmap is touched.
    const QString listingPath = folder.filePath(name + QStringLiteral(".set"));
    readListingInto(readTextLines(listingPath), listingPath, checkValues);

    LoadReport report;
    for (int b = 0; b < PieceCount; ++b) {
        const QString path = folder.filePath(pieceFileName(b));
        bitmaps[b] = loadBitmap24(path);
        int value = checkValue(path);
        if (value < 0) {
            report.unreadable = true;
            value = 0;
        }
        if (value != checkValues.at(b).toInt())
            ++report.mismatches;
    }
    return report;
}

float computeFitScale(const std::array<QImage, PieceCount> &bitmaps, int rowHeight, int insetTop,
                      const std::array<int, 4> &rowSlotWidths, int *tallestHeight)
{
    int tallest = 0;
    for (const QImage &image : bitmaps)
        tallest = std::max(tallest, image.height());
    if (tallestHeight)
        *tallestHeight = tallest;
    if (tallest <= 0)
        throw KorvenError(QCoreApplication::translate("ProblemLoader", "No chromosome image is loaded; the pieces cannot be sized."));

    auto widest = [&](int first, int last, int start) {
        int w = start;
        for (int k = first; k <= last; ++k)
            w = std::max(w, bitmaps[k].width());
        return w;
    };
    float fit = float(double(rowHeight - 2 * insetTop) / tallest);
    auto limit = [&](int slotWidth, int widest) {
        if (widest <= 0)
            return;
        const double value = double(slotWidth) / widest;
        if (value < fit)
            fit = float(value);
    };
    const int w1 = widest(0, 9, 0);
    const int w2 = widest(10, 23, 0);
    const int w3 = widest(24, 35, w2); // the third row's search starts from the second row's width
    const int w4 = widest(36, 45, 0);
    limit(rowSlotWidths[0], w1);
    limit(rowSlotWidths[1], w2);
    limit(rowSlotWidths[2], w3);
    limit(rowSlotWidths[3], w4);
    return fit;
}

float computeMagnification(int magnificationMode, int &trackBarPosition, float fitScale)
{
    float magnification;
    if (magnificationMode == 1) {
        magnification = float(trackBarPosition * double(fitScale) * 0.1);
    } else {
        trackBarPosition = 10;
        magnification = fitScale;
    }
    return float(magnification * 0.9);
}

} // namespace korven
