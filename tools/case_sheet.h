#pragma once
// The answer sheet of a case folder: cell 1's karyogram, each abnormal chromosome to the right of
// its normal homologues and labelled, and beside it the ideograms of the chromosomes each
// abnormal one was made from, with the breakpoints marked, and the ideogram of the result.
#include "tools/cell_chromosomes.h"
#include "tools/ideogram.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <vector>

namespace korven {

// Draws a chromosome's ideogram standing upright with its top at `top`: bands in the grey of their
// darkness, the centromere pinched, stalks narrow. `darkness` holds one value per band.
void drawIdeogram(QPainter &painter, const ChromosomeBands &bands, const std::vector<double> &darkness, QPointF top,
                  double width, double pixelsPerUnit);

// The sheet of the case folder. Needs a QGuiApplication (fonts). Throws KorvenError naming the
// file when case.txt, a bitmap or the karyotype cannot be read.
QImage drawCaseSheet(const QString &folder, const std::vector<Ideogram> &ideograms,
                     const std::function<KaryotypeLines(const QString &)> &readLines);

} // namespace korven
