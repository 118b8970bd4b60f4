// The problem catalogue, the loader of one problem folder, and the fit scale and magnification
// worked out from the loaded pieces.
#include "exercise/catalogue.h"
#include "files/comma_text.h"
#include "files/errors.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

#include "support/file_bytes.h"

using korven::test::readBytes;
using korven::test::writeBytes;

using namespace korven;

namespace {

using Pieces = std::array<QImage, PieceCount>;

QString name(char stem, int number)
{
    return (stem == 'F' ? QStringLiteral("正常女性染色体核型no") : QStringLiteral("正常男性染色体核型no"))
           + QString::number(number);
}

QImage piecePicture(int k)
{
    QImage image(10 + k % 5, 20 + k, QImage::Format_RGB888);
    image.fill(QColor(k, 100, 200));
    return image;
}

// A complete problem folder under imagesFolder with correct check values. Returns its listing.
QStringList makeProblem(const QString &imagesFolder, const QString &problem)
{
    QDir dir(imagesFolder);
    dir.mkpath(problem);
    dir.cd(problem);
    QStringList listing;
    for (int k = 0; k < PieceCount; ++k) {
        const QString file = dir.filePath(pieceFileName(k));
        piecePicture(k).save(file, "BMP");
        listing << joinCommaText({pieceFileName(k), QStringLiteral("chromosome"), QString::number(checkValue(file))});
    }
    writeFileAtomically(dir.filePath(problem + ".set"), linesToCp932(listing));
    return listing;
}

Pieces uniformPieces(int width, int height)
{
    Pieces pieces;
    for (QImage &piece : pieces)
        piece = QImage(width, height, QImage::Format_RGB888);
    return pieces;
}

} // namespace

class TestProblem : public QObject {
    Q_OBJECT

private slots:
    void catalogueOrder()
    {
        const QString order = "F10 F22 F39 F4 M20 F43 F21 M57 F32 M23 M7 M18 M54 M13 M6 M36 M16 M47 "
                              "F52 M40 M25 F33 F56 M41 F3 M45 F26 F37 M35 F28 M9 F27 M48 F51 F46 M55 "
                              "F17 M29 M30 M1 M50 M12 M24 F44 M2 M31 F49 M38";
        QStringList expected;
        for (const QString &code : order.split(' '))
            expected << name(code.at(0).toLatin1(), code.mid(1).toInt());
        QCOMPARE(catalogueNames(), expected);
        QCOMPARE(catalogueNames().first(), QStringLiteral("正常女性染色体核型no10"));
        QCOMPARE(catalogueNames().at(4), QStringLiteral("正常男性染色体核型no20"));
        QStringList unique = catalogueNames();
        QCOMPARE(unique.removeDuplicates(), 0);
    }

    void availableInCatalogueOrder()
    {
        QTemporaryDir images;
        QDir dir(images.path());
        dir.mkdir(name('M', 7));
        dir.mkdir(name('F', 10));
        dir.mkdir(name('M', 0) + "07");          // not a catalogue name
        writeBytes(dir.filePath(name('M', 20)), "a file, not a folder");
        const QStringList present = availableProblems(images.path());
        QCOMPARE(present, (QStringList{name('F', 10), name('M', 7)}));
        QCOMPARE(problemNumbers(present.size()), (QStringList{"001", "002"}));
        QVERIFY(availableProblems(dir.filePath("missing")).isEmpty());
    }

    void numbersAndOrder()
    {
        QVERIFY(problemNumbers(0).isEmpty());
        QCOMPARE(problemNumbers(48).at(11), QStringLiteral("012"));
        QCOMPARE(problemNumbers(48).last(), QStringLiteral("048"));
        const auto order = identityProblemOrder(3);
        QCOMPARE(order[0], 0);
        QCOMPARE(order[2], 2);
        QCOMPARE(order[3], -1);
        QCOMPARE(order[499], -1);
        QVERIFY(isFemaleProblem(name('F', 22)));
        QVERIFY(!isFemaleProblem(name('M', 22)));
    }

