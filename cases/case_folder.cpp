#include "cases/case_folder.h"

#include "cases/case_identity.h"
#include "cases/case_records.h"
#include "cases/karyotype_grading.h"

#include "exercise/bitmap_limits.h"
#include "exercise/bmp_check.h"
#include "exercise/errors.h"
#include "exercise/problem_loader.h"
#include "files/file_system.h"
#include "files/text_file.h"
#include "iscn/karyotype.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace korven {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CaseFolder)
};

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

// True when the folder's own entry is a symbolic link: a case is read only where it lies, so a
// link cannot bring in files from elsewhere.
bool isLink(const QString &folder)
{
    return fs::entryStatus(QDir::cleanPath(folder)).type == fs::EntryType::Link;
}

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
    static_cast<CaseFile &>(c) = parseCaseFile(lines, shown(file), &faults);
    c.path = QFileInfo(file).absolutePath();
    c.name = QFileInfo(c.path).fileName();
    if (faults.isEmpty() && c.piecesOf(1).empty())
        faults << Text::tr("%1: cell 1 has no chromosome.").arg(shown(file));
    if (!faults.isEmpty())
        throw KorvenError(faults.join(QLatin1Char('\n')));
    return c;
}

CaseFolder readCaseFolder(const QString &folder, QStringList *faults)
{
    if (isLink(folder))
        throw KorvenError(Text::tr("%1 is a symbolic link; a case folder is read only where it lies.").arg(shown(folder)));
    const int before = int(faults->size());
    CaseFolder c;
    static_cast<CaseFile &>(c) = readCaseFile(folder, faults);
    c.path = QFileInfo(folder).absoluteFilePath();
    c.name = QFileInfo(c.path).fileName();
    if (faults->size() == before && c.piecesOf(1).empty())
        *faults << Text::tr("%1: cell 1 has no chromosome.").arg(shown(caseFilePath(folder)));
    return c;
}

CaseFolder readCaseFolder(const QString &folder)
{
    QStringList faults;
    CaseFolder c = readCaseFolder(folder, &faults);
    if (!faults.isEmpty())
        throw KorvenError(faults.join(QLatin1Char('\n')));
    return c;
}

QImage loadCasePiece(const CaseFolder &folder, const CasePiece &piece, CasePixelBudget &budget)
{
    const QString path = QDir(folder.path).filePath(piece.file);
    const QByteArray bytes = readRegularFile(path, MaxBitmapFileBytes);
    // The header is judged against the file's length before the decoder sees it: a bitmap cut
    // short would otherwise be drawn with whatever the memory held.
    if (const QString fault = bmp24Fault(bytes.left(Bmp24HeaderSize), bytes.size()); !fault.isEmpty())
        throw KorvenError(Text::tr("%1: %2.").arg(shown(path), fault));
    const auto le32 = [&](int at) {
        const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData()) + at;
        return qint32(quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24);
    };
    const qint64 pixels = qint64(le32(18)) * qAbs(qint64(le32(22)));
    if (pixels > budget.left)
        throw KorvenError(Text::tr("%1: the case's bitmaps hold more than %2 pixels in all, the most a case may load.")
                              .arg(shown(path)).arg(MaxCasePixels));
    budget.left -= pixels;
    return decodeBitmap24(bytes, path);
}

std::vector<QImage> loadCasePieces(const CaseFolder &folder)
{
    CasePixelBudget budget;
    std::vector<QImage> images;
    images.reserve(folder.pieces.size());
    for (const CasePiece &piece : folder.pieces)
        images.push_back(loadCasePiece(folder, piece, budget));
    return images;
}

std::vector<CaseEntry> listCases(const QStringList &casesFolders)
{
    std::vector<CaseEntry> out;
    QSet<QString> seen;
    for (const QString &folder : casesFolders) {
        const QDir dir(folder);
        const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &name : names) {
            // Any entry named case.txt makes a case, so that one that is no file is named as such.
            const QString path = dir.filePath(name);
            const QFileInfo caseText(caseFilePath(path));
            if (seen.contains(name) || (!caseText.exists() && !caseText.isSymLink()))
                continue;
            seen.insert(name);
            CaseEntry entry{name, path, caseNameFault(name), {}};
            if (entry.fault.isEmpty()) {
                try {
                    const CaseFolder read = readCaseFolder(path);
                    iscn::Fault fault;
                    if (const QString tooLong = karyotypeLengthFault(read.karyotype); !tooLong.isEmpty())
                        entry.fault = Text::tr("%1: %2").arg(shown(caseFilePath(path)), tooLong);
                    else if (!iscn::parseKaryotype(read.karyotype, &fault))
                        entry.fault = Text::tr("%1: the karyotype %2 cannot be read: %3")
                                          .arg(shown(caseFilePath(path)), read.karyotype, fault.message);
                    else
                        entry.karyotype = read.karyotype;
                } catch (const KorvenError &e) {
                    entry.fault = e.message();
                }
            }
            out.push_back(std::move(entry));
        }
    }
    std::sort(out.begin(), out.end(),
              [](const CaseEntry &a, const CaseEntry &b) { return caseListedBefore(a.name, b.name); });
    return out;
}

} // namespace korven
