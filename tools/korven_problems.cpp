// korven-problems: makes, packs, checks and shows the problem sets of KORVEN.
#include "app/command_line.h"
#include "app/program_folder.h"
#include "exercise/errors.h"
#include "exercise/catalogue.h"
#include "tools/made_stamp.h"
#include "tools/karyogram_sheet.h"
#include "tools/problem_maker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <memory>
#include <unistd.h>

#ifndef KORVEN_DATA_DIR
#define KORVEN_DATA_DIR "data"
#endif

using namespace korven;

namespace {

const char *const Usage = R"(korven-problems: makes and checks the problem sets of KORVEN.

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
  korven-problems pack DIR
      Writes DIR/NAME.set (NAME is the folder's name) for a folder holding the 46
      bitmaps 1-1.bmp .. 23-2.bmp; refuses, changing nothing, if one is missing or
      is not a 24-bit BMP.
  korven-problems check DIR
      Verifies a problem folder: the 46 bitmaps present and 24-bit, 46 listing
      lines, every check value matching. Lists each fault; exit code 0 only when
      the folder is sound.
  korven-problems sheet DIR OUT.png
      Draws the folder's 46 chromosomes as a labelled karyogram into OUT.png.
  korven-problems --help
      Shows this text.
  korven-problems --version
      Shows the version.

Exit codes: 0 success, 1 failure or faults found, 2 wrong usage.
)";

void say(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

int usageError(const QString &text)
{
    say(stderr, QStringLiteral("korven-problems: %1").arg(text));
    say(stderr, QStringLiteral("Try 'korven-problems --help'."));
    return 2;
}

int runMake(const QStringList &args)
{
    MakeOptions options;
    // An installed copy finds its tables among its own files and writes into the user's folder.
    const Locations where = locations();
    options.dataDir = where.installed ? where.programFolder + QStringLiteral("/ideograms")
                                      : QStringLiteral(KORVEN_DATA_DIR);
    if (where.installed)
        options.outDir = where.userImagesFolder();
    bool refresh = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--refresh")) {
            refresh = true;
            continue;
        }
        const bool known = arg == QLatin1String("--out") || arg == QLatin1String("--seed")
                           || arg == QLatin1String("--only") || arg == QLatin1String("--data")
                           || arg == QLatin1String("--threads");
        if (!known)
            return usageError(QStringLiteral("make: unknown argument '%1'").arg(arg));
        if (i + 1 >= args.size())
            return usageError(QStringLiteral("make: %1 needs a value").arg(arg));
        const QString value = args[++i];
        bool ok = true;
        if (arg == QLatin1String("--out")) {
            options.outDir = value;
        } else if (arg == QLatin1String("--data")) {
            options.dataDir = value;
        } else if (arg == QLatin1String("--seed")) {
            options.seed = value.toULongLong(&ok);
        } else if (arg == QLatin1String("--threads")) {
            options.threads = value.toInt(&ok);
            ok = ok && options.threads > 0;
        } else {
            for (const QString &part : value.split(QLatin1Char(','))) {
                const int position = part.trimmed().toInt(&ok);
                if (!ok || position < 1 || position > 48) {
                    ok = false;
                    break;
                }
                options.only << position;
            }
        }
        if (!ok)
            return usageError(QStringLiteral("make: invalid value '%1' for %2").arg(value, arg));
    }
    if (options.outDir.isEmpty())
        return usageError(QStringLiteral("make: --out DIR is required"));

    const bool terminal = isatty(fileno(stderr));
    options.progress = [terminal](int done, int total, const QString &name) {
        if (terminal) {
            std::fputs(QStringLiteral("\r[%1/%2] %3   ").arg(done, 2).arg(total).arg(name).toLocal8Bit().constData(),
                       stderr);
            if (done == total)
                std::fputc('\n', stderr);
            std::fflush(stderr);
        } else if (done % 8 == 0 || done == total) {
            say(stderr, QStringLiteral("made %1 of %2 problems").arg(done).arg(total));
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
                say(stdout, QStringLiteral("kept %1 (changed or added by hand)").arg(names[p - 1]));
        }
        options.only = refreshed;
        options.writeSample = mayRewriteSample(options.outDir);
        if (!options.writeSample)
            say(stdout, QStringLiteral("kept %1 (changed by hand)").arg(out.filePath(QStringLiteral("1-1.bmp"))));
        if (refreshed.isEmpty()) {
            say(stdout, QStringLiteral("nothing to rewrite in %1").arg(QDir::toNativeSeparators(options.outDir)));
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
    say(stdout, QStringLiteral("wrote %1 problems (%2 bitmaps) to %3 in %4 s")
                    .arg(made).arg(made * 46).arg(QDir::toNativeSeparators(options.outDir))
                    .arg(timer.elapsed() / 1000.0, 0, 'f', 2));
    return 0;
}

int runCheck(const QString &folder)
{
    const QStringList faults = checkProblem(folder);
    for (const QString &fault : faults)
        say(stdout, fault);
    if (faults.isEmpty())
        say(stdout, QStringLiteral("%1: sound").arg(folder));
    else
        say(stdout, QStringLiteral("%1: %2 fault(s)").arg(folder).arg(faults.size()));
    return faults.isEmpty() ? 0 : 1;
}

int runSheet(const QString &folder, const QString &out)
{
    const QImage sheet = drawKaryogramSheet(folder);
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || !sheet.save(&file, "PNG") || !file.commit())
        throw KorvenError(QStringLiteral("%1: cannot write the picture (%2)").arg(out, file.errorString()));
    say(stdout, QStringLiteral("wrote %1").arg(out));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    std::unique_ptr<QCoreApplication> app;
    if (command == QLatin1String("sheet")) {
        // Drawing the labels needs fonts, hence a GUI application, but never a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const QStringList args = app->arguments().mid(2);

    if (command.isEmpty())
        return usageError(QStringLiteral("no command given"));
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == QLatin1String("--version")) {
        say(stdout, QStringLiteral("korven-problems %1").arg(QLatin1String(ProgramVersion)));
        return 0;
    }
    try {
        if (command == QLatin1String("make"))
            return runMake(args);
        if (command == QLatin1String("pack")) {
            if (args.size() != 1)
                return usageError(QStringLiteral("pack needs exactly one folder"));
            packProblem(args[0]);
            say(stdout, QStringLiteral("wrote %1").arg(listingPath(args[0])));
            return 0;
        }
        if (command == QLatin1String("check")) {
            if (args.size() != 1)
                return usageError(QStringLiteral("check needs exactly one folder"));
            return runCheck(args[0]);
        }
        if (command == QLatin1String("sheet")) {
            if (args.size() != 2)
                return usageError(QStringLiteral("sheet needs a folder and an output file"));
            return runSheet(args[0], args[1]);
        }
    } catch (const KorvenError &e) {
        say(stderr, QStringLiteral("korven-problems: %1").arg(e.message()));
        return 1;
    }
    return usageError(QStringLiteral("unknown command '%1'").arg(command));
}
