#include "cases/case_folder.h"

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

QString at(const QString &file, int line) { return Text::tr("%1, line %2").arg(QDir::toNativeSeparators(file)).arg(line); }

int number(const QString &field, int low, int high, const QString &where)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        throw KorvenError(Text::tr("%1: \"%2\" is not a number from %3 to %4.").arg(where, field).arg(low).arg(high));
    return value;
}

void expectFields(const QStringList &fields, int count, const QString &where)
{
    if (fields.size() != count)
        throw KorvenError(Text::tr("%1: the record \"%2\" needs %3 fields, not %4.")
                              .arg(where, fields.value(0)).arg(count).arg(fields.size()));
}

constexpr int MaxCells = 200;
constexpr int MaxSpreadSide = 20000;

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
    CaseFolder c;
    c.path = QFileInfo(file).absolutePath();
    c.name = QFileInfo(c.path).fileName();
    QSet<int> cellNumbers;
    for (int i = 0; i < lines.size(); ++i) {
        const QString where = at(file, i + 1);
        const QString &line = lines[i];
        if (line.trimmed().isEmpty())
            continue;
        const QStringList f = line.split(u'\t');
        const QString kind = f[0].trimmed();
        if (kind == u"karyotype") {
            expectFields(f, 2, where);
            c.karyotype = f[1].trimmed();
        } else if (kind == u"level") {
            expectFields(f, 2, where);
            c.level = number(f[1], 1, 2000, where);
        } else if (kind == u"note") {
            expectFields(f, 2, where);
            c.notes << f[1];
        } else if (kind == u"spread") {
            expectFields(f, 4, where);
            CaseCell cell;
            cell.number = number(f[1], 1, MaxCells, where);
            cell.size = QSize(number(f[2], 1, MaxSpreadSide, where), number(f[3], 1, MaxSpreadSide, where));
            if (cellNumbers.contains(cell.number))
                throw KorvenError(Text::tr("%1: cell %2 has a second spread line.").arg(where).arg(cell.number));
            cellNumbers.insert(cell.number);
            c.cells.push_back(cell);
        } else if (kind == u"piece") {
            expectFields(f, 7, where);
            CasePiece p;
            p.cell = number(f[1], 1, MaxCells, where);
            p.file = f[2].trimmed();
            p.identity = f[3].trimmed();
            p.centre = QPoint(number(f[4], 0, MaxSpreadSide, where), number(f[5], 0, MaxSpreadSide, where));
            p.step = number(f[6], 0, CaseTurnSteps - 1, where);
            // A bitmap lies directly in the case folder: no path may lead out of it.
            if (p.file.isEmpty() || p.file.contains(u'/') || p.file.contains(u'\\') || p.file.startsWith(u'.'))
                throw KorvenError(Text::tr("%1: \"%2\" is not a file name in the case folder.").arg(where, f[2]));
            if (p.identity.isEmpty())
                throw KorvenError(Text::tr("%1: the piece has no chromosome named.").arg(where));
            c.pieces.push_back(p);
        } else {
            throw KorvenError(Text::tr("%1: unknown record \"%2\".").arg(where, kind));
        }
    }
    const QString whole = QDir::toNativeSeparators(file);
    if (c.karyotype.isEmpty())
        throw KorvenError(Text::tr("%1: the case has no karyotype line.").arg(whole));
    std::sort(c.cells.begin(), c.cells.end(), [](const CaseCell &a, const CaseCell &b) { return a.number < b.number; });
    for (int i = 0; i < int(c.cells.size()); ++i)
        if (c.cells[i].number != i + 1)
            throw KorvenError(Text::tr("%1: the cells are not numbered 1, 2, 3, ... without a gap.").arg(whole));
    if (c.cells.empty())
        throw KorvenError(Text::tr("%1: the case has no cell (no spread line).").arg(whole));
    for (const CasePiece &p : c.pieces)
        if (!cellNumbers.contains(p.cell))
            throw KorvenError(Text::tr("%1: a piece belongs to cell %2, which has no spread line.").arg(whole).arg(p.cell));
    if (c.piecesOf(1).empty())
        throw KorvenError(Text::tr("%1: cell 1 has no chromosome.").arg(whole));
    return c;
}

CaseFolder readCaseFolder(const QString &folder)
{
    const QString file = QDir(folder).filePath(QStringLiteral("case.txt"));
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
    std::sort(out.begin(), out.end(), [](const CaseEntry &a, const CaseEntry &b) { return a.name < b.name; });
    return out;
}

} // namespace korven
