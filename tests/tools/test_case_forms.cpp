// Each written form as a cell holds it: how many chromosomes, and each abnormal one shorter, longer
// or as long as the normal chromosome whose centromere it keeps; and the changes too small for
// their level to show.
#include "files/errors.h"
#include "tools/case_maker.h"
#include "tools/cell_chromosomes.h"

#include <QTest>

using namespace korven;

namespace {

// Shorter or longer than its source by more than this share; as long within it.
constexpr double SameLength = 0.03;

QString relation(double length, double source)
{
    if (length < (1 - SameLength) * source)
        return QStringLiteral("shorter");
    if (length > (1 + SameLength) * source)
        return QStringLiteral("longer");
    return QStringLiteral("same");
}

} // namespace

class TestCaseForms : public QObject {
    Q_OBJECT

    std::vector<Ideogram> ideograms;

private slots:
    void initTestCase() { ideograms = loadCaseIdeograms(QStringLiteral(KORVEN_SOURCE_DIR "/data")); }

    void forms_data()
    {
        QTest::addColumn<QString>("karyotype");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("derivatives"); // "relation designation"
        QTest::newRow("terminal del") << "46,XX,del(5)(p14)" << 550 << 46 << QStringList{"shorter del(5)(p14)"};
        QTest::newRow("interstitial del") << "46,XY,del(5)(q13q33)" << 550 << 46 << QStringList{"shorter del(5)(q13q33)"};
        QTest::newRow("reversed del") << "46,XY,del(5)(q33q13)" << 550 << 46 << QStringList{"shorter del(5)(q33q13)"};
        QTest::newRow("reversed p del") << "46,XY,del(5)(p13p15.1)" << 550 << 46 << QStringList{"shorter del(5)(p13p15.1)"};
        QTest::newRow("dup") << "46,XX,dup(1)(q21q32)" << 550 << 46 << QStringList{"longer dup(1)(q21q32)"};
        QTest::newRow("inverted dup") << "46,XX,dup(1)(q32q21)" << 550 << 46 << QStringList{"longer dup(1)(q32q21)"};
        QTest::newRow("inv") << "46,XX,inv(3)(q21q26.2)" << 550 << 46 << QStringList{"same inv(3)(q21q26.2)"};
        QTest::newRow("reversed inv") << "46,XX,inv(3)(q26.2q21)" << 550 << 46 << QStringList{"same inv(3)(q26.2q21)"};
        QTest::newRow("i(Xq)") << "46,X,i(X)(q10)" << 400 << 46 << QStringList{"longer i(X)(q10)"};
        QTest::newRow("rob") << "45,XX,der(13;14)(q10;q10)" << 400 << 45 << QStringList{"longer der(13;14)(q10;q10)"};
        QTest::newRow("t") << "46,XY,t(9;22)(q34;q11.2)" << 550 << 46
                           << QStringList{"longer der(9)t(9;22)(q34;q11.2)", "shorter der(22)t(9;22)(q34;q11.2)"};
        QTest::newRow("der") << "47,XY,+der(22)t(11;22)(q23;q11.2)" << 550 << 47 << QStringList{"shorter der(22)t(11;22)(q23;q11.2)"};
        QTest::newRow("three-way t") << "46,XX,t(2;5;7)(p21;q23;q22)" << 550 << 46
                                     << QStringList{"longer der(2)t(2;5;7)(p21;q23;q22)", "shorter der(5)t(2;5;7)(p21;q23;q22)",
                                                    "same der(7)t(2;5;7)(p21;q23;q22)"};
        QTest::newRow("der of two translocations") << "46,XX,der(1)t(1;3)(p32;q21)t(1;11)(q25;q13)" << 400 << 46
                                                   << QStringList{"longer der(1)t(1;3)(p32;q21)t(1;11)(q25;q13)"};
        QTest::newRow("ring") << "46,XX,r(13)(p11q34)" << 400 << 46 << QStringList{"shorter r(13)(p11q34)"};
        QTest::newRow("ring without breaks") << "46,X,r(X)" << 400 << 46 << QStringList{"shorter r(X)"};
        QTest::newRow("dic") << "45,XX,dic(13;15)(p11.2;p11.2)" << 400 << 45 << QStringList{"longer dic(13;15)(p11.2;p11.2)"};
        QTest::newRow("idic(Y)") << "46,X,idic(Y)(q11.2)" << 400 << 46 << QStringList{"shorter idic(Y)(q11.2)"};
        QTest::newRow("ins between two") << "46,XY,ins(5;2)(p14;q22q32)" << 400 << 46
                                         << QStringList{"shorter der(2)ins(5;2)(p14;q22q32)", "longer der(5)ins(5;2)(p14;q22q32)"};
        QTest::newRow("ins within one") << "46,XY,ins(2)(p13q21q31)" << 400 << 46 << QStringList{"same ins(2)(p13q21q31)"};
        QTest::newRow("add") << "46,XX,add(7)(q22)" << 400 << 46 << QStringList{"same add(7)(q22)"};
        QTest::newRow("9qh+") << "46,XY,9qh+" << 400 << 46 << QStringList{"longer 9qh+"};
        QTest::newRow("1qh-") << "46,XX,1qh-" << 400 << 46 << QStringList{"shorter 1qh-"};
        QTest::newRow("15ps+") << "46,XX,15ps+" << 400 << 46 << QStringList{"longer 15ps+"};
        QTest::newRow("trisomy") << "47,XY,+21" << 400 << 47 << QStringList{};
        QTest::newRow("45,X,-Y") << "45,X,-Y" << 400 << 45 << QStringList{};
        QTest::newRow("triploid") << "69,XXY" << 400 << 69 << QStringList{};
        QTest::newRow("tetraploid") << "92,XXYY" << 400 << 92 << QStringList{};
    }

