// Importing karyogram pictures: made problems laid out as karyograms, spoiled the ways scans and
// exports are, cut up again; and the pictures the import must refuse.
#include "exercise/catalogue.h"
#include "exercise/errors.h"
#include "exercise/problem_loader.h"
#include "tools/karyogram_import.h"
#include "tools/karyogram_sheet.h"
#include "tools/problem_audit.h"
#include "tools/problem_maker.h"

#include "tools/cv_image.h"
#include "fixtures/karyogram_corpus.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include "support/file_modes.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <opencv2/imgproc.hpp>

using namespace korven;

namespace {

using Pieces = std::array<QImage, PieceCount>;

// The box of a bitmap's non-white pixels.
QRect inkBox(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QRect box;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            if (line[x] < 250)
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

// Mean grey difference of two chromosomes' boxes, the second scaled to the first's size.
double meanDifference(const QImage &expected, const QImage &found)
{
    const QImage a = expected.copy(inkBox(expected)).convertToFormat(QImage::Format_Grayscale8);
    const QImage b = found.copy(inkBox(found)).convertToFormat(QImage::Format_Grayscale8)
                         .scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(int(a.constScanLine(y)[x]) - int(b.constScanLine(y)[x]));
    return sum / std::max(1, a.width() * a.height());
}

QImage fromMat(const cv::Mat &mat)
{
    return toQImage(mat);
}

// A dark speck like a satellite, `lift` pixels above the top of the chromosome in the bitmap.
QImage withLiftedSatellite(const QImage &piece, int lift)
{
    const QRect ink = inkBox(piece);
    const int room = lift + 10;
    QImage out(piece.width(), piece.height() + room, QImage::Format_RGB888);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, room, piece);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 90));
    painter.drawEllipse(QPointF(ink.center().x(), room + ink.top() - lift - 4), 4.5, 3.5);
    return out;
}

// The chromosome cut across at its narrowest row in the middle part (the centromere).
QImage splitAtCentromere(const QImage &piece)
{
    QImage out = piece.convertToFormat(QImage::Format_RGB888);
    const QRect ink = inkBox(out);
    int narrowest = -1, best = 1 << 30;
    for (int y = ink.top() + ink.height() / 4; y < ink.top() + ink.height() * 3 / 5; ++y) {
        const QRect row = inkBox(out.copy(0, y, out.width(), 1));
        if (row.width() < best) {
            best = row.width();
            narrowest = y;
        }
    }
    for (int y = narrowest - 1; y <= narrowest + 1; ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixelColor(x, y, Qt::white);
    return out;
}

// Two chromosomes side by side in one bitmap.
QImage twoInOne(const QImage &a, const QImage &b)
{
    QImage out(a.width() + b.width() + 10, std::max(a.height(), b.height()), QImage::Format_RGB888);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, out.height() - a.height(), a);
    painter.drawImage(a.width() + 10, out.height() - b.height(), b);
    return out;
}

// The chromosome turned by `degrees` (clockwise), cropped to its ink with a 3-pixel white margin.
QImage turned(const QImage &piece, double degrees)
{
    cv::Mat mat = toGreyMat(piece);
    const int pad = mat.rows / 4;
    cv::copyMakeBorder(mat, mat, pad, pad, pad, pad, cv::BORDER_CONSTANT, cv::Scalar(255));
    const cv::Mat turn = cv::getRotationMatrix2D(cv::Point2f(mat.cols / 2.f, mat.rows / 2.f), -degrees, 1.0);
    cv::warpAffine(mat, mat, turn, mat.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar(255));
    const QImage out = fromMat(mat).convertToFormat(QImage::Format_RGB888);
    return out.copy(inkBox(out).adjusted(-3, -3, 3, 3));
}

// The bitmap with `margin` more white pixels left and right.
QImage padded(const QImage &piece, int margin)
{
    QImage out(piece.width() + 2 * margin, piece.height(), QImage::Format_RGB888);
    out.fill(Qt::white);
    QPainter(&out).drawImage(margin, 0, piece);
    return out;
}

