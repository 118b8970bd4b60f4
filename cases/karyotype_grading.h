#pragma once
// The written karyotype as case work grades it: its form fault while it is typed, and its
// comparison with the truth element by element.
#include <QString>
#include <vector>

namespace korven {

struct KaryotypeElement {
    QString element;  // as written in the truth (or the answer, for an extra element)
    QString verdict;  // "right", "near", "wrong", "missing" or "extra"
    QString reason;   // why, for a trainee; empty when right
};

struct KaryotypeGrade {
    QString verdict;  // "right", "near" or "wrong"
    QString formFault;
    std::vector<KaryotypeElement> elements;
};

// The longest karyotype graded, answer or truth: a mosaic of many lines with every change written
// out stays far below it; the comparison's work grows faster than the length, so a longer one is
// refused with a message rather than read.
inline constexpr int MaxGradedKaryotypeChars = 4000;
// Why `text` is too long to be graded; empty when it is not.
QString karyotypeLengthFault(const QString &text);

// The first form fault of a karyotype as typed, for the line under the field; empty when there is
// none (an empty field has none either).
QString karyotypeFormFault(const QString &text);

// The answer compared with the truth at the case's band level. A truth that cannot be read or an
// answer over MaxGradedKaryotypeChars is graded wrong with its fault as the form fault.
KaryotypeGrade gradeKaryotype(const QString &given, const QString &truth, int level);

// The kind of abnormality of a true karyotype, for the share right by kind: "mosaic",
// "sex chromosomes", "numerical", "structural" or "normal".
QString abnormalityKind(const QString &truth);

} // namespace korven
