// Derivative chromosomes spliced from the 400-band table: band order and length in ISCN units
// worked out by hand from the table, the centromere kept, and what cannot be spliced refused.
#include "files/errors.h"
#include "tools/band_splice.h"
#include "tools/cell_chromosomes.h"

#include <QTest>
#include <map>

using namespace korven;


class TestBandSplice : public QObject {
    Q_OBJECT

    std::vector<Ideogram> tables; // 400 and 850
    std::map<QString, Homologue> typical;

    SplicedChromosome splice(const std::vector<Segment> &segments, int centromeres = 1)
    {
        return spliceSegments(
            segments, QStringLiteral("test"),
            [&](const QString &name) -> const Homologue & {
                return typical.try_emplace(name, typicalHomologue(tables[0].of(name))).first->second;
            },
            tables[1], centromeres);
    }

private slots:
    void initTestCase()
    {
        for (int level : {400, 850})
            tables.push_back(parseIdeogram(ideogramPath(QStringLiteral(KORVEN_SOURCE_DIR "/data"), level), level));
    }

    void derivatives_data()
    {
        QTest::addColumn<QString>("abnormality");
        QTest::addColumn<QString>("of");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("centromere");
        QTest::addColumn<bool>("acrocentric");
        // 5p14 is 1028..1897: the break at 1462.5, the rest of 10600 kept.
        QTest::newRow("terminal deletion 5p14") << "del(5)(p14)" << "5"
            << "5p14 5p13 5p12 5p11 5q11.1 5q11.2 5q12 5q13 5q14 5q15 5q21 5q22 5q23 5q31 5q32 5q33 5q34 5q35"
            << 9137.5 << 2845.0 - 1462.5 << false;
        // 5q13 3966..4691 and 5q33 9189..9558: 4328.5 + (10600 - 9373.5).
        QTest::newRow("interstitial deletion 5q13q33") << "del(5)(q13q33)" << "5"
            << "5p15.3 5p15.2 5p15.1 5p14 5p13 5p12 5p11 5q11.1 5q11.2 5q12 5q13 5q33 5q34 5q35" << 5555.0 << 2845.0 << false;
        // 1q21 8672..9350, 1q32 12207..13272: pter..12739.5, then 9011..15100 again.
        QTest::newRow("duplication 1q21q32") << "dup(1)(q21q32)" << "1"
            << "1p36.3 1p36.2 1p36.1 1p35 1p34.3 1p34.2 1p34.1 1p33 1p32 1p31 1p22 1p21 1p13 1p12 1p11 1q11 1q12 1q21 1q22 "
               "1q23 1q24 1q25 1q31 1q32 1q21 1q22 1q23 1q24 1q25 1q31 1q32 1q41 1q42 1q43 1q44"
            << 18828.5 << 7394.0 << false;
        // Pericentric: 9p12 2148..2522 (2335), 9q13 3695..3864 (3779.5); the centromere moves
        // to 2335 + 84.5 + 922 + 139.
        QTest::newRow("pericentric inversion 9p12q13") << "inv(9)(p12q13)" << "9"
            << "9p24 9p23 9p22 9p21 9p13 9p12 9q13 9q12 9q11 9p11 9p12 9q13 9q21 9q22 9q31 9q32 9q33 9q34"
            << 7950.0 << 3480.5 << false;
        // Paracentric: 5q13 (4328.5) to 5q33 (9373.5) turned; the centromere stays.
        QTest::newRow("paracentric inversion 5q13q33") << "inv(5)(q13q33)" << "5"
            << "5p15.3 5p15.2 5p15.1 5p14 5p13 5p12 5p11 5q11.1 5q11.2 5q12 5q13 5q33 5q32 5q31 5q23 5q22 5q21 5q15 5q14 "
               "5q13 5q33 5q34 5q35"
            << 10600.0 << 2845.0 << false;
        // 11q23 6363..7311 (6837), 22q11.2 1371..1887 (1629); 11 is 7980 long, 22 3400.
        QTest::newRow("der(22)t(11;22)") << "t(11;22)(q23;q11.2)" << "22"
            << "22p13 22p12 22p11.2 22p11.1 22q11.1 22q11.2 11q23 11q24 11q25" << 1629.0 + 1143.0 << 1232.0 << true;
        QTest::newRow("der(11)t(11;22)") << "t(11;22)(q23;q11.2)" << "11"
            << "11p15 11p14 11p13 11p12 11p11.2 11p11.1 11q11 11q12 11q13 11q14 11q21 11q22 11q23 22q11.2 22q12 22q13"
            << 6837.0 + 1771.0 << -1.0 << false;
        // A short-arm break on one side: the other's long-arm end comes on top, upside down.
        QTest::newRow("der(5)t(5;11)(p14;q23)") << "t(5;11)(p14;q23)" << "5"
            << "11q25 11q24 11q23 5p14 5p13 5p12 5p11 5q11.1 5q11.2 5q12 5q13 5q14 5q15 5q21 5q22 5q23 5q31 5q32 5q33 5q34 5q35"
            << 1143.0 + 9137.5 << 1143.0 + 2845.0 - 1462.5 << false;
        // 13 (6510, centromere 1204) and 14 (6300, centromere 1222): both long arms.
        QTest::newRow("Robertsonian 13;14") << "der(13;14)(q10;q10)" << "13"
            << "13q34 13q33 13q32 13q31 13q22 13q21 13q14 13q13 13q12 13q11 14q11.1 14q11.2 14q12 14q13 14q21 14q22 14q23 "
               "14q24 14q31 14q32"
            << 5306.0 + 5078.0 << 5306.0 << false;
        // X is 8610 long, centromere 3241.
        QTest::newRow("isochromosome Xq") << "i(X)(q10)" << "X"
            << "Xq28 Xq27 Xq26 Xq25 Xq24 Xq23 Xq22 Xq21 Xq13 Xq12 Xq11 Xq11 Xq12 Xq13 Xq21 Xq22 Xq23 Xq24 Xq25 Xq26 "
               "Xq27 Xq28"
            << 2 * 5369.0 << 5369.0 << false;
        // 2q22 (8314..9048, 8681) to 2q32 (10854..11792, 11323) put in at 5p14 (1462.5), 2q22
        // nearer the centromere; 2 loses it.
        QTest::newRow("der(5)ins(5;2)") << "ins(5;2)(p14;q22q32)" << "5"
            << "5p15.3 5p15.2 5p15.1 5p14 2q32 2q31 2q24 2q23 2q22 5p14 5p13 5p12 5p11 5q11.1 5q11.2 5q12 5q13 5q14 5q15 "
               "5q21 5q22 5q23 5q31 5q32 5q33 5q34 5q35"
            << 10600.0 + 2642.0 << 2845.0 + 2642.0 << false;
        QTest::newRow("der(2)ins(5;2)") << "ins(5;2)(p14;q22q32)" << "2"
            << "2p25 2p24 2p23 2p22 2p21 2p16 2p15 2p14 2p13 2p12 2p11.2 2p11.1 2q11.1 2q11.2 2q12 2q13 2q14.1 2q14.2 "
               "2q14.3 2q21 2q22 2q32 2q33 2q34 2q35 2q36 2q37"
            << 14400.0 - 2642.0 << -1.0 << false;
        // 13 from qter to 13p11.2 (803) joined to 15 from 15p11.2 (849.5): two centromeres.
        QTest::newRow("dic(13;15)") << "dic(13;15)(p11.2;p11.2)" << "13"
            << "13q34 13q33 13q32 13q31 13q22 13q21 13q14 13q13 13q12 13q11 13p11.1 13p11.2 15p11.2 15p11.1 15q11.1 "
               "15q11.2 15q12 15q13 15q14 15q15 15q21 15q22 15q23 15q24 15q25 15q26"
            << 5707.0 + 5220.5 << -1.0 << false;
        // 15's short arm (to the centromere at 1275) mirrored: a satellite at each end.
        QTest::newRow("marker") << "+mar" << ""
            << "15p13 15p12 15p11.2 15p11.1 15p11.1 15p11.2 15p12 15p13" << 2550.0 << 1275.0 << false;
    }

