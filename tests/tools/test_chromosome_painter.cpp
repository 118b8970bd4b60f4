// Geometry of the drawn chromosomes, measured on the pictures themselves: lengths as in the
// ideogram, centromeres where the tables put them, white margins, no holes, one piece each; and
// the homologues' variable blocks.
#include "chromosome_measure.h"
#include "tools/chromosome_painter.h"
#include "tools/problem_maker.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <queue>
#include <tuple>

using namespace korven;

namespace {

const std::vector<Ideogram> &ideograms()
{
    static const std::vector<Ideogram> tables = loadIdeograms(QStringLiteral(KORVEN_SOURCE_DIR "/data"));
    return tables;
}

const Ideogram &ideogramOf(int level)
{
    for (const Ideogram &ideogram : ideograms())
        if (ideogram.level == level)
            return ideogram;
    qFatal("no table for level %d", level);
}

bool isWhite(const QImage &image, int x, int y) { return image.constScanLine(y)[x] == 255; }

// Where the centromere lies, as a share of the length from the top: the narrowest place away
// from the rounded ends for chromosomes with two arms; for acrocentrics the end of the thin short
// arm (where the body reaches most of its width).
double measuredCentromere(const measure::Trace &t, bool acrocentric)
{
    const int n = t.rows();
    std::vector<double> widths(n);
    for (int i = 0; i < n; ++i)
        widths[i] = (t.right[i] - t.left[i] + 1) / std::sqrt(1 + t.slope[i] * t.slope[i]);
    if (acrocentric) {
        int i = 0;
        while (i < n && widths[i] < 0.75 * t.width)
            ++i;
        return t.arc[std::min(i, n - 1)] / t.length;
    }
    const int margin = std::max(1, int(0.6 * t.width));
    const int reach = std::max(1, int(t.width / 8));
    const auto smoothed = [&](int i) {
        double sum = 0;
        for (int k = -reach; k <= reach; ++k)
            sum += widths[std::clamp(i + k, 0, n - 1)];
        return sum;
    };
    int best = margin;
    for (int i = margin; i < n - margin; ++i)
        if (smoothed(i) < smoothed(best))
            best = i;
    return (t.arc[best] + 0.5) / t.length;
}

// White pixels not reachable from the border through white: holes in the chromosome.
int innerWhitePixels(const QImage &image)
{
    const int w = image.width(), h = image.height();
    std::vector<char> seen(size_t(w) * h, 0);
    std::queue<QPoint> queue;
    const auto push = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || seen[size_t(y) * w + x] || !isWhite(image, x, y))
            return;
        seen[size_t(y) * w + x] = 1;
        queue.emplace(x, y);
    };
    for (int x = 0; x < w; ++x)
        push(x, 0), push(x, h - 1);
    for (int y = 0; y < h; ++y)
        push(0, y), push(w - 1, y);
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop();
        push(p.x() + 1, p.y()), push(p.x() - 1, p.y()), push(p.x(), p.y() + 1), push(p.x(), p.y() - 1);
    }
    int holes = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            holes += isWhite(image, x, y) && !seen[size_t(y) * w + x];
    return holes;
}

int whiteBorder(const QImage &image)
{
    int border = 0;
    for (;; ++border) {
        const int w = image.width(), h = image.height();
        if (2 * border >= w || 2 * border >= h)
            return border;
        for (int x = border; x < w - border; ++x)
            if (!isWhite(image, x, border) || !isWhite(image, x, h - 1 - border))
                return border;
        for (int y = border; y < h - border; ++y)
            if (!isWhite(image, border, y) || !isWhite(image, w - 1 - border, y))
                return border;
    }
}

} // namespace