// The sheet under a title in a bold font, as workstations print the case and the karyotype.
QImage withTitle(const QImage &sheet, const QString &title, int pixels, const QColor &ink = Qt::black)
{
    QImage out(sheet.width(), sheet.height() + 2 * pixels, QImage::Format_RGB888);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, 2 * pixels, sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRect(24, pixels / 3, out.width() - 48, 2 * pixels), Qt::AlignLeft | Qt::AlignTop, title);
    return out;
}

// A colour export: a header bar of flat colour with the case in white, a logo disc beside it.
QImage withLogoAndBar(const QImage &sheet)
{
    QImage out(sheet.width(), sheet.height() + 90, QImage::Format_RGB888);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, 90, sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(0, 0, out.width() - 100, 56), QColor(30, 60, 140));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(30);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(20, 0, out.width(), 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Cytogenetics Lab  46,XX"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(QPointF(out.width() - 50, 40), 32, 32);
    painter.setBrush(QColor(240, 200, 40));
    painter.drawEllipse(QPointF(out.width() - 50, 40), 14, 14);
    return out;
}

// The printed sheet photographed on a desk: turned 2.5 degrees, the top edge a little narrower
// (keystone), the corners darker (vignetting), the desk around it.
QImage photographed(const QImage &sheet)
{
    const cv::Mat paper = toBgrMat(sheet);
    const int border = sheet.width() / 8;
    const cv::Size size(sheet.width() + 2 * border, sheet.height() + 2 * border);
    const float w = float(sheet.width()), h = float(sheet.height()), k = 0.012f * w;
    const cv::Point2f from[] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    std::vector<cv::Point2f> to = {{k, 0}, {w - k, 0}, {w, h}, {0, h}};
    const cv::Point2f centre(w / 2, h / 2);
    const double a = 2.5 * 3.14159265358979 / 180;
    for (cv::Point2f &p : to) {
        const cv::Point2f d = p - centre;
        p = centre + cv::Point2f(float(d.x * std::cos(a) - d.y * std::sin(a)), float(d.x * std::sin(a) + d.y * std::cos(a)))
            + cv::Point2f(float(border), float(border));
    }
    cv::Mat photo(size, CV_8UC3, cv::Scalar(70, 95, 125)); // a wooden desk, BGR
    cv::Mat grain(size, CV_8UC3);
    cv::RNG rng(3);
    rng.fill(grain, cv::RNG::NORMAL, 0, 12);
    cv::GaussianBlur(grain, grain, cv::Size(0, 0), 1.5);
    photo += grain;
    cv::warpPerspective(paper, photo, cv::getPerspectiveTransform(from, to.data()), size, cv::INTER_LINEAR,
                        cv::BORDER_TRANSPARENT);
    for (int y = 0; y < photo.rows; ++y) {
        for (int x = 0; x < photo.cols; ++x) {
            const double dx = (x - photo.cols / 2.0) / photo.cols, dy = (y - photo.rows / 2.0) / photo.rows;
            const double light = 1.0 - 0.5 * (dx * dx + dy * dy); // corners a quarter darker
            cv::Vec3b &p = photo.at<cv::Vec3b>(y, x);
            for (int c = 0; c < 3; ++c)
                p[c] = cv::saturate_cast<uchar>(p[c] * light);
        }
    }
    return toQImage(photo);
}

// Gaussian noise of `sigma` grey levels, and as much again in blotches `grain` pixels wide (paper).
void addNoise(cv::Mat &mat, double sigma, double grain)
{
    cv::Mat noise(mat.size(), CV_32F);
    cv::RNG rng(7);
    rng.fill(noise, cv::RNG::NORMAL, 0, sigma);
    if (grain > 0) {
        cv::Mat blotches(mat.size(), CV_32F);
        rng.fill(blotches, cv::RNG::NORMAL, 0, sigma * grain);
        cv::GaussianBlur(blotches, blotches, cv::Size(0, 0), grain);
        noise += blotches;
    }
    cv::Mat sum;
    mat.convertTo(sum, CV_32F);
    cv::Mat(sum + noise).convertTo(mat, CV_8U);
}

} // namespace

