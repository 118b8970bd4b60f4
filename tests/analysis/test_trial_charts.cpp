// The trainee charts shared by the analysis dialog and the class overview, drawn: every trial
// shows, the first one too.
#include "analysis/trial_statistics.h"
#include "analysis/ui/trial_charts.h"

#include <QChartView>
#include <QTest>

using namespace korven;

namespace {

// Pixels of the series' red in a chart as drawn.
int redPixels(QChartView *view)
{
    const QImage image = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
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
        QVERIFY(redPixels(charts.perTrial) > 0);
        QVERIFY(redPixels(charts.answerTime) > 0);
    }
};

QTEST_MAIN(TestTrialCharts)
#include "test_trial_charts.moc"
