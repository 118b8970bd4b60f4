#include "cases/case_folder.h"

#include "cases/case_identity.h"

#include "exercise/bitmap_limits.h"
#include "exercise/errors.h"
#include "files/text_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>

#include <algorithm>

namespace korven {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CaseFolder)
};

} // namespace

std::vector<int> CaseFolder::piecesOf(int cell) const
{
    std::vector<int> out;
    for (int i = 0; i < int(pieces.size()); ++i)
        if (pieces[i].cell == cell)
            out.push_back(i);
    return out;
}

CaseFolder parseCaseText(const QStringList &lines, const QString &file)
{
    QStringList faults;
    CaseFolder c;
    static_cast<CaseFile &>(c) = parseCaseFile(lines, QDir::toNativeSeparators(file), &faults);
    c.path = QFileInfo(file).absolutePath();
    c.name = QFileInfo(c.path).fileName();
    if (faults.isEmpty() && c.piecesOf(1).empty())
        faults << Text::tr("%1: cell 1 has no chromosome.").arg(QDir::toNativeSeparators(file));
    if (!faults.isEmpty())
        throw KorvenError(faults.join(QLatin1Char('\n')));
    return c;
}

CaseFolder readCaseFolder(const QString &folder)
{
    const QString file = caseFilePath(folder);
    const QByteArray bytes = readRegularFile(file, SmallFileLimits.maxBytes);
    return parseCaseText(splitDecodedLines(QString::fromUtf8(bytes)), file);
}

QImage loadCasePiece(const CaseFolder &folder, const CasePiece &piece)
{
    const QString path = QDir(folder.path).filePath(piece.file);
    const QByteArray bytes = readRegularFile(path, MaxBitmapFileBytes);
    QBuffer buffer(const_cast<QByteArray *>(&bytes));
    QImageReader reader(&buffer);
    const QSize declared = reader.size();
    if (declared.isValid() && !bitmapSizeAccepted(declared.width(), declared.height()))
        throw KorvenError(Text::tr("%1: the picture is too large.").arg(QDir::toNativeSeparators(path)));
    QImage image;
    if (!image.loadFromData(bytes) || image.isNull())
        throw KorvenError(Text::tr("%1: the picture cannot be read.").arg(QDir::toNativeSeparators(path)));
    if (!bitmapSizeAccepted(image.width(), image.height()))
        throw KorvenError(Text::tr("%1: the picture is too large.").arg(QDir::toNativeSeparators(path)));
    return image.convertToFormat(QImage::Format_RGB888);
}

std::vector<CaseEntry> listCases(const QStringList &casesFolders)
{
    std::vector<CaseEntry> out;
    QSet<QString> seen;
    for (const QString &folder : casesFolders) {
        const QDir dir(folder);
        const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &name : names) {
            if (seen.contains(name) || !QFileInfo(dir.filePath(name + QStringLiteral("/case.txt"))).isFile())
                continue;
            seen.insert(name);
            out.push_back({name, dir.filePath(name)});
        }
    }
    std::sort(out.begin(), out.end(),
              [](const CaseEntry &a, const CaseEntry &b) { return caseListedBefore(a.name, b.name); });
    return out;
}

} // namespace korven
