#include "files/case_file.h"

#include "files/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

namespace korven {

namespace {

const QChar Tab(QLatin1Char('\t'));

} // namespace

const QStringList &caseNotes(const CaseFile &file, bool japanese)
{
    return japanese && !file.notesJa.isEmpty() ? file.notesJa : file.notes;
}

QString caseFilePath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("case.txt"));
}

QStringList formatCaseFile(const CaseFile &file)
{
    QStringList lines;
    lines << QStringLiteral("karyotype\t") + file.karyotype << QStringLiteral("level\t%1").arg(file.level);
    for (const QString &note : file.notes)
        lines << QStringLiteral("note\t") + QString(note).replace(Tab, QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    for (const QString &note : file.notesJa)
        lines << QStringLiteral("note.ja\t") + QString(note).replace(Tab, QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    for (size_t cell = 0; cell < file.spreads.size(); ++cell)
        lines << QStringLiteral("spread\t%1\t%2\t%3").arg(cell + 1).arg(file.spreads[cell].width()).arg(file.spreads[cell].height());
    for (const CasePiece &piece : file.pieces)
        lines << QStringList{QStringLiteral("piece"), QString::number(piece.cell), piece.file, piece.identity,
                             QString::number(piece.x), QString::number(piece.y), QString::number(piece.step)}
                     .join(Tab);
    return lines;
}

CaseFile parseCaseFile(const QStringList &lines, const QString &path, QStringList *faults)
{
    CaseFile file;
    bool haveKaryotype = false, haveLevel = false;
    std::vector<int> piecesInCell; // per cell with a spread
    QSet<QString> bitmaps;
    for (int i = 0; i < lines.size(); ++i) {
        const QString where = QCoreApplication::translate("CaseFile", "%1 line %2").arg(path).arg(i + 1);
        const QStringList f = lines[i].split(Tab);
        const QString &record = f[0];
        const auto fields = [&](int count) {
            if (f.size() == count)
                return true;
            *faults << QCoreApplication::translate("CaseFile", "%1: \"%2\" needs %3 fields, has %4").arg(where, record).arg(count).arg(f.size());
            return false;
        };
        const auto number = [&](int index, int low, int high, bool *ok) {
            const int value = f[index].toInt(ok);
            if (!*ok || value < low || value > high) {
                *faults << QCoreApplication::translate("CaseFile", "%1: \"%2\" is not a number from %3 to %4").arg(where, f[index]).arg(low).arg(high);
                *ok = false;
            }
            return value;
        };
        bool ok = true;
        if (lines[i].trimmed().isEmpty()) {
            continue;
        } else if (record == QLatin1String("karyotype")) {
            if (fields(2) && !f[1].isEmpty())
                file.karyotype = f[1], haveKaryotype = true;
        } else if (record == QLatin1String("level")) {
            if (fields(2)) {
                file.level = number(1, 1, 10000, &ok);
                haveLevel = ok;
            }
        } else if (record == QLatin1String("note")) {
            if (fields(2))
                file.notes << f[1];
        } else if (record == QLatin1String("note.ja")) {
            if (fields(2))
                file.notesJa << f[1];
        } else if (record == QLatin1String("spread")) {
            if (!fields(4))
                continue;
            const int cell = number(1, 1, MaxCaseCells, &ok);
            const int width = ok ? number(2, 1, MaxSpreadSide, &ok) : 0;
            const int height = ok ? number(3, 1, MaxSpreadSide, &ok) : 0;
            if (!ok)
                continue;
            if (qint64(width) * height > MaxSpreadPixels)
                *faults << QCoreApplication::translate("CaseFile", "%1: a spread of %2 x %3 pixels is larger than the %4 pixels a case may have")
                               .arg(where).arg(width).arg(height).arg(MaxSpreadPixels);
            else if (cell != int(file.spreads.size()) + 1)
                *faults << QCoreApplication::translate("CaseFile", "%1: spread of cell %2 where cell %3 comes next").arg(where).arg(cell).arg(file.spreads.size() + 1);
            else
                file.spreads.emplace_back(width, height), piecesInCell.push_back(0);
        } else if (record == QLatin1String("piece")) {
            if (!fields(7))
                continue;
            CasePiece piece;
            piece.cell = number(1, 1, MaxCaseCells, &ok);
            piece.x = ok ? number(4, -100000, 100000, &ok) : 0;
            piece.y = ok ? number(5, -100000, 100000, &ok) : 0;
            piece.step = ok ? number(6, 0, CaseTurnSteps - 1, &ok) : 0;
            piece.file = f[2], piece.identity = f[3];
            if (!ok)
                continue;
            if (piece.file.isEmpty() || piece.file.contains(QLatin1Char('/')) || piece.file.contains(QLatin1Char('\\'))
                || piece.file.startsWith(QLatin1Char('.')) || piece.identity.isEmpty())
                *faults << QCoreApplication::translate("CaseFile", "%1: a piece needs a plain file name and an identity").arg(where);
            else if (piece.cell > int(file.spreads.size()))
                *faults << QCoreApplication::translate("CaseFile", "%1: piece of cell %2, which has no spread line before it").arg(where).arg(piece.cell);
            else if (bitmaps.contains(piece.file))
                *faults << QCoreApplication::translate("CaseFile", "%1: %2 is the bitmap of another piece already; each piece has its own").arg(where, piece.file);
            else if (++piecesInCell[size_t(piece.cell - 1)] > MaxCellPieces) {
                if (piecesInCell[size_t(piece.cell - 1)] == MaxCellPieces + 1)
                    *faults << QCoreApplication::translate("CaseFile", "%1: cell %2 has more than %3 pieces, the most a cell may have")
                                   .arg(where).arg(piece.cell).arg(MaxCellPieces);
            } else {
                bitmaps.insert(piece.file);
                file.pieces.push_back(piece);
            }
        } else {
            *faults << QCoreApplication::translate("CaseFile", "%1: unknown record \"%2\"").arg(where, record);
        }
    }
    if (!haveKaryotype)
        *faults << QCoreApplication::translate("CaseFile", "%1: no karyotype line").arg(path);
    if (!haveLevel)
        *faults << QCoreApplication::translate("CaseFile", "%1: no level line").arg(path);
    if (file.spreads.empty())
        *faults << QCoreApplication::translate("CaseFile", "%1: no cell (spread line)").arg(path);
    return file;
}

CaseFile readCaseFile(const QString &folder, QStringList *faults)
{
    const QString path = caseFilePath(folder);
    // Lines are counted before any is split off, so a file of bare line ends costs no memory.
    const QByteArray bytes = readTextFile(path, ReadLimits{MaxCaseFileBytes, MaxCaseFileLines});
    return parseCaseFile(splitDecodedLines(QString::fromUtf8(bytes)), QDir::toNativeSeparators(path), faults);
}

} // namespace korven
