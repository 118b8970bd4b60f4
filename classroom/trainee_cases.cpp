#include "classroom/trainee_cases.h"

#include "cases/case_grading.h"

#include <QDateTime>

#include <algorithm>

namespace korven {

TraineeCases traineeCases(std::vector<CaseRecord> records, const QMap<QString, QString> &truths)
{
    TraineeCases out;
    for (CaseRecord &r : records)
        completeRecord(r, truths);
    QMap<QString, const CaseRecord *> last;
    for (const CaseRecord &r : records)
        last[r.caseName] = &r;
    QMap<QString, KindTally> tallies;
    for (const CaseRecord *r : last) {
        KindTally &t = tallies[r->kind];
        t.kind = r->kind;
        const iscn::Verdict verdict = worstOf(r->countsRight(), r->piecesRight == r->pieces,
                                              verdictFromWord(r->verdict).value_or(iscn::Verdict::Wrong));
        (verdict == iscn::Verdict::Right ? t.right : verdict == iscn::Verdict::Near ? t.near : t.wrong) += 1;
    }
    out.byKind.assign(tallies.cbegin(), tallies.cend());
    out.records = std::move(records);
    std::stable_sort(out.records.begin(), out.records.end(), [](const CaseRecord &a, const CaseRecord &b) {
        return QDateTime(a.date, a.time) > QDateTime(b.date, b.time);
    });
    return out;
}

} // namespace korven