    void derivatives()
    {
        QFETCH(QString, abnormality);
        QFETCH(QString, of);
        QFETCH(QString, labels);
        QFETCH(double, length);
        QFETCH(double, centromere);
        QFETCH(bool, acrocentric);
        const auto karyotype = iscn::parseKaryotype(QStringLiteral("46,XX,") + abnormality);
        QVERIFY(karyotype);
        const iscn::Abnormality &a = karyotype->lines[0].abnormalities[0];
        const SplicedChromosome result = splice(derivativeSegments(a, of), a.kind == iscn::Kind::Dicentric ? 2 : 1);
        QCOMPARE(result.labels.join(QLatin1Char(' ')), labels);
        QCOMPARE(result.homologue.bands.length, length);
        if (centromere >= 0)
            QCOMPARE(result.homologue.bands.centromere, centromere);
        QCOMPARE(result.homologue.bands.acrocentric, acrocentric);
        QCOMPARE(result.homologue.darkness.size(), result.homologue.bands.bands.size());
        // Bands follow each other without gaps; the short arm is what lies above the centromere.
        double at = 0;
        for (const Band &band : result.homologue.bands.bands) {
            QCOMPARE(band.start, at);
            QCOMPARE(band.shortArm, band.stop <= result.homologue.bands.centromere);
            at = band.stop;
        }
    }

