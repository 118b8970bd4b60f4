#include "tools/case_catalogue.h"

#include "exercise/errors.h"
#include "tools/case_maker.h"
#include "tools/rng.h"

#include <QCoreApplication>

namespace korven {

namespace {

constexpr std::uint64_t CaseSeedStream = 8000;
constexpr int MosaicCells = 10;

QString caseName(int number)
{
    return QStringLiteral("case-%1").arg(number, 2, 10, QLatin1Char('0'));
}

std::vector<CatalogueCase> buildCatalogue()
{
    struct Entry {
        const char *karyotype;
        int level;
        int cells;
        QStringList notes;
    };
    // Levels: whole-chromosome changes at 400, most structural ones at 550, a subtle one at 850.
    const std::vector<Entry> entries = {
        {"47,XY,+21", 400, 1, {"Trisomy 21 (Down syndrome), male: three chromosomes 21, the smallest autosomes, "
                                "each with a pale short arm and one dark band, 21q21."}},
        {"47,XX,+21", 550, 1, {"Trisomy 21 (Down syndrome), female: count 47 and find the third 21; do not mistake "
                                "it for a 22, whose long arm is paler with a dark band near the middle."}},
        {"47,XX,+18", 400, 1, {"Trisomy 18 (Edwards syndrome), female: three chromosomes 18, small submetacentrics "
                                "with a short p arm and two dark blocks on the long arm."}},
        {"47,XY,+18", 550, 1, {"Trisomy 18 (Edwards syndrome), male."}},
        {"47,XY,+13", 400, 1, {"Trisomy 13 (Patau syndrome), male: three chromosomes 13, the acrocentric whose long "
                                "arm is dark towards its end (q21 and q31), unlike 14 and 15."}},
        {"47,XX,+13", 550, 1, {"Trisomy 13 (Patau syndrome), female."}},
        {"45,X", 400, 1, {"Monosomy X (Turner syndrome): 45 chromosomes, a single X and no Y.",
                          "Count several cells before calling a loss: one cell may simply have lost a chromosome."}},
        {"47,XXY", 400, 1, {"Klinefelter syndrome: two X chromosomes and a Y, 47 in all."}},
        {"47,XXX", 400, 1, {"Triple X: three X chromosomes, 47 in all; compare their size and banding with 7."}},
        {"47,XYY", 550, 1, {"47,XYY: two Y chromosomes. The Y's long arm varies in length from man to man; its "
                             "size says nothing about this diagnosis."}},
        {"45,X[3]/46,XX[7]", 400, 0, {"Mosaic Turner syndrome: of ten cells counted, three have a single X (45,X) and "
                                      "seven two (46,XX). Every cell must be counted to find a mosaic."}},
        {"45,XX,der(13;14)(q10;q10)", 400, 1, {"Balanced Robertsonian translocation carrier (13;14), female: 45 "
                                               "chromosomes, the long arms of a 13 and a 14 joined at the centromere; "
                                               "the lost short arms carry only ribosomal genes. Fertility is at risk "
                                               "(trisomy 13 or 14 in offspring)."}},
        {"46,XY,der(14;21)(q10;q10),+21", 550, 1, {"Translocation Down syndrome: 46 chromosomes, but one is a 14;21 "
                                                   "Robertsonian holding a third 21 long arm. Test the parents: "
                                                   "a carrier parent has 45 chromosomes."}},
        {"46,XX,t(11;22)(q23;q11.2)", 550, 1, {"Balanced reciprocal translocation between 11q23 and 22q11.2, the "
                                               "commonest recurrent constitutional one. Look for a 22 with a longer, "
                                               "darker long arm and an 11 whose long arm ends too early."}},
        {"47,XY,+der(22)t(11;22)(q23;q11.2)", 550, 1, {"Emanuel syndrome: a carrier's unbalanced offspring with an extra "
                                                       "der(22), a small chromosome like a 22 carrying the end of 11q. "
                                                       "47 chromosomes; both normal 11 and 22 present."}},
        {"46,XY,inv(9)(p12q13)", 400, 1, {"Pericentric inversion of 9's heterochromatin: a normal variant found in "
                                          "about one in a hundred people. The pale 9qh block lies in the short arm; "
                                          "report it, but it has no clinical effect."}},
        {"46,XX,del(5)(p14)", 550, 1, {"Terminal deletion of 5p from p14 (cri du chat syndrome): one 5 with a short "
                                       "arm about half as long, the dark p14 band cut."}},
        {"46,XY,del(5)(q13q33)", 550, 1, {"Interstitial deletion of 5q between q13 and q33 (as in the 5q- syndrome of "
                                          "myelodysplasia): one 5 with a short long arm that keeps its end (q34, q35)."}},
        {"46,X,i(X)(q10)", 400, 1, {"Isochromosome Xq (a Turner variant): one normal X and one metacentric with two "
                                    "long arms of X, mirror images about the centromere; Xp is lost."}},
        {"46,XY,t(9;22)(q34;q11.2)", 550, 1, {"Philadelphia translocation (chronic myeloid leukaemia): the der(22), "
                                              "the Philadelphia chromosome, is a small 22 whose long arm ends just after "
                                              "q11.2; 9q gains the pale end of 22q."}},
        {"46,XX,t(8;21)(q22;q22)", 550, 1, {"t(8;21)(q22;q22), acute myeloid leukaemia with RUNX1::RUNX1T1: an 8 with a "
                                            "short long arm and a 21 with a long one."}},
        {"46,XY,t(15;17)(q24;q21)", 550, 1, {"t(15;17)(q24;q21), acute promyelocytic leukaemia (PML::RARA): 15 and 17 "
                                             "exchange the ends of their long arms; urgent, as the bleeding risk is high."}},
        {"46,XX,inv(16)(p13.1q22)", 850, 1, {"inv(16)(p13.1q22), acute myeloid leukaemia with CBFB::MYH11: a subtle "
                                             "pericentric inversion; the end of 16p now ends the long arm and the "
                                             "short arm holds dark material of 16q. Best seen at high resolution."}},
        {"46,XY,inv(3)(q21q26.2)", 550, 1, {"inv(3)(q21q26.2), acute myeloid leukaemia with MECOM rearrangement: a "
                                            "paracentric inversion in 3q turning the segment between q21 and q26.2."}},
        {"45,XY,-7", 400, 1, {"Monosomy 7 (myeloid neoplasms): 45 chromosomes with a single 7. Confirm in more than one "
                              "cell, as one cell may have lost a chromosome while spreading."}},
        {"47,XX,+mar", 400, 1, {"A supernumerary marker: a small extra chromosome with a satellite at each end, "
                                "of unknown origin by banding (most such are from 15)."}},
        {"46,XX", 550, 1, {"Normal female karyotype."}},
        {"46,XY", 400, 1, {"Normal male karyotype."}},
    };
    std::vector<CatalogueCase> cases;
    for (const Entry &entry : entries)
        cases.push_back({caseName(int(cases.size()) + 1), QLatin1String(entry.karyotype), entry.level,
                         entry.cells > 0 ? entry.cells : MosaicCells, entry.notes});
    return cases;
}

} // namespace

const std::vector<CatalogueCase> &caseCatalogue()
{
    static const std::vector<CatalogueCase> cases = buildCatalogue();
    return cases;
}

int makeCaseCatalogue(const QString &outDir, std::uint64_t seed, const std::vector<Ideogram> &ideograms,
                      const std::function<KaryotypeLines(const QString &)> &readLines, int threads,
                      const std::function<void(int, int, const QString &)> &progress)
{
    const std::vector<CatalogueCase> &cases = caseCatalogue();
    for (int i = 0; i < int(cases.size()); ++i) {
        const CatalogueCase &entry = cases[i];
        CaseRecipe recipe;
        recipe.karyotype = entry.karyotype;
        recipe.level = entry.level;
        recipe.cells = entry.cells;
        recipe.notes = entry.notes;
        recipe.seed = Rng::from(seed, std::uint64_t(i), CaseSeedStream).next();
        try {
            recipe.lines = readLines(entry.karyotype);
            makeCase(recipe, ideograms, outDir, entry.name, true, threads);
        } catch (const KorvenError &e) {
            throw KorvenError(QStringLiteral("%1 (%2): %3").arg(entry.name, entry.karyotype, e.message()));
        }
        if (progress)
            progress(i + 1, int(cases.size()), entry.name);
    }
    return int(cases.size());
}

} // namespace korven
