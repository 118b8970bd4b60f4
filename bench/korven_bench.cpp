// korven-bench: timings of the program's hot paths, as medians over repeats. Figures only, no
// asserts. Sections: the piece transforms against Qt's own smooth transform, and loading one
// problem. The last line is "transform ratio: X" (ours / Qt). Options: --once (one run of each),
// --section NAME (only that section; may be repeated).
#include "bench/bench.h"

#include "exercise/bitmap_transform.h"
#include "exercise/catalogue.h"
#include "files/comma_text.h"
#include "exercise/problem_loader.h"
#include "exercise/random.h"
#include "files/text_file.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace korvenbench {

namespace {

struct Section {
    QString name;
    int order;
    std::function<void()> run;
};

std::vector<Section> &sections()
{
    static std::vector<Section> list;
    return list;
}

std::optional<double> &transformRatio()
{
    static std::optional<double> ratio;
    return ratio;
}

bool &runOnce()
{
    static bool once = false;
    return once;
}

} // namespace

int repeats(int wanted)
{
    return runOnce() ? 1 : wanted;
}

double timeMs(const std::function<void()> &fn)
{
    QElapsedTimer timer;
    timer.start();
    fn();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void printMedian(const QString &name, double ms)
{
    std::printf("%s: median %.3f ms\n", qPrintable(name), ms);
    std::fflush(stdout);
}

double measure(const QString &name, int wanted, const std::function<void()> &fn)
{
    if (!runOnce())
        fn();
    std::vector<double> times;
    for (int i = 0; i < repeats(wanted); ++i)
        times.push_back(timeMs(fn));
    const double m = median(times);
    printMedian(name, m);
    return m;
}

bool registerSection(const QString &name, int order, std::function<void()> run)
{
    sections().push_back({name, order, std::move(run)});
    return true;
}

QString programFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../korven"));
}

void setTransformRatio(double ratio)
{
    transformRatio() = ratio;
}

} // namespace korvenbench

namespace {

using namespace korvenbench;
using Pieces = std::array<QImage, korven::PieceCount>;

// The first bundled problem, if the build generated any.
QString bundledProblem()
{
    const QStringList present = korven::availableProblems(programFolder() + QStringLiteral("/Images"));
    return present.isEmpty() ? QString() : present.first();
}

// A chromosome-like picture: a dark rounded rod with a waist and a few bands, on white.
QImage syntheticPiece(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double margin = 4;
    const QRectF rod(margin, margin, width - 2 * margin, height - 2 * margin);
    QPainterPath path;
    path.addRoundedRect(rod, rod.width() / 2.2, rod.width() / 2.2);
    painter.setClipPath(path);
    painter.fillRect(rod, QColor(120, 90, 140));
    korven::RandomGenerator rng(std::uint32_t(seed) * 7919u + 1u);
    for (int band = 0; band < 8; ++band) {
        const int y = int(margin) + rng.below(height - 2 * int(margin));
        const int h = 3 + rng.below(12);
        const int shade = 30 + rng.below(150);
        painter.fillRect(QRectF(0, y, width, h), QColor(shade, shade * 3 / 4, shade));
    }
    const int waist = height / 3 + rng.below(height / 3);
    painter.setClipping(false);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(margin - 2, waist), width / 5.0, 5.0);
    painter.drawEllipse(QPointF(width - margin + 2, waist), width / 5.0, 5.0);
    return image;
}

Pieces syntheticPieces()
{
    Pieces pieces;
    korven::RandomGenerator rng(2024);
    for (int k = 0; k < korven::PieceCount; ++k)
        pieces[k] = syntheticPiece(rng.range(40, 121), rng.range(150, 331), k);
    return pieces;
}

// A problem folder written to `folder`: the 46 bitmaps and a listing with their check values.
QString writeFixtureProblem(const QString &folder, const Pieces &pieces)
{
    const QString name = korven::catalogueNames().first();
    QDir dir(folder);
    dir.mkpath(name);
    dir.cd(name);
    QStringList listing;
    for (int k = 0; k < korven::PieceCount; ++k) {
        const QString file = dir.filePath(korven::pieceFileName(k));
        pieces[k].save(file, "BMP");
        listing << korven::joinCommaText({korven::pieceFileName(k), QStringLiteral("0"),
                                          QString::number(korven::checkValue(file))});
    }
    korven::writeFileAtomically(dir.filePath(name + QStringLiteral(".set")), korven::linesToCp932(listing));
    return name;
}