class TestKaryogramImport : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp_;
    QString made_;
    Pieces female_, male_;
    const QString femaleName_ = catalogueNames()[0];
    const QString maleName_ = catalogueNames()[4];

    Pieces loadPieces(const QString &name)
    {
        Pieces pieces;
        for (int piece = 0; piece < PieceCount; ++piece)
            pieces[piece] = loadBitmap24(QDir(made_).filePath(name + QLatin1Char('/') + pieceFileName(piece)));
        return pieces;
    }

    // The picture of a spoil, saved in a format of its own; expected receives the source bitmaps
    // the import should give back, scale how much larger the picture is than they are.
    QString picture(const QString &spoil, bool female, Pieces &expected, double &scale)
    {
        expected = female ? female_ : male_;
        scale = 1;
        SheetLayout layout;
        layout.title = QStringLiteral("Case 2026-117  46,%1").arg(female ? QStringLiteral("XX") : QStringLiteral("XY"));
        if (spoil == QLatin1String("heavy labels")) {
            layout.labelPixels = 30;
            layout.boldLabels = true;
        } else if (spoil == QLatin1String("no underlines")) {
            layout.underlines = false;
        } else if (spoil == QLatin1String("3/6/6/5/4 rows")) {
            layout.rowPairs = {3, 6, 6, 5, 3};
        } else if (spoil == QLatin1String("satellite lifted")) {
            expected[24] = withLiftedSatellite(expected[24], 6);
        } else if (spoil == QLatin1String("chromosome 1 split")) {
            expected[0] = splitAtCentromere(expected[0]);
        } else if (spoil == QLatin1String("underline across the ends")) {
            layout.underlineOffset = -7;
            layout.underlineWidth = 2;
        } else if (spoil == QLatin1String("pair touching at the ends")) {
            // Pair 6 leans together until the lower ends touch; the other pairs keep their gap.
            layout.homologueGap = -5;
            for (int piece = 0; piece < PieceCount; ++piece)
                expected[piece] = piece == 10 || piece == 11 ? turned(expected[piece], piece == 10 ? -5 : 5)
                                                             : padded(expected[piece], 6);
        }
        if (spoil.contains(QLatin1String("title")) || spoil.contains(QLatin1String("bold")) || spoil.contains(QLatin1String("sheet")))
            layout.title.clear();
        QImage image = drawKaryogram(expected, female, layout);
        if (spoil == QLatin1String("bold title") || spoil == QLatin1String("photo of a sheet"))
            image = withTitle(image, female ? QStringLiteral("No. 117  46,XX") : QStringLiteral("No. 117  46,XY"), 96);
        if (spoil == QLatin1String("bold word, 600 px wide")) {
            image = withTitle(image, QStringLiteral("Lab 1"), 110, QColor(80, 80, 80));
            scale = 600.0 / image.width();
            image = image.scaledToWidth(600, Qt::SmoothTransformation);
        }
        if (spoil == QLatin1String("logo and header bar in colour"))
            image = withLogoAndBar(image);
        if (spoil == QLatin1String("photo of a sheet"))
            image = photographed(image);

        cv::Mat mat = toGreyMat(image);
        QString format = QStringLiteral("png");
        int quality = 60;
        if (spoil == QLatin1String("jpeg 60")) {
            format = QStringLiteral("jpg");
        } else if (spoil == QLatin1String("blur")) {
            cv::GaussianBlur(mat, mat, cv::Size(0, 0), 1.0);
        } else if (spoil == QLatin1String("noise")) {
            addNoise(mat, 8, 0);
        } else if (spoil == QLatin1String("grey background 225")) {
            mat.convertTo(mat, CV_8U, 225.0 / 255.0);
            format = QStringLiteral("tif");
        } else if (spoil == QLatin1String("uneven light")) {
            for (int y = 0; y < mat.rows; ++y)
                for (int x = 0; x < mat.cols; ++x)
                    mat.at<uchar>(y, x) = cv::saturate_cast<uchar>(mat.at<uchar>(y, x) * (0.78 + 0.22 * x / mat.cols));
        } else if (spoil == QLatin1String("tilt 2 degrees")) {
            const cv::Mat turn = cv::getRotationMatrix2D(cv::Point2f(mat.cols / 2.f, mat.rows / 2.f), 2.0, 1.0);
            cv::warpAffine(mat, mat, turn, mat.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar(255));
        } else if (spoil == QLatin1String("half resolution")) {
            cv::resize(mat, mat, cv::Size(), 0.5, 0.5, cv::INTER_AREA);
            scale = 0.5;
            format = QStringLiteral("bmp"); // 8 bits per pixel
        } else if (spoil == QLatin1String("double resolution")) {
            cv::resize(mat, mat, cv::Size(), 2.0, 2.0, cv::INTER_CUBIC);
            scale = 2;
        } else if (spoil == QLatin1String("inverted")) {
            mat = 255 - mat;
        } else if (spoil == QLatin1String("300-dpi scan, paper texture, jpeg 50")) {
            cv::resize(mat, mat, cv::Size(), 1.5, 1.5, cv::INTER_CUBIC);
            scale = 1.5;
            mat.convertTo(mat, CV_8U, 238.0 / 255.0, 6);
            addNoise(mat, 4, 6);
            format = QStringLiteral("jpg");
            quality = 50;
        }
        const bool colour = spoil.contains(QLatin1String("colour")) || spoil.contains(QLatin1String("photo"));
        if (spoil.contains(QLatin1String("photo"))) {
            format = QStringLiteral("jpg");
            quality = 95;
        }
        const QString path = temp_.filePath(QStringLiteral("pictures/%1%2.%3")
                                                .arg(QString(spoil).replace('/', '-'), female ? "" : " (male)", format));
        QDir().mkpath(QFileInfo(path).path());
        const QImage saved = colour ? image : fromMat(mat);
        if (!saved.save(path, nullptr, quality))
            qWarning("cannot save %s", qPrintable(path));
        keep(path);
        return path;
    }

    // With KORVEN_KEEP_PICTURES set, a copy of the file there for looking at.
    static void keep(const QString &path)
    {
        if (qEnvironmentVariableIsSet("KORVEN_KEEP_PICTURES")) {
            const QString copy = QDir(qEnvironmentVariable("KORVEN_KEEP_PICTURES")).filePath(QFileInfo(path).fileName());
            QFile::remove(copy);
            QFile::copy(path, copy);
        }
    }

    QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temp_.isValid());
        made_ = temp_.filePath(QStringLiteral("made"));
        MakeOptions options;
        options.outDir = made_;
        options.dataDir = QStringLiteral(KORVEN_SOURCE_DIR "/data");
        options.seed = 5;
        options.only = {1, 5};
        QCOMPARE(makeProblems(options), 2);
        female_ = loadPieces(femaleName_);
        male_ = loadPieces(maleName_);
    }

    void importsSpoiledPictures_data()
    {
        QTest::addColumn<QString>("spoil");
        QTest::addColumn<bool>("female");
        for (const char *spoil : {"clean", "jpeg 60", "blur", "noise", "grey background 225", "uneven light",
                                  "half resolution", "double resolution", "heavy labels", "no underlines",
                                  "3/6/6/5/4 rows", "satellite lifted", "chromosome 1 split", "bold title",
                                  "bold word, 600 px wide", "logo and header bar in colour", "underline across the ends",
                                  "pair touching at the ends", "inverted", "photo of a sheet",
                                  "300-dpi scan, paper texture, jpeg 50"})
            QTest::newRow(spoil) << QString::fromLatin1(spoil) << true;
        for (const char *spoil : {"clean", "tilt 2 degrees", "half resolution"})
            QTest::newRow(qPrintable(QStringLiteral("male, %1").arg(QString::fromLatin1(spoil))))
                << QString::fromLatin1(spoil) << false;
    }

    void importsSpoiledPictures()
    {
        QFETCH(QString, spoil);
        QFETCH(bool, female);
        Pieces expected;
        double scale = 1;
        ImportOptions options;
        options.picture = picture(spoil, female, expected, scale);
        options.imagesDir = temp_.filePath(QStringLiteral("Images-") + QString(spoil).replace('/', '-') + (female ? "" : "-m"));
        options.name = female ? femaleName_ : maleName_;
        options.preview = QFileInfo(options.picture).absolutePath() + QLatin1Char('/') + QFileInfo(options.picture).completeBaseName()
                          + QStringLiteral("-preview.png");
        ImportResult result;
        try {
            result = importKaryogram(options);
        } catch (const KorvenError &e) {
            keep(options.preview);
            QFAIL(qPrintable(e.message()));
        }
        keep(options.preview);

        QCOMPARE(result.folder, QDir(options.imagesDir).filePath(options.name));
        QCOMPARE(entries(options.imagesDir), QStringList{options.name}); // nothing left aside
        const QStringList faults = problemFaults(result.folder);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        const double slack = 4 * std::max(1.0, scale);
        for (int piece = 0; piece < PieceCount; ++piece) {
            const QImage found = loadBitmap24(QDir(result.folder).filePath(pieceFileName(piece)));
            const QRect want = inkBox(expected[piece]), got = inkBox(found);
            const QString where = QStringLiteral("%1: expected %2 x %3, found %4 x %5")
                                      .arg(pieceFileName(piece)).arg(want.width() * scale).arg(want.height() * scale)
                                      .arg(got.width()).arg(got.height());
            QVERIFY2(std::abs(got.width() - want.width() * scale) <= slack
                         && std::abs(got.height() - want.height() * scale) <= slack, qPrintable(where));
            QVERIFY2(got.left() >= 2 && got.top() >= 2 && found.width() - got.right() > 2
                         && found.height() - got.bottom() > 2, qPrintable(where + QStringLiteral(": no margin")));
            const double difference = meanDifference(expected[piece], found);
            QVERIFY2(difference < 22, qPrintable(QStringLiteral("%1: mean grey difference %2").arg(where).arg(difference)));
        }
        if (spoil.contains(QLatin1String("tilt")))
            QVERIFY2(std::abs(result.segmentation.tiltDegrees + 2.0) < 0.5, qPrintable(QString::number(result.segmentation.tiltDegrees)));
    }

    // Karyograms laid out at random as many workstations print them: each is imported exactly or
    // refused, never cut into wrong pieces. KORVEN_CORPUS_SIZE and KORVEN_CORPUS_SEED run more.
    void layoutCorpusImportsExactlyOrRefuses()
    {
        bool ok = false;
        const int wanted = qEnvironmentVariableIntValue("KORVEN_CORPUS_SIZE", &ok);
        const int size = ok && wanted > 0 ? wanted : 30;
        const std::uint64_t seed = qEnvironmentVariableIsSet("KORVEN_CORPUS_SEED") ? qEnvironmentVariable("KORVEN_CORPUS_SEED").toULongLong() : 11;
        int exact = 0, wrong = 0;
        QStringList failures;
        for (int i = 0; i < size; ++i) {
            const bool female = i % 2 == 0;
            const corpus::CorpusPicture picture = corpus::corpusPicture(female ? female_ : male_, female, seed, i);
            const corpus::Judgement judgement = corpus::judge(picture);
            if (judgement.verdict != corpus::Verdict::Exact) {
                corpus::keepForLooking(picture, judgement, i);
                failures << QStringLiteral("%1 %2 (%3): %4").arg(judgement.verdict == corpus::Verdict::Wrong ? "WRONG" : "refused")
                                .arg(i).arg(picture.description, judgement.detail);
                qInfo("%s", qPrintable(failures.last()));
            }
            exact += judgement.verdict == corpus::Verdict::Exact;
            wrong += judgement.verdict == corpus::Verdict::Wrong;
        }
        qInfo("layout corpus, seed %llu: %d of %d exact, %d silently wrong", static_cast<unsigned long long>(seed), exact, size, wrong);
        // The import does not hold on every layout yet: it takes pair numbers and title letters
        // for chromosomes and drops detached satellites. Once it does, these pass and the
        // expectations go.
        QEXPECT_FAIL("", "the import does not yet hold on every layout", Continue);
        QVERIFY2(wrong == 0, "pictures cut into wrong pieces without a refusal");
        QEXPECT_FAIL("", "the import does not yet hold on every layout", Continue);
        QVERIFY2(exact >= size - size / 15, "fewer pictures imported exactly than wanted");
    }

    void bitmapsAreWhiteOutsideAndNeverWhiteInside()
    {
        // A scanned look: grey background with noise. Inside the outline no pixel may be pure white
        // (it would show as a hole), outside every pixel must be.
        Pieces expected;
        double scale = 1;
        ImportOptions options;
        options.picture = picture(QStringLiteral("grey background 225"), true, expected, scale);
        options.imagesDir = temp_.filePath(QStringLiteral("Images-white"));
        options.name = femaleName_;
        const ImportResult result = importKaryogram(options);
        for (int piece = 0; piece < PieceCount; ++piece) {
            const QImage found = loadBitmap24(QDir(result.folder).filePath(pieceFileName(piece)));
            const FoundChromosome &c = result.segmentation.chromosomes[piece];
            for (int y = 0; y < found.height(); ++y) {
                for (int x = 0; x < found.width(); ++x) {
                    const int mx = x - 3, my = y - 3;
                    const bool inside = mx >= 0 && my >= 0 && mx < c.mask.cols && my < c.mask.rows && c.mask.at<uchar>(my, mx);
                    const QRgb pixel = found.pixel(x, y);
                    QVERIFY(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)); // grey
                    if (inside != (qRed(pixel) < 255))
                        QFAIL(qPrintable(QStringLiteral("%1 at %2,%3: %4 %5").arg(pieceFileName(piece)).arg(x).arg(y)
                                             .arg(inside ? "inside" : "outside").arg(qRed(pixel))));
                }
            }
        }
    }

    // A bitmap holds as many chromosomes as it has non-white objects, however pale (the small pale
    // chromosomes of a 550-band set); parts one above the other are one chromosome, broken.
    void inspectCountsNonWhiteObjects_data()
    {
        QTest::addColumn<QList<QRect>>("parts");
        QTest::addColumn<int>("grey");
        QTest::addColumn<int>("chromosomes");
        const QList<QRect> one{{8, 6, 24, 78}}, broken{{8, 6, 24, 36}, {8, 48, 24, 36}}, two{{6, 6, 24, 78}, {46, 6, 24, 78}};
        QTest::newRow("dark") << one << 90 << 1;
        QTest::newRow("pale") << one << 238 << 1;
        QTest::newRow("pale, broken") << broken << 238 << 1;
        QTest::newRow("dark, two side by side") << two << 90 << 2;
        QTest::newRow("pale, two side by side") << two << 238 << 2;
    }

    void inspectCountsNonWhiteObjects()
    {
        QFETCH(QList<QRect>, parts);
        QFETCH(int, grey);
        QFETCH(int, chromosomes);
        QImage bitmap(80, 90, QImage::Format_RGB888);
        bitmap.fill(Qt::white);
        QPainter painter(&bitmap);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(grey, grey, grey));
        for (const QRect &part : parts)
            painter.drawEllipse(part);
        painter.end();
        QCOMPARE(inspectBitmap(bitmap).chromosomes, chromosomes);
    }

    void refusesAndWritesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("45 chromosomes") << "45" << QStringList{"found 45 chromosomes", "row 4: 9", "not 46 in 23 pairs", "diagnosis.png"};
        QTest::newRow("47 chromosomes") << "47" << QStringList{"found 47 chromosomes", "row 4: 11"};
        QTest::newRow("male name, female picture") << "male name" << QStringList{"is a male set", "alike in length", FemaleStem};
        QTest::newRow("female name, male picture") << "female name" << QStringList{"is a female set", "differ clearly", MaleStem};
        QTest::newRow("unreadable file") << "unreadable" << QStringList{"cannot be read as a picture"};
        QTest::newRow("missing file") << "missing" << QStringList{"File not found"};
        QTest::newRow("name outside the catalogue") << "stray name" << QStringList{"not a catalogue name"};
        QTest::newRow("folder exists") << "exists" << QStringList{"already exists", "--replace"};
        QTest::newRow("a set the check would fault") << "check" << QStringList{"would not be sound", "nothing written",
            QStringLiteral("refused-check/%1/1-1.bmp").arg(catalogueNames()[0]), "over two and a half times"};
    }

    void refusesAndWritesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, expected);
        Pieces pieces = female_;
        bool female = true;
        QString name = femaleName_;
        if (kind == QLatin1String("45")) {
            pieces[41] = QImage(1, 1, QImage::Format_RGB888);
            pieces[41].fill(Qt::white);
        } else if (kind == QLatin1String("47")) {
            pieces[41] = twoInOne(pieces[41], pieces[40]);
        } else if (kind == QLatin1String("male name")) {
            name = maleName_;
        } else if (kind == QLatin1String("female name")) {
            pieces = male_;
            female = false;
        } else if (kind == QLatin1String("check")) {
            pieces[0] = pieces[0].scaled(pieces[0].width(), pieces[0].height() * 8 / 5, Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation);
        } else if (kind == QLatin1String("stray name")) {
            name = QStringLiteral("正常女性染色体核型no11");
        }
        QString path = temp_.filePath(QStringLiteral("refused-%1.png").arg(kind).replace(' ', '-'));
        if (kind == QLatin1String("unreadable")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("\x89PNG\r\n\x1a\n not really a picture");
        } else if (kind == QLatin1String("missing")) {
            path += QStringLiteral(".gone");
        } else {
            QVERIFY(drawKaryogram(pieces, female, {}).save(path));
        }
        const QString images = temp_.filePath(QStringLiteral("refused-") + kind);
        QDir().mkpath(images);
        if (kind == QLatin1String("exists"))
            QDir().mkpath(QDir(images).filePath(name));
        const QStringList before = entries(images);
        const QString diagnosis = temp_.filePath(QStringLiteral("refused-%1-diagnosis.png").arg(kind));

        ImportOptions options{path, images, name, diagnosis, false};
        QString message;
        try {
            importKaryogram(options);
        } catch (const KorvenError &e) {
            message = e.message();
        }
        for (const QString &part : expected)
            QVERIFY2(message.contains(part), qPrintable(message));
        QVERIFY2(!message.contains(QLatin1String(".korven-")), qPrintable(message)); // the folder it would be
        QCOMPARE(entries(images), before);
        // Only a wrong count leaves the picture of what was found.
        QCOMPARE(QFileInfo::exists(diagnosis), kind == QLatin1String("45") || kind == QLatin1String("47"));
        if (QFileInfo::exists(diagnosis))
            QVERIFY(QImage(diagnosis).height() > QImage(path).height()); // the picture and a header line
    }

    void replaceSwapsTheFolderWhole()
    {
        const QString images = temp_.filePath(QStringLiteral("Images-replace"));
        const QString path = temp_.filePath(QStringLiteral("replace.png"));
        QVERIFY(drawKaryogram(female_, true, {}).save(path));
        const QString folder = QDir(images).filePath(femaleName_);
        QDir().mkpath(folder);
        QFile stale(QDir(folder).filePath(QStringLiteral("stale.txt")));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        ImportOptions options{path, images, femaleName_, temp_.filePath(QStringLiteral("replace-sheet.png")), true};
        importKaryogram(options);
        QVERIFY(!QFileInfo::exists(stale.fileName()));
        QCOMPARE(entries(images), QStringList{femaleName_});
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), PieceCount + 2); // bitmaps, listing, origin
        QVERIFY(QImage(options.preview).width() > 500); // the new set's sheet
    }

    void theToolSaysWhatItDid()
    {
        const QString path = temp_.filePath(QStringLiteral("tool.png"));
        QVERIFY(drawKaryogram(male_, false, {}).save(path));
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        tool.setProcessEnvironment(env);
        tool.setWorkingDirectory(temp_.path());
        const QString images = temp_.filePath(QStringLiteral("Images-tool"));
        {
            // The set is built aside and renamed into place; it arrives with the umask's modes.
            korven::test::UmaskScope mask(022);
            tool.start(QStringLiteral(KORVEN_TOOL), {"import", path, "--out", images, "--name", maleName_});
            QVERIFY(tool.waitForFinished(-1));
        }
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(korven::test::entriesWithOtherModes(images, 0755, 0644), QStringList());
        QVERIFY2(QString::fromLocal8Bit(tool.readAllStandardOutput()).contains(QStringLiteral("wrote")), "no report");
        QCOMPARE(QString::fromLocal8Bit(tool.readAllStandardError()), QString()); // no Qt notices

        // Refused: exit code 1, the reason on stderr, the diagnosis in the current folder.
        tool.start(QStringLiteral(KORVEN_TOOL), {"import", path, "--out", images, "--name", femaleName_});
        QVERIFY(tool.waitForFinished(-1));
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY(QString::fromLocal8Bit(tool.readAllStandardError()).contains(QStringLiteral("is a female set")));
        QCOMPARE(entries(images), QStringList{maleName_});
    }
};

QTEST_MAIN(TestKaryogramImport)
#include "test_karyogram_import.moc"
