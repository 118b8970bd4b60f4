#include "classroom/class_csv.h"

#include "analysis/trial_statistics.h"
#include "cases/case_records.h"
#include "classroom/record_dates.h"
#include "exercise/errors.h"
#include "files/text_file.h"
#include "users/user_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>


namespace korven {

namespace {

constexpr char LineEnd[] = "\r\n";

QByteArray csvLine(const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u',';
        line += csvField(fields.at(i));
    }
    return line.toUtf8() + LineEnd;
}

QString oneDecimal(double value) { return QString::number(value, 'f', 1); }

} // namespace

QString csvField(const QString &field)
{
    // A spreadsheet runs a field starting with = + - @ as a formula: such text gets a leading '
    // and shows as written. Numbers ("-2") stay numbers.
    static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]+(\\.[0-9]+)?$"));
    QString text = field;
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()) && !number.match(text).hasMatch())
        text.prepend(u'\'');
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray classTableCsv(const ClassOverview &overview)
{
    QByteArray csv = "id,trials,trials_today,last_score,mean_score_percent,best_score,"
                     "mean_answer_seconds,last_trial_date,weakest,cases_done,karyotypes_right,counts_right,"
                     "trials_last_7_days";
    csv += LineEnd;
    for (const TraineeSummary &row : overview.trainees) {
        QStringList fields{row.id, QString::number(row.trials), QString::number(row.trialsToday)};
        if (row.trials > 0)
            fields << QString::number(row.lastScore) << oneDecimal(row.meanPercent)
                   << QString::number(row.bestScore) << oneDecimal(row.meanSeconds) << shownDate(row.lastDate)
                   << pairText(row.weakest);
        else
            fields << QString() << QString() << QString() << QString() << QString() << QString();
        fields << QString::number(row.casesDone) << QString::number(row.karyotypesRight) << QString::number(row.countsRight)
               << QString::number(row.trialsLastWeek);
        csv += csvLine(fields);
    }
    return csv;
}

QByteArray trialsCsvHeader()
{
    QByteArray header = "id,trial,date,problem,score,answer_seconds";
    for (int s = 1; s <= SlotsPerTrial; ++s)
        header += ",s" + QByteArray::number(s);
    return header + LineEnd;
}

QByteArray traineeTrialsCsv(const QString &id, const QByteArray &recordBytes, const QDate &today)
{
    // The same reading as the overview's, so the same records are left out.
    const RecordFileReading reading = readRecordBytes(recordBytes, today);
    const QStringList lines = checkedCp932Lines(recordBytes).lines;

    QByteArray csv;
    for (const ReadRecord &kept : reading.records) {
        const QStringList record = recordFields(lines.at(kept.line - 1));
        QStringList fields{id, QString::number(record.at(0).toInt()), shownDate(kept.date), record.at(2)};
        QStringList results;
        int score = 0;
        for (int s = 0; s < SlotsPerTrial; ++s) {
            const int result = record.at(3 + s).toInt();
            score += result == 1;
            results << QString::number(result);
        }
        fields << QString::number(score) << QString::number(record.at(49).toInt()) << results;
        csv += csvLine(fields);
    }
    return csv;
}

void writeCasesCsv(const ClassOverview &overview, const QStringList &casesFolders, const ByteSink &out)
{
    out("id,date,time,case,seconds,cell,count_given,count_true,pieces_right,pieces,karyotype,verdict,"
        "true_karyotype,kind,elements_wrong" + QByteArray(LineEnd));
    const QMap<QString, QString> truths = caseTruths(casesFolders);
    for (const TraineeSummary &row : overview.trainees) {
        CaseRecords read;
        try {
            read = readCaseRecords(caseRecordPath(overview.resultFolder, row.id));
        } catch (const KorvenError &) {
            continue; // the overview's row says why
        }
        // Written record by record: a class's evaluations are never held whole in memory.
        for (CaseRecord &r : read.records) {
            completeRecord(r, truths);
            QByteArray lines;
            for (size_t cell = 0; cell < r.countsTrue.size(); ++cell) {
                const int given = cell < r.countsGiven.size() ? r.countsGiven[cell] : -1;
                lines += csvLine({row.id, r.date.toString(Qt::ISODate), r.time.toString(QStringLiteral("HH:mm:ss")),
                                  r.caseName, QString::number(r.seconds), QString::number(cell + 1),
                                  given < 0 ? QString() : QString::number(given), QString::number(r.countsTrue[cell]),
                                  QString::number(r.piecesRight), QString::number(r.pieces), r.karyotype, r.verdict,
                                  r.trueKaryotype, r.kind, r.elementsWrong.join(u' ')});
            }
            out(lines);
        }
    }
}

QByteArray classCasesCsv(const ClassOverview &overview, const QStringList &casesFolders)
{
    QByteArray csv;
    writeCasesCsv(overview, casesFolders, [&](const QByteArray &chunk) { csv += chunk; });
    return csv;
}

void writeTrialsCsv(const ClassOverview &overview, const QDate &today, const ByteSink &out,
                    const std::function<void(int done, int total)> &progress)
{
    out(trialsCsvHeader());
    const int total = int(overview.trainees.size());
    int done = 0;
    for (const TraineeSummary &row : overview.trainees) {
        QByteArray bytes;
        try {
            bytes = readRecordFileBytes(recordPath(overview.resultFolder, row.id));
        } catch (const KorvenError &) {
            bytes.clear(); // an unreadable file has no trials to export; its row says why
        }
        out(traineeTrialsCsv(row.id, bytes, today));
        if (progress)
            progress(++done, total);
    }
}

} // namespace korven
