#include "tools/case_maker.h"

#include "exercise/errors.h"
#include "files/file_errors.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"
#include "tools/bmp_writer.h"
#include "tools/parallel_work.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <map>

namespace korven {

namespace {

constexpr int MostCells = 100;               // a case is a few metaphases, never a culture
constexpr std::uint64_t CellStream = 5000;   // generator streams of a cell's own choices
constexpr std::uint64_t PieceStream = 6000;  // and of each chromosome in it
constexpr std::uint64_t OrderStream = 7000;  // the order of a mosaic's cells
constexpr double CondensationSpread = 0.06;  // pieces of one cell differ this much in condensation

void removeFolder(const QString &path)
{
    if (!path.isEmpty() && QFileInfo(path).isDir())
        QDir(path).removeRecursively();
}

// The identities of a cell, sorted, to compare a cell with a line.
QStringList identities(const std::vector<CellChromosome> &chromosomes)
{
    QStringList list;
    for (const CellChromosome &c : chromosomes)
        list << c.identity;
    list.sort();
    return list;
}

} // namespace

std::vector<int> cellLines(const KaryotypeLines &lines, int cells, std::uint64_t seed)
{
    if (lines.empty())
        throw KorvenError(QCoreApplication::translate("CaseMaker", "the karyotype has no cell line"));
    int counted = 0, total = 0;
    for (const iscn::CellLine &line : lines)
        counted += line.cells > 0, total += std::max(0, line.cells);
    std::vector<int> order;
    if (counted == 0 && lines.size() == 1) {
        if (cells < 1 || cells > MostCells)
            throw KorvenError(QCoreApplication::translate("CaseMaker", "a case has 1 to %1 cells, not %2").arg(MostCells).arg(cells));
        return std::vector<int>(size_t(cells), 0);
    }
    if (counted != int(lines.size()))
        throw KorvenError(QCoreApplication::translate("CaseMaker", "every line of a mosaic needs its cell count in brackets, as in 45,X[3]/46,XX[17]"));
    if (total > MostCells)
        throw KorvenError(QCoreApplication::translate("CaseMaker", "the counts add up to %1 cells; a case has at most %2").arg(total).arg(MostCells));
    for (int l = 0; l < int(lines.size()); ++l)
        order.insert(order.end(), size_t(lines[l].cells), l);
    // Cell 1 stays of the first line; the others are shuffled so the lines mix as in a culture.
    Rng rng = Rng::from(seed, OrderStream);
    for (int i = int(order.size()) - 1; i > 1; --i)
        std::swap(order[i], order[rng.integer(1, i)]);
    return order;
}

const Ideogram &ideogramAt(const std::vector<Ideogram> &ideograms, int level)
{
    for (const Ideogram &ideogram : ideograms)
        if (ideogram.level == level)
            return ideogram;
    QStringList levels;
    for (const Ideogram &ideogram : ideograms)
        levels << QString::number(ideogram.level);
    throw KorvenError(QCoreApplication::translate("CaseMaker", "there is no ideogram table for %1 bands (tables: %2)").arg(level).arg(levels.join(QStringLiteral(", "))));
}

SplicedChromosome buildChromosome(const CellChromosome &chromosome, const Ideogram &ideogram, const Ideogram &finest,
                                  Rng &rng)
{
    // One homologue per source chromosome, drawn in the order the segments name them.
    std::map<QString, Homologue> sources;
    for (const Segment &segment : chromosome.segments)
        if (!sources.count(segment.chromosome))
            sources.emplace(segment.chromosome, randomHomologue(ideogram.of(segment.chromosome), rng));
    try {
        return spliceSegments(chromosome.segments, chromosome.identity,
                              [&](const QString &name) -> const Homologue & { return sources.at(name); }, finest);
    } catch (const KorvenError &e) {
        throw KorvenError(QCoreApplication::translate("CaseMaker", "%1 cannot be painted: %2").arg(chromosome.identity, e.message()));
    }
}

PaintedCell paintCell(const std::vector<CellChromosome> &chromosomes, const Ideogram &ideogram, const Ideogram &finest,
                      std::uint64_t seed, int cell, int threads)
{
    PaintedCell painted;
    painted.chromosomes = chromosomes;
    Rng cellRng = Rng::from(seed, CellStream + std::uint64_t(cell));
    const MetaphaseStyle style = randomMetaphaseStyle(cellRng, ideogram);
    const int n = int(chromosomes.size());
    painted.spliced.resize(size_t(n));
    painted.pieces.resize(size_t(n));
    runParallel(n, threads, [&](int k) {
        Rng rng = Rng::from(seed, CellStream + std::uint64_t(cell), PieceStream + std::uint64_t(k));
        painted.spliced[k] = buildChromosome(chromosomes[k], ideogram, finest, rng);
        ChromosomeLook look = randomChromosomeLook(rng, style, paintedLength(painted.spliced[k].homologue.bands, style));
        look.lengthFactor = rng.uniform(1 - CondensationSpread, 1 + CondensationSpread);
        painted.pieces[k] = paintChromosome(painted.spliced[k].homologue, style, look);
    });
    painted.spread = layOutSpread(painted.pieces, cellRng);
    return painted;
}

QString casePieceFileName(int cell, int piece)
{
    return QStringLiteral("%1-%2.bmp").arg(cell).arg(piece + 1, 2, 10, QLatin1Char('0'));
}

bool isPlainFolderName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\'));
}

