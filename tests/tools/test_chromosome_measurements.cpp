// What the made problems look like, measured on their bitmaps at each band level: condensation,
// soft edges, curved chromosomes, grey of the pale bands, and band profiles that still follow the
// ideogram so every chromosome stays identifiable.
#include "chromosome_measure.h"
#include "tools/problem_maker.h"

#include <QTest>
#include <map>

using namespace korven;

namespace {

struct Piece {
    int chromosome = 0; // 0..23 (22 X, 23 Y)
    int problem = 0;
    QImage image;
    Homologue homologue;
    measure::Trace trace;
    double blur = 0;
};

// Two problems of each level (the catalogue's levels go 400, 550, 850 in turn), all 46 pieces.
const std::vector<Piece> &piecesAt(int level)
{
    static std::map<int, std::vector<Piece>> cache;
    static const std::vector<Ideogram> ideograms = loadIdeograms(QStringLiteral(KORVEN_SOURCE_DIR "/data"));
    std::vector<Piece> &pieces = cache[level];
    if (!pieces.empty())
        return pieces;
    const int first = level == 400 ? 0 : level == 550 ? 1 : 2;
    for (int index : {first, first + 3}) {
        const ProblemPlan plan = planProblem(ideograms, 1, index, index % 2 == 0);
        if (plan.ideogram->level != level)
            qFatal("problem %d is not at level %d", index, level);
        for (int k = 0; k < 46; ++k) {
            Piece piece;
            piece.problem = index;
            piece.chromosome = k / 2 == 22 && !plan.female && k % 2 ? 23 : k / 2;
            const PieceRecipe recipe = pieceRecipe(plan, 1, index, k);
            piece.image = paintChromosome(recipe.homologue, plan.style, recipe.look);
            piece.homologue = recipe.homologue;
            piece.trace = measure::trace(piece.image);
            piece.blur = plan.style.blur;
            pieces.push_back(piece);
        }
    }
    return pieces;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void addLevels()
{
    QTest::addColumn<int>("level");
    for (int level : {400, 550, 850})
        QTest::newRow(qPrintable(QString::number(level))) << level;
}

} // namespace

class TestChromosomeMeasurements : public QObject {
    Q_OBJECT

private slots:
    void condensationFollowsTheBandLevel_data() { addLevels(); }
    void condensationFollowsTheBandLevel()
    {
        QFETCH(int, level);
        const std::map<int, std::pair<double, double>> ratios = {{400, {7, 9}}, {550, {10, 12}}, {850, {14, 18}}};
        std::vector<double> longWidths, shortWidths;
        std::vector<double> firstPair; // ratios of chromosome 1, two per problem
        for (const Piece &piece : piecesAt(level)) {
            if (piece.chromosome == 0) {
                firstPair.push_back(piece.trace.length / piece.trace.width);
                qInfo("chromosome 1 of problem %d: length %.0f, width %.1f, ratio %.1f", piece.problem,
                      piece.trace.length, piece.trace.width, firstPair.back());
            }
            if (piece.chromosome < 5)
                longWidths.push_back(piece.trace.width);
            if (piece.chromosome >= 15 && piece.chromosome <= 19)
                shortWidths.push_back(piece.trace.width);
        }
        // The cell's condensation: the mean of the two homologues, which differ by some %.
        for (size_t k = 0; k + 1 < firstPair.size(); k += 2) {
            const double ratio = (firstPair[k] + firstPair[k + 1]) / 2;
            QVERIFY2(ratio >= ratios.at(level).first - 0.3 && ratio <= ratios.at(level).second + 0.3,
                     qPrintable(QString::number(ratio)));
        }
        // Short chromosomes are about as wide as long ones of their cell.
        const double widthRatio = median(shortWidths) / median(longWidths);
        QVERIFY2(widthRatio > 0.85 && widthRatio < 1.15, qPrintable(QString::number(widthRatio)));
    }

    void homologuesDifferInLength_data() { addLevels(); }
    void homologuesDifferInLength()
    {
        QFETCH(int, level);
        const std::vector<Piece> &pieces = piecesAt(level);
        std::vector<double> differences;
        for (size_t k = 0; k + 1 < pieces.size(); k += 2) {
            const int c = pieces[k].chromosome;
            // Pairs without large variable blocks, whose lengths show condensation alone.
            if (c == 0 || c == 8 || c == 15 || (c >= 12 && c <= 14) || c >= 20)
                continue;
            const double a = pieces[k].trace.length, b = pieces[k + 1].trace.length;
            differences.push_back(std::abs(a - b) / std::max(a, b));
        }
        const double typical = median(differences);
        qInfo("median length difference between homologues: %.3f", typical);
        QVERIFY2(typical >= 0.04 && typical <= 0.14, qPrintable(QString::number(typical)));
    }