    void forms()
    {
        QFETCH(QString, karyotype);
        QFETCH(int, level);
        QFETCH(int, count);
        QFETCH(QStringList, derivatives);
        const Ideogram &table = ideogramAt(ideograms, level);
        const KaryotypeLines lines = readKaryotypeLines(karyotype);
        QCOMPARE(lines.size(), 1);
        const std::vector<CellChromosome> cell = cellChromosomes(lines.front());
        QCOMPARE(int(cell.size()), count);
        QStringList found;
        for (const CellChromosome &chromosome : cell) {
            if (chromosome.normal())
                continue;
            // Spliced from the typical homologues, so variable blocks do not blur the comparison.
            std::map<QString, Homologue> sources;
            for (const Segment &segment : chromosome.segments)
                sources.emplace(segment.chromosome, typicalHomologue(table.of(segment.chromosome)));
            if (chromosome.variant) {
                Rng rng(1);
                const QString &name = chromosome.group;
                sources[name] = variedHomologue(table.of(name), sources.at(name),
                                                {chromosome.variant->arm, chromosome.variant->region, chromosome.variant->larger}, rng);
            }
            const SplicedChromosome spliced = spliceSegments(chromosome.segments, chromosome.identity,
                                                             [&](const QString &name) -> const Homologue & { return sources.at(name); },
                                                             ideograms.back(), chromosome.centromeres);
            found << relation(spliced.homologue.bands.length, table.of(chromosome.group).length) + QLatin1Char(' ')
                         + chromosome.identity;
        }
        QCOMPARE(found, derivatives);
    }

    // Reversed breakpoints mean the same segment: the deletion loses exactly what the written
    // order loses.
    void reversedBreaksSameSegment()
    {
        const Ideogram &table = ideogramAt(ideograms, 550);
        const auto length = [&](const QString &karyotype) {
            for (const CellChromosome &c : cellChromosomes(readKaryotypeLines(karyotype).front()))
                if (!c.normal()) {
                    std::map<QString, Homologue> sources;
                    for (const Segment &s : c.segments)
                        sources.emplace(s.chromosome, typicalHomologue(table.of(s.chromosome)));
                    return spliceSegments(c.segments, c.identity, [&](const QString &n) -> const Homologue & { return sources.at(n); },
                                          ideograms.back()).homologue.bands.length;
                }
            return 0.0;
        };
        QCOMPARE(length("46,XY,del(5)(q33q13)"), length("46,XY,del(5)(q13q33)"));
        QCOMPARE(length("46,XY,del(5)(p13p15.1)"), length("46,XY,del(5)(p15.1p13)"));
        QCOMPARE(length("46,XX,dup(1)(q32q21)"), length("46,XX,dup(1)(q21q32)"));
    }

