// Comparing an answer with the truth, element by element, at a band level.
#include "iscn/band_table.h"
#include "iscn/iscn_text.h"
#include "iscn/karyotype.h"
#include "iscn/karyotype_order.h"

#include <algorithm>

namespace korven::iscn {

namespace {

// "two bands": how far apart two bands lie, in words.
QString bandsApart(int n)
{
    static const char *const words[] = {
        QT_TRANSLATE_NOOP("Karyotype", "one band"),   QT_TRANSLATE_NOOP("Karyotype", "two bands"),
        QT_TRANSLATE_NOOP("Karyotype", "three bands"), QT_TRANSLATE_NOOP("Karyotype", "four bands"),
        QT_TRANSLATE_NOOP("Karyotype", "five bands"),  QT_TRANSLATE_NOOP("Karyotype", "six bands"),
        QT_TRANSLATE_NOOP("Karyotype", "seven bands"), QT_TRANSLATE_NOOP("Karyotype", "eight bands"),
        QT_TRANSLATE_NOOP("Karyotype", "nine bands"),
    };
    if (n >= 1 && n <= 9)
        return Text::tr(words[n - 1]);
    return Text::tr("%1 bands").arg(n);
}

struct Placed {
    QString chromosome;
    Breakpoint breakpoint;
};

// Every breakpoint of an abnormality with its chromosome, a derivative's after its own.
QList<Placed> placedBreakpoints(const Abnormality &a)
{
    QList<Placed> placed;
    for (int k = 0; k < a.breakpoints.size(); ++k)
        placed.append({breakpointChromosome(a, k), a.breakpoints[k]});
    for (const Rearrangement &part : a.derivation)
        for (int k = 0; k < part.breakpoints.size(); ++k)
            placed.append({breakpointChromosome(part, k), part.breakpoints[k]});
    return placed;
}

// Everything but the bands: kind, gain or loss, chromosomes, and the number of breakpoints.
bool sameShape(const Abnormality &a, const Abnormality &b)
{
    const auto shape = [](const Rearrangement &r) {
        return std::tuple(r.kind, r.chromosomes, r.breakpoints.size());
    };
    if (a.change != b.change || shape(a) != shape(b) || a.derivation.size() != b.derivation.size())
        return false;
    for (int k = 0; k < a.derivation.size(); ++k) {
        if (shape(a.derivation[k]) != shape(b.derivation[k]))
            return false;
    }
    return true;
}

QStringList allChromosomes(const Abnormality &a)
{
    QStringList names = a.chromosomes;
    for (const Rearrangement &part : a.derivation)
        names += part.chromosomes;
    return names;
}

struct BandGrade {
    Grade grade = Grade::Right;
    QString reason;
    int distance = 0; // for choosing the closest of several candidates
};

BandGrade gradeBreakpoint(const Placed &answer, const Placed &truth, int level)
{
    const Breakpoint &a = answer.breakpoint;
    const Breakpoint &t = truth.breakpoint;
    if (a == t)
        return {};
    const QString written = answer.chromosome + a.text();
    if (a.arm != t.arm)
        return {Grade::Wrong, Text::tr("the breakpoint %1 is on the other arm from %2").arg(written, t.text()), 1000};
    if (BandTable::within(a.band, t.band))
        return {Grade::Near, Text::tr("the breakpoint %1 is a sub-band of %2").arg(written, t.text()), 0};
    if (BandTable::within(t.band, a.band))
        return {Grade::Near, Text::tr("the breakpoint %1 is the band that holds %2").arg(written, t.text()), 0};
    const BandTable &table = BandTable::builtIn();
    const int chromosome = chromosomeIndex(truth.chromosome);
    const auto spanA = table.span(chromosome, a.arm, a.band, level);
    const auto spanT = table.span(chromosome, t.arm, t.band, level);
    if (!spanA || !spanT)
        return {Grade::Wrong, Text::tr("the breakpoint %1 is not a band of %2%3").arg(written, truth.chromosome, a.arm), 999};
    const int gap = spanA->last < spanT->first ? spanT->first - spanA->last
                    : spanT->last < spanA->first ? spanA->first - spanT->last
                                                 : 0;
    if (gap == 0)
        return {Grade::Near,
                Text::tr("the breakpoint %1 lies in the same band as %2 at %3 bands").arg(written, t.text()).arg(level), 0};
    return {gap == 1 ? Grade::Near : Grade::Wrong,
            Text::tr("the breakpoint %1 is %2 from %3").arg(written, bandsApart(gap), t.text()), gap};
}

// Two abnormalities of the same shape, band by band: the worst grade, every reason.
BandGrade gradeBands(const Abnormality &answer, const Abnormality &truth, int level)
{
    const QList<Placed> a = placedBreakpoints(answer);
    const QList<Placed> t = placedBreakpoints(truth);
    BandGrade total;
    QStringList reasons;
    for (int k = 0; k < a.size() && k < t.size(); ++k) {
        const BandGrade one = gradeBreakpoint(a[k], t[k], level);
        total.grade = std::max(total.grade, one.grade);
        total.distance += one.distance;
        if (!one.reason.isEmpty())
            reasons << one.reason;
    }
    total.reason = reasons.join(QStringLiteral("; "));
    return total;
}

class LineComparer {
public:
    LineComparer(QList<GradedElement> &out, int line, int level) : out_(out), line_(line), level_(level) {}

    void add(Grade grade, const QString &element, const QString &reason = QString())
    {
        out_.append({grade, element, reason, line_});
    }

    void onlyAnswer(const CellLine &line) { all(line, Grade::Extra, Text::tr("not in the truth")); }
    void onlyTruth(const CellLine &line) { all(line, Grade::Missing, Text::tr("not in the answer")); }

