// The program's own scaling and rotation, checked against a plain evaluation of the sampling
// formula written out below, plus the sizes and the picture-level facts callers rely on.
#include "exercise/bitmap_transform.h"
#include "exercise/piece_picture.h"

#include <QDirIterator>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtMath>
#include <QTest>

#include <cmath>
#include <cstring>

// Single-precision coordinates one operation at a time, as the transforms compute them.
#pragma GCC optimize("fp-contract=off")

using namespace korven;

namespace {

// --- Reference: the sampling rule, pixel by pixel, with nothing precomputed. ---
// The channel value is the exact value of the bilinear expression, truncated: the four weights
// (1-fx)(1-fy), fx(1-fy), (1-fx)fy, fx*fy are formed as 116-bit integers from the fractions
// scaled by 2^58 (exact for every fraction these fixtures produce).

bool referenceTooFine = false;

QRgb referenceSample(const QImage &src, float x, float y)
{
    const int W = src.width();
    const int H = src.height();
    const int u = y > 0 ? int(y) : int(double(y) - 1.0);
    const int v = x > 0 ? int(x) : int(double(x) - 1.0);
    const float fy = y - float(u);
    const float fx = x - float(v);
    const int col = W / 2 + v;
    const int row = H / 2 + u;
    if (col < 0 || col >= W - 1 || row < 0 || row >= H - 1)
        return qRgb(255, 255, 255);

    using Wide = __int128;
    const Wide one = Wide(1) << 58;
    const double sx = std::ldexp(double(fx), 58), sy = std::ldexp(double(fy), 58);
    if (sx != std::floor(sx) || sy != std::floor(sy))
        referenceTooFine = true;
    const Wide wx = Wide(sx), wy = Wide(sy);
    const Wide w00 = (one - wx) * (one - wy), w01 = wx * (one - wy);
    const Wide w10 = (one - wx) * wy, w11 = wx * wy;
    const QRgb s00 = src.pixel(col, row), s01 = src.pixel(col + 1, row);
    const QRgb s10 = src.pixel(col, row + 1), s11 = src.pixel(col + 1, row + 1);
    auto channel = [&](int (*part)(QRgb)) {
        const Wide sum = w00 * part(s00) + w01 * part(s01) + w10 * part(s10) + w11 * part(s11);
        return int(sum / (one * one));
    };
    return qRgb(channel(qRed), channel(qGreen), channel(qBlue));
}

// n rounds of 2 x 2 averaging, the means kept exact and rounded once at the end; a trailing odd
// row or column is left out at each round.
QImage referenceReduce(const QImage &src, int n)
{
    int w = src.width(), h = src.height();
    std::vector<double> grid[3];
    for (int c = 0; c < 3; ++c)
        grid[c].resize(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = src.pixel(x, y);
            grid[0][y * w + x] = qRed(p);
            grid[1][y * w + x] = qGreen(p);
            grid[2][y * w + x] = qBlue(p);
        }
    for (int round = 0; round < n; ++round) {
        const int w2 = w / 2, h2 = h / 2;
        for (auto &g : grid) {
            std::vector<double> next(size_t(w2) * h2);
            for (int y = 0; y < h2; ++y)
                for (int x = 0; x < w2; ++x)
                    next[y * w2 + x] = (g[2 * y * w + 2 * x] + g[2 * y * w + 2 * x + 1] + g[(2 * y + 1) * w + 2 * x]
                                        + g[(2 * y + 1) * w + 2 * x + 1]) / 4.0;
            g = std::move(next);
        }
        w = w2;
        h = h2;
    }
    QImage out(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.setPixel(x, y, qRgb(int(std::floor(grid[0][y * w + x] + 0.5)), int(std::floor(grid[1][y * w + x] + 0.5)),
                                    int(std::floor(grid[2][y * w + x] + 0.5))));
    return out;
}

// The scaling rule: below a factor of 1/2 the samples come from the source reduced by 2 x 2
// averages, with the factor doubled as often; sizes and centre offsets are those of the factor
// asked for.
QImage referenceScale(const QImage &source, float s)
{
    const int outW = int(source.width() * double(s));
    const int outH = int(source.height() * double(s) - 1.0);
    const int hw = int(source.width() * double(s) * 0.5);
    const int hh = int(source.height() * double(s) * 0.5);
    int rounds = 0;
    float sampled = s;
    while (sampled < 0.5f) {
        sampled *= 2.0f;
        ++rounds;
    }
    const QImage src = rounds ? referenceReduce(source, rounds) : source;
    QImage out(outW, outH, QImage::Format_RGB888);
    out.fill(Qt::black);
    for (int i = -hh; i <= hh - 1; ++i) {
        for (int j = -hw; j <= hw; ++j) {
            const float y = float(i) / sampled;
            const float x = float(j) / sampled;
            if (out.rect().contains(hw + j, hh + i))
                out.setPixel(hw + j, hh + i, referenceSample(src, x, y));
        }
    }
    return out;
}

QImage referenceRotate(const QImage &src, float a)
{
    float phi = a;
    if (phi > 180)
        phi = phi - 180;
    if (phi > 90)
        phi = 180 - phi;
    const double r = phi * M_PI * (1.0 / 180);
    const int outW = int(std::cos(r) * src.width() + std::sin(r) * src.height());
    const int outH = int(std::sin(r) * src.width() + std::cos(r) * src.height());
    const int hw = (outW + 1) / 2;
    const int hh = (outH + 1) / 2;
    // A whole number of quarter turns has exact sine and cosine.
    float sinT, cosT;
    if (std::fmod(a, 90.0f) == 0.0f) {
        const int quarter = int(a / 90.0f) % 4;
        sinT = quarter == 1 ? 1.0f : quarter == 3 ? -1.0f : 0.0f;
        cosT = quarter == 0 ? 1.0f : quarter == 2 ? -1.0f : 0.0f;
    } else {
        const double theta = a * M_PI * (1.0 / 180);
        sinT = float(std::sin(theta));
        cosT = float(std::cos(theta));
    }
    QImage out(outW, outH, QImage::Format_RGB888);
    out.fill(Qt::black);
    for (int i = -hh; i <= hh - 1; ++i) {
        for (int j = -hw; j <= hw; ++j) {
            const float y = sinT * float(j) + cosT * float(i);
            const float x = cosT * float(j) - sinT * float(i);
            if (out.rect().contains(hw + j, hh + i))
                out.setPixel(hw + j, hh + i, referenceSample(src, x, y));
        }
    }
    return out;
}

// A small picture with every channel different from its neighbours.
QImage noisyFixture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    quint32 state = 12345;
    for (int y = 0; y < h; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < 3 * w; ++x) {
            state = state * 1103515245u + 12345u;
            row[x] = uchar(state >> 24);
        }
    }
    return image;
}

