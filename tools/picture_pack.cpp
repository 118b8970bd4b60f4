#include "tools/picture_pack.h"

#include "exercise/errors.h"
#include "files/file_errors.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"
#include "tools/bmp_writer.h"
#include "tools/karyogram_segment.h"
#include "tools/picture_files.h"
#include "tools/problem_audit.h"
#include "tools/problem_maker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QRandomGenerator>
#include <vector>

namespace korven {

namespace {

struct Conversion {
    QString source; // the teacher's file
    QString target; // k-h.bmp
    QByteArray bytes;
    QString aside;  // where the new bitmap waits until every one is written
};

// Writes a new bitmap aside under a name no entry of the folder has (hidden, with a random part)
// and returns that name. The name is taken in the one step that puts the file there, so a file of
// the user's own is never overwritten or removed.
QString writeAside(const QDir &dir, const QString &target, const QByteArray &bytes)
{
    for (;;) {
        const QString name = dir.filePath(QStringLiteral(".korven-pack-%1-%2")
                                              .arg(QFileInfo(target).completeBaseName())
                                              .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (createFileAtomically(name, bytes))
            return name;
    }
}

bool isSoundBitmap(const QString &path)
{
    if (!path.endsWith(QLatin1String(".bmp")) || !bmp24FileFault(path).isEmpty())
        return false;
    try {
        return frameGreyShare(loadBitmap24(path)) == 0;
    } catch (const KorvenError &) {
        return false;
    }
}

// A free name for an original kept in originals/.
QString keepName(const QDir &originals, const QString &fileName)
{
    QString name = fileName;
    for (int n = 1; QFileInfo::exists(originals.filePath(name)); ++n)
        name = QStringLiteral("%1.%2").arg(fileName).arg(n);
    return originals.filePath(name);
}

} // namespace

QStringList packPictures(const QString &folder)
{
    const QDir dir(folder);
    if (const QString fault = entryFault(folder, EntryKind::Folder); !fault.isEmpty())
        throw KorvenError(QStringLiteral("%1: %2").arg(folder, fault));
    QStringList readable;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        readable << QString::fromLatin1(format).toLower();

    // Pictures by piece name, whatever their extension.
    QMap<QString, QStringList> byPiece;
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files, QDir::Name))
        if (readable.contains(info.suffix().toLower()))
            byPiece[info.completeBaseName()] << info.fileName();

    QStringList faults;
    std::vector<Conversion> conversions;
    for (int piece = 0; piece < PieceCount; ++piece) {
        const QString base = pieceFileName(piece).chopped(4);
        const QStringList files = byPiece.value(base);
        if (files.isEmpty()) {
            faults << QCoreApplication::translate("PicturePack", "%1: missing; add the picture as %2.bmp, %2.png or %2.jpg").arg(dir.filePath(base), base);
            continue;
        }
        if (files.size() > 1) {
            faults << QCoreApplication::translate("PicturePack", "%1: %2 pictures (%3); keep one").arg(dir.filePath(base)).arg(files.size())
                          .arg(files.join(QStringLiteral(", ")));
            continue;
        }
        const QString path = dir.filePath(files.first());
        if (isSoundBitmap(path))
            continue;
        QImage image;
        try {
            image = readPicture(path);
        } catch (const KorvenError &e) {
            faults << e.message();
            continue;
        }
        conversions.push_back({path, dir.filePath(pieceFileName(piece)), encodeBmp24(whitenedPiece(image)), QString()});
    }
    if (!faults.isEmpty())
        throw KorvenError(QCoreApplication::translate("PicturePack", "no listing written for %1, nothing changed:\n  %2")
                              .arg(folder, faults.join(QStringLiteral("\n  "))));

    // Every new bitmap is written aside before any original moves, so a full disk changes nothing.
    for (Conversion &c : conversions) {
        try {
            c.aside = writeAside(dir, c.target, c.bytes);
        } catch (const KorvenError &e) {
            for (const Conversion &d : conversions)
                if (!d.aside.isEmpty())
                    QFile::remove(d.aside);
            throw KorvenError(QCoreApplication::translate("PicturePack", "%1; nothing changed").arg(e.message()));
        }
    }
    QStringList report;
    if (!conversions.empty()) {
        const QDir originals(dir.filePath(QStringLiteral("originals")));
        makeFolders(originals.path());
        for (const Conversion &c : conversions) {
            const QString kept = keepName(originals, QFileInfo(c.source).fileName());
            renameEntry(c.source, kept);
            renameEntry(c.aside, c.target);
            report << QCoreApplication::translate("PicturePack", "converted %1 to %2 (original kept as %3)")
                          .arg(QFileInfo(c.source).fileName(), QFileInfo(c.target).fileName(),
                               QDir(folder).relativeFilePath(kept));
        }
    }
    packProblem(folder);
    return report;
}

} // namespace korven