    void edgesAreSoft_data() { addLevels(); }
    void edgesAreSoft()
    {
        QFETCH(int, level);
        std::vector<double> rises;
        for (const Piece &piece : piecesAt(level)) {
            const double rise = measure::edgeRise(piece.image, piece.trace);
            rises.push_back(rise);
            QVERIFY2(rise >= 2, qPrintable(QStringLiteral("chromosome %1: %2 px").arg(piece.chromosome + 1).arg(rise)));
        }
        qInfo("median 10-90 %% edge rise: %.1f px", median(rises));
    }

    void curvedShareGrowsWithTheBandLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("400") << 400 << 0.0 << 0.1;
        QTest::newRow("550") << 550 << 0.0 << 0.3;
        QTest::newRow("850") << 850 << 0.2 << 0.5;
    }
    void curvedShareGrowsWithTheBandLevel()
    {
        QFETCH(int, level);
        QFETCH(double, low);
        QFETCH(double, high);
        int curved = 0, total = 0;
        for (const Piece &piece : piecesAt(level)) {
            if (piece.chromosome >= 12)
                continue;
            ++total;
            curved += measure::bendInWidths(piece.trace) >= 0.5;
        }
        const double share = double(curved) / total;
        qInfo("curved among chromosomes 1-12: %d of %d", curved, total);
        QVERIFY2(share >= low && share <= high, qPrintable(QString::number(share)));
    }

    void paleBandsAreLightGrey_data() { addLevels(); }
    void paleBandsAreLightGrey()
    {
        QFETCH(int, level);
        std::vector<double> pale, darkest, q9, q1;
        for (const Piece &piece : piecesAt(level)) {
            const std::vector<double> profile = measure::profile(piece.image, piece.trace);
            const ChromosomeBands &bands = piece.homologue.bands;
            const double perUnit = piece.trace.length / bands.length;
            for (size_t b = 0; b < bands.bands.size(); ++b) {
                const Band &band = bands.bands[b];
                const double size = (band.stop - band.start) * perUnit;
                if (size < 3 * piece.blur + 2)
                    continue; // narrow bands take their neighbours' grey
                const double middle = (band.start + band.stop) / 2 * perUnit;
                const auto row = std::lower_bound(piece.trace.arc.begin(), piece.trace.arc.end(), middle) - piece.trace.arc.begin();
                const double g = profile[std::min<size_t>(row, profile.size() - 1)];
                if (band.stain == Stain::Gneg)
                    pale.push_back(g);
                if (band.stain == Stain::Gpos100)
                    darkest.push_back(g);
                if (band.stain == Stain::Gvar && piece.chromosome == 8)
                    q9.push_back(g);
                if (band.stain == Stain::Gvar && piece.chromosome == 0)
                    q1.push_back(g);
            }
        }
        qInfo("median grey: G-negative %.0f, darkest G-positive %.0f, 9q12 %.0f, 1q12 %.0f", median(pale),
              median(darkest), median(q9), median(q1));
        QVERIFY2(median(pale) >= 185 && median(pale) <= 228, qPrintable(QString::number(median(pale))));
        QVERIFY(median(darkest) < median(pale) - 60);
        // The variable blocks as G-banding shows them: 9q12 pale, 1q12 dark.
        QVERIFY(median(q9) > median(q1) + 50);
    }

    void bandProfilesFollowTheIdeogram_data() { addLevels(); }
    void bandProfilesFollowTheIdeogram()
    {
        QFETCH(int, level);
        std::vector<double> own, other;
        const std::vector<Piece> &pieces = piecesAt(level);
        for (const Piece &piece : pieces) {
            const measure::Trace &t = piece.trace;
            std::vector<double> profile = measure::profile(piece.image, t);
            for (double &g : profile)
                g = -g;
            const int from = t.rows() / 25, to = t.rows() - t.rows() / 25;
            own.push_back(measure::correlation(profile, measure::expectedDarkness(piece.homologue, t, piece.blur), from, to));
            // Against the pattern of a chromosome of about the same size: the next pair (or the
            // one before for the last ones).
            const int partner = piece.chromosome < 21 ? piece.chromosome + 1 : piece.chromosome - 2;
            const Piece &another = *std::find_if(pieces.begin(), pieces.end(),
                                                 [&](const Piece &p) { return p.chromosome == partner; });
            other.push_back(measure::correlation(profile, measure::expectedDarkness(another.homologue, t, piece.blur), from, to));
        }
        qInfo("band profile correlation: own pattern %.2f (lowest %.2f), neighbour's pattern %.2f", median(own),
              *std::min_element(own.begin(), own.end()), median(other));
        QVERIFY2(median(own) >= 0.6, qPrintable(QString::number(median(own))));
        QVERIFY(median(own) > median(other) + 0.3);
        int identified = 0;
        for (size_t k = 0; k < own.size(); ++k)
            identified += own[k] > other[k];
        QVERIFY2(identified >= int(own.size()) * 9 / 10, qPrintable(QString::number(identified)));
    }
};

QTEST_GUILESS_MAIN(TestChromosomeMeasurements)
#include "test_chromosome_measurements.moc"
