#pragma once
// A picture of a problem's 46 chromosomes laid out as a karyogram, for looking a set over.
#include "exercise/problem_loader.h"

#include <QImage>
#include <QString>
#include <array>
#include <vector>

namespace korven {

// How the pairs are laid out: pairs per row (summing to 23), each pair standing on its underline
// with its number below, an optional title above.
struct SheetLayout {
    std::vector<int> rowPairs{5, 7, 6, 6};
    bool underlines = true;
    int underlineOffset = 3; // below the chromosomes' lower ends; negative crosses them
    int underlineWidth = 1;
    int homologueGap = 6;    // between the two bitmaps of a pair; negative overlaps their margins
    int labelPixels = 15;
    bool boldLabels = false;
    QString title;
};

// The 46 pieces (1-1 .. 23-2) laid out as a karyogram on white; the sex pair labelled X X or X Y.
// Needs a QGuiApplication (fonts).
QImage drawKaryogram(const std::array<QImage, PieceCount> &pieces, bool female, const SheetLayout &layout = {});

// Pairs 1-5, 6-12, 13-18 and 19-22 with the sex chromosomes in four rows, each pair labelled
// below a base line, the folder's name at the top. Needs a QGuiApplication (fonts). Throws
// KorvenError naming the file when a bitmap cannot be loaded.
QImage drawKaryogramSheet(const QString &folder);

} // namespace korven
