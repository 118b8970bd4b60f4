#include "tools/problem_audit.h"

#include "program/program_folder.h"
#include "exercise/catalogue.h"
#include "files/errors.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"
#include "tools/bmp_writer.h"
#include "tools/karyogram_segment.h"
#include "tools/problem_maker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace korven {

namespace {

QString folderName(const QString &folder)
{
    return QFileInfo(QDir(folder).absolutePath()).fileName();
}

} // namespace

QString originPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("origin.txt"));
}

void writeOrigin(const QString &folder, const QList<QPair<QString, QString>> &fields)
{
    QStringList lines;
    for (const auto &[key, value] : fields)
        lines << key + QLatin1Char('=') + value;
    writeFileAtomically(originPath(folder), linesToCp932(lines));
}

QMap<QString, QString> readOrigin(const QString &folder)
{
    QMap<QString, QString> fields;
    if (!QFileInfo(originPath(folder)).isFile())
        return fields;
    try {
        for (const QString &line : readTextLines(originPath(folder))) {
            const qsizetype at = line.indexOf(QLatin1Char('='));
            if (at > 0)
                fields.insert(line.left(at).trimmed(), line.mid(at + 1).trimmed());
        }
    } catch (const KorvenError &) {
        fields.clear();
    }
    return fields;
}

double frameGreyShare(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    if (w == 0 || h == 0)
        return 0;
    long grey = 0, all = 0;
    const auto look = [&](int x, int y) {
        ++all;
        if ((image.pixel(x, y) & 0xffffff) != 0xffffff)
            ++grey;
    };
    for (int x = 0; x < w; ++x) {
        look(x, 0);
        look(x, h - 1);
    }
    for (int y = 1; y + 1 < h; ++y) {
        look(0, y);
        look(w - 1, y);
    }
    return double(grey) / double(all);
}

QStringList auditProblem(const QString &folder)
{
    QStringList faults;
    const QString name = folderName(folder);
    if (!catalogueNames().contains(name))
        faults << QCoreApplication::translate("ProblemAudit", "%1: \"%2\" is not a catalogue name, so KORVEN ignores this folder; rename it to "
                                 "one of the names 'korven-problems list' shows")
                      .arg(folder, name);

    std::array<QImage, PieceCount> bitmaps;
    std::vector<int> heights;
    for (int piece = 0; piece < PieceCount; ++piece) {
        const QString path = QDir(folder).filePath(pieceFileName(piece));
        if (!QFileInfo(path).isFile() || !bmp24FileFault(path).isEmpty())
            continue; // checkProblem reports it
        try {
            bitmaps[piece] = loadBitmap24(path);
            heights.push_back(bitmaps[piece].height());
        } catch (const KorvenError &) {
            // missing or unreadable: checkProblem reports it
        }
    }
    if (heights.empty())
        return faults;
    std::vector<int> sorted = heights;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const int median = sorted[sorted.size() / 2];

    std::array<int, 2> sexLengths{0, 0};
    for (int piece = 0; piece < PieceCount; ++piece) {
        const QImage &bitmap = bitmaps[piece];
        if (bitmap.isNull())
            continue;
        const QString path = QDir(folder).filePath(pieceFileName(piece));
        // Chromosome 1 alone is about twice the median length, and homologues differ by up to 15 %
        // in real cells; two and a half times the median is beyond any chromosome of the set.
        if (2 * bitmap.height() > 5 * median)
            faults << QCoreApplication::translate("ProblemAudit", "%1: %2 pixels high, over two and a half times the set's median of %3, so every other "
                                     "chromosome would shrink to a speck; crop its margins or scale it like the others")
                          .arg(path).arg(bitmap.height()).arg(median);
        if (frameGreyShare(bitmap) > 0.5)
            faults << QCoreApplication::translate("ProblemAudit", "%1: the background is not pure white, so the piece would show a box that gives "
                                     "its orientation away; 'korven-problems pack' makes it white")
                          .arg(path);
        const BitmapContent content = inspectBitmap(bitmap);
        if (content.chromosomes != 1)
            faults << QCoreApplication::translate("ProblemAudit", "%1: holds %2 chromosomes, not one; cut it into one bitmap per chromosome")
                          .arg(path).arg(content.chromosomes);
        if (piece >= PieceCount - 2)
            sexLengths[piece - (PieceCount - 2)] = content.height;
    }
    if (sexLengths[0] > 0 && sexLengths[1] > 0 && catalogueNames().contains(name)) {
        const bool differ = lengthsDifferClearly(sexLengths[0], sexLengths[1]);
        if (isFemaleProblem(name) && differ)
            faults << QCoreApplication::translate("ProblemAudit", "%1: a female set, but 23-1.bmp and 23-2.bmp differ clearly in length (%2 and %3 "
                                     "pixels), like an X and a Y; use a male name or the right bitmaps")
                          .arg(folder).arg(sexLengths[0]).arg(sexLengths[1]);
        if (!isFemaleProblem(name) && !differ)
            faults << QCoreApplication::translate("ProblemAudit", "%1: a male set, but 23-1.bmp and 23-2.bmp are alike in length (%2 and %3 "
                                     "pixels), like two X; use a female name or put the Y in 23-2.bmp")
                          .arg(folder).arg(sexLengths[0]).arg(sexLengths[1]);
    }
    return faults;
}

QStringList problemFaults(const QString &folder)
{
    QStringList faults = checkProblem(folder);
    if (QFileInfo(folder).isDir())
        faults << auditProblem(folder);
    return faults;
}

std::vector<ListedProblem> listProblems(const QStringList &imagesFolders)
{
    std::vector<ListedProblem> list;
    const QStringList shown = availableProblems(imagesFolders);
    const QStringList numbers = problemNumbers(int(shown.size()));
    const QStringList &names = catalogueNames();
    for (int i = 0; i < names.size(); ++i) {
        ListedProblem entry;
        entry.position = i + 1;
        entry.name = names[i];
        entry.female = isFemaleProblem(names[i]);
        const qsizetype at = shown.indexOf(names[i]);
        entry.present = at >= 0;
        if (entry.present) {
            entry.number = numbers[at];
            entry.folder = QDir(firstFolderHolding(imagesFolders, names[i], true)).filePath(names[i]);
            entry.faults = problemFaults(entry.folder);
            const QMap<QString, QString> origin = readOrigin(entry.folder);
            if (origin.value(QStringLiteral("source")) == QLatin1String("made"))
                entry.bands = origin.value(QStringLiteral("bands"));
        }
        list.push_back(entry);
    }
    return list;
}

QStringList strayFolders(const QString &imagesDir)
{
    QStringList stray;
    for (const QString &name : QDir(imagesDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (!catalogueNames().contains(name))
            stray << name;
    return stray;
}

int displayWidth(const QString &text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
                          || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
                          || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

QString paddedToWidth(const QString &text, int width)
{
    return text + QString(std::max(0, width - displayWidth(text)), QLatin1Char(' '));
}

} // namespace korven
