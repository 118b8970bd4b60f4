// Comparing an answer with the truth as an examiner grades it: each element found the same,
// more or less precise, off by a band, or otherwise different, and one table turning each finding
// into a grade.
#include "iscn/band_table.h"
#include "iscn/iscn_text.h"
#include "iscn/karyotype.h"
#include "iscn/karyotype_order.h"

#include <algorithm>

namespace korven::iscn {

namespace {

// The examiner's table. Sources: ISCN 2020 ch. 4 (a band may be written more precisely by its
// sub-band: 11q23.3 lies in 11q23); the rest is the marking of cytogenetics examinations and EQA
// schemes, where content rules and a fault of writing costs only the full mark.
struct Rule {
    Finding finding;
    Grade grade;
};
constexpr Rule Rules[] = {
    {Finding::Same, Grade::Right},
    {Finding::SubBand, Grade::Right},
    {Finding::ParentBand, Grade::Near},
    {Finding::SameLevelBand, Grade::Near},    // the case's level cannot tell the two apart
    {Finding::NeighbourBand, Grade::Near},
    {Finding::TwoNeighbours, Grade::Wrong},
    {Finding::DistantBand, Grade::Wrong},
    {Finding::OtherArm, Grade::Wrong},
    {Finding::OtherContent, Grade::Wrong},
    {Finding::NotInAnswer, Grade::Missing},
    {Finding::NotInTruth, Grade::Extra},
    {Finding::CellCountMissing, Grade::Near}, // ISCN 2020 ch. 11: mosaics, chimeras and clones give counts
    {Finding::CellCountDiffers, Grade::Wrong},
    {Finding::OtherOrigin, Grade::Wrong},
    {Finding::OriginMissing, Grade::Near},
};

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

