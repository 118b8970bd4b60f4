#pragma once
// The written karyotype as case work grades it: its form fault while it is typed, and its
// comparison with the truth element by element, as the karyotype library grades it.
#include "iscn/karyotype.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace korven {

struct KaryotypeElement {
    QString element;  // as written in the answer (the truth, for a missing element)
    iscn::Grade grade = iscn::Grade::Right;
    QString reason;   // why, for a trainee; empty when right
};

struct KaryotypeGrade {
    iscn::Verdict verdict = iscn::Verdict::Wrong;
    QStringList formFaults; // the answer's faults of form, or why it could not be read
    QStringList notes;      // how it was typed (full-width characters, blanks); never lowers the verdict
    bool truthUnreadable = false; // the case's own karyotype cannot be read: nothing was graded
    std::vector<KaryotypeElement> elements;

    QString formFault() const { return formFaults.join(QLatin1Char(' ')); }
};

// The longest karyotype graded, answer or truth: a mosaic of many lines with every change written
// out stays far below it; the comparison's work grows faster than the length, so a longer one is
// refused with a message rather than read.
inline constexpr int MaxGradedKaryotypeChars = 4000;
// Why `text` is too long to be graded; empty when it is not.
QString karyotypeLengthFault(const QString &text);

// The first form fault of a karyotype as typed, for the line under the field, with how it was
// typed after it; empty when there is nothing to say (an empty field has nothing either).
QString karyotypeFormFault(const QString &text);

// The answer compared with the truth at the case's band level. A truth that cannot be read or an
// answer over MaxGradedKaryotypeChars is graded wrong with its fault as the form fault.
KaryotypeGrade gradeKaryotype(const QString &given, const QString &truth, int level);

// The kind of abnormality of a true karyotype, for the share right by kind: "mosaic",
// "sex chromosomes", "numerical", "structural" or "normal".
QString abnormalityKind(const QString &truth);

} // namespace korven
