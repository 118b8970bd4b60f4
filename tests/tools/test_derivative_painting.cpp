// Painted derivatives measured like painted normal chromosomes: the band profile along the body
// follows the spliced ideogram better than either source chromosome's, and nothing marks the
// junction (no narrowing, no pale line).
#include "tools/case_maker.h"
#include "tools/chromosome_measure.h"
#include "tools/problem_maker.h"

#include <QTest>

using namespace korven;

class TestDerivativePainting : public QObject {
    Q_OBJECT

    std::vector<Ideogram> ideograms;

private slots:
    void initTestCase() { ideograms = loadIdeograms(QStringLiteral(KORVEN_SOURCE_DIR "/data")); }

    void derivatives_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("of");
        QTest::addColumn<QStringList>("chromosomes");
        QTest::addColumn<QStringList>("breaks");
        QTest::newRow("der(9)t(9;22) 550") << 550 << "9" << QStringList{"9", "22"} << QStringList{"q34", "q11.2"};
        QTest::newRow("der(11)t(11;22) 400") << 400 << "11" << QStringList{"11", "22"} << QStringList{"q23", "q11.2"};
        QTest::newRow("der(8)t(8;21) 550") << 550 << "8" << QStringList{"8", "21"} << QStringList{"q22", "q22"};
        QTest::newRow("der(17)t(15;17) 850") << 850 << "17" << QStringList{"15", "17"} << QStringList{"q24", "q21"};
        QTest::newRow("der(1)t(1;3) 550") << 550 << "1" << QStringList{"1", "3"} << QStringList{"p22", "q21"};
    }

    void derivatives()
    {
        QFETCH(int, level);
        QFETCH(QString, of);
        QFETCH(QStringList, chromosomes);
        QFETCH(QStringList, breaks);
        const auto karyotype = iscn::parseKaryotype(QStringLiteral("46,XX,t(%1)(%2)")
                                                        .arg(chromosomes.join(QLatin1Char(';')), breaks.join(QLatin1Char(';'))));
        QVERIFY(karyotype);
        const iscn::Abnormality &t = karyotype->lines[0].abnormalities[0];
        const Ideogram &ideogram = ideogramAt(ideograms, level);
        const CellChromosome derivative{QStringLiteral("der"), of, derivativeSegments(t, of)};

        int better = 0, seamless = 0;
        const int repeats = 6;
        for (int k = 0; k < repeats; ++k) {
            Rng rng = Rng::from(77, std::uint64_t(k));
            const SplicedChromosome spliced = buildChromosome(derivative, ideogram, ideograms.back(), rng);
            const MetaphaseStyle style = randomMetaphaseStyle(rng, ideogram);
            ChromosomeLook look; // upright and straight, for a row-by-row trace
            look.seed = rng.next();
            const QImage image = paintChromosome(spliced.homologue, style, look);
            const measure::Trace trace = measure::trace(image);
            std::vector<double> profile = measure::profile(image, trace);
            for (double &g : profile)
                g = -g;
            const int from = trace.rows() / 25, to = trace.rows() - trace.rows() / 25;
            const double own = measure::correlation(profile, measure::expectedDarkness(spliced.homologue, trace, style.blur), from, to);
            double sources = -1;
            for (const QString &name : chromosomes) {
                const Homologue source = typicalHomologue(ideogram.of(name));
                sources = std::max(sources, measure::correlation(profile, measure::expectedDarkness(source, trace, style.blur), from, to));
            }
            better += own > sources + 0.1;

            // The junction: as wide as the body around it, and no paler than the rows just beside it.
            QCOMPARE(spliced.junctions.size(), size_t(1));
            const double share = spliced.junctions[0] / spliced.homologue.bands.length;
            int j = 0;
            while (j + 1 < trace.rows() && trace.arc[j] < share * trace.length)
                ++j;
            const int reach = int(trace.width);
            std::vector<double> widths, around;
            for (int i = std::max(0, j - reach); i <= std::min(trace.rows() - 1, j + reach); ++i) {
                widths.push_back(trace.right[i] - trace.left[i]);
                if (std::abs(i - j) >= 3) // a seam would be a notch narrower than this
                    around.push_back(profile[i]);
            }
            std::sort(widths.begin(), widths.end());
            const double width = trace.right[j] - trace.left[j];
            const bool fullWidth = width >= 0.85 * widths[widths.size() / 2];
            const bool noPaleLine = profile[j] >= *std::min_element(around.begin(), around.end()) - 6;
            seamless += fullWidth && noPaleLine;
            if (!(fullWidth && noPaleLine))
                qInfo("junction at row %d of %d: width %.1f (median %.1f), grey %.1f (palest around %.1f)", j, trace.rows(),
                      width, widths[widths.size() / 2], -profile[j], -*std::min_element(around.begin(), around.end()));
        }
        QVERIFY2(better >= repeats - 1, qPrintable(QString::number(better)));
        QCOMPARE(seamless, repeats);
    }
};

QTEST_GUILESS_MAIN(TestDerivativePainting)
#include "test_derivative_painting.moc"