    QString text() const { return chromosome + breakpoint.text(); } // "22q11.2"
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

// Everything but the bands: kind, gain or loss, chromosomes, the number of breakpoints, the
// variant and the marker's number.
bool sameShape(const Abnormality &a, const Abnormality &b)
{
    const auto shape = [](const Rearrangement &r) {
        return std::tuple(r.kind, r.chromosomes, r.breakpoints.size(), r.kind == Kind::Heteromorphism ? r.variant.text() : QString());
    };
    if (a.change != b.change || a.marker != b.marker || shape(a) != shape(b) || a.derivation.size() != b.derivation.size())
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

struct BandFinding {
    Finding finding = Finding::Same;
    QString reason;
    int distance = 0; // for choosing the closest of several candidates
};

BandFinding findBreakpoint(const Placed &answer, const Placed &truth, int level)
{
    const Breakpoint &a = answer.breakpoint;
    const Breakpoint &t = truth.breakpoint;
    if (a == t)
        return {};
    const QString written = answer.text();
    const QString trueText = truth.text();
    if (a.arm != t.arm)
        return {Finding::OtherArm, Text::tr("%1 is on the other arm from %2").arg(written, trueText), 1000};
    if (BandTable::within(a.band, t.band))
        return {Finding::SubBand, QString(), 0};
    if (BandTable::within(t.band, a.band))
        return {Finding::ParentBand, Text::tr("%1 is the band that holds %2").arg(written, trueText), 1};
    const BandTable &table = BandTable::builtIn();
    const int chromosome = chromosomeIndex(truth.chromosome);
    const auto spanA = table.span(chromosome, a.arm, a.band, level);
    const auto spanT = table.span(chromosome, t.arm, t.band, level);
    if (!spanA || !spanT)
        return {Finding::DistantBand, Text::tr("%1 is not a band of %2%3").arg(written, truth.chromosome, a.arm), 999};
    const int gap = spanA->last < spanT->first ? spanT->first - spanA->last
                    : spanT->last < spanA->first ? spanA->first - spanT->last
                                                 : 0;
    if (gap == 0)
        return {Finding::SameLevelBand,
                Text::tr("%1 lies in the same band as %2 at %3 bands").arg(written, trueText).arg(level), 1};
    const auto precision = [](const QString &band) { return band.size() - band.count(QLatin1Char('.')); };
    if (gap == 1 && spanA->first != spanA->last && precision(a.band) < precision(t.band)) {
        // 22q12 beside 22q11.2 at 550 bands: coarser than the truth, it holds the neighbour
        // 22q12.1 and the bands beyond. (9q34 beside 9q33 is the neighbour at their precision.)
        const ArmBands bands = table.bands(chromosome, a.arm, level);
        const int next = spanA->last < spanT->first ? spanA->last : spanA->first;
        return {Finding::DistantBand,
                Text::tr("%1 holds %2, the neighbour of %3 at %4 bands, and more bands beyond it")
                    .arg(written, truth.chromosome + a.arm + bands.value(next), trueText)
                    .arg(level),
                2};
    }
    return {gap == 1 ? Finding::NeighbourBand : Finding::DistantBand,
            Text::tr("%1 is %2 from %3").arg(written, bandsApart(gap), trueText), gap};
}

// Two abnormalities of the same shape, band by band: the worst finding, every reason.
BandFinding findBands(const Abnormality &answer, const Abnormality &truth, int level)
{
    const QList<Placed> a = placedBreakpoints(answer);
    const QList<Placed> t = placedBreakpoints(truth);
    BandFinding total;
    QStringList reasons;
    int neighbours = 0;
    for (int k = 0; k < a.size() && k < t.size(); ++k) {
        const BandFinding one = findBreakpoint(a[k], t[k], level);
        total.finding = std::max(total.finding, one.finding);
        total.distance += one.distance;
        neighbours += one.finding == Finding::NeighbourBand || one.finding == Finding::SameLevelBand ? 1 : 0;
        if (!one.reason.isEmpty())
            reasons << one.reason;
    }
    if (neighbours >= 2 && total.finding <= Finding::TwoNeighbours) {
        total.finding = Finding::TwoNeighbours;
        reasons << Text::tr("more than one breakpoint is off");
    }
    total.reason = reasons.join(QStringLiteral("; "));
    return total;
}

// A line's content as the examiner reads it: gained sex chromosomes in the complement, losses
// written beside a gained structural chromosome folded into it; and what was written otherwise.
struct Content {
    CellLine line;
    QList<Fault> folded; // how the writing departs from the plain one
};

Content contentOf(const CellLine &written)
{
    Content content{written, {}};
    CellLine &line = content.line;
    // -13,-14,+der(13;14)(q10;q10) is der(13;14)(q10;q10) in place of a 13 and a 14.
    for (bool folded = true; folded;) {
        folded = false;
        for (int g = 0; g < line.abnormalities.size() && !folded; ++g) {
            const Abnormality &gained = line.abnormalities[g];
            if (gained.change != 1 || gained.kind == Kind::Numerical || gained.kind == Kind::Marker)
                continue;
            QList<int> losses;
            for (const QString &name : gained.chromosomes) {
                if (isSexChromosome(name))
                    continue;
                int found = -1;
                for (int k = 0; k < line.abnormalities.size() && found < 0; ++k) {
                    const Abnormality &a = line.abnormalities[k];
                    if (a.kind == Kind::Numerical && a.change == -1 && a.chromosomes.value(0) == name && !losses.contains(k))
                        found = k;
                }
                if (found < 0) {
                    losses.clear();
                    break;
                }
                losses.append(found);
            }
            if (losses.isEmpty())
                continue;
            QStringList lossTexts;
            for (int index : losses)
                lossTexts << writeAbnormality(line.abnormalities[index]);
            Abnormality inPlace = gained;
            inPlace.change = 0;
            content.folded.append({Fault::Type::OldWriting, gained.position,
                                   Text::tr("%1 beside %2 (%3): ISCN writes the structural chromosome in place of the "
                                            "ones it replaces, %4, without the losses.")
                                       .arg(lossTexts.join(QLatin1Char(',')), writeAbnormality(gained),
                                            characterAt(gained.position), writeAbnormality(inPlace))});
            line.abnormalities[g] = inPlace;
            std::sort(losses.begin(), losses.end(), std::greater<int>());
            for (int index : losses)
                line.abnormalities.removeAt(index);
            folded = true;
        }
    }
    // +X and +Y join the sex complement.
    for (int k = int(line.abnormalities.size()) - 1; k >= 0; --k) {
        const Abnormality &a = line.abnormalities[k];
        if (a.kind == Kind::Numerical && a.change == 1 && isSexChromosome(a.chromosomes.value(0))) {
            line.sex += a.chromosomes.value(0);
            line.abnormalities.removeAt(k);
        }
    }
    std::sort(line.sex.begin(), line.sex.end());
    return content;
}

// Whether a line writes a gained sex chromosome with '+'.
bool writesSexGain(const CellLine &line)
{
    return std::any_of(line.abnormalities.begin(), line.abnormalities.end(), [](const Abnormality &a) {
        return a.kind == Kind::Numerical && a.change == 1 && isSexChromosome(a.chromosomes.value(0));
    });
}

class LineComparer {
public:
    LineComparer(QList<GradedElement> &out, int line, int level) : out_(out), line_(line), level_(level) {}

    void add(Finding finding, const QString &element, const QString &reason = QString())
    {
        out_.append({gradeOf(finding), finding, element, reason, line_});
    }

    void onlyAnswer(const CellLine &line) { all(line, Finding::NotInTruth, Text::tr("not in the truth")); }
    void onlyTruth(const CellLine &line) { all(line, Finding::NotInAnswer, Text::tr("not in the answer")); }

    void compare(const CellLine &answer, const CellLine &truth)
    {
        simple(QString::number(answer.count), QString::number(truth.count));
        simple(answer.sex, truth.sex);
        abnormalities(answer.abnormalities, truth.abnormalities);
        if (answer.cells >= 0 && truth.cells >= 0) {
            if (answer.cells == truth.cells)
                add(Finding::Same, cellText(answer));
            else
                add(Finding::CellCountDiffers, cellText(answer),
                    Text::tr("%1 cells where the truth has %2").arg(answer.cells).arg(truth.cells));
        } else if (truth.cells >= 0) {
            add(Finding::CellCountMissing, cellText(truth),
                Text::tr("the number of cells is not given; ISCN gives it in brackets after the line"));
        }
    }

private:
    QList<GradedElement> &out_;
    int line_;
    int level_;

    static QString cellText(const CellLine &line) { return QStringLiteral("[%1]").arg(line.cells); }

    void all(const CellLine &line, Finding finding, const QString &reason)
    {
        add(finding, QString::number(line.count), reason);
        add(finding, line.sex, reason);
        for (const Abnormality &a : line.abnormalities)
            add(finding, writeAbnormality(a), reason);
        if (line.cells >= 0)
            add(finding, cellText(line), reason);
    }

    void simple(const QString &answer, const QString &truth)
    {
        if (answer == truth)
            add(Finding::Same, answer);
        else
            add(Finding::OtherContent, answer, Text::tr("%1 where the truth has %2").arg(answer, truth));
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
            return sameShape(a, t) ? findBands(a, t, level_).distance : -1;
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
                add(Finding::NotInAnswer, trueText, Text::tr("not in the answer"));
                continue;
            }
            const Abnormality &a = answer[pairOf[t]];
            const QString text = writeAbnormality(a);
            if (a == truth[t]) {
                add(Finding::Same, text);
            } else if (sameShape(a, truth[t])) {
                const BandFinding bands = findBands(a, truth[t], level_);
                add(bands.finding, text, gradeOf(bands.finding) == Grade::Right ? QString() : bands.reason);
            } else {
                add(Finding::OtherContent, text, Text::tr("the truth has %1").arg(trueText));
            }
        }
        for (int a = 0; a < answer.size(); ++a) {
            if (!used[a])
                add(Finding::NotInTruth, writeAbnormality(answer[a]), Text::tr("not in the truth"));
        }
    }
};

// How far apart two lines are: the elements of the answer's line that are not right.
int lineDistance(const CellLine &answer, const CellLine &truth, int level)
{
    QList<GradedElement> elements;
    CellLine a = answer, t = truth;
    a.cells = t.cells = -1;
    LineComparer(elements, 0, level).compare(a, t);
    int distance = 0;
    for (const GradedElement &e : elements)
        distance += e.grade == Grade::Right ? 0 : e.grade == Grade::Near ? 1 : 3;
    return distance;
}

// Lines compared with content matching: beyond this many, by position (no real karyotype has
// so many lines, and pairing by content is quadratic).
constexpr int MostLinesPaired = 16;

} // namespace

