// The chart arithmetic: round tick intervals, the ticks and labels of value and category axes,
// values to pixels and the plot area left by the texts.
#include "analysis/chart.h"

#include <QtTest>

using namespace korven;

using Values = QList<double>;

class TestChart : public QObject {
    Q_OBJECT
private slots:
    void niceIntervals_data()
    {
        QTest::addColumn<double>("span");
        QTest::addColumn<double>("interval");
        QTest::newRow("under five units: 1") << 2.0 << 1.0;
        QTest::newRow("exactly five") << 5.0 << 1.0;
        QTest::newRow("just over five") << 5.5 << 2.0;
        QTest::newRow("ten") << 10.0 << 2.0;
        QTest::newRow("twenty-one") << 21.0 << 5.0;
        QTest::newRow("fifty") << 50.0 << 10.0;
        QTest::newRow("answer times to 300 s") << 252.0 << 100.0;
        QTest::newRow("two hundred trials") << 199.0 << 50.0;
        QTest::newRow("tiny spans stay whole") << 0.1 << 1.0;
    }
    void niceIntervals()
    {
        QFETCH(double, span);
        QFETCH(double, interval);
        QCOMPARE(niceInterval(span), interval);
    }

    void ticks_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("interval");
        QTest::addColumn<Values>("ticks");
        QTest::newRow("percentages") << 0.0 << 100.0 << 20.0 << Values{0, 20, 40, 60, 80, 100};
        QTest::newRow("slots: 46 is no multiple") << 0.0 << 46.0 << 5.0 << Values{0, 5, 10, 15, 20, 25, 30, 35, 40, 45};
        QTest::newRow("seconds from 48: multiples only") << 48.0 << 300.0 << 100.0 << Values{100, 200, 300};
        QTest::newRow("a single trial's room") << -1.0 << 1.0 << 1.0 << Values{-1, 0, 1};
        QTest::newRow("range between multiples") << 48.0 << 49.0 << 1.0 << Values{48, 49};
        QTest::newRow("no interval") << 0.0 << 10.0 << 0.0 << Values{};
        QTest::newRow("reversed range") << 10.0 << 0.0 << 2.0 << Values{};
    }
    void ticks()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, interval);
        QFETCH(Values, ticks);
        ChartAxis axis;
        axis.setRange(min, max, interval);
        QCOMPARE(tickValues(axis), ticks);
        QVERIFY(bandEdges(axis).isEmpty());
    }

    void automaticRanges_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<Values>("range"); // min, max, interval
        QTest::newRow("one trial gets room") << 0.0 << 0.0 << Values{-1, 1, 1};
        QTest::newRow("two trials") << 0.0 << 1.0 << Values{0, 1, 1};
        QTest::newRow("thirty trials") << 0.0 << 29.0 << Values{0, 29, 10};
        QTest::newRow("later trials only") << 12.0 << 14.0 << Values{12, 14, 1};
    }
    void automaticRanges()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(Values, range);
        ChartAxis axis;
        setAutomaticRange(axis, low, high);
        QCOMPARE((Values{axis.min, axis.max, axis.interval}), range);
    }

    // A category axis: a band per name centred on its index, grid lines at the band edges, and a
    // range set afterwards makes it a value axis again.
    void categories()
    {
        ChartAxis axis;
        axis.setCategories({"1", "2", "XY"});
        QVERIFY(axis.isCategory());
        QCOMPARE(axis.min, -0.5);
        QCOMPARE(axis.max, 2.5);
        QCOMPARE(tickValues(axis), (Values{0, 1, 2}));
        QCOMPARE(bandEdges(axis), (Values{-0.5, 0.5, 1.5, 2.5}));
        QCOMPARE(tickLabel(axis, 2), QStringLiteral("XY"));
        QCOMPARE(tickLabel(axis, 3), QString());
        axis.setRange(0, 100, 20);
        QVERIFY(!axis.isCategory());
        QCOMPARE(tickLabel(axis, 40), QStringLiteral("40"));
        QCOMPARE(tickLabel(axis, -1), QStringLiteral("-1"));
    }

    void pixels_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("pixel");
        QTest::newRow("left end") << 0.0 << 0.0 << 46.0 << 40.0 << 132.0 << 40.0;
        QTest::newRow("inside") << 23.0 << 0.0 << 46.0 << 40.0 << 132.0 << 86.0;
        QTest::newRow("vertical grows upwards") << 75.0 << 0.0 << 100.0 << 180.0 << 20.0 << 60.0;
        QTest::newRow("below a range that starts at 48") << 47.0 << 48.0 << 148.0 << 200.0 << 100.0 << 201.0;
        QTest::newRow("an empty range maps to its start") << 5.0 << 3.0 << 3.0 << 10.0 << 90.0 << 10.0;
    }
    void pixels()
    {
        QFETCH(double, value);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, pixel);
        QCOMPARE(toPixel(value, min, max, from, to), pixel);
    }

    void plotAreas()
    {
        ChartTextRoom room;
        room.title = 20;
        room.bottomLabels = 19;
        room.bottomTitle = 14;
        room.leftLabels = 25;
        room.leftTitle = 30;
        room.rightOverhang = 3;
        QCOMPARE(plotArea(QRectF(2, 2, 392, 196), room), QRectF(57, 22, 334, 143));
        // Texts larger than the chart leave an empty plot, never a turned-over one.
        room.title = 500;
        const QRectF squeezed = plotArea(QRectF(2, 2, 392, 196), room);
        QCOMPARE(squeezed.height(), 0.0);
        QVERIFY(squeezed.width() > 0);
    }

    void titlesOnTwoLines_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("lines");
        QTest::newRow("at the middle blank") << "percentage of correct answers(%)" << "percentage of\ncorrect answers(%)";
        QTest::newRow("one blank") << "Answer time" << "Answer\ntime";
        QTest::newRow("no blank stays whole") << "正答率(%)" << "正答率(%)";
        QTest::newRow("empty") << "" << "";
    }
    void titlesOnTwoLines()
    {
        QFETCH(QString, title);
        QFETCH(QString, lines);
        QCOMPARE(twoLines(title), lines);
    }
};

QTEST_MAIN(TestChart)
#include "test_chart.moc"
