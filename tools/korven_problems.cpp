// korven-problems: makes, packs, checks and shows the problem sets of KORVEN.
#include "program/language.h"
#include "program/command_line.h"
#include "program/program_folder.h"
#include "files/errors.h"
#include "files/file_errors.h"
#include "exercise/catalogue.h"
#include "iscn/karyotype.h"
#include "tools/case_catalogue.h"
#include "files/case_file.h"
#include "tools/case_maker.h"
#include "tools/case_sheet.h"
#include "tools/karyogram_import.h"
#include "tools/cell_chromosomes.h"
#include "tools/made_stamp.h"
#include "tools/karyogram_sheet.h"
#include "tools/picture_files.h"
#include "tools/picture_pack.h"
#include "tools/problem_audit.h"
#include "tools/problem_maker.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <memory>
#include <new>
#include <exception>
#include <optional>
#include <unistd.h>

#ifndef KORVEN_DATA_DIR
#define KORVEN_DATA_DIR "data"
#endif

using namespace korven;

namespace {

const char *const Usage = QT_TRANSLATE_NOOP("korven-problems", R"(korven-problems: makes and checks the problem sets of KORVEN.

Usage:
  korven-problems make --out DIR [--seed N] [--only LIST] [--data DIR] [--threads N]
                       [--refresh]
      Writes the 48 catalogue problems under DIR, each a folder with the bitmaps
      1-1.bmp .. 23-2.bmp and its listing file NAME.set, and the sample image
      DIR/1-1.bmp. The same seed (default 1) writes the same files. Installed,
      DIR defaults to the user's own Images folder (~/.local/share/korven/Images,
      or KORVEN_DATA/Images).
      --only LIST   only these catalogue positions (1..48), e.g. --only 1,5
      --data DIR    folder of the ideogram tables human-ideogram-bands-*.tsv
      --threads N   worker threads (default: one per core)
      --refresh     rewrite only what an earlier --refresh wrote and nobody has
                    changed since; keep every folder changed or added by hand
  korven-problems import PICTURE --out IMAGES_DIR --name NAME [--preview OUT.png] [--replace]
      Cuts a karyogram picture (PNG, JPEG, TIFF, BMP, GIF; pairs in reading order,
      the sex chromosomes last) into the problem folder IMAGES_DIR/NAME. NAME must
      be a catalogue name whose sex matches the picture. Writes the folder whole or
      not at all; --replace replaces an existing one. --preview writes the new
      set's sheet; when the chromosomes are not 46 in 23 pairs it shows what was
      found instead (without --preview: NAME-diagnosis.png here).
  korven-problems list [IMAGES_DIR]
      Lists the 48 catalogue names in catalogue order: the number the problem list
      gives each present folder, whether it is sound, its sex and, for made sets,
      the band level. Default IMAGES_DIR: the Images folder beside this tool; installed,
      the user's own Images folder.
  korven-problems pack DIR
      Turns the 46 pictures 1-1 .. 23-2 of DIR (BMP of any depth, PNG, JPEG, TIFF,
      GIF) into 24-bit BMPs on pure white (originals kept in DIR/originals) and
      writes DIR/NAME.set (NAME is the folder's name); refuses, changing nothing,
      if a picture is missing, doubled or unreadable.
  korven-problems check DIR
      A case folder (with case.txt): verifies that every file is listed and
      sound, that each cell holds the chromosomes of its karyotype, the cell
      counts of a mosaic, and that no chromosomes overlap in a spread.
      A problem folder: the 46 bitmaps present and 24-bit, 46 listing
      lines, every check value matching, and nothing that would play wrongly (a
      name outside the catalogue, an oversized bitmap, a background not pure
      white, two chromosomes in one bitmap, sex chromosomes that disagree with the
      name). Lists each fault; exit code 0 only when the folder is sound.
  korven-problems sheet DIR OUT.png
      Draws the folder's 46 chromosomes as a labelled karyogram into OUT.png; for
      a case folder, cell 1's karyogram with each abnormal chromosome labelled
      and, beside it, the ideograms it was made from with the breakpoints.
  korven-problems case KARYOTYPE --out CASES_DIR --name NAME [--level 400|550|850]
                       [--seed N] [--cells N] [--note TEXT]... [--note-ja TEXT]...
      Paints the cells of the karyotype (ISCN, e.g. 46,XX,t(11;22)(q23;q11.2)) and
      writes the case folder CASES_DIR/NAME: case.txt and the bitmaps of each
      cell's chromosomes laid out as a metaphase spread. A mosaic such as
      45,X[3]/46,XX[7] gets as many cells of each line as its counts say; any
      other karyotype --cells cells (default 1). Level default 550, seed 1.
      --note and --note-ja give the note shown with the answer in English and
      in Japanese. A change too small for the level to show is warned about,
      naming the level that shows it. The folder is written whole or not at
      all; an existing one is refused.
  korven-problems make-cases --out CASES_DIR [--seed N]
      Writes the bundled cases (case-01, case-02, ...) under CASES_DIR,
      replacing earlier folders of those names. A case whose change its level
      cannot show is refused.
  korven-problems karyotype TEXT
      Checks a karyotype written in ISCN (e.g. 47,XY,+21) and prints its normal
      form; exit code 1 with the reason when it is not a valid karyotype.
  korven-problems karyotype ANSWER --against TRUTH [--level 400|550|850]
      Compares an answer with the true karyotype element by element at a band
      level (default 550): one line per element, right, near, wrong, missing or
      extra, then the element and the reason after ' -- '; last the line
      'verdict: right', 'verdict: near' or 'verdict: wrong'.
  korven-problems --help
      Shows this text.
  korven-problems --version
      Shows the version.

Exit codes: 0 success, 1 failure or faults found, 2 wrong usage.
)");

void say(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

int usageError(const QString &text)
{
    say(stderr, QCoreApplication::translate("korven-problems", "korven-problems: %1").arg(text));
    say(stderr, QCoreApplication::translate("korven-problems", "Try 'korven-problems --help'."));
    return 2;
}

// Reads the options of `command` (the arguments after it) into `parser`, which holds the command's
// options. Returns the usage fault in the words the tool has always used, empty when all is right:
// an unknown option, an option given last without its value, or a word where none is taken
// (`positionals`: how many words the command takes).
QString parseOptions(QCommandLineParser &parser, const QString &command, const QStringList &args, int positionals)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{command} + args)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) // the parser's only other fault: a value missing at the end
            return QCoreApplication::translate("korven-problems", "%1: %2 needs a value").arg(command, args.value(args.size() - 1));
        QString given = QStringLiteral("--") + unknown.first();
        for (const QString &arg : args)
            if (arg.startsWith(QLatin1Char('-')) && arg.section(QLatin1Char('='), 0, 0).endsWith(QLatin1Char('-') + unknown.first())) {
                given = arg;
                break;
            }
        return QCoreApplication::translate("korven-problems", "%1: unknown argument '%2'").arg(command, given);
    }
    const QStringList words = parser.positionalArguments();
    if (words.size() > positionals)
        return QCoreApplication::translate("korven-problems", "%1: unknown argument '%2'").arg(command, words.at(positionals));
    return {};
}

