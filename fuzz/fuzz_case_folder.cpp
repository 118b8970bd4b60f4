// The case-folder reader over arbitrary contents: case.txt is the input up to its first NUL byte,
// the bytes after it are the bitmap of every piece named 1-01.bmp or 1-02.bmp. Nothing may
// crash, and whatever the reader accepts stays within the limits a case may have.
#include "cases/case_folder.h"
#include "exercise/bitmap_limits.h"
#include "exercise/errors.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

namespace {

QString scratchFolder()
{
    // A memory-backed folder where there is one.
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static const QString folder = [&] {
        const QString path = base + QStringLiteral("/korven-fuzz-case-%1/c1").arg(::getpid());
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray caseText = split < 0 ? bytes : bytes.left(split);
    const QByteArray bitmap = split < 0 ? QByteArray() : bytes.mid(split + 1);

    const QString folder = scratchFolder();
    put(folder + QStringLiteral("/case.txt"), caseText);
    put(folder + QStringLiteral("/1-01.bmp"), bitmap);
    put(folder + QStringLiteral("/1-02.bmp"), bitmap);

    QStringList faults;
    try {
        const korven::CaseFolder c = korven::readCaseFolder(folder, &faults);
        if (c.cellCount() > korven::MaxCaseCells)
            std::abort();
        std::vector<int> perCell(size_t(c.cellCount()), 0);
        for (const korven::CasePiece &piece : c.pieces) {
            if (piece.cell < 1 || piece.cell > c.cellCount() || ++perCell[size_t(piece.cell - 1)] > korven::MaxCellPieces)
                std::abort();
        }
        for (const QSize &spread : c.spreads)
            if (spread.width() > korven::MaxSpreadSide || spread.height() > korven::MaxSpreadSide
                || qint64(spread.width()) * spread.height() > korven::MaxSpreadPixels)
                std::abort();
        if (faults.isEmpty()) {
            qint64 pixels = 0;
            for (const QImage &image : korven::loadCasePieces(c)) {
                if (!korven::bitmapSizeAccepted(image.width(), image.height()) || image.format() != QImage::Format_RGB888)
                    std::abort();
                pixels += qint64(image.width()) * image.height();
            }
            if (pixels > korven::MaxCasePixels)
                std::abort();
        }
    } catch (const korven::KorvenError &) {
    }
    return 0;
}