QImage filled(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

// Horizontal stripes `thickness` pixels thick, black and white in turn, down a 40-pixel-wide bar.
QImage stripes(int thickness)
{
    QImage image(40, 300, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        std::memset(image.scanLine(y), (y / thickness) % 2 ? 255 : 0, size_t(image.width()) * 3);
    return image;
}

// Chromosome 1 of the first bundled problem (850 bands, about 320 pixels long), made by the
// problem maker into a temporary folder.
QImage makerChromosome()
{
    static QImage chromosome;
    if (chromosome.isNull()) {
        QTemporaryDir dir;
        QProcess::execute(QStringLiteral(KORVEN_TOOL),
                          {QStringLiteral("make"), QStringLiteral("--out"), dir.path(), QStringLiteral("--only"),
                           QStringLiteral("1"), QStringLiteral("--threads"), QStringLiteral("1")});
        QDirIterator it(dir.path(), {QStringLiteral("1-1.bmp")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (QFileInfo(path).dir() != QDir(dir.path())) // the problem's own, not the sample
                chromosome = QImage(path).convertToFormat(QImage::Format_RGB888);
        }
    }
    return chromosome;
}

// The mean grey of the source over the square of side 2/s around a source position: what an
// output pixel at factor s should show when nothing is lost between samples.
double localMean(const QImage &src, double cx, double cy, float s)
{
    const double r = 1.0 / s;
    double sum = 0, weight = 0;
    for (int y = int(std::floor(cy - r + 0.5)); y <= int(std::floor(cy + r + 0.5)); ++y) {
        const double wy = std::min(cy + r, y + 0.5) - std::max(cy - r, y - 0.5);
        if (y < 0 || y >= src.height() || wy <= 0)
            continue;
        for (int x = int(std::floor(cx - r + 0.5)); x <= int(std::floor(cx + r + 0.5)); ++x) {
            const double wx = std::min(cx + r, x + 0.5) - std::max(cx - r, x - 0.5);
            if (x < 0 || x >= src.width() || wx <= 0)
                continue;
            sum += qGray(src.pixel(x, y)) * wx * wy;
            weight += wx * wy;
        }
    }
    return weight > 0 ? sum / weight : 255;
}

// First differing pixel, for a readable failure.
QString firstDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return QStringLiteral("size %1x%2 vs %3x%4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("pixel (%1,%2): %3 vs %4").arg(x).arg(y)
                    .arg(a.pixel(x, y), 8, 16).arg(b.pixel(x, y), 8, 16);
    return QString();
}

} // namespace

class TestBitmapTransform : public QObject {
    Q_OBJECT

private slots:
    void scaleSize_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<float>("factor");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("unit factor drops one row") << QSize(40, 100) << 1.0f << QSize(40, 99);
        QTest::newRow("half") << QSize(40, 100) << 0.5f << QSize(20, 49);
        QTest::newRow("truncated") << QSize(41, 101) << 0.3f << QSize(12, 29);
        QTest::newRow("enlarged") << QSize(33, 57) << 1.7f << QSize(56, 95);
    }
    void scaleSize()
    {
        QFETCH(QSize, source);
        QFETCH(float, factor);
        QFETCH(QSize, expected);
        QImage out;
        ScaleBitmap(filled(source.width(), source.height(), Qt::red), out, factor);
        QCOMPARE(out.size(), expected);
        QCOMPARE(out.format(), QImage::Format_RGB888);
    }

    // Band patterns along a chromosome's axis: below 1/2 every output pixel shows about the mean
    // of the source it stands for (thin bands neither vanish nor turn into false bars); from 1/2
    // on the output is the plain bilinear rule. Sizes are always those of the factor.
    void bandPatterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<float>("factor");
        QTest::addColumn<double>("worst");   // largest deviation from the local mean allowed
        QTest::addColumn<double>("average"); // mean deviation allowed
        for (float s : {0.22f, 0.3f, 0.45f, 0.6f, 1.0f}) {
            QTest::addRow("1-px stripes, %.2f", s) << QStringLiteral("1") << s << 24.0 << 12.0;
            QTest::addRow("chromosome 1, %.2f", s) << QStringLiteral("chromosome") << s << 255.0 << 18.0;
        }
        // Two-pixel stripes need two reductions to average out; at 0.3 and 0.45 one reduction
        // leaves one-pixel stripes for the bilinear step, which beat against the samples.
        QTest::addRow("2-px stripes, 0.22") << QStringLiteral("2") << 0.22f << 24.0 << 12.0;
        QTest::addRow("2-px stripes, 0.6") << QStringLiteral("2") << 0.6f << 0.0 << 0.0;
    }
    void bandPatterns()
    {
        QFETCH(QString, pattern);
        QFETCH(float, factor);
        QFETCH(double, worst);
        QFETCH(double, average);
        const QImage src = pattern == QLatin1String("chromosome") ? makerChromosome() : stripes(pattern.toInt());
        QVERIFY2(src.height() > 250, "the problem maker gave no chromosome 1");

        QImage out;
        ScaleBitmap(src, out, factor);
        QCOMPARE(out.size(), QSize(int(src.width() * double(factor)), int(src.height() * double(factor) - 1.0)));
        if (factor >= 0.5f) {
            const QImage plain = referenceScale(src, factor);
            QVERIFY2(out == plain, qPrintable(firstDifference(out, plain)));
            return;
        }
        // Down the middle column, away from the ends.
        const int hw = int(src.width() * double(factor) * 0.5);
        const int hh = int(src.height() * double(factor) * 0.5);
        double largest = 0, total = 0;
        int count = 0;
        for (int y = 2; y + 2 < out.height(); ++y) {
            const double cy = src.height() / 2 + (y - hh) / double(factor);
            const double d = std::abs(qGray(out.pixel(hw, y)) - localMean(src, src.width() / 2, cy, factor));
            largest = std::max(largest, d);
            total += d;
            ++count;
        }
        QVERIFY2(largest <= worst, qPrintable(QStringLiteral("largest deviation %1").arg(largest)));
        QVERIFY2(total / count <= average, qPrintable(QStringLiteral("mean deviation %1").arg(total / count)));
    }

    void reductionSteps_data()
    {
        QTest::addColumn<float>("factor");
        QTest::addColumn<int>("steps");
        QTest::newRow("1") << 1.0f << 0;
        QTest::newRow("0.5") << 0.5f << 0;
        QTest::newRow("just below 0.5") << 0.4999f << 1;
        QTest::newRow("0.25") << 0.25f << 1;
        QTest::newRow("0.22") << 0.22f << 2;
        QTest::newRow("0.05") << 0.05f << 4;
    }
    void reductionSteps()
    {
        QFETCH(float, factor);
        QFETCH(int, steps);
        QCOMPARE(korven::reductionSteps(factor), steps);
    }

    void scaleToNothing()
    {
        QImage out = filled(3, 3, Qt::red);
        ScaleBitmap(filled(10, 10, Qt::red), out, 0.05f); // 0 x trunc(-0.5)
        QVERIFY(out.isNull());
        ScaleBitmap(filled(10, 10, Qt::red), out, 0.0f);
        QVERIFY(out.isNull());
    }

    void rotateSize_data()
    {
        QTest::addColumn<float>("angle");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("0") << 0.0f << QSize(40, 100);
        QTest::newRow("180 folds to 0") << 180.0f << QSize(40, 100);
        QTest::newRow("90") << 90.0f << QSize(100, 40);
        QTest::newRow("270") << 270.0f << QSize(100, 40);
        // cos 45 * 140 = 98.99...
        QTest::newRow("45") << 45.0f << QSize(98, 98);
        QTest::newRow("225 folds to 45") << 225.0f << QSize(98, 98);
        QTest::newRow("15") << 15.0f << QSize(64, 106);
    }
    void rotateSize()
    {
        QFETCH(float, angle);
        QFETCH(QSize, expected);
        QImage out;
        RotateBitmap(filled(40, 100, Qt::red), out, angle);
        QCOMPARE(out.size(), expected);
        QCOMPARE(out.format(), QImage::Format_RGB888);
    }

    void rotate180IsUpsideDown()
    {
        // Red over blue becomes blue over red, and left/right swap too.
        QImage src(20, 40, QImage::Format_RGB888);
        src.fill(Qt::blue);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 10; ++x)
                src.setPixel(x, y, qRgb(255, 0, 0));
        QImage out;
        RotateBitmap(src, out, 180.0f);
        QCOMPARE(out.size(), src.size());
        QCOMPARE(out.pixel(5, 5), qRgb(0, 0, 255));
        QCOMPARE(out.pixel(15, 5), qRgb(0, 0, 255));
        QCOMPARE(out.pixel(15, 35), qRgb(255, 0, 0));
        QCOMPARE(out.pixel(5, 35), qRgb(0, 0, 255));
    }

    void lastRowAndColumnNeverSampled()
    {
        // With exact sample positions (factor 1, angle 0) no output pixel takes anything from the
        // source's last row or column, and the outer column is white.
        QImage src = filled(30, 50, Qt::black);
        for (int x = 0; x < 30; ++x)
            src.setPixel(x, 49, qRgb(255, 0, 0));
        for (int y = 0; y < 50; ++y)
            src.setPixel(29, y, qRgb(255, 0, 0));
        QImage scaled, turned;
        ScaleBitmap(src, scaled, 1.0f);
        RotateBitmap(src, turned, 0.0f);
        for (const QImage &out : {scaled, turned}) {
            for (int y = 0; y < out.height(); ++y) {
                for (int x = 0; x < out.width(); ++x) {
                    const QRgb p = out.pixel(x, y);
                    QVERIFY2(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255),
                             qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
                }
            }
            for (int y = 0; y < out.height(); ++y)
                QCOMPARE(out.pixel(out.width() - 1, y), qRgb(255, 255, 255));
        }
        // Rotated by 0 the output keeps the size, so its last row and column map onto the
        // source's last row and column and come out white.
        for (int x = 0; x < turned.width(); ++x)
            QCOMPARE(turned.pixel(x, turned.height() - 1), qRgb(255, 255, 255));
    }

    void matchesPlainFormula_data()
    {
        QTest::addColumn<float>("factor");
        QTest::addColumn<float>("angle");
        QTest::newRow("0.3, 0") << 0.3f << 0.0f;      // one 2 x 2 reduction first
        QTest::newRow("0.3, 15") << 0.3f << 15.0f;
        QTest::newRow("0.11, 30") << 0.11f << 30.0f;  // three reductions, odd sizes at each
        QTest::newRow("0.5, 90") << 0.5f << 90.0f;
        QTest::newRow("0.77, 105") << 0.77f << 105.0f;
        QTest::newRow("1, 180") << 1.0f << 180.0f;
        QTest::newRow("1, 45") << 1.0f << 45.0f;
        QTest::newRow("1.3, 195") << 1.3f << 195.0f;
        QTest::newRow("2.5, 270") << 2.5f << 270.0f;   // fractions below 2^-24 occur
        QTest::newRow("3.7, 345") << 3.7f << 345.0f;
        QTest::newRow("0.9, 33.3") << 0.9f << 33.3f;
        QTest::newRow("1.1, 2.3") << 1.1f << 2.3f;      // a small sine: fine fractions when turning
    }
    void matchesPlainFormula()
    {
        QFETCH(float, factor);
        QFETCH(float, angle);
        // Below 0.25 the reductions need a larger source to leave anything to sample.
        const QImage src = factor < 0.25f ? noisyFixture(83, 141) : noisyFixture(23, 37);
        referenceTooFine = false;

        QImage scaled;
        ScaleBitmap(src, scaled, factor);
        const QImage expectedScaled = referenceScale(src, factor);
        QVERIFY2(scaled == expectedScaled, qPrintable(firstDifference(scaled, expectedScaled)));

        QImage turned;
        RotateBitmap(src, turned, angle);
        const QImage expectedTurned = referenceRotate(src, angle);
        QVERIFY2(turned == expectedTurned, qPrintable(firstDifference(turned, expectedTurned)));

        // The two in a row, as the scatter uses them.
        QImage both;
        RotateBitmap(scaled, both, angle);
        const QImage expectedBoth = referenceRotate(expectedScaled, angle);
        QVERIFY2(both == expectedBoth, qPrintable(firstDifference(both, expectedBoth)));
        QVERIFY(!referenceTooFine);
    }

    void uniformColourStaysExact()
    {
        // A flat colour must come out as exactly that colour or white: rounding that turns
        // 255 into 254 would leave a visible, non-transparent fringe around every piece.
        const QRgb colour = qRgb(201, 99, 255);
        const QImage src = filled(31, 47, QColor(colour));
        auto check = [&](const QImage &out, const QString &what) {
            for (int y = 0; y < out.height(); ++y)
                for (int x = 0; x < out.width(); ++x) {
                    const QRgb p = out.pixel(x, y);
                    if (p != colour && p != qRgb(255, 255, 255))
                        return QStringLiteral("%1 (%2,%3): %4").arg(what).arg(x).arg(y).arg(p, 8, 16);
                }
            return QString();
        };
        for (float factor : {0.3f, 0.47f, 0.9f, 1.0f, 1.7f, 2.9f}) {
            QImage scaled;
            ScaleBitmap(src, scaled, factor);
            const QString fault = check(scaled, QStringLiteral("factor %1").arg(factor));
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
        for (float angle : {7.5f, 15.0f, 45.0f, 90.0f, 135.0f, 200.0f, 345.0f}) {
            QImage turned;
            RotateBitmap(src, turned, angle);
            const QString fault = check(turned, QStringLiteral("angle %1").arg(angle));
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

    void otherFormatsAreReadAs24Bit()
    {
        const QImage src = noisyFixture(19, 29);
        QImage fromRgb888, fromRgb32;
        ScaleBitmap(src, fromRgb888, 0.8f);
        ScaleBitmap(src.convertToFormat(QImage::Format_RGB32), fromRgb32, 0.8f);
        QCOMPARE(fromRgb32, fromRgb888);
        QCOMPARE(fromRgb32.format(), QImage::Format_RGB888);
    }

    void sourceMayBeTheOutput()
    {
        QImage image = noisyFixture(19, 29);
        QImage expected;
        RotateBitmap(image, expected, 30.0f);
        RotateBitmap(image, image, 30.0f);
        QCOMPARE(image, expected);
    }

    void whiteBecomesTransparent()
    {
        QImage src = filled(3, 1, Qt::white);
        src.setPixel(1, 0, qRgb(255, 255, 254));
        src.setPixel(2, 0, qRgb(0, 0, 0));
        const QImage shown = whiteAsTransparent(src);
        QCOMPARE(shown.format(), QImage::Format_ARGB32);
        QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
        QCOMPARE(shown.pixel(1, 0), qRgba(255, 255, 254, 255));
        QCOMPARE(shown.pixel(2, 0), qRgba(0, 0, 0, 255));
    }

    // A piece shown over the board: what was white lets the background through, also where the
    // transforms mixed it with the chromosome, and the chromosome keeps its own grey.
    void shownPieceHasNoWhiteRim_data()
    {
        QTest::addColumn<float>("scale");
        QTest::addColumn<float>("angle");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("enlarged") << 1.7f << 0.0f << 1.0;
        QTest::newRow("reduced, turned") << 0.6f << 33.0f << 1.0;
        QTest::newRow("turned, ratio 2") << 1.0f << 120.0f << 2.0;
    }

    void shownPieceHasNoWhiteRim()
    {
        QFETCH(float, scale);
        QFETCH(float, angle);
        QFETCH(qreal, ratio);
        QImage source = filled(30, 60, Qt::white);
        {
            QPainter painter(&source);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(100, 100, 100));
            painter.drawEllipse(QRect(5, 5, 20, 50));
        }
        const PiecePicture picture = drawPiecePicture(source, scale, angle == 0.0f ? std::nullopt : std::optional(angle), ratio);
        QCOMPARE(picture.shown.size(), picture.pixels.size());
        QCOMPARE(picture.shown.devicePixelRatio(), picture.pixels.devicePixelRatio());
        const QImage shown = picture.shown.convertToFormat(QImage::Format_ARGB32); // unpremultiplied
        int opaque = 0, clear = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb pixel = shown.pixel(x, y);
                const int alpha = qAlpha(pixel);
                const QString where = QStringLiteral("%1,%2: %3 alpha %4").arg(x).arg(y).arg(qRed(pixel)).arg(alpha);
                if (alpha == 255) {
                    ++opaque;
                    // The chromosome's own pixels as the transforms draw them (a trace of white
                    // below one unit of alpha may still lift the 24-bit one by a unit).
                    QVERIFY2(std::abs(qRed(pixel) - qRed(picture.pixels.pixel(x, y))) <= 1, qPrintable(where));
                }
                clear += alpha == 0;
                // Where white was mixed in, the colour is the chromosome's grey, but for the
                // transforms' truncation (a unit of the premultiplied value).
                if (alpha >= 32)
                    QVERIFY2(std::abs(qRed(pixel) - 100) <= 2 + 2 * 255 / alpha, qPrintable(where));
            }
        }
        QVERIFY(opaque > 0 && clear > 0);
    }
};

QTEST_GUILESS_MAIN(TestBitmapTransform)
#include "test_bitmap_transform.moc"
