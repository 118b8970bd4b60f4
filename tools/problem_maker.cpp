#include "tools/problem_maker.h"

#include "exercise/catalogue.h"
#include "files/comma_text.h"
#include "files/file_errors.h"
#include "files/errors.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"
#include "tools/bmp_writer.h"
#include "tools/parallel_work.h"
#include "tools/problem_audit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>

namespace korven {

namespace {

constexpr int SexPair = 22;      // chromosome index of X; Y is 23
constexpr std::uint64_t ProblemStream = 1000; // generator stream of a problem's own choices
constexpr std::uint64_t PairStream = 2000;    // streams of the pairs' shared choices
constexpr std::uint64_t PersonStream = 3000;  // streams of the pairs' variable blocks

QString folderName(const QString &folder)
{
    return QFileInfo(QDir(folder).absolutePath()).fileName();
}

void makeOne(const std::vector<Ideogram> &ideograms, const MakeOptions &options, int index, const QString &name)
{
    const QString folder = QDir(options.outDir).filePath(name);
    makeFolders(folder);
    const ProblemPlan plan = planProblem(ideograms, options.seed, index, isFemaleProblem(name));
    for (int piece = 0; piece < PieceCount; ++piece) {
        const QImage image = renderPiece(plan, options.seed, index, piece);
        writeGeneratedBitmap(QDir(folder).filePath(pieceFileName(piece)), image);
    }
    writeFileAtomically(listingPath(folder), linesToCp932(listingLines(folder)));
    writeOrigin(folder, {{QStringLiteral("source"), QStringLiteral("made")},
                         {QStringLiteral("seed"), QString::number(options.seed)},
                         {QStringLiteral("bands"), QString::number(plan.ideogram->level)}});
}

} // namespace

std::vector<Ideogram> loadIdeograms(const QString &dataDir)
{
    std::vector<Ideogram> ideograms;
    for (int level : ideogramLevels())
        ideograms.push_back(parseIdeogram(ideogramPath(dataDir, level), level));
    for (size_t i = 1; i < ideograms.size(); ++i)
        inheritParentStains(ideograms[i], ideograms.front());
    return ideograms;
}

ProblemPlan planProblem(const std::vector<Ideogram> &ideograms, std::uint64_t seed, int catalogueIndex,
                        bool female)
{
    Rng rng = Rng::from(seed, std::uint64_t(catalogueIndex), ProblemStream);
    ProblemPlan plan;
    // The band levels take turns along the catalogue, so each is as common as the others.
    plan.ideogram = &ideograms.at(size_t(catalogueIndex) % ideograms.size());
    plan.style = randomMetaphaseStyle(rng, *plan.ideogram);
    plan.female = female;
    return plan;
}

double homologueCondensation(std::uint64_t seed, int catalogueIndex, int piece)
{
    // The pair shares most of its condensation; its homologues differ by 5 to 15 %.
    Rng rng = Rng::from(seed, std::uint64_t(catalogueIndex), PairStream + std::uint64_t(piece / 2));
    const double pair = rng.uniform(0.97, 1.03);
    const double difference = rng.uniform(0.05, 0.15);
    const int longer = rng.integer(0, 1);
    return pair * (1 + (piece % 2 == longer ? 0.5 : -0.5) * difference);
}

PieceRecipe pieceRecipe(const ProblemPlan &plan, std::uint64_t seed, int catalogueIndex, int piece)
{
    Rng rng = Rng::from(seed, std::uint64_t(catalogueIndex), std::uint64_t(piece));
    int chromosome = piece / 2;
    if (chromosome == SexPair && !plan.female && piece % 2 == 1)
        chromosome = SexPair + 1;
    // The pair's person: both homologues draw the same variable blocks from it.
    const PairDraw pair{Rng::from(seed, std::uint64_t(catalogueIndex), PersonStream + std::uint64_t(chromosome)).next(),
                        piece % 2};
    PieceRecipe recipe{randomHomologue(plan.ideogram->at(chromosome), rng, pair), {}};
    recipe.look = randomChromosomeLook(rng, plan.style, paintedLength(recipe.homologue.bands, plan.style));
    recipe.look.lengthFactor = homologueCondensation(seed, catalogueIndex, piece);
    return recipe;
}

QImage renderPiece(const ProblemPlan &plan, std::uint64_t seed, int catalogueIndex, int piece)
{
    const PieceRecipe recipe = pieceRecipe(plan, seed, catalogueIndex, piece);
    return paintChromosome(recipe.homologue, plan.style, recipe.look);
}

int makeProblems(const MakeOptions &options)
{
    const std::vector<Ideogram> ideograms = loadIdeograms(options.dataDir);
    const QStringList &names = catalogueNames();
    QList<int> indexes;
    if (options.only.isEmpty()) {
        for (int i = 0; i < names.size(); ++i)
            indexes << i;
    } else {
        for (int position : options.only) {
            if (position < 1 || position > names.size())
                throw KorvenError(QCoreApplication::translate("ProblemMaker", "problem %1 is not in the catalogue (1 to %2)")
                                      .arg(position).arg(names.size()));
            if (!indexes.contains(position - 1))
                indexes << position - 1;
        }
    }
    makeFolders(options.outDir);

    // The sample image for the settings preview: piece 1-1 of the first catalogue problem.
    if (options.writeSample) {
        const ProblemPlan samplePlan = planProblem(ideograms, options.seed, 0, isFemaleProblem(names[0]));
        writeGeneratedBitmap(QDir(options.outDir).filePath(pieceFileName(0)),
                             renderPiece(samplePlan, options.seed, 0, 0));
    }
    if (indexes.isEmpty())
        return 0;

    std::mutex mutex;
    int done = 0;
    runParallel(int(indexes.size()), options.threads, [&](int i) {
        const QString &name = names[indexes[i]];
        try {
            makeOne(ideograms, options, indexes[i], name);
        } catch (const KorvenError &) {
            throw;
        } catch (const std::exception &e) {
            throw KorvenError(QStringLiteral("%1: %2").arg(name, QString::fromLocal8Bit(e.what())));
        }
        std::lock_guard lock(mutex);
        ++done;
        if (options.progress)
            options.progress(done, int(indexes.size()), name);
    });
    return int(indexes.size());
}

QString listingPath(const QString &folder)
{
    return QDir(folder).filePath(folderName(folder) + QStringLiteral(".set"));
}

QStringList listingLines(const QString &folder)
{
    QStringList lines;
    for (int piece = 0; piece < PieceCount; ++piece) {
        const QString path = QDir(folder).filePath(pieceFileName(piece));
        const qint64 size = regularFileSize(path); // throws, naming the cause, when it cannot be read
        lines << joinCommaText({pieceFileName(piece), QString::number(size), QString::number(checkValue(path))});
    }
    return lines;
}

QStringList bitmapFaults(const QString &folder)
{
    QStringList faults;
    for (int piece = 0; piece < PieceCount; ++piece) {
        const QString path = QDir(folder).filePath(pieceFileName(piece));
        if (const QString fault = entryFault(path, EntryKind::File); !fault.isEmpty()) {
            faults << QStringLiteral("%1: %2").arg(path, fault);
            continue;
        }
        const QString fault = bmp24FileFault(path);
        if (!fault.isEmpty()) {
            faults << QStringLiteral("%1: %2").arg(path, fault);
            continue;
        }
        try {
            loadBitmap24(path);
        } catch (const KorvenError &e) {
            faults << e.message();
        }
    }
    return faults;
}

void packProblem(const QString &folder)
{
    if (const QString fault = entryFault(folder, EntryKind::Folder); !fault.isEmpty())
        throw KorvenError(QStringLiteral("%1: %2").arg(folder, fault));
    const QStringList faults = bitmapFaults(folder);
    if (!faults.isEmpty())
        throw KorvenError(QCoreApplication::translate("ProblemMaker", "no listing written for %1:\n  %2").arg(folder, faults.join(QStringLiteral("\n  "))));
    writeFileAtomically(listingPath(folder), linesToCp932(listingLines(folder)));
}

QStringList checkProblem(const QString &folder)
{
    if (const QString fault = entryFault(folder, EntryKind::Folder); !fault.isEmpty())
        return {QStringLiteral("%1: %2").arg(folder, fault)};
    QStringList faults = bitmapFaults(folder);

    const QString listing = listingPath(folder);
    if (const QString fault = entryFault(listing, EntryKind::File); !fault.isEmpty())
        return faults << QStringLiteral("%1: %2").arg(listing, fault);
    QStringList lines;
    try {
        lines = readTextLines(listing);
    } catch (const KorvenError &e) {
        return faults << e.message();
    }
    if (lines.size() != PieceCount)
        faults << QCoreApplication::translate("ProblemMaker", "%1: has %2 lines, not %3").arg(listing).arg(lines.size()).arg(PieceCount);

    for (int piece = 0; piece < std::min(int(lines.size()), PieceCount); ++piece) {
        const QString where = QCoreApplication::translate("ProblemMaker", "%1 line %2").arg(listing).arg(piece + 1);
        const QStringList fields = splitCommaText(lines[piece]);
        if (fields.size() < 3) {
            faults << QCoreApplication::translate("ProblemMaker", "%1: %2 fields, at least 3 needed").arg(where).arg(fields.size());
            continue;
        }
        bool ok = false;
        const int listed = fields[2].toInt(&ok);
        if (!ok) {
            faults << QCoreApplication::translate("ProblemMaker", "%1: check value \"%2\" is not a whole number").arg(where, fields[2]);
            continue;
        }
        const QString path = QDir(folder).filePath(pieceFileName(piece));
        if (!entryFault(path, EntryKind::File).isEmpty())
            continue; // already reported
        const int actual = checkValue(path);
        if (actual >= 0 && actual != listed)
            faults << QCoreApplication::translate("ProblemMaker", "%1: listed check value %2 differs from %3 computed for %4")
                          .arg(where).arg(listed).arg(actual).arg(pieceFileName(piece));
    }
    return faults;
}

} // namespace korven
