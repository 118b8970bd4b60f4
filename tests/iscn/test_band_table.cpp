// The band names behind the breakpoint checks and distances: a parent band covers its sub-bands,
// a finer band falls into the coarser band of a level, the centromere lies before the first band.
#include "iscn/band_table.h"

#include <QTest>

using namespace korven::iscn;

namespace {

// Chromosome 1 at two levels, as tables read them (CR LF endings taken in stride).
BandTable fixture()
{
    const auto table = [](const QStringList &bands) {
        QString text = QStringLiteral("# comment\r\nchromosome\tarm\tband\tiscn_start\tiscn_stop\tbp_start\tbp_stop\tstain\r\n");
        int at = 0;
        for (const QString &band : bands) {
            text += QStringLiteral("1\t%1\t%2\t%3\t%4\t0\t0\tgneg\r\n").arg(band.left(1), band.mid(1)).arg(at).arg(at + 10);
            at += 10;
        }
        return *readBandTable(text);
    };
    const auto coarse = table({"p36", "p35", "p11", "q11", "q12", "q21"});
    const auto fine = table({"p36.3", "p36.2", "p36.1", "p35", "p11", "q11", "q12", "q21.1", "q21.2", "q21.3"});
    return BandTable::fromTables({{850, fine}, {400, coarse}});
}

} // namespace

class TestBandTable : public QObject {
    Q_OBJECT
private slots:
    void places_data();
    void places();
    void levelsAndEnds();
};

void TestBandTable::places_data()
{
    QTest::addColumn<QString>("band"); // with its arm
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("first"); // -2: not placed at that level
    QTest::addColumn<int>("last");

    QTest::newRow("band of the level") << "q12" << true << 400 << 1 << 1;
    QTest::newRow("finer band in its parent") << "q21.2" << true << 400 << 2 << 2;
    QTest::newRow("parent over its sub-bands") << "q21" << true << 850 << 2 << 4;
    QTest::newRow("p arm from the centromere out") << "p36.2" << true << 850 << 3 << 3;
    QTest::newRow("parent only of the finer table") << "p36" << true << 850 << 2 << 4;
    QTest::newRow("centromere") << "q10" << true << 400 << -1 << -1;
    QTest::newRow("beyond the arm") << "q22" << false << 850 << -2 << -2;
    QTest::newRow("region digit is no parent") << "q2" << false << 850 << -2 << -2;
    QTest::newRow("sub-band no table has") << "q21.4" << false << 850 << -2 << -2;
    QTest::newRow("level without a table") << "q12" << true << 550 << -2 << -2;
}

void TestBandTable::places()
{
    QFETCH(QString, band);
    QFETCH(bool, known);
    QFETCH(int, level);
    QFETCH(int, first);
    QFETCH(int, last);
    const BandTable table = fixture();
    const QChar arm = band.at(0);
    QCOMPARE(table.knows(0, arm, band.mid(1)), known);
    const auto span = table.span(0, arm, band.mid(1), level);
    QCOMPARE(span.has_value(), first != -2);
    if (span) {
        QCOMPARE(span->first, first);
        QCOMPARE(span->last, last);
    }
}

void TestBandTable::levelsAndEnds()
{
    const BandTable table = fixture();
    QCOMPARE(table.levels(), (QList<int>{400, 850}));
    QCOMPARE(table.terminalBand(0, QLatin1Char('p'), 850), QStringLiteral("36.3"));
    QCOMPARE(table.terminalBand(0, QLatin1Char('p'), 500), QStringLiteral("36")); // the nearest level
    QVERIFY(table.bands(1, QLatin1Char('p'), 400).isEmpty());
    // The built-in tables hold all three levels and every chromosome.
    const BandTable &builtIn = BandTable::builtIn();
    QCOMPARE(builtIn.levels(), (QList<int>{400, 550, 850}));
    for (int chromosome = 0; chromosome < 24; ++chromosome)
        QVERIFY(!builtIn.bands(chromosome, QLatin1Char('q'), 550).isEmpty());
    QCOMPARE(builtIn.terminalBand(4, QLatin1Char('p'), 550), QStringLiteral("15.3"));
}

QTEST_GUILESS_MAIN(TestBandTable)
#include "test_band_table.moc"
