#include "cases/case_grading.h"

#include "exercise/grading.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>

namespace korven {

int groupOfChromosome(const QString &chromosome)
{
    return iscn::chromosomeIndex(chromosome.trimmed());
}

QString groupCaption(int group)
{
    return iscn::chromosomeName(group);
}

std::vector<std::vector<int>> karyogramRows()
{
    return iscn::karyogramRows();
}

std::vector<int> homeGroups(const QString &identity)
{
    const QString id = identity.trimmed();
    if (id == u"mar" || id.startsWith(u"mar") )
        return {GroupMarker};
    if (const int g = groupOfChromosome(id); g >= 0)
        return {g};
    // A heteromorphism, 9qh+ or 21pstk+: the chromosome before its arm.
    static const QRegularExpression variant(QStringLiteral("^([0-9]{1,2}|X|Y)[pq](h|s|stk)[+-]$"));
    if (const QRegularExpressionMatch v = variant.match(id); v.hasMatch())
        return {groupOfChromosome(v.captured(1))};
    // KIND(A) or KIND(A;B): the first parentheses name the chromosome(s).
    static const QRegularExpression head(QStringLiteral("^[a-z]+\\(([^)]*)\\)"));
    const QRegularExpressionMatch m = head.match(id);
    if (!m.hasMatch())
        return {};
    const QString kind = id.left(id.indexOf(u'('));
    const QStringList named = m.captured(1).split(u';');
    std::vector<int> groups;
    // A two-chromosome derivative in one pair of parentheses (Robertsonian, dicentric) belongs
    // with either chromosome; every other change with its first (centromeric) chromosome.
    const bool either = named.size() == 2 && (kind == u"der" || kind == u"rob" || kind == u"dic");
    for (int i = 0; i < (either ? 2 : 1) && i < named.size(); ++i)
        if (const int g = groupOfChromosome(named[i]); g >= 0)
            groups.push_back(g);
    return groups;
}

bool isRearranged(const QString &identity) { return groupOfChromosome(identity) < 0; }

PieceGrade gradePiece(const QString &identity, int group, int step, int steps)
{
    if (group == InSpread)
        return PieceGrade::NotPlaced;
    // A ring has no top and no bottom: any turn is right.
    const bool ring = identity.trimmed().startsWith(u"r(");
    for (int home : homeGroups(identity))
        if (home == group)
            return ring || orientationAccepted(step, steps) ? PieceGrade::Right : PieceGrade::Turned;
    return PieceGrade::WrongGroup;
}

int settledTurn(int step, int steps)
{
    if (steps <= 0)
        return step;
    const int eighth = steps / 8; // 45 degrees
    const int s = ((step % steps) + steps) % steps;
    return s <= eighth || s >= steps - eighth ? 0 : s;
}

int turnedOver(int step, int steps)
{
    return steps <= 0 ? step : (((step + steps / 2) % steps) + steps) % steps;
}

QColor pieceGradeColour(PieceGrade grade)
{
    switch (grade) {
    case PieceGrade::Right:
        return QColor(SlotColourRight);
    case PieceGrade::Turned:
        return QColor(SlotColourTurned);
    default:
        return QColor(SlotColourWrong);
    }
}

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CaseKind)
};

// Rearrangements acquired in leukaemias and lymphomas that a constitutional karyotype does not
// carry, as kind and chromosomes; and the chromosomes whose loss, whole or of the long arm, marks a
// myeloid neoplasm.
struct Recurrent {
    iscn::Kind kind;
    QStringList chromosomes;
};
const std::vector<Recurrent> &neoplasticRearrangements()
{
    static const std::vector<Recurrent> list = {
        {iscn::Kind::Translocation, {"9", "22"}},  {iscn::Kind::Translocation, {"8", "21"}},
        {iscn::Kind::Translocation, {"15", "17"}}, {iscn::Kind::Translocation, {"8", "14"}},
        {iscn::Kind::Translocation, {"11", "14"}}, {iscn::Kind::Translocation, {"14", "18"}},
        {iscn::Kind::Translocation, {"12", "21"}}, {iscn::Kind::Translocation, {"4", "11"}},
        {iscn::Kind::Translocation, {"1", "19"}},  {iscn::Kind::Translocation, {"6", "9"}},
        {iscn::Kind::Translocation, {"3", "3"}},   {iscn::Kind::Inversion, {"16"}},
        {iscn::Kind::Inversion, {"3"}},
    };
    return list;
}

bool isNeoplastic(const iscn::Abnormality &a)
{
    auto made = [](const iscn::Rearrangement &r) {
        for (const Recurrent &n : neoplasticRearrangements())
            if (n.kind == r.kind && n.chromosomes == r.chromosomes)
                return true;
        // An interstitial or terminal loss of 5q, 7q or 20q.
        return r.kind == iscn::Kind::Deletion && r.chromosomes.size() == 1
               && QStringList{"5", "7", "20"}.contains(r.chromosomes[0]) && !r.breakpoints.isEmpty()
               && r.breakpoints[0].arm == u'q';
    };
    if (made(a))
        return true;
    for (const iscn::Rearrangement &r : a.derivation)
        if (made(r))
            return true;
    // A lost autosome: a constitutional monosomy is not viable.
    return a.kind == iscn::Kind::Numerical && a.change < 0 && !a.chromosomes.isEmpty()
           && !iscn::isSexChromosome(a.chromosomes[0]);
}

