// Written karyotypes: reading, checking and writing one karyotype (median over the bundled cases'
// karyotypes), and grading one answer against its truth.
#include "bench/bench.h"

#include "iscn/karyotype.h"
#include "tools/case_catalogue.h"

#include <algorithm>

namespace {

using namespace korvenbench;

void karyotypesSection()
{
    QStringList karyotypes;
    for (const korven::CatalogueCase &entry : korven::caseCatalogue())
        karyotypes << entry.karyotype;
    if (karyotypes.isEmpty())
        return;
    const int rounds = repeats(200);
    // Each karyotype once per round; the figure is one karyotype's median.
    std::vector<double> each;
    for (int round = 0; round < rounds; ++round) {
        for (const QString &text : karyotypes) {
            each.push_back(timeMs([&] {
                const korven::iscn::Reading reading = korven::iscn::readKaryotype(text);
                if (reading.karyotype)
                    (void)korven::iscn::normalForm(*reading.karyotype);
            }));
        }
    }
    printMedian(QStringLiteral("read, check and write one karyotype (median over %1 bundled karyotypes)")
                    .arg(karyotypes.size()),
                median(each));
    // A mosaic answer with its lines swapped and a breakpoint one band off, against its truth.
    measure(QStringLiteral("grade one answer (a two-line mosaic, lines swapped, one band off)"), repeats(500), [] {
        (void)korven::iscn::gradeAnswer(QStringLiteral("46,XY[8]/47,XY,t(9;22)(q34;q11.2),+der(22)t(9;22)(q33;q11.2)[12]"),
                                        QStringLiteral("47,XY,t(9;22)(q34;q11.2),+der(22)t(9;22)(q34;q11.2)[12]/46,XY[8]"),
                                        550);
    });
}

const bool karyotypesRegistered = registerSection(QStringLiteral("karyotypes"), 44, karyotypesSection);

} // namespace
