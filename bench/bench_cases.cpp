// Painting the bundled cases: every catalogue karyotype spliced, painted, laid out as a spread and
// written as a case folder.
#include "bench/bench.h"

#include "tools/case_catalogue.h"
#include "tools/case_maker.h"
#include "tools/cell_chromosomes.h"
#include "tools/problem_maker.h"

#include <QTemporaryDir>

namespace {

using namespace korvenbench;

void casesSection()
{
    QTemporaryDir temporary;
    if (!temporary.isValid())
        return;
    const std::vector<korven::Ideogram> ideograms = korven::loadCaseIdeograms(QStringLiteral(KORVEN_BENCH_DATA_DIR));
    measure(QStringLiteral("make-cases (all bundled cases)"), 2, [&] {
        korven::makeCaseCatalogue(temporary.path(), 1, ideograms, korven::readKaryotypeLines);
    });
    // The largest cell a case has: a tetraploid one, 92 chromosomes spliced, painted and laid out.
    const std::vector<korven::CellChromosome> tetraploid = korven::cellChromosomes(korven::readKaryotypeLines(QStringLiteral("92,XXYY")).front());
    const korven::Ideogram &table = korven::ideogramAt(ideograms, 400);
    measure(QStringLiteral("paint one cell of 92 chromosomes"), 5, [&] {
        korven::paintCell(tetraploid, table, ideograms.back(), 1, 0);
    });
}

const bool casesRegistered = registerSection(QStringLiteral("cases"), 45, casesSection);

} // namespace
