#include "cases/case_grading.h"

#include "exercise/grading.h"

#include <QRegularExpression>

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
    for (int home : homeGroups(identity))
        if (home == group)
            return orientationAccepted(step, steps) ? PieceGrade::Right : PieceGrade::Turned;
    return PieceGrade::WrongGroup;
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

} // namespace korven
