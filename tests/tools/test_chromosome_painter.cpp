// Geometry of the drawn chromosomes, measured on the pictures themselves: lengths as in the
// ideogram, centromeres where the tables put them, white margins, no holes, one piece each.
#include "tools/chromosome_painter.h"
#include "tools/problem_maker.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <queue>

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

// The chromosome measured along its own principal axis: length, and the width at each step.
struct Measure {
    double length = 0;
    std::vector<double> widths; // index = 1-pixel step from the top end
    double medianWidth = 0;
};

Measure measure(const QImage &image)
{
    std::vector<QPointF> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isWhite(image, x, y))
                points.emplace_back(x + 0.5, y + 0.5);
    double mx = 0, my = 0;
    for (const QPointF &p : points)
        mx += p.x(), my += p.y();
    mx /= points.size(), my /= points.size();
    double sxx = 0, syy = 0, sxy = 0;
    for (const QPointF &p : points) {
        sxx += (p.x() - mx) * (p.x() - mx), syy += (p.y() - my) * (p.y() - my);
        sxy += (p.x() - mx) * (p.y() - my);
    }
    // Axis pointing down the picture (upright chromosomes), across axis perpendicular.
    const double angle = 0.5 * std::atan2(2 * sxy, syy - sxx);
    const double ax = std::sin(angle), ay = std::cos(angle);
    double low = 1e9, high = -1e9;
    for (const QPointF &p : points) {
        const double a = (p.x() - mx) * ax + (p.y() - my) * ay;
        low = std::min(low, a), high = std::max(high, a);
    }
    Measure m;
    m.length = high - low + 1;
    const int bins = int(std::ceil(m.length));
    std::vector<double> across0(bins, 1e9), across1(bins, -1e9);
    for (const QPointF &p : points) {
        const int bin = std::clamp(int((p.x() - mx) * ax + (p.y() - my) * ay - low), 0, bins - 1);
        const double b = (p.x() - mx) * ay - (p.y() - my) * ax;
        across0[bin] = std::min(across0[bin], b), across1[bin] = std::max(across1[bin], b);
    }
    for (int i = 0; i < bins; ++i)
        m.widths.push_back(across1[i] >= across0[i] ? across1[i] - across0[i] + 1 : 0);
    std::vector<double> sorted = m.widths;
    std::sort(sorted.begin(), sorted.end());
    m.medianWidth = sorted[sorted.size() / 2];
    return m;
}

// Centromere as a fraction of the length: the narrowest place away from the rounded ends for
// chromosomes with two arms; for acrocentrics the end of the thin short arm.
double measuredCentromere(const Measure &m, bool acrocentric)
{
    const int n = int(m.widths.size());
    if (acrocentric) {
        int i = 0;
        while (i < n && m.widths[i] < 0.6 * m.medianWidth)
            ++i;
        return i / m.length;
    }
    const int margin = std::max(1, int(0.35 * m.medianWidth));
    const auto smoothed = [&](int i) { return m.widths[i - 1] + m.widths[i] + m.widths[i + 1]; };
    int best = margin;
    for (int i = margin; i < n - margin; ++i)
        if (smoothed(i) < smoothed(best))
            best = i;
    return (best + 0.5) / m.length;
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

// Number of 8-connected pieces of chromosome pixels.
int components(const QImage &image)
{
    const int w = image.width(), h = image.height();
    std::vector<char> seen(size_t(w) * h, 0);
    int count = 0;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            if (isWhite(image, x0, y0) || seen[size_t(y0) * w + x0])
                continue;
            ++count;
            std::queue<QPoint> queue;
            queue.emplace(x0, y0);
            seen[size_t(y0) * w + x0] = 1;
            while (!queue.empty()) {
                const QPoint p = queue.front();
                queue.pop();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = p.x() + dx, y = p.y() + dy;
                        if (x >= 0 && y >= 0 && x < w && y < h && !seen[size_t(y) * w + x] && !isWhite(image, x, y)) {
                            seen[size_t(y) * w + x] = 1;
                            queue.emplace(x, y);
                        }
                    }
            }
        }
    }
    return count;
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
    }

    void geometryFollowsTheIdeogram()
    {
        QFETCH(int, level);
        QFETCH(quint64, seed);
        const Ideogram &ideogram = ideogramOf(level);
        Rng rng(seed);
        const MetaphaseStyle style = randomMetaphaseStyle(rng, ideogram);

        std::vector<double> ratios; // measured length per ideogram unit
        for (int k = 0; k < 24; ++k) {
            const ChromosomeBands &bands = ideogram.at(k);
            const QImage image = paintChromosome(bands, style, randomChromosomeLook(rng));
            const QString what = QStringLiteral("chromosome %1").arg(bands.name);
            QCOMPARE(image.format(), QImage::Format_Grayscale8);
            QVERIFY2(whiteBorder(image) >= 2, qPrintable(what));
            QVERIFY2(innerWhitePixels(image) == 0, qPrintable(what));
            QVERIFY2(components(image) == 1, qPrintable(what));

            const Measure m = measure(image);
            ratios.push_back(m.length / bands.length);
            if (k == 0)
                QVERIFY2(m.length >= 245 && m.length <= 355, qPrintable(QString::number(m.length)));
            const double centromere = measuredCentromere(m, bands.acrocentric);
            const double expected = bands.centromere / bands.length;
            QVERIFY2(std::abs(centromere - expected) < 0.05,
                     qPrintable(QStringLiteral("%1: centromere at %2, table %3").arg(what).arg(centromere).arg(expected)));
        }
        // Lengths proportional to the table: every ratio close to the median one.
        std::vector<double> sorted = ratios;
        std::sort(sorted.begin(), sorted.end());
        const double median = sorted[sorted.size() / 2];
        for (int k = 0; k < 24; ++k)
            QVERIFY2(std::abs(ratios[k] / median - 1) < 0.07,
                     qPrintable(QStringLiteral("chromosome %1 length off by %2")
                                    .arg(ideogram.at(k).name).arg(ratios[k] / median - 1)));
    }

    void problemsAreDeterministicAndDistinct()
    {
        const ProblemPlan female = planProblem(ideograms(), 7, 0, true);
        const ProblemPlan male = planProblem(ideograms(), 7, 0, false);
        // Same seed and position: the same picture; homologues and other problems differ.
        QCOMPARE(renderPiece(female, 7, 0, 10), renderPiece(planProblem(ideograms(), 7, 0, true), 7, 0, 10));
        QVERIFY(renderPiece(female, 7, 0, 10) != renderPiece(female, 7, 0, 11));
        QVERIFY(renderPiece(female, 7, 0, 10) != renderPiece(planProblem(ideograms(), 7, 1, true), 7, 1, 10));
        QVERIFY(renderPiece(female, 7, 0, 10) != renderPiece(planProblem(ideograms(), 8, 0, true), 8, 0, 10));

        // Pair 23: X and X for a female, X and the much shorter Y for a male.
        const double x1 = measure(renderPiece(female, 7, 0, 44)).length;
        const double x2 = measure(renderPiece(female, 7, 0, 45)).length;
        const double maleX = measure(renderPiece(male, 7, 0, 44)).length;
        const double y = measure(renderPiece(male, 7, 0, 45)).length;
        QVERIFY(std::abs(x1 / x2 - 1) < 0.07);
        QCOMPARE(maleX, x1); // the same piece of the same metaphase
        QVERIFY2(y < 0.5 * maleX, qPrintable(QStringLiteral("Y %1, X %2").arg(y).arg(maleX)));
    }
};

QTEST_GUILESS_MAIN(TestChromosomePainter)
#include "test_chromosome_painter.moc"
