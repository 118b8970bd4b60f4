// The trainee charts shared by the analysis dialog and the class overview, drawn: every trial
// shows, the first one too, and a chart draws the same on any painter.
#include "analysis/trial_statistics.h"
#include "analysis/ui/trial_charts.h"

#include <QPainter>
#include <QtTest>

using namespace korven;

namespace {

// Pixels of the series' red in a picture.
int redPixels(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel) > 180 && qGreen(pixel) < 120 && qBlue(pixel) < 120;
        }
    return red;
}

} // namespace

class TestTrialCharts : public QObject {
    Q_OBJECT
private slots:
    void everyTrialIsDrawn_data()
    {
        QTest::addColumn<int>("trials");
        QTest::newRow("one trial") << 1;
        QTest::newRow("three trials") << 3;
    }

    void everyTrialIsDrawn()
    {
        QFETCH(int, trials);
        QWidget parent;
        parent.resize(900, 300);
        ui::TrialCharts charts = ui::makeTrialCharts(&parent, QRect(0, 0, 300, 300), QRect(300, 0, 300, 300),
                                                     QRect(600, 0, 300, 300));
        TrialStatistics stats;
        for (int t = 0; t < trials; ++t) {
            stats.correctPercentage.push_back({t, 50.0 + 10 * t});
            stats.answerSeconds.push_back({t, 200.0 + 30 * t});
        }
        charts.fill(stats);
        parent.show();
        QVERIFY(redPixels(charts.perTrial->grab().toImage()) > 0);
        QVERIFY(redPixels(charts.answerTime->grab().toImage()) > 0);

        // Emptied, no red is left.
        charts.clear();
        QCOMPARE(redPixels(charts.perTrial->grab().toImage()), 0);
    }

    // Drawn into another painter (as when printing), at another place, a chart looks as on screen.
    void drawsOnAnyPainter()
    {
        ui::ChartView view;
        view.resize(400, 200);
        TrialStatistics stats;
        stats.correctPercentage = {{0, 40}, {1, 90}};
        stats.answerSeconds = {{0, 300}, {1, 100}};
        ui::TrialCharts charts{&view, &view, &view};
        charts.fill(stats); // the three set one after another: the answer-time chart stays
        const QImage screen = view.grab().toImage().convertToFormat(QImage::Format_RGB32);

        QImage paper(500, 300, QImage::Format_RGB32);
        paper.fill(Qt::yellow);
        QPainter painter(&paper);
        view.draw(painter, QRectF(50, 60, 400, 200));
        painter.end();
        QCOMPARE(paper.copy(50, 60, 400, 200), screen);
        QCOMPARE(paper.pixel(10, 10), QColor(Qt::yellow).rgb());
    }

    // A turned title that would be cut at the chart's height goes on two lines, inside the chart;
    // where it fits it stays on one.
    void longTurnedTitleBreaks_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("lines");
        QTest::newRow("short chart") << 170 << 2;
        QTest::newRow("tall chart") << 400 << 1;
    }
    void longTurnedTitleBreaks()
    {
        QFETCH(int, height);
        QFETCH(int, lines);
        ui::ChartView view;
        view.resize(300, height);
        Chart chart;
        chart.title = QStringLiteral("Class");
        chart.x.title = QStringLiteral("pair");
        chart.y.title = QStringLiteral("percentage of correct answers(%)");
        chart.y.setRange(0, 100, 20);
        view.setChart(chart);
        const ui::ChartLayout layout = view.layout(view.rect());
        QCOMPARE(layout.leftTitleLines.size(), lines);
        QVERIFY(QRectF(view.rect()).contains(layout.leftTitle));
        QVERIFY(!layout.leftTitle.intersects(layout.plot));
    }
};

QTEST_MAIN(TestTrialCharts)
#include "test_trial_charts.moc"
