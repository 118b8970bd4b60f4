#pragma once
// The class's exports: the overview table, and every trial in long form. UTF-8 with a header line,
// comma separated, fields quoted as RFC 4180 says, lines ended by CR LF.
#include "classroom/class_overview.h"
#include "files/text_file.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace korven {

// A field as RFC 4180 writes it: quoted, inner quotes doubled, when it holds a comma, a double
// quote, CR or LF; as it is otherwise. Text starting with = + - @ (not a number) gets a leading '
// so that a spreadsheet shows it and never runs it as a formula.
QString csvField(const QString &text);

// "id,trials,trials_today,last_score,mean_score_percent,best_score,mean_answer_seconds,
// last_trial_date,weakest,cases_done,karyotypes_right,counts_right,trials_last_7_days", then one
// line per trainee, dates in ISO 8601. A trainee without trials has its counts and empty figures.
QByteArray classTableCsv(const ClassOverview &overview);

// The long-form lines of one trainee's record file (its good records, in file order):
// id,trial,date,problem,score,answer_seconds,s1,...,s46, the date in ISO 8601. `today` places
// two-digit years.
QByteArray traineeTrialsCsv(const QString &id, const QByteArray &recordBytes, const QDate &today);
// The long-form header line.
QByteArray trialsCsvHeader();

// Every case evaluation of the class in long form, one line per counted cell:
// id,date,time,case,seconds,cell,count_given,count_true,pieces_right,pieces,karyotype,verdict,
// true_karyotype,kind,elements_wrong (the wrong elements separated by blanks). A record written
// before the last three were kept takes the truth and kind from its case folder in
// `casesFolders`, as the case is now. A trainee whose case file cannot be read has no lines.
// Given to `out` record by record.
void writeCasesCsv(const ClassOverview &overview, const QStringList &casesFolders, const ByteSink &out);
// The same whole, for a small class.
QByteArray classCasesCsv(const ClassOverview &overview, const QStringList &casesFolders = {});

// Gives the long form of every trainee of the overview to `out`, one trainee at a time, reading
// each record file afresh. `progress` is called after each trainee. An export file is written
// through writeFileAtomically, so a failure leaves the old file whole.
void writeTrialsCsv(const ClassOverview &overview, const QDate &today, const ByteSink &out,
                    const std::function<void(int done, int total)> &progress = {});

} // namespace korven