    void checkValue_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("shorter than the skipped five") << 3 << 0;
        QTest::newRow("5 bytes") << 5 << 0;
        QTest::newRow("88 bytes") << 88 << 0;
        QTest::newRow("89 bytes") << 89 << 1;
        QTest::newRow("170 bytes") << 170 << 82;
        QTest::newRow("171 bytes") << 171 << 0;
    }
    void checkValue()
    {
        QFETCH(int, size);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("1-1.bmp");
        writeBytes(path, QByteArray(size, '\x42'));
        QCOMPARE(korven::checkValue(path), expected);
    }

    void checkValueOfUnreadable()
    {
        QTemporaryDir dir;
        QCOMPARE(korven::checkValue(dir.filePath("absent.bmp")), -1);
        QCOMPARE(korven::checkValue(dir.path()), -1); // a folder cannot be read as a file
    }

    void pieceFileNames()
    {
        QCOMPARE(pieceFileName(0), QStringLiteral("1-1.bmp"));
        QCOMPARE(pieceFileName(1), QStringLiteral("1-2.bmp"));
        QCOMPARE(pieceFileName(9), QStringLiteral("5-2.bmp"));
        QCOMPARE(pieceFileName(44), QStringLiteral("23-1.bmp"));
        QCOMPARE(pieceFileName(45), QStringLiteral("23-2.bmp"));
    }

    void loadsWholeProblem()
    {
        QTemporaryDir images;
        const QString problem = name('F', 10);
        const QStringList listing = makeProblem(images.path(), problem);
        Pieces pieces;
        QStringList values{"left over from before"};
        const LoadReport report = loadProblem(images.path(), problem, pieces, values);
        QCOMPARE(report.mismatches, 0);
        QVERIFY(!report.unreadable);
        QCOMPARE(values.size(), PieceCount);
        for (int k = 0; k < PieceCount; ++k) {
            QCOMPARE(values.at(k), splitCommaText(listing.at(k)).at(2));
            QCOMPARE(pieces[k].format(), QImage::Format_RGB888);
            QCOMPARE(pieces[k].size(), piecePicture(k).size());
            QCOMPARE(qRed(pieces[k].pixel(0, 0)), k); // the right file in the right entry
        }
        // Loading leaves every other reader of the process its own limits: a teacher's large
        // karyogram picture still reads.
        const QString large = images.filePath(QStringLiteral("karyogram.png"));
        QImage picture(3000, 2400, QImage::Format_RGB888);
        picture.fill(Qt::white);
        QVERIFY(picture.save(large));
        QImageReader reader(large);
        QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
    }

    void mismatchesAreCountedNotFatal()
    {
        QTemporaryDir images;
        const QString problem = name('M', 7);
        QStringList listing = makeProblem(images.path(), problem);
        QStringList fields = splitCommaText(listing[5]);
        fields[2] = QString::number((fields[2].toInt() + 1) % 83);
        listing[5] = joinCommaText(fields);
        listing[8] = "9 , x , \"1000\""; // blanks and quotes are fine; the value is wrong
        writeFileAtomically(images.filePath(problem + "/" + problem + ".set"), linesToCp932(listing));
        Pieces pieces;
        QStringList values;
        QCOMPARE(loadProblem(images.path(), problem, pieces, values).mismatches, 2);
        QVERIFY(!pieces[45].isNull());
        QCOMPARE(values.at(8), QStringLiteral("1000"));
    }

    void listingErrors_data()
    {
        QTest::addColumn<int>("lineCount");   // lines kept from the good listing (-1: no file)
        QTest::addColumn<int>("badLine");     // 1-based line to spoil, 0 for none
        QTest::addColumn<QString>("badText");
        QTest::addColumn<QString>("mention"); // text the message must hold besides the file
        QTest::newRow("no listing file") << -1 << 0 << QString() << QString();
        QTest::newRow("45 lines") << 45 << 0 << QString() << "line 46";
        QTest::newRow("empty file") << 0 << 0 << QString() << "line 1";
        QTest::newRow("two fields") << 46 << 7 << "4-1.bmp,12" << "line 7";
        QTest::newRow("empty line") << 46 << 30 << "" << "line 30";
        QTest::newRow("not a number") << 46 << 12 << "6-2.bmp,x,abc" << "line 12";
        QTest::newRow("not whole") << 46 << 46 << "23-2.bmp,x,1.5" << "line 46";
    }
    void listingErrors()
    {
        QFETCH(int, lineCount);
        QFETCH(int, badLine);
        QFETCH(QString, badText);
        QFETCH(QString, mention);
        QTemporaryDir images;
        const QString problem = name('F', 22);
        QStringList listing = makeProblem(images.path(), problem);
        const QString listingPath = images.filePath(problem + "/" + problem + ".set");
        if (lineCount < 0) {
            QVERIFY(QFile::remove(listingPath));
        } else {
            listing = listing.mid(0, lineCount);
            if (badLine > 0)
                listing[badLine - 1] = badText;
            writeFileAtomically(listingPath, linesToCp932(listing));
        }

        Pieces pieces;
        QStringList values;
        try {
            loadProblem(images.path(), problem, pieces, values);
            QFAIL("the listing was accepted");
        } catch (const KorvenError &error) {
            QVERIFY2(error.message().contains(problem + ".set"), qPrintable(error.message()));
            QVERIFY2(error.message().contains(mention), qPrintable(error.message()));
        }
        // A bad listing stops the load before any bitmap is read.
        for (const QImage &piece : pieces)
            QVERIFY(piece.isNull());
        try {
            readListingCheckValues(listingPath);
            QFAIL("the listing was accepted");
        } catch (const KorvenError &error) {
            QVERIFY2(error.message().contains(mention), qPrintable(error.message()));
        }
    }

    void bitmapErrors_data()
    {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing 5-2.bmp") << 9 << "missing";
        QTest::newRow("broken 3-1.bmp") << 4 << "no image";
        QTest::newRow("missing 23-2.bmp") << 45 << "missing";
        QTest::newRow("FIFO as 2-1.bmp") << 2 << "fifo";
        QTest::newRow("symlink as 2-2.bmp") << 3 << "symlink";
        QTest::newRow("folder as 1-1.bmp") << 0 << "folder";
        QTest::newRow("compressed 1 KB declaring 7000 x 4000") << 7 << "huge";
    }
    void bitmapErrors()
    {
        QFETCH(int, piece);
        QFETCH(QString, kind);
        QTemporaryDir images;
        const QString problem = name('M', 57);
        makeProblem(images.path(), problem);
        const QString path = images.filePath(problem + "/" + pieceFileName(piece));
        const QByteArray bytes = QFile::encodeName(path);
        if (kind != "no image" && kind != "huge")
            QVERIFY(QFile::remove(path));
        if (kind == "no image")
            writeBytes(path, "BM this is not a bitmap");
        if (kind == "fifo")
            QCOMPARE(::mkfifo(bytes.constData(), 0600), 0);
        if (kind == "symlink")
            QVERIFY(QFile::link(images.filePath(problem + "/1-1.bmp"), path));
        if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        if (kind == "huge") {
            // An 8-bit run-length bitmap: tiny on disk, huge once decoded.
            QByteArray rle(54 + 1024, '\0');
            rle[0] = 'B';
            rle[1] = 'M';
            qToLittleEndian<quint32>(quint32(rle.size()), rle.data() + 2);
            qToLittleEndian<quint32>(54 + 1024, rle.data() + 10);
            qToLittleEndian<quint32>(40, rle.data() + 14);
            qToLittleEndian<qint32>(7000, rle.data() + 18);
            qToLittleEndian<qint32>(4000, rle.data() + 22);
            qToLittleEndian<quint16>(1, rle.data() + 26);
            qToLittleEndian<quint16>(8, rle.data() + 28);
            qToLittleEndian<quint32>(1, rle.data() + 30);
            writeBytes(path, rle);
        }
        Pieces pieces;
        QStringList values;
        try {
            loadProblem(images.path(), problem, pieces, values);
            QFAIL("the broken problem was accepted");
        } catch (const KorvenError &error) {
            QVERIFY2(error.message().contains(pieceFileName(piece)), qPrintable(error.message()));
        }
        // What came before the faulty bitmap stays loaded.
        for (int k = 0; k < PieceCount; ++k)
            QCOMPARE(pieces[k].isNull(), k >= piece);
        QCOMPARE(values.size(), PieceCount);
    }

    // A header declaring a size far beyond the limits says so, whether or not the decoder
    // itself takes such a header in.
    void hugeBitmapSaysTooLarge_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("7000 x 7000") << 7000;
        QTest::newRow("60000 x 60000") << 60000;
    }
    void hugeBitmapSaysTooLarge()
    {
        QFETCH(int, side);
        QByteArray bmp(54, '\0');
        bmp[0] = 'B';
        bmp[1] = 'M';
        qToLittleEndian<quint32>(quint32(bmp.size()), bmp.data() + 2);
        qToLittleEndian<quint32>(54, bmp.data() + 10);
        qToLittleEndian<quint32>(40, bmp.data() + 14);
        qToLittleEndian<qint32>(side, bmp.data() + 18);
        qToLittleEndian<qint32>(side, bmp.data() + 22);
        qToLittleEndian<quint16>(1, bmp.data() + 26);
        qToLittleEndian<quint16>(24, bmp.data() + 28);
        try {
            decodeBitmap24(bmp, QStringLiteral("big.bmp"));
            QFAIL("the huge bitmap was accepted");
        } catch (const KorvenError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("%1 x %1").arg(side)), qPrintable(error.message()));
        }
    }

    void fitScaleFromTallest()
    {
        Pieces pieces = uniformPieces(10, 50);
        pieces[3] = QImage(10, 100, QImage::Format_RGB888);
        pieces[40] = QImage(10, 140, QImage::Format_RGB888);
        int tallest = 0;
        const float fit = computeFitScale(pieces, 90, 2, {1000, 1000, 1000, 1000}, &tallest);
        QCOMPARE(tallest, 140);
        QCOMPARE(fit, float(86.0 / 140.0));
    }

    void rowLimits_data()
    {
        QTest::addColumn<int>("widePiece");   // the one piece 100 pixels wide (others 10)
        QTest::addColumn<QList<int>>("slotWidths");
        QTest::addColumn<float>("expected");
        // All pieces 50 high in a 90-pixel row: 86 / 50 = 1.72 before the limits.
        QTest::newRow("no limit bites") << 3 << QList<int>{1000, 1000, 1000, 1000} << float(86.0 / 50);
        QTest::newRow("row 1") << 3 << QList<int>{50, 1000, 1000, 1000} << 0.5f;
        QTest::newRow("row 2") << 15 << QList<int>{1000, 40, 1000, 1000} << 0.4f;
        QTest::newRow("row 3 alone") << 30 << QList<int>{1000, 1000, 30, 1000} << 0.3f;
        // The third row's widest piece is searched from the second row's widest.
        QTest::newRow("row 3 inherits row 2") << 15 << QList<int>{1000, 1000, 30, 1000} << 0.3f;
        QTest::newRow("row 4") << 40 << QList<int>{1000, 1000, 1000, 20} << 0.2f;
        QTest::newRow("row 4 does not inherit") << 30 << QList<int>{1000, 1000, 1000, 20} << float(86.0 / 50);
        QTest::newRow("limits only lower") << 3 << QList<int>{50, 3000, 3000, 3000} << 0.5f;
    }
    void rowLimits()
    {
        QFETCH(int, widePiece);
        QFETCH(QList<int>, slotWidths);
        QFETCH(float, expected);
        Pieces pieces = uniformPieces(10, 50);
        pieces[widePiece] = QImage(100, 50, QImage::Format_RGB888);
        const float fit = computeFitScale(pieces, 90, 2, {slotWidths[0], slotWidths[1], slotWidths[2], slotWidths[3]});
        QCOMPARE(fit, expected);
    }

    void magnification_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("trackBar");
        QTest::addColumn<float>("factor"); // magnification / fit scale
        QTest::addColumn<int>("trackBarAfter");
        QTest::newRow("mode 1 at 13") << 1 << 13 << float(1.3 * 0.9) << 13;
        QTest::newRow("mode 1 at 7") << 1 << 7 << float(0.7 * 0.9) << 7;
        QTest::newRow("mode 0 resets to 10") << 0 << 13 << 0.9f << 10;
        QTest::newRow("mode 2 resets to 10") << 2 << 8 << 0.9f << 10;
    }
    void magnification()
    {
        QFETCH(int, mode);
        QFETCH(int, trackBar);
        QFETCH(float, factor);
        QFETCH(int, trackBarAfter);
        const float fit = float(86.0 / 140.0);
        int position = trackBar;
        QCOMPARE(computeMagnification(mode, position, fit), factor * fit);
        QCOMPARE(position, trackBarAfter);
    }
};

QTEST_GUILESS_MAIN(TestProblem)
#include "test_problem.moc"