class TestChromosomePainter : public QObject {
    Q_OBJECT

private slots:
    void geometryFollowsTheIdeogram_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<quint64>("seed");
        QTest::newRow("400") << 400 << quint64(11);
        QTest::newRow("550") << 550 << quint64(12);
        QTest::newRow("850") << 850 << quint64(13);
        QTest::newRow("400, other seed") << 400 << quint64(14);
        QTest::newRow("850, other seed") << 850 << quint64(15);
    }

    void geometryFollowsTheIdeogram()
    {
        QFETCH(int, level);
        QFETCH(quint64, seed);
        const Ideogram &ideogram = ideogramOf(level);
        Rng rng(seed);
        const MetaphaseStyle style = randomMetaphaseStyle(rng, ideogram);

        std::vector<std::tuple<double, double, double>> lengths; // pixels, table units, width
        for (int k = 0; k < 24; ++k) {
            // Each homologue with its own variable blocks: the picture follows the resized bands.
            const Homologue homologue = randomHomologue(ideogram.at(k), rng);
            const ChromosomeBands &bands = homologue.bands;
            const ChromosomeLook look = randomChromosomeLook(rng, style, paintedLength(bands, style));
            const QImage image = paintChromosome(homologue, style, look);
            const QString what = QStringLiteral("chromosome %1").arg(bands.name);
            QCOMPARE(image.format(), QImage::Format_Grayscale8);
            QVERIFY2(whiteBorder(image) >= 2, qPrintable(what));
            QVERIFY2(innerWhitePixels(image) == 0, qPrintable(what));
            int lightest = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (!isWhite(image, x, y))
                        lightest = std::max<int>(lightest, image.constScanLine(y)[x]);
            QVERIFY2(lightest <= 244, qPrintable(QStringLiteral("%1: a pale fringe of %2").arg(what).arg(lightest)));

            const measure::Trace t = measure::trace(image);
            const double centromere = measuredCentromere(t, bands.acrocentric);
            const double expected = bands.centromere / bands.length;
            // One piece, but for satellites of acrocentrics come loose above the short arm.
            std::vector<int> labels;
            const int pieces = measure::labelPieces(image, &labels);
            if (!bands.acrocentric) {
                QVERIFY2(pieces == 1, qPrintable(what));
                // The waist spans about a width, which is much of a short chromosome.
                QVERIFY2(std::abs(centromere - expected) < std::max(0.05, 0.25 * t.width / t.length),
                         qPrintable(QStringLiteral("%1: centromere at %2, table %3").arg(what).arg(centromere).arg(expected)));
            } else {
                const int body = labels[size_t(t.top + t.rows() / 2) * image.width() + t.left[t.rows() / 2]];
                const int shoulder = t.top + int(centromere * t.rows());
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const int label = labels[size_t(y) * image.width() + x];
                        QVERIFY2(label == 0 || label == body || y < shoulder,
                                 qPrintable(QStringLiteral("%1: a loose piece at %2,%3").arg(what).arg(x).arg(y)));
                    }
            }
            // Lengths measure the condensation; acrocentrics only by their long arm, as their
            // short arms may lose faint satellites. Where each arm ends is known to a fraction of
            // the width, which the tolerance below allows for.
            const double units = bands.acrocentric ? bands.length - bands.centromere : bands.length;
            lengths.push_back({bands.acrocentric ? t.length * (1 - centromere) : t.length, units, t.width});
            if (k == 0)
                QVERIFY2(t.length >= 245 && t.length <= 380, qPrintable(QString::number(t.length)));
        }
        // Lengths proportional to the table: every one close to what the median scale gives.
        std::vector<double> scales;
        for (const auto &[pixels, units, width] : lengths)
            scales.push_back(pixels / units);
        std::sort(scales.begin(), scales.end());
        const double scale = scales[scales.size() / 2];
        for (int k = 0; k < 24; ++k) {
            const auto &[pixels, units, width] = lengths[k];
            QVERIFY2(std::abs(pixels - scale * units) < 0.07 * scale * units + 0.35 * width,
                     qPrintable(QStringLiteral("chromosome %1: %2 pixels, %3 expected")
                                    .arg(ideogram.at(k).name).arg(pixels).arg(scale * units)));
        }
    }

    void problemsAreDeterministicAndDistinct()
    {
        const ProblemPlan female = planProblem(ideograms(), 7, 0, true);
        const ProblemPlan male = planProblem(ideograms(), 7, 0, false);
        // Same seed and position: the same picture; homologues and other problems differ.
        QCOMPARE(renderPiece(female, 7, 0, 10), renderPiece(planProblem(ideograms(), 7, 0, true), 7, 0, 10));
        QVERIFY(renderPiece(female, 7, 0, 10) != renderPiece(female, 7, 0, 11));
        QVERIFY(renderPiece(female, 7, 0, 10) != renderPiece(planProblem(ideograms(), 7, 3, true), 7, 3, 10));
        QVERIFY(renderPiece(female, 7, 0, 10) != renderPiece(planProblem(ideograms(), 8, 0, true), 8, 0, 10));
        // The band levels take turns along the catalogue.
        for (int index = 0; index < 6; ++index)
            QCOMPARE(planProblem(ideograms(), 7, index, true).ideogram->level, (QList<int>{400, 550, 850})[index % 3]);

        // Pair 23: X and X for a female, X and the much shorter Y for a male.
        const double x1 = measure::trace(renderPiece(female, 7, 0, 44)).length;
        const double x2 = measure::trace(renderPiece(female, 7, 0, 45)).length;
        const double maleX = measure::trace(renderPiece(male, 7, 0, 44)).length;
        const double y = measure::trace(renderPiece(male, 7, 0, 45)).length;
        QVERIFY(std::abs(x1 / x2 - 1) < 0.2);
        QCOMPARE(maleX, x1); // the same piece of the same metaphase
        QVERIFY2(y < 0.62 * maleX, qPrintable(QStringLiteral("Y %1, X %2").arg(y).arg(maleX)));
    }

    void homologuesVaryInTheirVariableBlocks_data()
    {
        QTest::addColumn<int>("chromosome"); // index 0..23
        QTest::addColumn<QString>("band");   // arm and band
        QTest::addColumn<double>("darkLow");
        QTest::addColumn<double>("darkHigh");
        QTest::addColumn<double>("spread");  // largest size over smallest, at least
        QTest::addColumn<bool>("sometimesAbsent");
        QTest::newRow("1q12 dark") << 0 << "q12" << 0.75 << 1.0 << 1.6 << false;
        QTest::newRow("9q12 pale") << 8 << "q12" << 0.0 << 0.2 << 1.6 << false;
        QTest::newRow("16q11.2 dark") << 15 << "q11.2" << 0.7 << 1.0 << 1.6 << false;
        QTest::newRow("Yq12 of any length") << 23 << "q12" << 0.5 << 1.0 << 2.0 << false;
        QTest::newRow("15p13 satellite") << 14 << "p13" << 0.25 << 0.7 << 1.5 << true;
        QTest::newRow("21p11.2 short arm") << 20 << "p11.2" << 0.1 << 0.7 << 1.6 << false;
        QTest::newRow("2q21 ordinary") << 1 << "q21.1" << 0.0 << 0.0 << 1.0 << false;
    }

    void homologuesVaryInTheirVariableBlocks()
    {
        QFETCH(int, chromosome);
        QFETCH(QString, band);
        QFETCH(double, darkLow);
        QFETCH(double, darkHigh);
        QFETCH(double, spread);
        QFETCH(bool, sometimesAbsent);
        const ChromosomeBands &table = ideogramOf(550).at(chromosome);
        size_t index = 0;
        while (index < table.bands.size()
               && (table.bands[index].shortArm ? "p" : "q") + table.bands[index].name != band)
            ++index;
        QVERIFY(index < table.bands.size());
        const double tableSize = table.bands[index].stop - table.bands[index].start;
        const bool ordinary = table.bands[index].stain != Stain::Gvar && table.bands[index].stain != Stain::Stalk
                              && !table.acrocentric;

        Rng rng(3);
        double smallest = 1e9, largest = 0;
        bool absent = false;
        for (int draw = 0; draw < 300; ++draw) {
            const Homologue h = randomHomologue(table, rng);
            QCOMPARE(h.bands.bands.size(), table.bands.size());
            QCOMPARE(h.darkness.size(), table.bands.size());
            const double size = h.bands.bands[index].stop - h.bands.bands[index].start;
            smallest = std::min(smallest, size), largest = std::max(largest, size);
            absent = absent || size == 0;
            if (!ordinary)
                QVERIFY2(h.darkness[index] >= darkLow && h.darkness[index] <= darkHigh,
                         qPrintable(QString::number(h.darkness[index])));
            else
                QCOMPARE(h.darkness[index], bandDensity(table.bands[index]));
            // Bands still follow each other, the centromere where the p arm ends, the length
            // their sum; the block's growth is the chromosome's.
            double extra = 0;
            for (size_t b = 0; b < h.bands.bands.size(); ++b) {
                QCOMPARE(h.bands.bands[b].start, b ? h.bands.bands[b - 1].stop : 0.0);
                extra += (h.bands.bands[b].stop - h.bands.bands[b].start) - (table.bands[b].stop - table.bands[b].start);
                if (table.bands[b].shortArm && !h.bands.bands[b].shortArm)
                    QFAIL("arms mixed up");
            }
            QVERIFY(std::abs(h.bands.length - table.length - extra) < 1e-6);
            QVERIFY(h.bands.centromere > 0 && h.bands.centromere < h.bands.length);
        }
        if (ordinary) {
            QCOMPARE(smallest, tableSize);
            QCOMPARE(largest, tableSize);
        } else {
            QVERIFY2(largest >= spread * (absent ? tableSize * 0.5 : smallest),
                     qPrintable(QStringLiteral("%1 .. %2").arg(smallest).arg(largest)));
        }
        QCOMPARE(absent, sometimesAbsent);
        // What the table shows when no homologue is drawn: the block's usual stain.
        const Homologue typical = typicalHomologue(table);
        QCOMPARE(typical.bands.length, table.length);
        if (!ordinary)
            QVERIFY(typical.darkness[index] >= darkLow && typical.darkness[index] <= darkHigh);
    }
};

QTEST_GUILESS_MAIN(TestChromosomePainter)
#include "test_chromosome_painter.moc"