Grade gradeOf(Finding finding)
{
    for (const Rule &rule : Rules) {
        if (rule.finding == finding)
            return rule.grade;
    }
    return Grade::Wrong;
}

Comparison compareKaryotypes(const Karyotype &answerAsWritten, const Karyotype &truthAsWritten, int level)
{
    Comparison result;
    for (const Fault &fault : checkKaryotype(answerAsWritten)) {
        if (fault.formOnly())
            result.formFaults.append(fault);
    }
    const Karyotype answer = normalized(answerAsWritten);
    const Karyotype truth = normalized(truthAsWritten);

    QList<Content> answers, truths;
    for (const CellLine &line : answer.lines)
        answers.append(contentOf(line));
    for (const CellLine &line : truth.lines)
        truths.append(contentOf(line));
    for (int n = 0; n < answers.size(); ++n) {
        result.formFaults += answers[n].folded;
        const bool truthWritesGain = std::any_of(truth.lines.begin(), truth.lines.end(), writesSexGain);
        if (writesSexGain(answer.lines[n]) && !truthWritesGain)
            result.formFaults.append({Fault::Type::OldWriting, answer.lines[n].position,
                                      Text::tr("An extra sex chromosome of a constitutional karyotype is written in "
                                               "the sex complement, as in 47,XXY, not as +X or +Y (%1).")
                                          .arg(characterAt(answer.lines[n].position))});
        else if (!writesSexGain(answer.lines[n]) && truthWritesGain && answer.lines[n].sex.size() > 2)
            result.formFaults.append({Fault::Type::OldWriting, answer.lines[n].position,
                                      Text::tr("A sex chromosome gained by a neoplasm is written +X or +Y after the sex "
                                               "complement (%1).")
                                          .arg(characterAt(answer.lines[n].position))});
    }

    // Pair the lines: the same content first, then the nearest.
    const qsizetype lineCount = std::max(answers.size(), truths.size());
    QList<int> answerOf(truths.size(), -1);
    QList<bool> used(answers.size(), false);
    if (lineCount > MostLinesPaired) {
        for (int t = 0; t < truths.size() && t < answers.size(); ++t)
            answerOf[t] = t, used[t] = true;
    } else {
        QList<QList<int>> distance(truths.size(), QList<int>(answers.size()));
        for (int t = 0; t < truths.size(); ++t)
            for (int a = 0; a < answers.size(); ++a)
                distance[t][a] = lineDistance(answers[a].line, truths[t].line, level);
        for (qsizetype round = 0; round < std::min(truths.size(), answers.size()); ++round) {
            int bestT = -1, bestA = -1;
            for (int t = 0; t < truths.size(); ++t) {
                if (answerOf[t] >= 0)
                    continue;
                for (int a = 0; a < answers.size(); ++a) {
                    if (!used[a] && (bestT < 0 || distance[t][a] < distance[bestT][bestA]))
                        bestT = t, bestA = a;
                }
            }
            // A line sharing nothing with the truth's is no pair; it is extra, the truth's missing.
            const int nothingShared = 3 * (2 + int(truths[bestT].line.abnormalities.size())
                                           + int(answers[bestA].line.abnormalities.size()));
            if (truths.size() > 1 && answers.size() > 1 && distance[bestT][bestA] >= nothingShared)
                break;
            answerOf[bestT] = bestA;
            used[bestA] = true;
        }
    }
    int previous = -1;
    bool inOrder = true;
    for (int t = 0; t < truths.size(); ++t) {
        LineComparer comparer(result.elements, t, level);
        if (answerOf[t] < 0) {
            comparer.onlyTruth(truths[t].line);
            continue;
        }
        inOrder = inOrder && answerOf[t] > previous;
        previous = answerOf[t];
        comparer.compare(answers[answerOf[t]].line, truths[t].line);
    }
    int extra = int(truths.size());
    for (int a = 0; a < answers.size(); ++a) {
        if (!used[a])
            LineComparer(result.elements, extra++, level).onlyAnswer(answers[a].line);
    }
    if (!inOrder)
        result.formFaults.append({Fault::Type::Order, -1,
                                  Text::tr("The cell lines are listed in another order than the truth's: %1.")
                                      .arg(normalForm(truthAsWritten))});

    if (answer.origin != truth.origin && truth.origin != Origin::Unstated) {
        const QString word = truth.origin == Origin::Mosaic ? QStringLiteral("mos") : QStringLiteral("chi");
        if (answer.origin == Origin::Unstated)
            result.elements.append({gradeOf(Finding::OriginMissing), Finding::OriginMissing, word,
                                    Text::tr("the truth names the lines' origin, %1").arg(word), 0});
        else
            result.elements.append({gradeOf(Finding::OtherOrigin), Finding::OtherOrigin,
                                    answer.origin == Origin::Mosaic ? QStringLiteral("mos") : QStringLiteral("chi"),
                                    Text::tr("the truth has %1").arg(word), 0});
    }

    result.verdict = result.formFaults.isEmpty() ? Verdict::Right : Verdict::Near;
    for (const GradedElement &element : result.elements) {
        if (element.grade == Grade::Near && result.verdict == Verdict::Right)
            result.verdict = Verdict::Near;
        else if (element.grade != Grade::Right && element.grade != Grade::Near)
            result.verdict = Verdict::Wrong;
    }
    return result;
}

Grading gradeAnswer(const QString &answerText, const QString &truthText, int level)
{
    Grading grading;
    const std::optional<Karyotype> truth = parseKaryotype(truthText, &grading.fault);
    if (!truth) {
        grading.truthUnreadable = true;
        grading.fault.message = Text::tr("The case's own karyotype cannot be read: %1").arg(grading.fault.message);
        return grading;
    }
    QList<TypingNote> notes;
    const std::optional<Karyotype> answer = parseKaryotype(answerText, &grading.fault, &notes);
    if (!answer)
        return grading;
    grading.comparison = compareKaryotypes(*answer, *truth, level);
    grading.comparison->notes = notes;
    return grading;
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
