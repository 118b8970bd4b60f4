#include "classroom/class_overview.h"

#include "cases/case_records.h"
#include "exercise/errors.h"
#include "files/file_errors.h"
#include "users/user_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>

#include <atomic>

namespace korven {

QStringList traineeIds(const QString &resultFolder)
{
    const QFileInfo folder(resultFolder);
    const QString shown = QDir::toNativeSeparators(resultFolder);
    if (!folder.exists())
        throw KorvenError(QCoreApplication::translate("ClassOverview", "The folder %1 does not exist.").arg(shown));
    if (!folder.isDir())
        throw KorvenError(QCoreApplication::translate("ClassOverview", "%1 is not a folder.").arg(shown));
    if (const QString fault = entryFault(resultFolder, EntryKind::Folder); !fault.isEmpty())
        throw KorvenError(QCoreApplication::translate("ClassOverview", "The folder %1 cannot be read: %2.").arg(shown, fault));
    QStringList ids;
    const QDir dir(resultFolder);
    for (const QString &id : listKnownIds(resultFolder)) {
        if (QFileInfo(dir.filePath(id)).isDir())
            ids << id;
    }
    return ids;
}

ClassOverview loadClass(const QString &resultFolder, const QDate &today, const LoadProgress &progress)
{
    ClassOverview overview;
    overview.resultFolder = resultFolder;
    const QStringList ids = traineeIds(resultFolder);
    const int total = int(ids.size());
    std::atomic<int> done = 0;
    // Each file is read and summarised on its own; only the small summaries are kept.
    const std::function<TraineeSummary(const QString &)> summariseOne = [&](const QString &id) {
        const QString path = recordPath(resultFolder, id);
        TraineeSummary row = summarise(id, path, readRecordFile(path, today), today);
        const QString casesPath = caseRecordPath(resultFolder, id);
        try {
            const CaseRecords read = readCaseRecords(casesPath);
            const CaseSummary cases = summarizeCases(read.records);
            row.casesDone = cases.casesDone;
            row.karyotypesRight = cases.karyotypesRight;
            row.countsRight = cases.countsRight;
            row.casesFault = caseRecordsFault(casesPath, read);
        } catch (const KorvenError &error) {
            // The trial columns stand; the mark says why the case columns are empty.
            row.casesFault = error.message();
        }
        if (!row.casesFault.isEmpty())
            row.mark += (row.mark.isEmpty() ? QString() : QStringLiteral("\n")) + row.casesFault;
        const int count = ++done;
        if (progress)
            progress(count, total);
        return row;
    };
    const QList<TraineeSummary> rows = QtConcurrent::blockingMapped(ids, summariseOne);
    overview.trainees.assign(rows.begin(), rows.end());
    for (const TraineeSummary &row : overview.trainees) {
        overview.trials += row.trials;
        for (int s = 0; s < SlotsPerTrial; ++s)
            overview.slotHits[s] += row.slotHits[s];
    }
    return overview;
}

std::array<double, PairCount> classPairPercentages(const ClassOverview &overview)
{
    std::array<double, PairCount> percentages{};
    if (overview.trials == 0)
        return percentages;
    for (int p = 0; p < PairCount; ++p)
        percentages[p] = (overview.slotHits[2 * p] + overview.slotHits[2 * p + 1]) * 100.0
                       / (2.0 * double(overview.trials));
    return percentages;
}

} // namespace korven
