// The ideogram tables: the bundled ones parse into 24 whole chromosomes, broken ones are refused
// with the file and line named; finer bands take their darkness from the 400-band band they split.
#include "files/errors.h"
#include "tools/ideogram.h"

#include <QTemporaryDir>
#include <QTest>

using namespace korven;

class TestIdeogram : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString writeTable(const QString &name, const QByteArray &body)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write("# comment\nchromosome\tarm\tband\tiscn_start\tiscn_stop\tbp_start\tbp_stop\tstain\n" + body);
        return path;
    }

    // A table with every chromosome but the last given lines for chromosome Y.
    QByteArray allButY()
    {
        QByteArray body;
        for (int i = 1; i <= 23; ++i) {
            const QByteArray name = i == 23 ? "X" : QByteArray::number(i);
            body += name + "\tp\t11\t0\t100\t1\t2\tgneg\n" + name + "\tp\t11.1\t100\t150\t1\t2\tacen\n"
                    + name + "\tq\t11.1\t150\t200\t1\t2\tacen\n" + name + "\tq\t12\t200\t400\t1\t2\tgpos50\n";
        }
        return body;
    }

private slots:
    void bundledTablesParse_data()
    {
        QTest::addColumn<int>("level");
        for (int level : ideogramLevels())
            QTest::newRow(qPrintable(QString::number(level))) << level;
    }

    void bundledTablesParse()
    {
        QFETCH(int, level);
        const Ideogram ideogram =
            parseIdeogram(ideogramPath(QStringLiteral(KORVEN_SOURCE_DIR "/data"), level), level);
        QCOMPARE(int(ideogram.chromosomes.size()), 24);
        QCOMPARE(ideogram.at(0).name, QStringLiteral("1"));
        QCOMPARE(ideogram.at(22).name, QStringLiteral("X"));
        QCOMPARE(ideogram.at(23).name, QStringLiteral("Y"));
        QCOMPARE(ideogram.at(0).length, 15100.0);
        QCOMPARE(ideogram.at(23).length, 3650.0);
        for (const ChromosomeBands &c : ideogram.chromosomes) {
            // Bands tile the chromosome without gaps, p arm first, and the centromere lies inside.
            QCOMPARE(c.bands.front().start, 0.0);
            QCOMPARE(c.bands.back().stop, c.length);
            for (size_t i = 1; i < c.bands.size(); ++i) {
                QCOMPARE(c.bands[i].start, c.bands[i - 1].stop);
                QVERIFY(c.bands[i - 1].shortArm || !c.bands[i].shortArm);
            }
            QVERIFY2(c.centromere > 0.1 * c.length && c.centromere < 0.55 * c.length, qPrintable(c.name));
            const bool acrocentric = QStringList{"13", "14", "15", "21", "22"}.contains(c.name);
            QCOMPARE(c.acrocentric, acrocentric);
        }
        // Chromosome 1 is metacentric: the p-arm acen band ends at 7394 in the 400 and 550 tables.
        if (level != 850)
            QCOMPARE(ideogram.at(0).centromere, 7394.0);
    }

    void gapsAreSharedBetweenNeighbours()
    {
        QByteArray body = allButY();
        body += "Y\tp\t11\t0\t100\t1\t2\tgneg\nY\tp\t11.1\t100\t150\t1\t2\tacen\n"
                "Y\tq\t11.1\t150\t200\t1\t2\tacen\nY\tq\t12\t260\t400\t1\t2\tgvar\n";
        const Ideogram ideogram = parseIdeogram(writeTable(QStringLiteral("gap.tsv"), body), 400);
        const ChromosomeBands &y = ideogram.at(23);
        QCOMPARE(y.bands[2].stop, 230.0);
        QCOMPARE(y.bands[3].start, 230.0);
        QCOMPARE(y.centromere, 150.0);
        QCOMPARE(y.length, 400.0);
    }

    void brokenTablesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("yLines");
        QTest::addColumn<QString>("expected"); // part of the message besides the file name
        QTest::newRow("no Y") << QByteArray() << "no bands for chromosome Y";
        QTest::newRow("no centromere") << QByteArray("Y\tp\t11\t0\t100\t1\t2\tgneg\nY\tq\t11\t100\t200\t1\t2\tgneg\n")
                                       << "chromosome Y has no centromere";
        QTest::newRow("bad number") << QByteArray("Y\tp\t11\t0\tlots\t1\t2\tgneg\n") << "line 95";
        QTest::newRow("unknown stain") << QByteArray("Y\tp\t11\t0\t100\t1\t2\tgpos60\n") << "line 95: unknown stain";
        QTest::newRow("short line") << QByteArray("Y\tp\t11\t0\t100\n") << "line 95: 5 fields";
        QTest::newRow("unknown chromosome") << QByteArray("Z\tp\t11\t0\t100\t1\t2\tgneg\n")
                                            << "line 95: unknown chromosome";
        QTest::newRow("overlap") << QByteArray("Y\tp\t11\t0\t100\t1\t2\tgneg\nY\tp\t11.1\t90\t150\t1\t2\tacen\n")
                                 << "line 96: band 11.1 overlaps";
    }

    void brokenTablesAreRefused()
    {
        QFETCH(QByteArray, yLines);
        QFETCH(QString, expected);
        const QString path = writeTable(QStringLiteral("broken.tsv"), allButY() + yLines);
        try {
            parseIdeogram(path, 400);
            QFAIL("no error");
        } catch (const KorvenError &e) {
            QVERIFY2(e.message().contains(path) && e.message().contains(expected), qPrintable(e.message()));
        }
    }

    // A finer level splits a band into darker and lighter parts: the dark parts of a dark band are
    // as dark as the band (22q12's sub-bands are only gpos50 in the table), its light parts keep
    // some of its stain, and bands of a pale parent keep their own stain.
    void finerBandsKeepTheirParentsDarkness_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("chromosome"); // index 0..23
        QTest::addColumn<QString>("band");
        QTest::addColumn<double>("darkness");
        const double dark = stainDensity(Stain::Gpos100);
        QTest::newRow("22q12 at 400") << 400 << 21 << "q12" << dark;
        QTest::newRow("22q12.1 at 550, dark part") << 550 << 21 << "q12.1" << dark;
        QTest::newRow("22q12.2 at 550, light part") << 550 << 21 << "q12.2" << 0.45 * dark;
        QTest::newRow("22q12.3 at 850, dark part") << 850 << 21 << "q12.3" << dark;
        QTest::newRow("22q11.22 at 850, in a pale band") << 850 << 21 << "q11.22" << stainDensity(Stain::Gpos25);
        QTest::newRow("22q13.2 at 550, pale parent") << 550 << 21 << "q13.2" << stainDensity(Stain::Gpos50);
        QTest::newRow("1q12 at 850, heterochromatin") << 850 << 0 << "q12" << stainDensity(Stain::Gvar);
    }
    void finerBandsKeepTheirParentsDarkness()
    {
        QFETCH(int, level);
        QFETCH(int, chromosome);
        QFETCH(QString, band);
        QFETCH(double, darkness);
        const QString data = QStringLiteral(KORVEN_SOURCE_DIR "/data");
        const Ideogram coarse = parseIdeogram(ideogramPath(data, 400), 400);
        Ideogram fine = parseIdeogram(ideogramPath(data, level), level);
        inheritParentStains(fine, coarse);
        for (const Band &b : fine.at(chromosome).bands)
            if ((b.shortArm ? "p" : "q") + b.name == band) {
                QCOMPARE(bandDensity(b), darkness);
                return;
            }
        QFAIL("no such band");
    }

    void missingTableIsNamed()
    {
        const QString path = dir_.filePath(QStringLiteral("none.tsv"));
        try {
            parseIdeogram(path, 400);
            QFAIL("no error");
        } catch (const KorvenError &e) {
            QVERIFY2(e.message().contains(path), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestIdeogram)
#include "test_ideogram.moc"