void makeCase(const CaseRecipe &recipe, const std::vector<Ideogram> &ideograms, const QString &outDir,
              const QString &name, bool replace, int threads)
{
    if (!isPlainFolderName(name))
        throw KorvenError(QCoreApplication::translate("CaseMaker", "\"%1\" is not a plain folder name").arg(name));
    QDir out(outDir);
    const QString target = out.filePath(name);
    if (QFileInfo::exists(target) && !replace)
        throw KorvenError(QCoreApplication::translate("CaseMaker", "%1 already exists").arg(target));

    // Everything that can be refused is settled before anything is written.
    const Ideogram &ideogram = ideogramAt(ideograms, recipe.level);
    const Ideogram &finest = ideogramAt(ideograms, ideogramLevels().back());
    const std::vector<int> lineOfCell = cellLines(recipe.lines, recipe.cells, recipe.seed);
    std::vector<std::vector<CellChromosome>> lineChromosomes;
    for (const iscn::CellLine &line : recipe.lines) {
        lineChromosomes.push_back(cellChromosomes(line));
        Rng probe(0);
        for (const CellChromosome &c : lineChromosomes.back())
            buildChromosome(c, ideogram, finest, probe);
    }

    std::vector<PaintedCell> cells;
    for (int c = 0; c < int(lineOfCell.size()); ++c)
        cells.push_back(paintCell(lineChromosomes[lineOfCell[c]], ideogram, finest, recipe.seed, c, threads));

    makeFolders(outDir);
    const QString building = out.filePath(QStringLiteral(".%1.building").arg(name));
    removeFolder(building); // left by a run that was killed
    makeFolders(building);
    try {
        CaseFile file;
        file.karyotype = recipe.karyotype;
        file.level = recipe.level;
        file.notes = recipe.notes;
        std::vector<std::pair<QString, const QImage *>> bitmaps;
        for (int c = 0; c < int(cells.size()); ++c) {
            file.spreads.push_back(cells[c].spread.size);
            for (int k = 0; k < int(cells[c].pieces.size()); ++k) {
                const Placement &at = cells[c].spread.placements[k];
                file.pieces.push_back({c + 1, casePieceFileName(c + 1, k), cells[c].chromosomes[k].identity,
                                       at.centre.x(), at.centre.y(), at.step});
                bitmaps.emplace_back(QDir(building).filePath(file.pieces.back().file), &cells[c].pieces[k]);
            }
        }
        runParallel(int(bitmaps.size()), threads, [&](int i) { writeGeneratedBitmap(bitmaps[i].first, *bitmaps[i].second); });
        writeFileAtomically(caseFilePath(building), formatCaseFile(file).join(QLatin1Char('\n')).append(QLatin1Char('\n')).toUtf8());

        // Into place: the old folder (when replacing) goes aside first and only then away.
        const QString old = out.filePath(QStringLiteral(".%1.old").arg(name));
        removeFolder(old);
        const bool hadOld = QFileInfo::exists(target);
        if (hadOld)
            renameEntry(out.filePath(name), old);
        try {
            renameEntry(building, out.filePath(name));
        } catch (const KorvenError &) {
            if (hadOld)
                out.rename(QFileInfo(old).fileName(), name);
            throw;
        }
        flushFolder(outDir);
        removeFolder(old);
    } catch (...) {
        removeFolder(building);
        throw;
    }
}

