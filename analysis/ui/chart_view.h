#pragma once
// Draws a Chart (analysis/chart.h) with QPainter: on white, axis lines and labels in black, light
// grey grid lines, titles in the charts' font, without legend. The same drawing serves the screen
// and any other painter.
#include "analysis/chart.h"

#include <QFont>
#include <QStringList>
#include <QRectF>
#include <QWidget>

class QFontMetricsF;

namespace korven::ui {

// The charts' font: "ＭＳ Ｐ明朝" at 12 pixels.
QFont chartFont();

// Where a chart's texts and plot go in a given area.
struct ChartLayout {
    QRectF plot;
    QRectF title;       // the chart's title
    QRectF bottomTitle; // the horizontal axis's title
    QRectF leftTitle;   // the vertical axis's title as drawn, turned to read upwards
    QStringList leftTitleLines; // its lines: one that would not fit the height is broken in two
};

class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget *parent = nullptr);

    const Chart &chart() const { return chart_; }
    // Shows `chart` instead of the chart shown.
    void setChart(const Chart &chart);

    // The layout of the chart in `area`, one unit a screen pixel.
    ChartLayout layout(const QRectF &area) const;
    // Draws the chart into `area` of `painter`, one unit a screen pixel: a caller that prints
    // scales the painter to the paper.
    void draw(QPainter &painter, const QRectF &area) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList turnedTitleLines(const QFontMetricsF &metrics, double room) const;

    Chart chart_;
};

} // namespace korven::ui
