// korven-class-bench: the class overview on a large class, 500 trainees with 2,000 trials each
// (about 160 MB of record files, generated into a temporary folder), read, summarised and shown.
// Prints medians and the peak memory of the loading; figures only, no asserts.
//
//   korven-class-bench [TRAINEES [TRIALS]]
#include "forms/korven_application.h"
#include "classroom/class_overview.h"
#include "classroom/ui/class_window.h"
#include "files/comma_text.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThreadPool>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// One trainee's record file: scores that improve over the course, a few misses a trial.
QByteArray recordFile(int trainee, int trials, const QDate &today)
{
    QRandomGenerator rng(quint32(trainee) * 7919u + 17u);
    QByteArray bytes = korven::trialRecordFileStart();
    bytes.reserve(trials * 165);
    QList<QByteArray> dates;
    for (int d = 0; d <= 200; ++d)
        dates << korven::joinCommaText({korven::recordDateText(today.addDays(d - 200))}).toLatin1();
    for (int t = 0; t < trials; ++t) {
        bytes += QByteArray::number(t) + ',' + dates[t * 200 / std::max(1, trials - 1)] + ','
               + QByteArray::number(1 + t % 48).rightJustified(3, '0');
        int results[46];
        std::fill(std::begin(results), std::end(results), 1);
        const int misses = int(rng.bounded(std::max(1, 12 - t * 10 / trials)));
        for (int m = 0; m < misses; ++m)
            results[rng.bounded(46)] = int(rng.bounded(3)) - 2;
        for (int r : results)
            bytes += ',' + QByteArray::number(r);
        bytes += ',' + QByteArray::number(100 + rng.bounded(500)) + "\r\n";
    }
    return bytes;
}

// The peak resident memory since the last reset, in MB (Linux).
double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// The process's processor time (all threads, user and system), in ms.
double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
         + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    korven::ui::KorvenApplication app(argc, argv);
    korven::ui::installFonts();
    const QStringList args = QApplication::arguments();
    const int trainees = args.size() > 1 ? args.at(1).toInt() : 500;
    const int trials = args.size() > 2 ? args.at(2).toInt() : 2000;
    const QDate today = QDate::currentDate();

    QTemporaryDir dir;
    const QString result = dir.filePath(QStringLiteral("Result"));
    qint64 total = 0;
    for (int t = 0; t < trainees; ++t) {
        const QString id = QStringLiteral("trainee%1").arg(t + 1, 3, 10, QLatin1Char('0'));
        QDir().mkpath(korven::userFolder(result, id));
        QFile file(korven::recordPath(result, id));
        const QByteArray bytes = recordFile(t, trials, today);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::printf("cannot write the fixture in %s\n", qPrintable(result));
            return 1;
        }
        total += bytes.size();
    }
    std::printf("class fixture: %d trainees x %d trials, %.1f MB, %d reading threads\n", trainees, trials,
                total / 1e6, QThreadPool::globalInstance()->maxThreadCount());

    std::vector<double> load;
    std::vector<double> loadCpu;
    double peak = 0;
    for (int repeat = 0; repeat < 3; ++repeat) {
        resetPeakMemory();
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuMs();
        const korven::ClassOverview overview = korven::loadClass(result, today);
        load.push_back(timer.nsecsElapsed() / 1e6);
        loadCpu.push_back(cpuMs() - cpuStart);
        peak = std::max(peak, peakMemoryMb());
        if (overview.trials != qint64(trainees) * trials && !overview.trainees.empty())
            std::printf("class load: read %lld trials, expected %lld (%s)\n", overview.trials,
                        qint64(trainees) * trials, qPrintable(overview.trainees.front().mark));
    }
    std::printf("class load and summarise (%d x %d): median %.1f ms\n", trainees, trials, median(load));
    // On a shared machine the wall time depends on the other load; the processor time does not.
    std::printf("class load and summarise (%d x %d), processor time of all threads: median %.1f ms\n",
                trainees, trials, median(loadCpu));

    std::vector<double> shown;
    for (int repeat = 0; repeat < 3; ++repeat) {
        QElapsedTimer timer;
        timer.start();
        korven::ui::ClassWindow window;
        window.show();
        window.openFolder(result);
        window.repaint();
        QApplication::processEvents();
        shown.push_back(timer.nsecsElapsed() / 1e6);
        peak = std::max(peak, peakMemoryMb());
    }
    std::printf("class window: open, load, summarise and show (%d x %d): median %.1f ms\n", trainees, trials,
                median(shown));
    std::printf("class peak memory while loading and showing: %.0f MB\n", peak);
    return 0;
}
