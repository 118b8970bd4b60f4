#include "classroom/class_command.h"

#include "classroom/class_csv.h"
#include "exercise/errors.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

namespace korven {

namespace {

// Folders with this many trainees or more report their progress.
constexpr int ProgressFrom = 100;

void say(std::FILE *err, const QString &text)
{
    std::fprintf(err, "korven-class: %s\n", text.toLocal8Bit().constData());
    std::fflush(err);
}

// Reports every tenth of the work once; safe to call from several threads.
LoadProgress tenths(std::FILE *err, const QString &what)
{
    return [err, what](int done, int total) {
        if (total >= ProgressFrom && done * 10 / total != (done - 1) * 10 / total)
            say(err, what.arg(done).arg(total));
    };
}

} // namespace

int runClassExport(const ClassArguments &arguments, const QString &resultFolder, const QStringList &casesFolders,
                   std::FILE *err)
{
    try {
        if (isInsideFolder(arguments.output, resultFolder))
            throw KorvenError(QCoreApplication::translate("ClassCommand", "%1 lies in the Result folder, which is only read.")
                                  .arg(QDir::toNativeSeparators(arguments.output)));
        const QDate today = QDate::currentDate();
        const ClassOverview overview = loadClass(
            resultFolder, today, tenths(err, QCoreApplication::translate("ClassCommand", "read %1 of %2 trainees")));
        for (const TraineeSummary &row : overview.trainees) {
            if (row.state == RecordState::Damaged || row.state == RecordState::Unreadable)
                say(err, QString(row.mark).replace(u'\n', u' '));
            else if (!row.casesFault.isEmpty())
                say(err, row.casesFault);
        }
        if (arguments.mode == ClassArguments::Mode::TableCsv)
            writeFileAtomically(arguments.output, classTableCsv(overview));
        else if (arguments.mode == ClassArguments::Mode::CasesCsv)
            writeFileAtomically(arguments.output,
                                [&](const ByteSink &out) { writeCasesCsv(overview, casesFolders, out); });
        else
            writeFileAtomically(arguments.output, [&](const ByteSink &out) {
                writeTrialsCsv(overview, today, out,
                               tenths(err, QCoreApplication::translate("ClassCommand", "wrote the trials of %1 of %2 trainees")));
            });
    } catch (const KorvenError &e) {
        say(err, QString(e.message()).replace(u'\n', u' '));
        return 1;
    } catch (const std::bad_alloc &) {
        say(err, QCoreApplication::translate("ClassCommand", "out of memory"));
        return 1;
    }
    return 0;
}

} // namespace korven