    void hidden_data()
    {
        QTest::addColumn<QString>("karyotype");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("visibleFrom"); // -1: shows at this level; 0: at none
        QTest::newRow("del(4)(p16) at 400") << "46,XX,del(4)(p16)" << 400 << 0;
        QTest::newRow("der(4)t(4;8) at 550") << "46,XX,der(4)t(4;8)(p16;p23)" << 550 << 0;
        QTest::newRow("del(5)(p15.31) at 400") << "46,XX,del(5)(p15.31)" << 400 << 850;
        QTest::newRow("Wolf-Hirschhorn at 400") << "46,XY,del(4)(p15.2)" << 400 << -1;
        QTest::newRow("cri du chat at 550") << "46,XX,del(5)(p14)" << 550 << -1;
        QTest::newRow("t(8;21) at 550") << "46,XX,t(8;21)(q22;q22)" << 550 << -1;
        QTest::newRow("inv(16) at 850") << "46,XX,inv(16)(p13.1q22)" << 850 << -1;
        QTest::newRow("trisomy") << "47,XY,+21" << 400 << -1;
    }

    void hidden()
    {
        QFETCH(QString, karyotype);
        QFETCH(int, level);
        QFETCH(int, visibleFrom);
        const std::vector<HiddenChange> found = hiddenChanges(readKaryotypeLines(karyotype), level, ideograms);
        if (visibleFrom < 0) {
            QVERIFY2(found.empty(), qPrintable(found.empty() ? QString() : hiddenChangeWarning(found.front(), level)));
            return;
        }
        QCOMPARE(found.size(), size_t(1));
        QCOMPARE(found.front().visibleFrom, visibleFrom);
        const QString warning = hiddenChangeWarning(found.front(), level);
        QVERIFY2(warning.contains(visibleFrom ? QStringLiteral("shows at %1 bands").arg(visibleFrom) : QStringLiteral("no band level")),
                 qPrintable(warning));
    }

    // The 550-band table's gaps are filled, every band keeping the length the table gives it:
    // 18p11.31 stays 131 units (not stretched over the gap after it), and the gap is 18p11.3 of
    // the 400-band table.
    void tableGapsFilled()
    {
        const ChromosomeBands &c18 = ideogramAt(ideograms, 550).at(17);
        for (size_t b = 1; b < c18.bands.size(); ++b)
            QCOMPARE(c18.bands[b].start, c18.bands[b - 1].stop);
        const auto band = [&](const QString &name) {
            for (const Band &b : c18.bands)
                if (b.shortArm && b.name == name)
                    return b;
            return Band{};
        };
        QCOMPARE(band(QStringLiteral("11.31")).stop - band(QStringLiteral("11.31")).start, 131.0);
        QCOMPARE(band(QStringLiteral("11.3")).start, 208.0);
        QCOMPARE(band(QStringLiteral("11.3")).stop, 623.0);
        // 11p: the 400-band centromere band that fills the gap takes its sub-band's stain here,
        // so the chromosome keeps one centromere.
        int acen = 0;
        for (const Band &b : ideogramAt(ideograms, 550).at(10).bands)
            acen += b.stain == Stain::Acen && b.shortArm;
        QCOMPARE(acen, 1);
        for (const Ideogram &table : ideograms)
            for (const ChromosomeBands &chromosome : table.chromosomes)
                for (size_t b = 1; b < chromosome.bands.size(); ++b)
                    QCOMPARE(chromosome.bands[b].start, chromosome.bands[b - 1].stop);
    }
};

QTEST_GUILESS_MAIN(TestCaseForms)
#include "test_case_forms.moc"