QStringList checkCase(const QString &folder, const std::vector<Ideogram> &ideograms,
                      const std::function<KaryotypeLines(const QString &)> &readLines)
{
    QStringList faults;
    const QString path = caseFilePath(folder);
    CaseFile file;
    try {
        file = readCaseFile(folder, &faults);
    } catch (const KorvenError &e) {
        return {e.message()};
    }

    // The bitmaps: each listed one present and sound, each one present listed.
    QStringList listed;
    std::vector<std::vector<QImage>> cellPieces(file.spreads.size());
    std::vector<std::vector<QString>> cellIdentities(file.spreads.size());
    std::vector<std::vector<int>> cellIndexes(file.spreads.size());
    for (const CasePiece &piece : file.pieces) {
        const QString bitmap = QDir(folder).filePath(piece.file);
        if (listed.contains(piece.file)) {
            faults << QCoreApplication::translate("CaseMaker", "%1: listed twice").arg(bitmap);
            continue;
        }
        listed << piece.file;
        QImage image;
        if (const QString fault = entryFault(bitmap, EntryKind::File); !fault.isEmpty()) {
            faults << QStringLiteral("%1: %2").arg(bitmap, fault);
        } else if (const QString fault = bmp24FileFault(bitmap); !fault.isEmpty()) {
            faults << QStringLiteral("%1: %2").arg(bitmap, fault);
        } else {
            try {
                image = loadBitmap24(bitmap);
            } catch (const KorvenError &e) {
                faults << e.message();
            }
        }
        cellPieces[piece.cell - 1].push_back(image);
        cellIdentities[piece.cell - 1].push_back(piece.identity);
        cellIndexes[piece.cell - 1].push_back(int(&piece - file.pieces.data()));
    }
    const QStringList present = QDir(folder).entryList({QStringLiteral("*.bmp"), QStringLiteral("*.BMP")}, QDir::Files);
    for (const QString &name : present)
        if (!listed.contains(name))
            faults << QCoreApplication::translate("CaseMaker", "%1: not listed in case.txt").arg(QDir(folder).filePath(name));

    // The spreads: nothing overlapping, nothing outside.
    for (size_t c = 0; c < file.spreads.size(); ++c) {
        Spread spread{file.spreads[c], {}};
        std::vector<QImage> pieces;
        std::vector<QString> names;
        for (size_t k = 0; k < cellPieces[c].size(); ++k) {
            if (cellPieces[c][k].isNull())
                continue;
            const CasePiece &piece = file.pieces[size_t(cellIndexes[c][k])];
            pieces.push_back(cellPieces[c][k]);
            names.push_back(piece.file);
            spread.placements.push_back({QPoint(piece.x, piece.y), piece.step});
        }
        const SpreadFaults found = spreadFaults(pieces, spread);
        for (const auto &[a, b] : found.overlaps)
            faults << QCoreApplication::translate("CaseMaker", "%1: cell %2: %3 overlaps %4").arg(path).arg(c + 1).arg(names[size_t(b)], names[size_t(a)]);
        for (int i : found.outside)
            faults << QCoreApplication::translate("CaseMaker", "%1: cell %2: %3 reaches outside the spread").arg(path).arg(c + 1).arg(names[size_t(i)]);
    }

    // The cells against the karyotype.
    if (file.level > 0) {
        bool known = false;
        for (const Ideogram &ideogram : ideograms)
            known = known || ideogram.level == file.level;
        if (!known)
            faults << QCoreApplication::translate("CaseMaker", "%1: there is no ideogram table for level %2").arg(path).arg(file.level);
    }
    if (file.karyotype.isEmpty())
        return faults;
    KaryotypeLines karyotypeLines;
    std::vector<QStringList> expected;
    try {
        karyotypeLines = readLines(file.karyotype);
        for (const iscn::CellLine &line : karyotypeLines)
            expected.push_back(identities(cellChromosomes(line)));
    } catch (const KorvenError &e) {
        return faults << QCoreApplication::translate("CaseMaker", "%1: karyotype %2: %3").arg(path, file.karyotype, e.message());
    }
    std::vector<int> cellsOfLine(expected.size(), 0);
    for (size_t c = 0; c < file.spreads.size(); ++c) {
        QStringList have(cellIdentities[c].begin(), cellIdentities[c].end());
        have.sort();
        const auto match = std::find(expected.begin(), expected.end(), have);
        if (match == expected.end()) {
            faults << QCoreApplication::translate("CaseMaker", "%1: cell %2 holds %3 chromosomes that are not those of %4").arg(path).arg(c + 1).arg(have.size()).arg(file.karyotype);
            continue;
        }
        ++cellsOfLine[size_t(match - expected.begin())];
        if (c == 0 && match != expected.begin())
            faults << QCoreApplication::translate("CaseMaker", "%1: cell 1 is not of the karyotype's first line").arg(path);
    }
    for (qsizetype l = 0; l < karyotypeLines.size(); ++l)
        if (karyotypeLines[l].cells > 0 && cellsOfLine[size_t(l)] != karyotypeLines[l].cells)
            faults << QCoreApplication::translate("CaseMaker", "%1: %2 cell(s) of line %3 where the karyotype counts %4").arg(path).arg(cellsOfLine[size_t(l)]).arg(l + 1).arg(karyotypeLines[l].cells);
    return faults;
}

} // namespace korven
