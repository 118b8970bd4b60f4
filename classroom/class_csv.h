#pragma once
// The class's exports: the overview table, and every trial in long form. UTF-8 with a header line,
// comma separated, fields quoted as RFC 4180 says, lines ended by CR LF.
#include "classroom/class_overview.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace korven {

// A field as RFC 4180 writes it: quoted, inner quotes doubled, when it holds a comma, a double
// quote, CR or LF; as it is otherwise.
QString csvField(const QString &text);

// "id,trials,trials_today,last_score,mean_score_percent,best_score,mean_answer_seconds,
// last_trial_date,weakest", then one line per trainee. A trainee without trials has its counts
// and empty figures.
QByteArray classTableCsv(const ClassOverview &overview);

// The long-form lines of one trainee's record file (its good records, in file order):
// id,trial,date,problem,score,answer_seconds,s1,...,s46.
QByteArray traineeTrialsCsv(const QString &id, const QByteArray &recordBytes, const QString &today);
// The long-form header line.
QByteArray trialsCsvHeader();

// Writes the long form of every trainee of the overview to `out`, one trainee at a time, reading
// each record file afresh. `progress` is called after each trainee. Throws KorvenError when
// writing fails.
// Every case evaluation of the class in long form, one line per counted cell:
// id,date,time,case,seconds,cell,count_given,count_true,pieces_right,pieces,karyotype,verdict.
// A trainee whose case file cannot be read has no lines.
QByteArray classCasesCsv(const ClassOverview &overview);

void writeTrialsCsv(const ClassOverview &overview, const QString &today, QIODevice &out,
                    const std::function<void(int done, int total)> &progress = {});

// Writes a whole export through a temporary file, so a failure leaves no half-written file.
// Throws KorvenError naming the file when it cannot be written.
void writeExport(const QString &path, const std::function<void(QIODevice &out)> &write);

} // namespace korven
