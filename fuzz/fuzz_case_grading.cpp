// The case grader: an answer and a truth (the input's first line and the rest) are graded without
// a crash and within bounded work; the verdict is one of the three words, every element has a
// grade, and a truth that reads is right against itself.
#include "cases/karyotype_grading.h"

#include <QStringList>

#include <cstdlib>

using namespace korven;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = text.indexOf(u'\n');
    const QString given = cut < 0 ? text : text.left(cut);
    const QString truth = cut < 0 ? QString() : text.mid(cut + 1);
    static const QStringList Verdicts = {"right", "near", "wrong"};
    static const QStringList Grades = {"right", "near", "wrong", "missing", "extra"};
    const KaryotypeGrade grade = gradeKaryotype(given, truth, 550);
    if (!Verdicts.contains(iscn::verdictWord(grade.verdict)))
        std::abort();
    for (const KaryotypeElement &e : grade.elements)
        if (!Grades.contains(iscn::gradeWord(e.grade)))
            std::abort();
    karyotypeFormFault(given);
    const KaryotypeGrade self = gradeKaryotype(truth, truth, 550);
    if (self.formFault().isEmpty() && self.verdict != iscn::Verdict::Right)
        std::abort();
    return 0;
}
