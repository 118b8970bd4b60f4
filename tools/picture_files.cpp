#include "tools/picture_files.h"

#include "files/errors.h"
#include "files/text_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>

namespace korven {

QImage readPicture(const QString &path)
{
    QByteArray bytes = readRegularFile(path, MaxPictureFileBytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize declared = reader.size();
    if (declared.isValid() && qint64(declared.width()) * declared.height() > MaxPicturePixels)
        throw KorvenError(QCoreApplication::translate("PictureFiles", "%1: %2 x %3 pixels is too large (at most %4 pixels)")
                              .arg(path).arg(declared.width()).arg(declared.height()).arg(MaxPicturePixels));
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    const QImage image = reader.read();
    if (image.isNull())
        throw KorvenError(QCoreApplication::translate("PictureFiles", "%1: cannot be read as a picture (%2); use PNG, JPEG, TIFF, BMP or GIF")
                              .arg(path, reader.errorString()));
    return image;
}

void writePicture(const QString &path, const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        throw KorvenError(QCoreApplication::translate("PictureFiles", "%1: cannot write the picture (%2)").arg(path, writer.errorString()));
    writeFileAtomically(path, bytes);
}

} // namespace korven