    void breakpointPlaces_data()
    {
        QTest::addColumn<QString>("chromosome");
        QTest::addColumn<QString>("place");
        QTest::addColumn<double>("position");
        QTest::newRow("band middle") << "5" << "q13" << 4328.5;
        QTest::newRow("parent of the bands") << "5" << "p15" << 1028.0 / 2;
        QTest::newRow("whole-arm break") << "5" << "q10" << 2845.0;
        QTest::newRow("ends") << "5" << "qter" << 10600.0;
        // 22q11.21 is 1234..1563 of q11.2's 1234..1878 at 850 bands: 0.25543 of the way into
        // 400's q11.2 (1371..1887).
        QTest::newRow("finer band than the table") << "22" << "q11.21" << 1371.0 + 164.5 / 644.0 * 516.0;
    }

    void breakpointPlaces()
    {
        QFETCH(QString, chromosome);
        QFETCH(QString, place);
        QFETCH(double, position);
        const int index = iscn::chromosomeIndex(chromosome);
        QCOMPARE(placePosition(tables[0].at(index), place, &tables[1].at(index)), position);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("segments"); // chromosome:from:to, space-separated
        QTest::addColumn<QString>("message");
        QTest::newRow("no centromere") << "5:pter:p14" << "keeps no centromere";
        QTest::newRow("two centromeres") << "5:pter:qter 9:pter:qter" << "more than one centromere";
        QTest::newRow("unknown band") << "5:pter:q99" << "chromosome 5 has no band q99";
        QTest::newRow("not an arm") << "5:pter:x12" << "chromosome 5 has no band x12";
        QTest::newRow("unknown chromosome") << "23:pter:qter" << "there is no chromosome 23";
    }

    void refusals()
    {
        QFETCH(QString, segments);
        QFETCH(QString, message);
        std::vector<Segment> list;
        for (const QString &s : segments.split(QLatin1Char(' '))) {
            const QStringList f = s.split(QLatin1Char(':'));
            list.push_back({f[0], f[1], f[2]});
        }
        try {
            splice(list);
            QFAIL("spliced");
        } catch (const KorvenError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestBandSplice)
#include "test_band_splice.moc"
