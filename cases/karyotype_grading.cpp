#include "cases/karyotype_grading.h"

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
    QStringList said;
    if (!reading.faults.isEmpty())
        said << reading.faults.front().message;
    for (const iscn::TypingNote &note : reading.notes)
        said << note.message;
    return said.join(QLatin1Char(' '));
}

KaryotypeGrade gradeKaryotype(const QString &given, const QString &truth, int level)
{
    KaryotypeGrade grade;
    const iscn::Grading grading = iscn::gradeAnswer(given, truth, level);
    if (grading.truthUnreadable) {
        grade.truthUnreadable = true;
        grade.formFaults << grading.fault.message;
        return grade;
    }
    if (!grading.comparison) {
        // Nothing can be compared element by element when the answer cannot be read.
        const QString why = given.trimmed().isEmpty() ? Text::tr("No karyotype was written.") : grading.fault.message;
        grade.formFaults << why;
        grade.elements.push_back({given.trimmed(), iscn::Grade::Wrong, why});
        return grade;
    }
    const iscn::Comparison &c = *grading.comparison;
    for (const iscn::Fault &f : c.formFaults)
        grade.formFaults << f.message;
    for (const iscn::TypingNote &n : c.notes)
        grade.notes << n.message;
    for (const iscn::GradedElement &e : c.elements)
        grade.elements.push_back({e.element, e.grade, e.reason});
    grade.verdict = c.verdict;
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
