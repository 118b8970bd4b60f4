#include "analysis/ui/trial_charts.h"

#include "analysis/trial_statistics.h"

#include <QBarSeries>
#include <QCoreApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korven::ui {

namespace {

QString percentageTitle() { return QCoreApplication::translate("TOKBottomDlg", "percentage of correct answers(%)"); }

// A title on two lines, broken at the blank nearest its middle: the percentage titles are longer
// than the plot areas are high, and the chart would cut them short on one line.
QString twoLineTitle(const QString &title)
{
    const qsizetype middle = title.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < title.size(); ++i) {
        if (title.at(i) == u' ' && (best < 0 || std::abs(i - middle) < std::abs(best - middle)))
            best = i;
    }
    if (best < 0)
        return title.toHtmlEscaped();
    return title.left(best).toHtmlEscaped() + QStringLiteral("<br>") + title.mid(best + 1).toHtmlEscaped();
}

// "Answer time" over an empty second line.
QString answerTimeTitle() { return QCoreApplication::translate("TOKBottomDlg", "Answer time<br>&nbsp;"); }

QLineSeries *makeLine(QChart *chart, const QString &name, const QString &title, QValueAxis *x, QValueAxis *y)
{
    auto *series = new QLineSeries;
    series->setObjectName(name);
    series->setName(title);
    series->setPen(QPen(Qt::red, 1));
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    return series;
}

