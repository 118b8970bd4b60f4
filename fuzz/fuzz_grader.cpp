// The grader: an answer against a truth, both any text, is graded or refused without a crash and
// in bounded time; a graded answer's verdict agrees with its elements and form faults.
#include "iscn/karyotype.h"

#include <cstdlib>

using namespace korven::iscn;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The answer, a line end, then the truth.
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype cut = text.indexOf(QLatin1Char('\n'));
    const QString answer = cut < 0 ? text : text.left(cut);
    const QString truth = cut < 0 ? text : text.mid(cut + 1);
    for (int level : {400, 550, 850}) {
        const Grading grading = gradeAnswer(answer, truth, level);
        if (!grading.comparison) {
            if (grading.fault.message.isEmpty())
                std::abort();
            continue;
        }
        const Comparison &c = *grading.comparison;
        bool wrong = false, near = !c.formFaults.isEmpty();
        for (const GradedElement &e : c.elements) {
            wrong = wrong || e.grade == Grade::Wrong || e.grade == Grade::Missing || e.grade == Grade::Extra;
            near = near || e.grade == Grade::Near;
            if (e.grade != gradeOf(e.finding) || (e.grade != Grade::Right && e.reason.isEmpty()))
                std::abort();
        }
        const Verdict expected = wrong ? Verdict::Wrong : near ? Verdict::Near : Verdict::Right;
        if (c.verdict != expected)
            std::abort();
    }
    return 0;
}
