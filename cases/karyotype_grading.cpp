#include "cases/karyotype_grading.h"

#include <QCoreApplication>

namespace korven {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(KaryotypeGrading)
};

} // namespace

QString karyotypeLengthFault(const QString &text)
{
    if (text.size() <= MaxGradedKaryotypeChars)
        return {};
    return Text::tr("The karyotype is %1 characters long; at most %2 are graded.").arg(text.size()).arg(MaxGradedKaryotypeChars);
}

QString karyotypeFormFault(const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return {};
    if (const QString fault = karyotypeLengthFault(typed); !fault.isEmpty())
        return fault;
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
    // Neither is read when it is longer than is graded: the reading would take far too long.
    if (const QString fault = karyotypeLengthFault(truth); !fault.isEmpty()) {
        grade.truthUnreadable = true;
        grade.formFaults << Text::tr("The case's own karyotype cannot be read: %1").arg(fault);
        return grade;
    }
    if (const QString fault = karyotypeLengthFault(given.trimmed()); !fault.isEmpty()) {
        grade.formFaults << fault;
        grade.elements.push_back({given.trimmed().left(80) + QStringLiteral("..."), iscn::Grade::Wrong, fault});
        return grade;
    }
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
