// korven-problems: makes, packs, checks and shows the problem sets of KORVEN.
#include "app/language.h"
#include "exercise/errors.h"
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

const char *const Usage = QT_TRANSLATE_NOOP("korven-problems", R"(korven-problems: makes and checks the problem sets of KORVEN.

Usage:
  korven-problems make --out DIR [--seed N] [--only LIST] [--data DIR] [--threads N]
      Writes the 48 catalogue problems under DIR, each a folder with the bitmaps
      1-1.bmp .. 23-2.bmp and its listing file NAME.set, and the sample image
      DIR/1-1.bmp. The same seed (default 1) writes the same files.
      --only LIST   only these catalogue positions (1..48), e.g. --only 1,5
      --data DIR    folder of the ideogram tables human-ideogram-bands-*.tsv
      --threads N   worker threads (default: one per core)
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

int runMake(const QStringList &args)
{
    MakeOptions options;
    options.dataDir = QStringLiteral(KORVEN_DATA_DIR);
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const bool known = arg == QLatin1String("--out") || arg == QLatin1String("--seed")
                           || arg == QLatin1String("--only") || arg == QLatin1String("--data")
                           || arg == QLatin1String("--threads");
        if (!known)
            return usageError(QCoreApplication::translate("korven-problems", "make: unknown argument '%1'").arg(arg));
        if (i + 1 >= args.size())
            return usageError(QCoreApplication::translate("korven-problems", "make: %1 needs a value").arg(arg));
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
            return usageError(QCoreApplication::translate("korven-problems", "make: invalid value '%1' for %2").arg(value, arg));
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
    QElapsedTimer timer;
    timer.start();
    const int made = makeProblems(options);
    say(stdout, QCoreApplication::translate("korven-problems", "wrote %1 problems (%2 bitmaps) to %3 in %4 s")
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
        say(stdout, QCoreApplication::translate("korven-problems", "%1: sound").arg(folder));
    else
        say(stdout, QCoreApplication::translate("korven-problems", "%1: %2 fault(s)").arg(folder).arg(faults.size()));
    return faults.isEmpty() ? 0 : 1;
}

int runSheet(const QString &folder, const QString &out)
{
    const QImage sheet = drawKaryogramSheet(folder);
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || !sheet.save(&file, "PNG") || !file.commit())
        throw KorvenError(QCoreApplication::translate("korven-problems", "%1: cannot write the picture (%2)").arg(out, file.errorString()));
    say(stdout, QCoreApplication::translate("korven-problems", "wrote %1").arg(out));
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
    installTranslations(languageFromEnvironment());

    if (command.isEmpty())
        return usageError(QCoreApplication::translate("korven-problems", "no command given"));
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        std::fputs(QCoreApplication::translate("korven-problems", Usage).toLocal8Bit().constData(), stdout);
        return 0;
    }
    try {
        if (command == QLatin1String("make"))
            return runMake(args);
        if (command == QLatin1String("pack")) {
            if (args.size() != 1)
                return usageError(QCoreApplication::translate("korven-problems", "pack needs exactly one folder"));
            packProblem(args[0]);
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
    }
    return usageError(QCoreApplication::translate("korven-problems", "unknown command '%1'").arg(command));
}
