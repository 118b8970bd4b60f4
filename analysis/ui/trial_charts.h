#pragma once
// The three charts of one trainee's trials (success rate per trial, success rate per slot, answer
// time per trial) in the analysis dialog's look, and the pieces they are built from, so that
// other windows show the same charts the same way.
#include <QRect>
#include <QString>

class QBarSeries;
class QBarSet;
class QChart;
class QChartView;
class QFont;
class QLineSeries;
class QValueAxis;
class QWidget;

namespace korven {
struct TrialStatistics;
}

namespace korven::ui {

// The charts' font: "ＭＳ Ｐ明朝" at 12 pixels.
QFont chartFont();

// A chart view on white, without legend, its title in the charts' font.
QChartView *makeChart(QWidget *parent, const QString &name, const QRect &geometry, const QString &title);
// A value axis with black labels and title in the charts' font, whole-number labels.
QValueAxis *makeAxis(QChart *chart, Qt::Alignment alignment, const QString &title);
// A round tick interval (1, 2 or 5 times a power of ten) giving about five intervals.
double niceInterval(double span);
// Sets a range and its tick interval.
void setFixedRange(QValueAxis *axis, double low, double high, double interval);

struct TrialCharts {
    QChartView *perTrial = nullptr;    // "Chart1": correct percentage per trial
    QChartView *perSlot = nullptr;     // "Chart3": correct percentage per slot
    QChartView *answerTime = nullptr;  // "Chart2": answer time per trial
    QLineSeries *perTrialLine = nullptr;  // "Series2"
    QBarSeries *perSlotBars = nullptr;    // "Series3"
    QBarSet *perSlotValues = nullptr;
    QLineSeries *answerTimeLine = nullptr; // "Series1"
    QValueAxis *perTrialX = nullptr;
    QValueAxis *answerTimeX = nullptr;
    QValueAxis *answerTimeY = nullptr;

    // Empties the series and puts the axes back to their empty ranges.
    void clear();
    // Plots the statistics' series (trials in ascending order; 46 bars).
    void fill(const korven::TrialStatistics &stats);
};

// Creates the three charts as children of `parent`, with the given geometries.
TrialCharts makeTrialCharts(QWidget *parent, const QRect &perTrial, const QRect &perSlot,
                            const QRect &answerTime);

} // namespace korven::ui