// The folder of the ideogram tables: an installed copy keeps them among its own files, as does a
// portable copy handed out whole (the Windows zip); a build uses the source tree's.
QString tableFolder()
{
    const Locations where = locations();
    const QString own = where.programFolder + QStringLiteral("/ideograms");
    return where.installed || QFileInfo(own).isDir() ? own : QStringLiteral(KORVEN_DATA_DIR);
}

// A folder with an entry named case.txt, whatever it is: one that is no file (a FIFO, a folder)
// is then named as such by the case reader.
bool isCaseFolder(const QString &folder)
{
    const QFileInfo caseText(caseFilePath(folder));
    return caseText.exists() || caseText.isSymLink();
}

int runMake(const QStringList &args)
{
    MakeOptions options;
    // An installed copy finds its tables among its own files and writes into the user's folder.
    const Locations where = locations();
    options.dataDir = tableFolder();
    if (where.installed)
        options.outDir = where.userImagesFolder();
    QCommandLineParser parser;
    const QCommandLineOption out(QStringLiteral("out"), {}, QStringLiteral("DIR"));
    const QCommandLineOption seed(QStringLiteral("seed"), {}, QStringLiteral("N"));
    const QCommandLineOption only(QStringLiteral("only"), {}, QStringLiteral("LIST"));
    const QCommandLineOption data(QStringLiteral("data"), {}, QStringLiteral("DIR"));
    const QCommandLineOption threads(QStringLiteral("threads"), {}, QStringLiteral("N"));
    const QCommandLineOption refreshOption(QStringLiteral("refresh"));
    parser.addOptions({out, seed, only, data, threads, refreshOption});
    if (const QString fault = parseOptions(parser, QStringLiteral("make"), args, 0); !fault.isEmpty())
        return usageError(fault);
    const bool refresh = parser.isSet(refreshOption);
    auto invalid = [](const QString &value, const QString &option) {
        return usageError(QCoreApplication::translate("korven-problems", "make: invalid value '%1' for %2").arg(value, option));
    };
    if (parser.isSet(out))
        options.outDir = parser.value(out);
    if (parser.isSet(data))
        options.dataDir = parser.value(data);
    bool ok = true;
    if (parser.isSet(seed) && (options.seed = parser.value(seed).toULongLong(&ok), !ok))
        return invalid(parser.value(seed), QStringLiteral("--seed"));
    if (parser.isSet(threads) && (options.threads = parser.value(threads).toInt(&ok), !ok || options.threads <= 0))
        return invalid(parser.value(threads), QStringLiteral("--threads"));
    for (const QString &value : parser.values(only)) {
        for (const QString &part : value.split(QLatin1Char(','))) {
            const int position = part.trimmed().toInt(&ok);
            if (!ok || position < 1 || position > 48)
                return invalid(value, QStringLiteral("--only"));
            options.only << position;
        }
    }
    if (options.outDir.isEmpty())
        return usageError(QCoreApplication::translate("korven-problems", "make: --out DIR is required"));

    const bool terminal = isatty(fileno(stderr));
    options.progress = [terminal](int done, int total, const QString &name) {
        if (terminal) {
            std::fputs(QStringLiteral("\r[%1/%2] %3   ").arg(done, 2).arg(total).arg(name).toLocal8Bit().constData(),
                       stderr);
            if (done == total)
                std::fputc('\n', stderr);
            std::fflush(stderr);
        } else if (done % 8 == 0 || done == total) {
            say(stderr, QCoreApplication::translate("korven-problems", "made %1 of %2 problems").arg(done).arg(total));
        }
    };
    QList<int> refreshed;
    if (refresh) {
        // Only folders that are absent or still as an earlier make left them are written.
        const QDir out(options.outDir);
        const QStringList &names = catalogueNames();
        QList<int> positions = options.only;
        if (positions.isEmpty()) {
            for (int p = 1; p <= names.size(); ++p)
                positions << p;
        }
        for (int p : positions) {
            if (mayRewriteFolder(out.filePath(names[p - 1])))
                refreshed << p;
            else
                say(stdout, QCoreApplication::translate("korven-problems", "kept %1 (changed or added by hand)").arg(names[p - 1]));
        }
        options.only = refreshed;
        options.writeSample = mayRewriteSample(options.outDir);
        if (!options.writeSample)
            say(stdout, QCoreApplication::translate("korven-problems", "kept %1 (changed by hand)").arg(out.filePath(QStringLiteral("1-1.bmp"))));
        if (refreshed.isEmpty()) {
            say(stdout, QCoreApplication::translate("korven-problems", "nothing to rewrite in %1").arg(QDir::toNativeSeparators(options.outDir)));
            return 0;
        }
    }
    QElapsedTimer timer;
    timer.start();
    const int made = makeProblems(options);
    if (refresh) {
        const QDir out(options.outDir);
        for (int p : refreshed)
            markFolder(out.filePath(catalogueNames()[p - 1]));
        if (options.writeSample)
            markSample(options.outDir);
    }
    say(stdout, QCoreApplication::translate("korven-problems", "wrote %1 problems (%2 bitmaps) to %3 in %4 s")
                    .arg(made).arg(made * 46).arg(QDir::toNativeSeparators(options.outDir))
                    .arg(timer.elapsed() / 1000.0, 0, 'f', 2));
    return 0;
}