// The heteromorphisms reported but without effect: the pericentric inversion of 9's
// heterochromatin.
bool isVariant(const iscn::Abnormality &a)
{
    return a.kind == iscn::Kind::Inversion && a.chromosomes == QStringList{"9"} && a.breakpoints.size() == 2
           && a.breakpoints[0].arm == u'p' && a.breakpoints[1].arm == u'q'
           && a.breakpoints[0].band.startsWith(u'1') && a.breakpoints[1].band.startsWith(u'1');
}

// Balanced: the whole genome is there, only rearranged.
bool isBalanced(const iscn::Abnormality &a)
{
    if (a.change != 0)
        return false;
    if (a.kind == iscn::Kind::Translocation || a.kind == iscn::Kind::Inversion)
        return true;
    // A Robertsonian der(A;B) in place of its two chromosomes loses only the short arms.
    return a.kind == iscn::Kind::Derivative && a.chromosomes.size() == 2;
}

} // namespace

CaseKind caseKind(const QString &truth)
{
    const std::optional<iscn::Karyotype> k = iscn::parseKaryotype(truth);
    if (!k || k->lines.isEmpty())
        return CaseKind::Unknown;
    bool neoplastic = false;
    for (const iscn::CellLine &line : k->lines)
        for (const iscn::Abnormality &a : line.abnormalities)
            neoplastic = neoplastic || isNeoplastic(a);
    if (neoplastic)
        return CaseKind::Neoplastic;
    if (k->lines.size() > 1)
        return CaseKind::Mosaic;
    const iscn::CellLine &line = k->lines.front();
    const bool sexNormal = line.sex == u"XX" || line.sex == u"XY";
    if (line.abnormalities.isEmpty())
        return sexNormal ? CaseKind::Normal : CaseKind::Numerical;
    bool numerical = !sexNormal, balanced = false, unbalanced = false, variant = true;
    for (const iscn::Abnormality &a : line.abnormalities) {
        variant = variant && isVariant(a);
        if (a.kind == iscn::Kind::Numerical)
            numerical = true;
        else if (isBalanced(a))
            balanced = true;
        else
            unbalanced = true;
    }
    if (variant && sexNormal)
        return CaseKind::Variant;
    if (unbalanced || (balanced && numerical))
        return CaseKind::Unbalanced; // a Robertsonian with a third 21 is unbalanced
    return balanced ? CaseKind::Balanced : CaseKind::Numerical;
}

namespace {

const std::array<std::pair<CaseKind, const char *>, 7> KindWords = {{
    {CaseKind::Normal, "normal"},
    {CaseKind::Numerical, "numerical"},
    {CaseKind::Balanced, "structural balanced"},
    {CaseKind::Unbalanced, "structural unbalanced"},
    {CaseKind::Mosaic, "mosaic"},
    {CaseKind::Neoplastic, "neoplastic"},
    {CaseKind::Variant, "variant"},
}};

} // namespace

QString caseKindWord(CaseKind kind)
{
    for (const auto &[k, word] : KindWords)
        if (k == kind)
            return QLatin1String(word);
    return {};
}

QString caseKindText(CaseKind kind)
{
    switch (kind) {
    case CaseKind::Normal:
        return Text::tr("normal");
    case CaseKind::Numerical:
        return Text::tr("numerical");
    case CaseKind::Balanced:
        return Text::tr("structural balanced");
    case CaseKind::Unbalanced:
        return Text::tr("structural unbalanced");
    case CaseKind::Mosaic:
        return Text::tr("mosaic");
    case CaseKind::Neoplastic:
        return Text::tr("neoplastic");
    case CaseKind::Variant:
        return Text::tr("variant");
    case CaseKind::Unknown:
        break;
    }
    return Text::tr("unknown");
}

CaseKind caseKindFromWord(const QString &word)
{
    for (const auto &[k, w] : KindWords)
        if (word == QLatin1String(w))
            return k;
    return CaseKind::Unknown;
}

iscn::Verdict worstOf(bool countsRight, bool piecesRight, iscn::Verdict karyotype)
{
    if (!countsRight || !piecesRight)
        return iscn::Verdict::Wrong;
    return karyotype;
}

std::optional<iscn::Verdict> verdictFromWord(const QString &word)
{
    for (iscn::Verdict v : {iscn::Verdict::Right, iscn::Verdict::Near, iscn::Verdict::Wrong})
        if (word == iscn::verdictWord(v))
            return v;
    return std::nullopt;
}

} // namespace korven