void transformSection()
{
    Pieces pieces;
    const QString bundled = bundledProblem();
    if (!bundled.isEmpty()) {
        QStringList values;
        korven::loadProblem(programFolder() + QStringLiteral("/Images"), bundled, pieces, values);
        std::printf("transform input: bundled problem %s\n", qPrintable(bundled));
    } else {
        pieces = syntheticPieces();
        std::printf("transform input: 46 synthetic pieces\n");
    }

    const float factor = 0.3f;
    std::array<float, korven::PieceCount> angles;
    korven::RandomGenerator rng(4711);
    for (float &angle : angles)
        angle = 15.0f * rng.below(24);

    qint64 sink = 0;
    auto ours = [&] {
        QImage scaled, turned;
        for (int k = 0; k < korven::PieceCount; ++k) {
            korven::ScaleBitmap(pieces[k], scaled, factor);
            korven::RotateBitmap(scaled, turned, angles[k]);
            sink += turned.width();
        }
    };
    auto qt = [&] {
        for (int k = 0; k < korven::PieceCount; ++k) {
            const QImage turned = pieces[k].transformed(QTransform().scale(factor, factor).rotate(angles[k]),
                                                        Qt::SmoothTransformation);
            sink += turned.width();
        }
    };

    ours();
    qt();
    std::vector<double> oursMs, qtMs;
    for (int repeat = 0; repeat < repeats(60); ++repeat) {
        oursMs.push_back(timeMs(ours));
        qtMs.push_back(timeMs(qt));
    }
    const double oursMedian = median(oursMs);
    const double qtMedian = median(qtMs);
    printMedian(QStringLiteral("transform 46 pieces (ScaleBitmap+RotateBitmap)"), oursMedian);
    printMedian(QStringLiteral("transform 46 pieces (QImage::transformed smooth)"), qtMedian);
    if (sink == 42)
        std::printf("\n");
    setTransformRatio(qtMedian > 0 ? oursMedian / qtMedian : 0.0);
}

void loadSection()
{
    QString imagesFolder = programFolder() + QStringLiteral("/Images");
    QString name = bundledProblem();
    QTemporaryDir temporary;
    if (name.isEmpty()) {
        if (!temporary.isValid()) {
            std::printf("load problem: no temporary folder\n");
            return;
        }
        imagesFolder = temporary.path();
        name = writeFixtureProblem(imagesFolder, syntheticPieces());
    }
    measure(QStringLiteral("load problem (listing, 46 bitmaps, check values)"), 30, [&] {
        Pieces pieces;
        QStringList values;
        korven::loadProblem(imagesFolder, name, pieces, values);
    });
}

const bool transformsRegistered = registerSection(QStringLiteral("transforms"), 10, transformSection);
const bool loadRegistered = registerSection(QStringLiteral("load problem"), 20, loadSection);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // --once: every figure from a single run, to see quickly that each line still measures.
    runOnce() = app.arguments().contains(QStringLiteral("--once"));
    // --section NAME (repeatable): only the named sections, e.g. "--section import".
    QStringList only;
    for (int i = app.arguments().indexOf(QStringLiteral("--section")); i >= 0 && i + 1 < app.arguments().size();
         i = app.arguments().indexOf(QStringLiteral("--section"), i + 2))
        only << app.arguments().at(i + 1);

    bool failed = false;
    auto &list = sections();
    std::stable_sort(list.begin(), list.end(),
                     [](const Section &a, const Section &b) { return a.order < b.order; });
    for (const Section &section : list) {
        if (!only.isEmpty() && !only.contains(section.name))
            continue;
        try {
            section.run();
        } catch (const std::exception &error) {
            std::printf("%s: failed: %s\n", qPrintable(section.name), error.what());
            failed = true;
        }
    }
    if (transformRatio())
        std::printf("transform ratio: %.3f\n", *transformRatio());
    else
        std::printf("transform ratio: n/a\n");
    return failed ? 1 : 0;
}