// Options of the case commands: "--name value" pairs and repeatable --note.
struct CaseArguments {
    QString karyotype, out, name;
    int level = 550, cells = 1;
    std::uint64_t seed = 1;
    QStringList notes, notesJa;
};

int runCase(const QStringList &args, bool catalogue)
{
    const QString command = catalogue ? QStringLiteral("make-cases") : QStringLiteral("case");
    CaseArguments a;
    QCommandLineParser parser;
    const QCommandLineOption out(QStringLiteral("out"), {}, QStringLiteral("CASES_DIR"));
    const QCommandLineOption seed(QStringLiteral("seed"), {}, QStringLiteral("N"));
    const QCommandLineOption name(QStringLiteral("name"), {}, QStringLiteral("NAME"));
    const QCommandLineOption level(QStringLiteral("level"), {}, QStringLiteral("LEVEL"));
    const QCommandLineOption cells(QStringLiteral("cells"), {}, QStringLiteral("N"));
    const QCommandLineOption note(QStringLiteral("note"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption noteJa(QStringLiteral("note-ja"), {}, QStringLiteral("TEXT"));
    parser.addOptions({out, seed});
    if (!catalogue)
        parser.addOptions({name, level, cells, note, noteJa});
    if (const QString fault = parseOptions(parser, command, args, catalogue ? 0 : 1); !fault.isEmpty())
        return usageError(fault);
    a.karyotype = parser.positionalArguments().value(0);
    a.out = parser.value(out);
    if (!catalogue) {
        a.name = parser.value(name);
        a.notes = parser.values(note);
        a.notesJa = parser.values(noteJa);
    }
    auto invalid = [&command](const QString &value, const QString &option) {
        return usageError(QCoreApplication::translate("korven-problems", "%1: invalid value '%2' for %3").arg(command, value, option));
    };
    bool ok = true;
    if (parser.isSet(seed) && (a.seed = parser.value(seed).toULongLong(&ok), !ok))
        return invalid(parser.value(seed), QStringLiteral("--seed"));
    if (!catalogue && parser.isSet(cells) && (a.cells = parser.value(cells).toInt(&ok), !ok || a.cells < 1 || a.cells > 100))
        return invalid(parser.value(cells), QStringLiteral("--cells"));
    if (!catalogue && parser.isSet(level)
        && (a.level = parser.value(level).toInt(&ok),
            !ok || std::count(ideogramLevels().begin(), ideogramLevels().end(), a.level) == 0))
        return invalid(parser.value(level), QStringLiteral("--level"));
    if (a.out.isEmpty())
        return usageError(QCoreApplication::translate("korven-problems", "%1: --out CASES_DIR is required").arg(command));
    QElapsedTimer timer;
    timer.start();
    const std::vector<Ideogram> ideograms = loadCaseIdeograms(tableFolder());
    if (catalogue) {
        const int made = makeCaseCatalogue(a.out, a.seed, ideograms, readKaryotypeLines, 0, [](int done, int total, const QString &name) {
            if (done % 8 == 0 || done == total)
                say(stderr, QCoreApplication::translate("korven-problems", "made %1 of %2 cases (%3)").arg(done).arg(total).arg(name));
        });
        say(stdout, QCoreApplication::translate("korven-problems", "wrote %1 cases to %2 in %3 s")
                        .arg(made).arg(QDir::toNativeSeparators(a.out)).arg(timer.elapsed() / 1000.0, 0, 'f', 2));
        return 0;
    }
    if (a.karyotype.isEmpty() || a.name.isEmpty())
        return usageError(QCoreApplication::translate("korven-problems", "case: the KARYOTYPE and --name NAME are required"));
    CaseRecipe recipe;
    recipe.karyotype = a.karyotype.trimmed();
    recipe.lines = readKaryotypeLines(recipe.karyotype);
    recipe.level = a.level;
    recipe.seed = a.seed;
    recipe.cells = a.cells;
    recipe.notes = a.notes;
    recipe.notesJa = a.notesJa;
    for (const HiddenChange &hidden : hiddenChanges(recipe.lines, recipe.level, ideograms))
        say(stderr, QCoreApplication::translate("korven-problems", "warning: %1").arg(hiddenChangeWarning(hidden, recipe.level)));
    makeCase(recipe, ideograms, a.out, a.name);
    say(stdout, QCoreApplication::translate("korven-problems", "wrote %1 in %2 s")
                    .arg(QDir::toNativeSeparators(QDir(a.out).filePath(a.name))).arg(timer.elapsed() / 1000.0, 0, 'f', 2));
    return 0;
}

int runCheck(const QString &folder)
{
    const QStringList faults = isCaseFolder(folder) ? checkCase(folder, loadCaseIdeograms(tableFolder()), readKaryotypeLines)
                                                    : problemFaults(folder);
    for (const QString &fault : faults)
        say(stdout, fault);
    if (faults.isEmpty())
        say(stdout, QCoreApplication::translate("korven-problems", "%1: sound").arg(folder));
    else
        say(stdout, QCoreApplication::translate("korven-problems", "%1: %2 fault(s)").arg(folder).arg(faults.size()));
    return faults.isEmpty() ? 0 : 1;
}

int runSheet(const QString &folder, const QString &out)
{
    const QImage sheet = isCaseFolder(folder) ? drawCaseSheet(folder, loadCaseIdeograms(tableFolder()), readKaryotypeLines)
                                              : drawKaryogramSheet(folder);
    writePicture(out, sheet, "PNG");
    say(stdout, QCoreApplication::translate("korven-problems", "wrote %1").arg(out));
    return 0;
}

int runImport(const QStringList &args)
{
    ImportOptions options;
    QCommandLineParser parser;
    const QCommandLineOption out(QStringLiteral("out"), {}, QStringLiteral("IMAGES_DIR"));
    const QCommandLineOption name(QStringLiteral("name"), {}, QStringLiteral("NAME"));
    const QCommandLineOption preview(QStringLiteral("preview"), {}, QStringLiteral("OUT.png"));
    const QCommandLineOption replace(QStringLiteral("replace"));
    parser.addOptions({out, name, preview, replace});
    if (const QString fault = parseOptions(parser, QStringLiteral("import"), args, 1); !fault.isEmpty())
        return usageError(fault);
    options.picture = parser.positionalArguments().value(0);
    options.imagesDir = parser.value(out);
    options.name = parser.value(name);
    options.preview = parser.value(preview);
    options.replace = parser.isSet(replace);
    if (options.picture.isEmpty())
        return usageError(QCoreApplication::translate("korven-problems", "import: the PICTURE to import is required"));
    if (options.imagesDir.isEmpty() || options.name.isEmpty())
        return usageError(QCoreApplication::translate("korven-problems", "import: --out IMAGES_DIR and --name NAME are required"));

    QElapsedTimer timer;
    timer.start();
    const ImportResult result = importKaryogram(options);
    QString line = QCoreApplication::translate("korven-problems", "wrote %1 (46 bitmaps and the listing) in %2 s")
                       .arg(QDir::toNativeSeparators(result.folder)).arg(timer.elapsed() / 1000.0, 0, 'f', 2);
    if (std::abs(result.segmentation.tiltDegrees) > 0)
        line += QCoreApplication::translate("korven-problems", ", picture turned %1 degrees").arg(-result.segmentation.tiltDegrees, 0, 'f', 1);
    say(stdout, line);
    for (const QString &note : preparationNotes(result.segmentation))
        say(stdout, note);
    if (!result.preview.isEmpty())
        say(stdout, QCoreApplication::translate("korven-problems", "wrote %1").arg(result.preview));
    return 0;
}

int runList(const QStringList &args)
{
    if (args.size() > 1)
        return usageError(QCoreApplication::translate("korven-problems", "list takes at most one folder"));
    if (!args.isEmpty())
        if (const QString fault = entryFault(args[0], EntryKind::Folder); !fault.isEmpty())
            throw KorvenError(QStringLiteral("%1: %2").arg(args[0], fault));
    // The folders the trainer reads, numbered together as its problem list numbers them: the
    // user's own Images folder first, then the bundled one.
    const QStringList folders = !args.isEmpty() ? QStringList{args[0]} : locations().imagesFolders();
    QStringList present;
    for (const QString &folder : folders)
        if (QFileInfo(folder).isDir())
            present << folder;
    if (present.isEmpty())
        throw KorvenError(QCoreApplication::translate("korven-problems", "%1: no such folder").arg(folders.join(QStringLiteral(", "))));
    for (const QString &folder : present)
        say(stdout, QCoreApplication::translate("korven-problems", "%1: the problem list numbers the present catalogue folders in catalogue order")
                        .arg(QDir::toNativeSeparators(folder)));

    const std::vector<ListedProblem> entries = listProblems(present);
    // Columns: position, number, state, sex, band level, name; aligned by display width, so that
    // translated headings and states line up too.
    std::vector<QStringList> rows;
    rows.push_back({QCoreApplication::translate("korven-problems", "pos"), QCoreApplication::translate("korven-problems", "no."),
                    QCoreApplication::translate("korven-problems", "state"), QCoreApplication::translate("korven-problems", "sex"),
                    QCoreApplication::translate("korven-problems", "bands"), QCoreApplication::translate("korven-problems", "folder")});
    int faulty = 0;
    for (const ListedProblem &entry : entries) {
        const QString state = !entry.present ? QCoreApplication::translate("korven-problems", "absent")
                              : entry.faults.isEmpty() ? QCoreApplication::translate("korven-problems", "sound")
                                                       : QCoreApplication::translate("korven-problems", "faulty");
        faulty += entry.present && !entry.faults.isEmpty();
        rows.push_back({QString::number(entry.position), entry.number.isEmpty() ? QStringLiteral("-") : entry.number, state,
                        entry.female ? QCoreApplication::translate("korven-problems", "female")
                                     : QCoreApplication::translate("korven-problems", "male"),
                        entry.bands.isEmpty() ? QStringLiteral("-") : entry.bands, entry.name});
    }
    std::vector<int> widths(rows.front().size(), 0);
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[size_t(c)] = std::max(widths[size_t(c)], displayWidth(row[c]));
    for (const QStringList &row : rows) {
        // The position right-aligned, the rest left-aligned, two blanks apart.
        QString line = QString(widths[0] - displayWidth(row[0]), QLatin1Char(' ')) + row[0];
        for (qsizetype c = 1; c < row.size(); ++c)
            line += QStringLiteral("  ") + (c + 1 < row.size() ? paddedToWidth(row[c], widths[size_t(c)]) : row[c]);
        say(stdout, line);
    }
    for (const QString &folder : present)
        for (const QString &stray : strayFolders(folder))
            say(stdout, QCoreApplication::translate("korven-problems", "ignored by KORVEN (not a catalogue name): %1").arg(stray));
    if (faulty > 0)
        say(stdout, QCoreApplication::translate("korven-problems", "%1 faulty folder(s); 'korven-problems check FOLDER' says what is wrong").arg(faulty));
    return 0;
}

// Reads one karyotype of the command line; says why on standard error when it cannot.
std::optional<iscn::Reading> readForCommand(const QString &text)
{
    iscn::Reading reading = iscn::readKaryotype(text);
    if (reading.karyotype)
        return reading;
    say(stderr, QCoreApplication::translate("korven-problems", "invalid karyotype: %1").arg(reading.faults.value(0).message));
    return std::nullopt;
}

int runKaryotype(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption againstOption(QStringLiteral("against"), {}, QStringLiteral("TRUTH"));
    const QCommandLineOption levelOption(QStringLiteral("level"), {}, QStringLiteral("LEVEL"));
    parser.addOptions({againstOption, levelOption});
    if (const QString fault = parseOptions(parser, QStringLiteral("karyotype"), args, 1); !fault.isEmpty())
        return usageError(fault);
    const QString text = parser.positionalArguments().isEmpty() ? QString() : parser.positionalArguments().first();
    const bool against = parser.isSet(againstOption);
    const QString truth = parser.value(againstOption);
    int level = 550;
    if (parser.isSet(levelOption)) {
        const QString value = parser.value(levelOption);
        level = value.toInt();
        if (value != QString::number(level) || !QList<int>{400, 550, 850}.contains(level))
            return usageError(QCoreApplication::translate("korven-problems", "karyotype: the band level is 400, 550 or 850, not '%1'").arg(value));
    }
    if (text.isNull())
        return usageError(QCoreApplication::translate("korven-problems", "karyotype: the karyotype TEXT is required"));

    if (!against) {
        const iscn::Reading reading = iscn::readKaryotype(text);
        if (!reading.valid()) {
            for (const iscn::Fault &fault : reading.faults)
                say(stderr, QCoreApplication::translate("korven-problems", "invalid karyotype: %1").arg(fault.message));
            return 1;
        }
        for (const iscn::TypingNote &note : reading.notes)
            say(stderr, QCoreApplication::translate("korven-problems", "note: %1").arg(note.message));
        say(stdout, iscn::normalForm(*reading.karyotype));
        return 0;
    }
    const auto answerReading = readForCommand(text);
    const auto truthReading = readForCommand(truth);
    if (!answerReading || !truthReading)
        return 1;
    for (const iscn::Fault &fault : truthReading->faults)
        say(stderr, QCoreApplication::translate("korven-problems", "the truth is not sound: %1").arg(fault.message));
    const iscn::Comparison comparison = iscn::compareKaryotypes(*answerReading->karyotype, *truthReading->karyotype, level);
    for (const iscn::Fault &fault : comparison.formFaults)
        say(stderr, QCoreApplication::translate("korven-problems", "form fault: %1").arg(fault.message));
    for (const iscn::TypingNote &note : answerReading->notes)
        say(stderr, QCoreApplication::translate("korven-problems", "note: %1").arg(note.message));
    const bool severalLines = answerReading->karyotype->lines.size() > 1 || truthReading->karyotype->lines.size() > 1;
    for (const iscn::GradedElement &element : comparison.elements) {
        QString line = iscn::gradeWord(element.grade) + QLatin1Char(' ') + element.element;
        if (severalLines)
            line += QCoreApplication::translate("korven-problems", " (line %1)").arg(element.line + 1);
        if (!element.reason.isEmpty())
            line += QStringLiteral(" -- ") + element.reason;
        say(stdout, line);
    }
    say(stdout, QStringLiteral("verdict: ") + iscn::verdictWord(comparison.verdict));
    return 0;
}

// Qt's notices at start-up (such as the one about an unset runtime folder) say nothing to a
// teacher; everything else still gets through.
void quietStartUpNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    std::fputs(qPrintable(qFormatLogMessage(type, context, message)), stderr);
    std::fputc('\n', stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietStartUpNotices);
    ignoreFileSizeSignal();
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    std::unique_ptr<QCoreApplication> app;
    if (command == QLatin1String("sheet") || command == QLatin1String("import")) {
        // Drawing the labels needs fonts, hence a GUI application, but never a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const QStringList args = app->arguments().mid(2);
#ifdef KORVEN_BUILD_TREE
    // Run where the build put it, the tool works on the program folder the build assembled.
    if (QDir(QCoreApplication::applicationDirPath()) == QDir(QStringLiteral(KORVEN_BUILD_TREE)))
        setProgramFolder(QStringLiteral(KORVEN_BUILD_PROGRAM_DIR));
#endif
    installTranslations(languageFromEnvironment());

    if (command.isEmpty())
        return usageError(QCoreApplication::translate("korven-problems", "no command given"));
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        std::fputs(QCoreApplication::translate("korven-problems", Usage).toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (command == QLatin1String("--version")) {
        say(stdout, QStringLiteral("korven-problems %1").arg(QLatin1String(ProgramVersion)));
        return 0;
    }
    try {
        if (command == QLatin1String("make"))
            return runMake(args);
        if (command == QLatin1String("import"))
            return runImport(args);
        if (command == QLatin1String("list"))
            return runList(args);
        if (command == QLatin1String("karyotype"))
            return runKaryotype(args);
        if (command == QLatin1String("case") || command == QLatin1String("make-cases"))
            return runCase(args, command == QLatin1String("make-cases"));
        if (command == QLatin1String("pack")) {
            if (args.size() != 1)
                return usageError(QCoreApplication::translate("korven-problems", "pack needs exactly one folder"));
            for (const QString &line : packPictures(args[0]))
                say(stdout, line);
            say(stdout, QCoreApplication::translate("korven-problems", "wrote %1").arg(listingPath(args[0])));
            return 0;
        }
        if (command == QLatin1String("check")) {
            if (args.size() != 1)
                return usageError(QCoreApplication::translate("korven-problems", "check needs exactly one folder"));
            return runCheck(args[0]);
        }
        if (command == QLatin1String("sheet")) {
            if (args.size() != 2)
                return usageError(QCoreApplication::translate("korven-problems", "sheet needs a folder and an output file"));
            return runSheet(args[0], args[1]);
        }
    } catch (const KorvenError &e) {
        say(stderr, QCoreApplication::translate("korven-problems", "korven-problems: %1").arg(e.message()));
        return 1;
    } catch (const std::bad_alloc &) {
        say(stderr, QCoreApplication::translate("korven-problems", "korven-problems: out of memory"));
        return 1;
    } catch (const std::exception &e) {
        // A library's own failure (an image library refusing a size) ends the run with its words.
        say(stderr, QCoreApplication::translate("korven-problems", "korven-problems: %1").arg(QString::fromLocal8Bit(e.what())));
        return 1;
    }
    return usageError(QCoreApplication::translate("korven-problems", "unknown command '%1'").arg(command));
}