// The points of a per-trial series in ascending trial order (equal trials keep file order).
QList<QPointF> trialPoints(const std::vector<korven::TrialPoint> &series)
{
    QList<QPointF> points;
    points.reserve(qsizetype(series.size()));
    for (const korven::TrialPoint &point : series)
        points.append(QPointF(point.trial, point.value));
    std::stable_sort(points.begin(), points.end(),
                     [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
    return points;
}

// The horizontal axes follow the trial numbers shown; a single trial gets a little room.
void setAutomaticRange(QValueAxis *axis, double low, double high)
{
    if (high - low < 1) {
        low -= 1;
        high += 1;
    }
    setFixedRange(axis, low, high, niceInterval(high - low));
}

} // namespace

QFont chartFont()
{
    QFont font(QStringLiteral("ＭＳ Ｐ明朝"));
    font.setPixelSize(12);
    return font;
}

QChartView *makeChart(QWidget *parent, const QString &name, const QRect &geometry, const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setTitleFont(chartFont());
    chart->setTitleBrush(Qt::black);
    chart->legend()->hide();
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(2, 2, 6, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    auto *view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setGeometry(geometry);
    view->setFrameShape(QFrame::NoFrame);
    view->setRenderHint(QPainter::Antialiasing);
    view->setBackgroundBrush(Qt::white);
    return view;
}

QValueAxis *makeAxis(QChart *chart, Qt::Alignment alignment, const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(chartFont());
    axis->setTitleBrush(Qt::black);
    axis->setLabelsFont(chartFont());
    axis->setLabelsColor(Qt::black);
    axis->setLinePenColor(Qt::black);
    axis->setGridLineColor(QColor(0xd8, 0xd8, 0xd8));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    chart->addAxis(axis, alignment);
    return axis;
}

double niceInterval(double span)
{
    const double raw = std::max(span / 5.0, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * power >= raw)
            return step * power;
    }
    return 10.0 * power;
}

void setFixedRange(QValueAxis *axis, double low, double high, double interval)
{
    // The axis lays out its labels at every change: going through a coarse interval keeps a
    // new wide range from being labelled at the old fine interval for a moment.
    axis->setTickInterval(std::max({interval, high - low, axis->max() - axis->min()}));
    axis->setRange(low, high);
    axis->setTickInterval(interval);
}

TrialCharts makeTrialCharts(QWidget *parent, const QRect &perTrial, const QRect &perSlot,
                            const QRect &answerTime)
{
    TrialCharts c;

    // Success rate per trial.
    c.perTrial = makeChart(parent, QStringLiteral("Chart1"), perTrial,
                           QCoreApplication::translate("TOKBottomDlg", "Percentage of correct chromosomes per trial ( correct number /46)"));
    c.perTrialX = makeAxis(c.perTrial->chart(), Qt::AlignBottom, QCoreApplication::translate("TOKBottomDlg", "trial(times)"));
    auto *perTrialY = makeAxis(c.perTrial->chart(), Qt::AlignLeft, twoLineTitle(percentageTitle()));
    setFixedRange(perTrialY, 0, 100, 20);
    c.perTrialLine = makeLine(c.perTrial->chart(), QStringLiteral("Series2"), QStringLiteral("全染色体正答率"),
                              c.perTrialX, perTrialY);

    // Success rate per slot: 46 black bars at the slot indices.
    c.perSlot = makeChart(parent, QStringLiteral("Chart3"), perSlot,
                          QCoreApplication::translate("TOKBottomDlg", "Percentage of correct per chromosomes<br>(correct traials/all trials)"));
    auto *perSlotX = makeAxis(c.perSlot->chart(), Qt::AlignBottom, QCoreApplication::translate("TOKBottomDlg", "Chromosome number"));
    setFixedRange(perSlotX, 0, 46, 5);
    auto *perSlotY = makeAxis(c.perSlot->chart(), Qt::AlignLeft, twoLineTitle(percentageTitle()));
    setFixedRange(perSlotY, 0, 100, 20);
    c.perSlotBars = new QBarSeries;
    c.perSlotBars->setObjectName(QStringLiteral("Series3"));
    c.perSlotBars->setName(QStringLiteral("正答率"));
    c.perSlotBars->setBarWidth(0.7);
    c.perSlotValues = new QBarSet(QStringLiteral("縦棒"));
    c.perSlotValues->setColor(Qt::black);
    c.perSlotValues->setBorderColor(Qt::black);
    c.perSlotBars->append(c.perSlotValues);
    c.perSlot->chart()->addSeries(c.perSlotBars);
    c.perSlotBars->attachAxis(perSlotX);
    c.perSlotBars->attachAxis(perSlotY);

    // Answer time per trial; the vertical axis starts at 48 seconds.
    c.answerTime = makeChart(parent, QStringLiteral("Chart2"), answerTime, answerTimeTitle());
    c.answerTimeX = makeAxis(c.answerTime->chart(), Qt::AlignBottom, QCoreApplication::translate("TOKBottomDlg", "trials(times)"));
    c.answerTimeY = makeAxis(c.answerTime->chart(), Qt::AlignLeft, QCoreApplication::translate("TOKBottomDlg", "Answer time(sec.)"));
    c.answerTimeLine = makeLine(c.answerTime->chart(), QStringLiteral("Series1"), QStringLiteral("解答時間"),
                                c.answerTimeX, c.answerTimeY);
    c.clear();
    return c;
}

void TrialCharts::clear()
{
    perTrialLine->clear();
    answerTimeLine->clear();
    if (perSlotValues->count() > 0)
        perSlotValues->remove(0, perSlotValues->count());
    setFixedRange(perTrialX, 0, 10, 2);
    setFixedRange(answerTimeX, 0, 10, 2);
    setFixedRange(answerTimeY, 48, 100, 10);
}

void TrialCharts::fill(const korven::TrialStatistics &stats)
{
    const QList<QPointF> percentages = trialPoints(stats.correctPercentage);
    perTrialLine->replace(percentages);
    // A line through one point draws nothing: the first trial shows as a point.
    perTrialLine->setPointsVisible(percentages.size() == 1);
    setAutomaticRange(perTrialX, percentages.first().x(), percentages.last().x());

    QList<qreal> bars(stats.slotPercentage.begin(), stats.slotPercentage.end());
    perSlotValues->append(bars);

    const QList<QPointF> times = trialPoints(stats.answerSeconds);
    answerTimeLine->replace(times);
    answerTimeLine->setPointsVisible(times.size() == 1);
    setAutomaticRange(answerTimeX, times.first().x(), times.last().x());
    double longest = 48;
    for (const QPointF &point : times)
        longest = std::max(longest, point.y());
    // From 48 seconds up to the longest time (at least a little above the fixed minimum).
    const double top = std::max(longest, 49.0);
    setFixedRange(answerTimeY, 48, top, niceInterval(top - 48));
    answerTime->chart()->setTitle(answerTimeTitle());
}

} // namespace korven::ui
