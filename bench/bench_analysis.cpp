// Timings of the analysis: evaluating a large trial record file, and opening the analysis dialog
// (read, evaluate, fill the charts and texts, paint once) on a record file of a heavy user.
#include "bench/bench.h"

#include "analysis/trial_statistics.h"
#include "analysis/ui/tokbottom_dlg.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "forms/window_set.h"
#include "files/text_file.h"
#include "exercise/ui/tform1.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QDate BenchToday(2024, 5, 10);

// A record file of `count` trials over the last weeks, on three problems, with a few misses each.
void writeRecordFile(const QString &path, int count)
{
    QRandomGenerator rng(1234);
    QStringList lines{korven::trialRecordHeader()};
    lines.reserve(count + 1);
    for (int t = 0; t < count; ++t) {
        korven::TrialRecord r;
        r.trialNumber = t;
        r.date = korven::recordDateText(BenchToday.addDays(-(count - 1 - t) * 30 / count));
        r.problemNumber = QString::asprintf("%.3d", 1 + t % 3);
        r.results.fill(1);
        const int misses = int(rng.bounded(8));
        for (int k = 0; k < misses; ++k)
            r.results[rng.bounded(46)] = rng.bounded(2) ? 0 : -2;
        r.answerSeconds = 120 + int(rng.bounded(600));
        lines << korven::formatTrialRecord(r);
    }
    korven::writeFileAtomically(path, korven::linesToCp932(lines));
}

QString benchProblemName(int number)
{
    return number % 2 ? QStringLiteral("正常女性染色体核型no10") : QStringLiteral("正常男性染色体核型no20");
}

void statisticsBench(const QString &folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("many.kek"));
    writeRecordFile(path, 100000);
    const QString today = korven::recordDateText(BenchToday);
    qsizetype sink = 0;
    // The evaluation proper, from the file's lines; then reading the file, and both together
    // as every showing of the dialog does them.
    const QStringList lines = korven::readTextLines(path, korven::RecordFileLimits);
    korvenbench::measure(QStringLiteral("statistics (100000 records)"), 10, [&] {
        sink += korven::evaluateTrialRecords(lines, today, benchProblemName)->recordCount;
    });
    korvenbench::measure(QStringLiteral("read record file (100000 records)"), 10, [&] {
        sink += korven::readTextLines(path, korven::RecordFileLimits).size();
    });
    korvenbench::measure(QStringLiteral("statistics with file read (100000 records)"), 10, [&] {
        sink += korven::evaluateTrialRecordFile(path, today, benchProblemName)->recordCount;
    });
    if (sink == 42)
        std::printf("\n");
}

void dialogBench(const QString &folder)
{
    korven::setProgramFolder(folder);
    QDir(folder).mkpath(QStringLiteral("Images"));
    const QString user = QStringLiteral("bench");
    QDir().mkpath(korven::userFolder(korven::resultFolder(), user));
    writeRecordFile(korven::recordPath(korven::resultFolder(), user), 10000);

    korven::ui::setMessageHook([](const QString &kind, const QString &, const QString &text) {
        std::printf("analysis dialog: %s: %s\n", qPrintable(kind), qPrintable(text));
    });
    korven::ui::setModalHook([](QDialog *) { return 0; });
    korven::ui::createWindowSet();
    korven::ui::createExerciseWindow();
    Form1->UserId = user;
    OKBottomDlg->setToday(BenchToday);

    korvenbench::measure(QStringLiteral("analysis dialog open (10000 records)"), 10, [] {
        OKBottomDlg->show();
        const QPixmap shown = OKBottomDlg->grab(); // one full paint, charts included
        OKBottomDlg->hide();
    });

    korven::ui::destroyWindowSet();
    korven::ui::setMessageHook({});
    korven::ui::setModalHook({});
    korven::setProgramFolder(QString());
}

} // namespace

void benchAnalysis()
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::printf("analysis: no temporary folder\n");
        return;
    }
    statisticsBench(folder.path());
    dialogBench(folder.path());
}

namespace {
const bool analysisRegistered = korvenbench::registerSection(QStringLiteral("analysis"), 40, benchAnalysis);
}
