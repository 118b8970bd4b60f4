// The korven-problems tool run as a process: make, check, pack and sheet on small sets in a
// temporary folder.
#include "exercise/catalogue.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"
#include "tools/problem_audit.h"
#include "tools/problem_maker.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>
#include <unistd.h>

using namespace korven;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(KORVEN_TOOL), args);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &info : QDir(from).entryInfoList(QDir::Files))
        QVERIFY(QFile::copy(info.filePath(), QDir(to).filePath(info.fileName())));
}

QByteArray eightBitBmp()
{
    QImage image(6, 6, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette << qRgb(i, i, i);
    image.setColorTable(palette);
    image.fill(200);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

class TestKorvenProblems : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp_;
    QString images_; // made once: catalogue positions 1 (female) and 5 (male)
    QString female_, male_;

    // A copy of the female set under its own catalogue name, in a parent folder of its own.
    QString freshCopy(const QString &name, const QString &from = QString())
    {
        const QString source = from.isEmpty() ? female_ : from;
        const QString folder = temp_.filePath(QStringLiteral("copies/") + name + QLatin1Char('/') + QFileInfo(source).fileName());
        QDir(folder).removeRecursively();
        copyFolder(source, folder);
        return folder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temp_.isValid());
        images_ = temp_.filePath(QStringLiteral("Images"));
        const Run run = runTool({"make", "--out", images_, "--seed", "5", "--only", "1,5"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        female_ = QDir(images_).filePath(catalogueNames()[0]);
        male_ = QDir(images_).filePath(catalogueNames()[4]);
    }

    void makeWritesFoldersBitmapsAndListings()
    {
        QCOMPARE(QDir(images_).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{catalogueNames()[0], catalogueNames()[4]}));
        QCOMPARE(catalogueNames()[0], FemaleStem + QStringLiteral("10"));
        QCOMPARE(catalogueNames()[4], MaleStem + QStringLiteral("20"));
        QVERIFY(QFileInfo(QDir(images_).filePath(QStringLiteral("1-1.bmp"))).isFile()); // the sample

        for (const QString &folder : {female_, male_}) {
            const QString name = QFileInfo(folder).fileName();
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), PieceCount + 2); // and origin.txt
            const QByteArray listing = readAll(QDir(folder).filePath(name + QStringLiteral(".set")));
            QCOMPARE(listing.count("\r\n"), PieceCount);
            QCOMPARE(listing.count('\n'), PieceCount);
            const QStringList lines = readTextLines(QDir(folder).filePath(name + QStringLiteral(".set")));
            for (int piece = 0; piece < PieceCount; ++piece) {
                const QString path = QDir(folder).filePath(pieceFileName(piece));
                const QByteArray bmp = readAll(path);
                // 24-bit, uncompressed, 54-byte header, rows padded to 4 bytes, nothing more.
                QCOMPARE(bmp.left(2), QByteArray("BM"));
                QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24));
                QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 30), 0u);
                const qint32 width = qFromLittleEndian<qint32>(bmp.constData() + 18);
                const qint32 height = qFromLittleEndian<qint32>(bmp.constData() + 22);
                QCOMPARE(bmp.size(), 54 + ((width * 3 + 3) & ~3) * height);
                const int size = int(bmp.size());
                QCOMPARE(lines[piece], QStringLiteral("%1,%2,%3").arg(pieceFileName(piece)).arg(size).arg((size - 5) % 83));
            }
        }
        // Chromosome 1 about 250 to 350 pixels high; the male's Y far shorter than his X.
        const QImage one = loadBitmap24(QDir(female_).filePath(QStringLiteral("1-1.bmp")));
        QVERIFY2(one.height() >= 250 && one.height() <= 370, qPrintable(QString::number(one.height())));
        const QImage x = loadBitmap24(QDir(male_).filePath(QStringLiteral("23-1.bmp")));
        const QImage y = loadBitmap24(QDir(male_).filePath(QStringLiteral("23-2.bmp")));
        QVERIFY(y.height() < 0.6 * x.height());
        // The loader of the program takes the made set as it is.
        std::array<QImage, PieceCount> bitmaps;
        QStringList values;
        QCOMPARE(loadProblem(images_, catalogueNames()[4], bitmaps, values).mismatches, 0);
    }

    void sameSeedSameBytes()
    {
        // Another run with one thread and one problem writes the same bytes; another seed differs.
        const QString again = temp_.filePath(QStringLiteral("again"));
        const QString other = temp_.filePath(QStringLiteral("other"));
        QCOMPARE(runTool({"make", "--out", again, "--seed", "5", "--only", "5", "--threads", "1"}).exitCode, 0);
        QCOMPARE(runTool({"make", "--out", other, "--seed", "6", "--only", "5"}).exitCode, 0);
        for (int piece = 0; piece < PieceCount; ++piece) {
            const QString file = catalogueNames()[4] + QLatin1Char('/') + pieceFileName(piece);
            QVERIFY2(readAll(QDir(again).filePath(file)) == readAll(QDir(images_).filePath(file)), qPrintable(file));
        }
        QCOMPARE(readAll(QDir(again).filePath(QStringLiteral("1-1.bmp"))),
                 readAll(QDir(female_).filePath(QStringLiteral("1-1.bmp"))));
        const QString one = catalogueNames()[4] + QStringLiteral("/1-1.bmp");
        QVERIFY(readAll(QDir(other).filePath(one)) != readAll(QDir(images_).filePath(one)));
        // Two problems of one run differ too.
        QVERIFY(readAll(QDir(female_).filePath(QStringLiteral("2-1.bmp")))
                != readAll(QDir(male_).filePath(QStringLiteral("2-1.bmp"))));
    }

    void checkPassesOnMadeSets()
    {
        for (const QString &folder : {female_, male_}) {
            const Run run = runTool({"check", folder});
            QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        }
    }

    // The check judges what make makes: every bundled set of several seeds is sound (the pale
    // small chromosomes of the 550-band sets included).
    void checkPassesOnEveryBundledSet_data()
    {
        QTest::addColumn<QString>("seed");
        for (const char *seed : {"1", "2", "3"})
            QTest::newRow(seed) << QString::fromLatin1(seed);
    }

    void checkPassesOnEveryBundledSet()
    {
        QFETCH(QString, seed);
        QTemporaryDir images;
        QVERIFY(images.isValid());
        const Run run = runTool({"make", "--out", images.path(), "--seed", seed});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QStringList faults;
        int present = 0;
        for (const ListedProblem &entry : listProblems({images.path()})) {
            present += entry.present;
            faults << entry.faults;
        }
        QCOMPARE(present, 48);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void checkNamesEachFault_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("expected"); // pieces of the report
        QTest::newRow("missing bitmap") << "missing" << QStringList{"7-2.bmp: missing"};
        QTest::newRow("wrong check value") << "value" << QStringList{".set line 5: listed check value", "computed for 3-1.bmp"};
        QTest::newRow("short listing") << "short" << QStringList{".set: has 44 lines, not 46"};
        QTest::newRow("no whole number") << "text" << QStringList{".set line 2: check value \"x\""};
        QTest::newRow("8-bit bitmap") << "8bit" << QStringList{"2-1.bmp: 8 bits per pixel", ".set line 3"};
        QTest::newRow("bitmap changed after packing") << "grown" << QStringList{".set line 46", "23-2.bmp"};
        QTest::newRow("no listing") << "nolisting" << QStringList{".set: missing"};
        QTest::newRow("folder in place of a bitmap") << "folder" << QStringList{"7-2.bmp: a folder, not a file"};
        QTest::newRow("unreadable bitmap") << "unreadable" << QStringList{"7-2.bmp: Permission denied"};
    }

    void checkNamesEachFault()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, expected);
        if (fault == QLatin1String("unreadable") && ::geteuid() == 0)
            QSKIP("permissions do not stop root; this row runs for other accounts");
        const QString folder = freshCopy(QStringLiteral("check-") + fault);
        const QString listing = QDir(folder).filePath(QFileInfo(folder).fileName() + QStringLiteral(".set"));
        QStringList lines = readTextLines(listing);
        if (fault == QLatin1String("missing")) {
            QVERIFY(QFile::remove(QDir(folder).filePath(QStringLiteral("7-2.bmp"))));
        } else if (fault == QLatin1String("value")) {
            QStringList fields = lines[4].split(QLatin1Char(','));
            fields[2] = QString::number((fields[2].toInt() + 1) % 83);
            lines[4] = fields.join(QLatin1Char(','));
        } else if (fault == QLatin1String("short")) {
            lines = lines.mid(0, 44);
        } else if (fault == QLatin1String("text")) {
            lines[1] = QStringLiteral("1-2.bmp,100,x");
        } else if (fault == QLatin1String("8bit")) {
            writeAll(QDir(folder).filePath(QStringLiteral("2-1.bmp")), eightBitBmp());
        } else if (fault == QLatin1String("grown")) {
            QFile file(QDir(folder).filePath(QStringLiteral("23-2.bmp")));
            QVERIFY(file.open(QIODevice::Append));
            file.write("\0", 1);
        } else if (fault == QLatin1String("nolisting")) {
            QVERIFY(QFile::remove(listing));
        } else if (fault == QLatin1String("folder")) {
            QVERIFY(QFile::remove(QDir(folder).filePath(QStringLiteral("7-2.bmp"))));
            QVERIFY(QDir(folder).mkdir(QStringLiteral("7-2.bmp")));
        } else if (fault == QLatin1String("unreadable")) {
            QVERIFY(QFile::setPermissions(QDir(folder).filePath(QStringLiteral("7-2.bmp")), {}));
        }
        if (QFileInfo::exists(listing))
            writeAll(listing, linesToCp932(lines));

        const Run run = runTool({"check", folder});
        QCOMPARE(run.exitCode, 1);
        for (const QString &part : expected)
            QVERIFY2(run.out.contains(part), qPrintable(run.out));
        // Nothing else is reported: the other 45 bitmaps and lines are fine.
        QCOMPARE(run.out.count(folder), fault == QLatin1String("8bit") ? 3 : 2); // faults + summary
    }

    void packThenCheckRoundTrips()
    {
        // A teacher's own folder: pack writes the listing under its name.
        const QString folder = temp_.filePath(QStringLiteral("own/正常男性染色体核型no7"));
        copyFolder(male_, folder);
        QFile::remove(QDir(folder).filePath(QFileInfo(male_).fileName() + QStringLiteral(".set")));
        const Run pack = runTool({"pack", folder});
        QVERIFY2(pack.exitCode == 0, qPrintable(pack.err));
        QCOMPARE(readAll(QDir(folder).filePath(QStringLiteral("正常男性染色体核型no7.set"))),
                 readAll(QDir(male_).filePath(QFileInfo(male_).fileName() + QStringLiteral(".set"))));
        const Run check = runTool({"check", folder});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out));
    }

    void packRefusesBadBitmaps_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << "missing" << "5-1: missing; add the picture as 5-1.bmp";
        QTest::newRow("unreadable") << "unreadable" << "12-2.bmp: cannot be read as a picture";
        QTest::newRow("doubled") << "doubled" << "3-1: 2 pictures (3-1.bmp, 3-1.png); keep one";
    }

    void packRefusesBadBitmaps()
    {
        QFETCH(QString, fault);
        QFETCH(QString, expected);
        const QString folder = freshCopy(QStringLiteral("pack-") + fault);
        if (fault == QLatin1String("missing"))
            QVERIFY(QFile::remove(QDir(folder).filePath(QStringLiteral("5-1.bmp"))));
        else if (fault == QLatin1String("unreadable"))
            writeAll(QDir(folder).filePath(QStringLiteral("12-2.bmp")), "BM but nothing more");
        else
            QVERIFY(QImage(QDir(folder).filePath(QStringLiteral("3-1.bmp"))).save(QDir(folder).filePath(QStringLiteral("3-1.png"))));
        const QStringList before = QDir(folder).entryList(QDir::Files);
        const Run run = runTool({"pack", folder});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(expected), qPrintable(run.err));
        QCOMPARE(QDir(folder).entryList(QDir::Files), before); // no listing written
    }

    void sheetDrawsTheKaryogram()
    {
        const QString png = temp_.filePath(QStringLiteral("sheet.png"));
        const Run run = runTool({"sheet", male_, png});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QImage sheet(png);
        QVERIFY(!sheet.isNull());
        // Wide enough for the widest row (pairs 6 to 12) and tall enough for four rows.
        QVERIFY(sheet.width() > 14 * 20 && sheet.height() > loadBitmap24(QDir(male_).filePath("1-1.bmp")).height() * 2);

        const QString broken = freshCopy(QStringLiteral("sheet-missing"));
        QFile::remove(QDir(broken).filePath(QStringLiteral("9-1.bmp")));
        const Run missing = runTool({"sheet", broken, temp_.filePath(QStringLiteral("broken.png"))});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.err.contains(QStringLiteral("9-1.bmp")), qPrintable(missing.err));
        QVERIFY(!QFileInfo::exists(temp_.filePath(QStringLiteral("broken.png"))));
    }

    void refreshKeepsWhatATeacherChanged()
    {
        // A rebuild rewrites the sets it made itself; a set a teacher changed (a bitmap replaced,
        // one deleted), a folder a teacher added and a replaced sample image survive it.
        const QString out = temp_.filePath(QStringLiteral("refresh"));
        const QDir dir(out);
        const QStringList &names = catalogueNames();
        auto file = [&](int set, const char *name) { return dir.filePath(names[set] + u'/' + QLatin1String(name)); };
        QCOMPARE(runTool({"make", "--out", out, "--seed", "5", "--only", "1,2,3", "--refresh"}).exitCode, 0);

        writeAll(file(0, "5-1.bmp"), QByteArray("teacher's bitmap"));
        QVERIFY(QFile::remove(file(2, "9-2.bmp")));
        QVERIFY(dir.mkpath(names[3]));
        writeAll(file(3, "1-1.bmp"), QByteArray("added by hand"));
        writeAll(dir.filePath(QStringLiteral("1-1.bmp")), QByteArray("teacher's sample"));
        const QByteArray builds = readAll(file(1, "5-1.bmp"));

        // Another seed shows which sets were written again.
        const Run again = runTool({"make", "--out", out, "--seed", "6", "--only", "1,2,3,4", "--refresh"});
        QVERIFY2(again.exitCode == 0, qPrintable(again.err));
        QVERIFY(readAll(file(1, "5-1.bmp")) != builds);
        QCOMPARE(readAll(file(0, "5-1.bmp")), QByteArray("teacher's bitmap"));
        QVERIFY(!QFileInfo::exists(file(2, "9-2.bmp")));
        QCOMPARE(readAll(file(3, "1-1.bmp")), QByteArray("added by hand"));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("1-1.bmp"))), QByteArray("teacher's sample"));
        for (int set : {0, 2, 3})
            QVERIFY2(again.out.contains(QStringLiteral("kept ") + names[set]), qPrintable(again.out));

        // Without --refresh, make writes what it is told to, as before.
        QCOMPARE(runTool({"make", "--out", out, "--seed", "6", "--only", "1"}).exitCode, 0);
        QVERIFY(readAll(file(0, "5-1.bmp")) != QByteArray("teacher's bitmap"));
    }

    void checkFindsUnplayableSets_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("oversized bitmap") << "tall" << "4-1.bmp: 1000 pixels high, over two and a half times the set's median";
        QTest::newRow("grey background") << "grey" << "6-2.bmp: the background is not pure white";
        QTest::newRow("two chromosomes in a bitmap") << "two" << "21-1.bmp: holds 2 chromosomes";
        QTest::newRow("Y-like piece, female name") << "female Y" << "a female set, but 23-1.bmp and 23-2.bmp differ clearly";
        QTest::newRow("two X, male name") << "male XX" << "a male set, but 23-1.bmp and 23-2.bmp are alike";
        QTest::newRow("name outside the catalogue") << "stray" << "is not a catalogue name";
    }

    void checkFindsUnplayableSets()
    {
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        QString folder = freshCopy(QStringLiteral("audit-") + kind, kind == QLatin1String("male XX") ? male_ : female_);
        const auto replace = [&](const QString &file, const QImage &image) {
            QVERIFY(image.convertToFormat(QImage::Format_RGB888).save(QDir(folder).filePath(file), "BMP"));
        };
        const auto piece = [&](const QString &set, const char *file) { return loadBitmap24(QDir(set).filePath(file)); };
        if (kind == QLatin1String("tall")) {
            replace("4-1.bmp", piece(folder, "4-1.bmp").scaled(100, 1000));
        } else if (kind == QLatin1String("grey")) {
            QImage image = piece(folder, "6-2.bmp");
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) == qRgb(255, 255, 255))
                        image.setPixel(x, y, qRgb(236, 236, 236));
            replace("6-2.bmp", image);
        } else if (kind == QLatin1String("two")) {
            const QImage a = piece(folder, "21-1.bmp"), b = piece(folder, "21-2.bmp");
            QImage both(a.width() + b.width() + 8, std::max(a.height(), b.height()), QImage::Format_RGB888);
            both.fill(Qt::white);
            QPainter painter(&both);
            painter.drawImage(0, 0, a);
            painter.drawImage(a.width() + 8, 0, b);
            painter.end();
            replace("21-1.bmp", both);
        } else if (kind == QLatin1String("female Y")) {
            replace("23-2.bmp", piece(male_, "23-2.bmp"));
        } else if (kind == QLatin1String("male XX")) {
            // The cell's own X again (mirrored): made sets differ in condensation from cell to cell,
            // so an X of another set need not be alike in length.
            replace("23-2.bmp", piece(male_, "23-1.bmp").mirrored(true, false));
        } else {
            const QString renamed = QFileInfo(folder).path() + QStringLiteral("/正常女性染色体核型no11");
            QVERIFY(QDir().rename(folder, renamed));
            folder = renamed;
        }
        // The listing matches every bitmap, so only the fault itself is left to find.
        QFile::remove(QDir(folder).filePath(QFileInfo(female_).fileName() + QStringLiteral(".set")));
        writeAll(listingPath(folder), linesToCp932(listingLines(folder)));
        const Run run = runTool({"check", folder});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(expected), qPrintable(run.out));
        QCOMPARE(run.out.count(folder), 2); // that fault and the summary, nothing else
    }

    // A hostile case folder is refused by check with a message and an exit code, in bounded time
    // and memory, never by a signal; case.txt that is no file is named as such.
    void checkRefusesHostileCaseFolders_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("FIFO case.txt") << "fifo" << "case.txt is a pipe (FIFO)";
        QTest::newRow("folder case.txt") << "folder" << "case.txt is a folder";
        QTest::newRow("100 huge spreads") << "spreads" << "is not a number from 1 to 8192";
        QTest::newRow("one bitmap for many pieces") << "same bitmap" << "is the bitmap of another piece already";
        QTest::newRow("missing pieces") << "missing" << "File not found";
    }

    void checkRefusesHostileCaseFolders()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        const QString folder = temp_.filePath(QStringLiteral("hostile-") + kind);
        QVERIFY(QDir().mkpath(folder));
        const QString caseTxt = QDir(folder).filePath(QStringLiteral("case.txt"));
        QByteArray text = "karyotype\t46,XX\nlevel\t550\n";
        if (kind == QLatin1String("spreads")) {
            for (int c = 1; c <= 100; ++c)
                text += "spread\t" + QByteArray::number(c) + "\t100000\t100000\n";
        } else {
            text += "spread\t1\t400\t300\n";
            for (int i = 0; i < (kind == QLatin1String("missing") ? 2000 : 200); ++i)
                text += kind == QLatin1String("same bitmap") ? QByteArray("piece\t1\t1-1.bmp\t1\t50\t50\t0\n")
                                                             : "piece\t" + QByteArray::number(1 + i / 200) + "\tp" + QByteArray::number(i) + ".bmp\t1\t50\t50\t0\n";
        }
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(caseTxt).constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(caseTxt));
        } else {
            QFile file(caseTxt);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        const Run check = runTool({"check", folder});
        QCOMPARE(check.exitCode, 1); // a signal would give -1
        QVERIFY2(check.out.contains(message), qPrintable(check.out.left(2000)));
        QVERIFY2(!check.out.contains(QStringLiteral(".set")), qPrintable(check.out.left(2000))); // not judged as a problem set
    }

    void packConvertsAnyPicture()
    {
        // PNG, grey JPEG and 8-bit BMP pieces become 24-bit BMPs on white; the originals are kept.
        const QString folder = freshCopy(QStringLiteral("pack-formats"));
        const QDir dir(folder);
        QImage one = loadBitmap24(dir.filePath(QStringLiteral("1-1.bmp")));
        QVERIFY(one.save(dir.filePath(QStringLiteral("1-1.png"))));
        QImage two = loadBitmap24(dir.filePath(QStringLiteral("2-2.bmp"))).convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(two.save(dir.filePath(QStringLiteral("2-2.jpg")), "JPEG", 90));
        QVERIFY(loadBitmap24(dir.filePath(QStringLiteral("9-1.bmp"))).convertToFormat(QImage::Format_Indexed8)
                    .save(dir.filePath(QStringLiteral("9-1.bmp.8")), "BMP"));
        QFile::remove(dir.filePath(QStringLiteral("1-1.bmp")));
        QFile::remove(dir.filePath(QStringLiteral("2-2.bmp")));
        QFile::remove(dir.filePath(QStringLiteral("9-1.bmp")));
        QVERIFY(QFile::rename(dir.filePath(QStringLiteral("9-1.bmp.8")), dir.filePath(QStringLiteral("9-1.bmp"))));
        QFile::remove(dir.filePath(QFileInfo(folder).fileName() + QStringLiteral(".set")));
        // A file of the teacher's own with a name like a temporary one is no business of pack's.
        QFile own(dir.filePath(QStringLiteral("1-1.bmp.part")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("mine");
        own.close();

        const Run pack = runTool({"pack", folder});
        QVERIFY2(pack.exitCode == 0, qPrintable(pack.err));
        QVERIFY2(pack.out.contains(QStringLiteral("converted 2-2.jpg to 2-2.bmp")), qPrintable(pack.out));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("originals"))).entryList(QDir::Files),
                 (QStringList{"1-1.png", "2-2.jpg", "9-1.bmp"}));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("1-1.bmp.part"))), QByteArray("mine"));
        QCOMPARE(dir.entryList({QStringLiteral(".korven-*")}, QDir::Files | QDir::Hidden), QStringList());
        QFile::remove(dir.filePath(QStringLiteral("1-1.bmp.part")));
        const Run check = runTool({"check", folder});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out));
        // The grey JPEG's background, light grey from compression, is pure white now.
        const QImage converted = loadBitmap24(dir.filePath(QStringLiteral("2-2.bmp")));
        QCOMPARE(converted.size(), two.size());
        QCOMPARE(converted.pixel(0, 0), qRgb(255, 255, 255));
        // Packing again changes nothing.
        const QByteArray listing = readAll(dir.filePath(QFileInfo(folder).fileName() + QStringLiteral(".set")));
        QVERIFY(runTool({"pack", folder}).out.count(QStringLiteral("converted")) == 0);
        QCOMPARE(readAll(dir.filePath(QFileInfo(folder).fileName() + QStringLiteral(".set"))), listing);
    }

    void listShowsNumbersStatesAndBands()
    {
        const QString images = temp_.filePath(QStringLiteral("list"));
        copyFolder(male_, QDir(images).filePath(QFileInfo(male_).fileName()));
        copyFolder(female_, QDir(images).filePath(QFileInfo(female_).fileName()));
        QFile::remove(QDir(images).filePath(QFileInfo(female_).fileName() + QStringLiteral("/1-1.bmp")));
        QDir().mkpath(QDir(images).filePath(QStringLiteral("my cells")));
        const Run run = runTool({"list", images});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        const auto line = [&](const QString &name) {
            for (const QString &l : lines)
                if (l.contains(name))
                    return l.simplified();
            return QString();
        };
        const QString bands = readOrigin(male_).value(QStringLiteral("bands"));
        QVERIFY(!bands.isEmpty());
        QCOMPARE(line(catalogueNames()[0]), QStringLiteral("1 001 faulty female %2 %1").arg(catalogueNames()[0], readOrigin(female_).value("bands")));
        QCOMPARE(line(catalogueNames()[4]), QStringLiteral("5 002 sound male %2 %1").arg(catalogueNames()[4], bands));
        QCOMPARE(line(catalogueNames()[1]), QStringLiteral("2 - absent female - %1").arg(catalogueNames()[1]));
        QVERIFY2(run.out.contains(QStringLiteral("ignored by KORVEN (not a catalogue name): my cells")), qPrintable(run.out));
        QCOMPARE(run.err, QString());
    }

    // Installed, the list numbers the user's own sets and the bundled ones together, as the
    // trainer's problem list does, and speaks the interface's language in aligned columns.
    void listNumbersBothFoldersAsTheTrainer_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected"); // the lines of positions 1, 2 and 5, simplified
        QTest::newRow("English") << "en" << QStringList{"1 001 sound female", "2 - absent female", "5 002 sound male"};
        QTest::newRow("Japanese") << "ja" << QStringList{"1 001 良好 女性", "2 - なし 女性", "5 002 良好 男性"};
    }

    void listNumbersBothFoldersAsTheTrainer()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        QTemporaryDir root;
        const QString prefix = root.filePath(QStringLiteral("prefix"));
        QDir().mkpath(prefix + QStringLiteral("/bin"));
        const QString tool = prefix + QStringLiteral("/bin/korven-problems");
        QVERIFY(QFile::copy(QStringLiteral(KORVEN_TOOL), tool));
        QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner));
        copyFolder(female_, prefix + QStringLiteral("/share/korven/Images/") + catalogueNames()[0]);
        const QString data = root.filePath(QStringLiteral("data"));
        copyFolder(male_, data + QStringLiteral("/korven/Images/") + catalogueNames()[4]);

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data);
        env.remove(QStringLiteral("KORVEN_DATA"));
        env.insert(QStringLiteral("KORVEN_LANG"), language);
        process.setProcessEnvironment(env);
        process.start(tool, {QStringLiteral("list")});
        QVERIFY(process.waitForFinished(-1));
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        QCOMPARE(process.exitCode(), 0);
        QStringList lines = out.split(QLatin1Char('\n'));
        // Every row's name starts in the same column, the heading's last word too.
        qsizetype column = -1;
        for (const QString &line : lines) {
            const qsizetype at = line.indexOf(QStringLiteral("染色体核型no")) - 4; // after 正常女性 or 正常男性
            if (at < 0 || line.contains(QLatin1Char('/')))
                continue;
            const int shown = displayWidth(line.left(at));
            QVERIFY2(column < 0 || shown == column, qPrintable(out));
            column = shown;
        }
        for (const QString &want : expected) {
            bool found = false;
            for (const QString &line : lines)
                found = found || line.simplified().startsWith(want + QLatin1Char(' '));
            QVERIFY2(found, qPrintable(want + QStringLiteral(" in\n") + out));
        }
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "korven-problems make --out DIR";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "korven-problems 1.0.3";
        QTest::newRow("no command") << QStringList{} << 2 << "no command";
        QTest::newRow("unknown command") << QStringList{"bake"} << 2 << "unknown command 'bake'";
        QTest::newRow("make without --out") << QStringList{"make", "--seed", "3"} << 2 << "--out DIR is required";
        QTest::newRow("bad seed") << QStringList{"make", "--out", "x", "--seed", "abc"} << 2 << "invalid value 'abc'";
        QTest::newRow("only out of range") << QStringList{"make", "--out", "x", "--only", "49"} << 2 << "invalid value '49'";
        QTest::newRow("no tables") << QStringList{"make", "--out", "x", "--data", "/nonexistent"} << 1
                                   << "/nonexistent/human-ideogram-bands-400.tsv";
        QTest::newRow("check without folder") << QStringList{"check"} << 2 << "exactly one folder";
        QTest::newRow("check of no folder") << QStringList{"check", "/nonexistent"} << 1 << "no such folder";
        QTest::newRow("import without name") << QStringList{"import", "a.png", "--out", "x"} << 2 << "--name NAME are required";
        QTest::newRow("list of no folder") << QStringList{"list", "/nonexistent"} << 1 << "no such folder";
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        const Run run = runTool(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((run.out + run.err).contains(expected), qPrintable(run.out + run.err));
    }
};

QTEST_GUILESS_MAIN(TestKorvenProblems)
#include "test_korven_problems.moc"