    void compare(const CellLine &answer, const CellLine &truth, bool cells)
    {
        simple(QString::number(answer.count), QString::number(truth.count));
        simple(answer.sex, truth.sex);
        abnormalities(answer.abnormalities, truth.abnormalities);
        if (!cells)
            return;
        if (answer.cells >= 0 && truth.cells >= 0)
            simple(cellText(answer), cellText(truth));
        else if (truth.cells >= 0)
            add(Grade::Missing, cellText(truth), Text::tr("not in the answer"));
        else if (answer.cells >= 0)
            add(Grade::Extra, cellText(answer), Text::tr("not in the truth"));
    }

private:
    QList<GradedElement> &out_;
    int line_;
    int level_;

    static QString cellText(const CellLine &line) { return QStringLiteral("[%1]").arg(line.cells); }

    void all(const CellLine &line, Grade grade, const QString &reason)
    {
        add(grade, QString::number(line.count), reason);
        add(grade, line.sex, reason);
        for (const Abnormality &a : line.abnormalities)
            add(grade, writeAbnormality(a), reason);
        if (line.cells >= 0)
            add(grade, cellText(line), reason);
    }

    void simple(const QString &answer, const QString &truth)
    {
        if (answer == truth)
            add(Grade::Right, answer);
        else
            add(Grade::Wrong, answer, Text::tr("%1 where the truth has %2").arg(answer, truth));
    }

    // Pairs each true abnormality with the answer's: the same one, else the closest of the same
    // shape, else one on a shared chromosome; what is left is missing or extra.
    void abnormalities(const QList<Abnormality> &answer, const QList<Abnormality> &truth)
    {
        QList<int> pairOf(truth.size(), -1);
        QList<bool> used(answer.size(), false);
        const auto pass = [&](auto &&score) {
            for (int t = 0; t < truth.size(); ++t) {
                if (pairOf[t] >= 0)
                    continue;
                int best = -1;
                int bestScore = 0;
                for (int a = 0; a < answer.size(); ++a) {
                    if (used[a])
                        continue;
                    const int s = score(answer[a], truth[t]);
                    if (s >= 0 && (best < 0 || s < bestScore)) {
                        best = a;
                        bestScore = s;
                    }
                }
                if (best >= 0) {
                    pairOf[t] = best;
                    used[best] = true;
                }
            }
        };
        pass([](const Abnormality &a, const Abnormality &t) { return a == t ? 0 : -1; });
        pass([this](const Abnormality &a, const Abnormality &t) {
            return sameShape(a, t) ? gradeBands(a, t, level_).distance : -1;
        });
        pass([](const Abnormality &a, const Abnormality &t) {
            const QStringList names = allChromosomes(t);
            for (const QString &name : allChromosomes(a)) {
                if (names.contains(name))
                    return 0;
            }
            return -1;
        });
        for (int t = 0; t < truth.size(); ++t) {
            const QString trueText = writeAbnormality(truth[t]);
            if (pairOf[t] < 0) {
                add(Grade::Missing, trueText, Text::tr("not in the answer"));
                continue;
            }
            const Abnormality &a = answer[pairOf[t]];
            const QString text = writeAbnormality(a);
            if (a == truth[t]) {
                add(Grade::Right, text);
            } else if (sameShape(a, truth[t])) {
                const BandGrade bands = gradeBands(a, truth[t], level_);
                add(bands.grade, text, bands.reason);
            } else {
                add(Grade::Wrong, text, Text::tr("the truth has %1").arg(trueText));
            }
        }
        for (int a = 0; a < answer.size(); ++a) {
            if (!used[a])
                add(Grade::Extra, writeAbnormality(answer[a]), Text::tr("not in the truth"));
        }
    }
};

} // namespace

Comparison compareKaryotypes(const Karyotype &answerAsWritten, const Karyotype &truthAsWritten, int level)
{
    Comparison result;
    for (const Fault &fault : checkKaryotype(answerAsWritten)) {
        if (fault.formOnly())
            result.formFaults.append(fault);
    }
    const Karyotype answer = normalized(answerAsWritten);
    const Karyotype truth = normalized(truthAsWritten);
    const bool cells = answer.lines.size() > 1 || truth.lines.size() > 1;
    const qsizetype lines = std::max(answer.lines.size(), truth.lines.size());
    for (int n = 0; n < lines; ++n) {
        LineComparer comparer(result.elements, n, level);
        if (n >= truth.lines.size())
            comparer.onlyAnswer(answer.lines[n]);
        else if (n >= answer.lines.size())
            comparer.onlyTruth(truth.lines[n]);
        else
            comparer.compare(answer.lines[n], truth.lines[n], cells);
    }
    result.verdict = Verdict::Right;
    for (const GradedElement &element : result.elements) {
        if (element.grade == Grade::Near && result.verdict == Verdict::Right)
            result.verdict = Verdict::Near;
        else if (element.grade != Grade::Right && element.grade != Grade::Near)
            result.verdict = Verdict::Wrong;
    }
    return result;
}

QString gradeWord(Grade grade)
{
    switch (grade) {
    case Grade::Right: return QStringLiteral("right");
    case Grade::Near: return QStringLiteral("near");
    case Grade::Wrong: return QStringLiteral("wrong");
    case Grade::Missing: return QStringLiteral("missing");
    case Grade::Extra: return QStringLiteral("extra");
    }
    return {};
}

QString verdictWord(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right: return QStringLiteral("right");
    case Verdict::Near: return QStringLiteral("near");
    case Verdict::Wrong: return QStringLiteral("wrong");
    }
    return {};
}

} // namespace korven::iscn
