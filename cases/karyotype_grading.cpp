#include "cases/karyotype_grading.h"

#include "iscn/karyotype.h"

#include <QCoreApplication>

namespace korven {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(KaryotypeGrading)
};

} // namespace

QString karyotypeFormFault(const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return {};
    const iscn::Reading reading = iscn::readKaryotype(typed);
    return reading.faults.isEmpty() ? QString() : reading.faults.front().message;
}

KaryotypeGrade gradeKaryotype(const QString &given, const QString &truth, int level)
{
    KaryotypeGrade grade;
    const std::optional<iscn::Karyotype> true_ = iscn::parseKaryotype(truth);
    iscn::Fault fault;
    const std::optional<iscn::Karyotype> answer = iscn::parseKaryotype(given.trimmed(), &fault);
    grade.verdict = QStringLiteral("wrong");
    if (!true_) {
        grade.formFault = Text::tr("The case's own karyotype cannot be read: %1").arg(truth);
        return grade;
    }
    if (!answer) {
        // Nothing can be compared element by element when the answer cannot be read.
        grade.formFault = given.trimmed().isEmpty() ? Text::tr("No karyotype was written.") : fault.message;
        grade.elements.push_back({given.trimmed(), QStringLiteral("wrong"), grade.formFault});
        return grade;
    }
    const iscn::Comparison c = iscn::compareKaryotypes(*answer, *true_, level);
    for (const iscn::Fault &f : c.formFaults)
        grade.formFault += (grade.formFault.isEmpty() ? QString() : QStringLiteral(" ")) + f.message;
    for (const iscn::GradedElement &e : c.elements)
        grade.elements.push_back({e.element, iscn::gradeWord(e.grade), e.reason});
    grade.verdict = iscn::verdictWord(c.verdict);
    return grade;
}

QString abnormalityKind(const QString &truth)
{
    const std::optional<iscn::Karyotype> k = iscn::parseKaryotype(truth);
    if (!k || k->lines.isEmpty())
        return {};
    if (k->lines.size() > 1)
        return QStringLiteral("mosaic");
    const iscn::CellLine &line = k->lines.front();
    bool sex = line.sex != u"XX" && line.sex != u"XY";
    bool numerical = false;
    bool structural = false;
    for (const iscn::Abnormality &a : line.abnormalities) {
        for (const QString &c : a.chromosomes)
            sex = sex || iscn::isSexChromosome(c);
        if (a.kind == iscn::Kind::Numerical || a.kind == iscn::Kind::Marker)
            numerical = true;
        else
            structural = true;
    }
    if (sex)
        return QStringLiteral("sex chromosomes");
    if (structural)
        return QStringLiteral("structural");
    return numerical ? QStringLiteral("numerical") : QStringLiteral("normal");
}

} // namespace korven
