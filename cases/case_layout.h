#pragma once
// The size the karyogram's pieces are drawn at, from the room its groups have, and the size the
// case windows open at.
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

namespace korven {

// The least room a piece keeps in a group, in pixels, so a very low karyogram still shows the
// chromosomes as more than a smudge.
inline constexpr int MinPieceRoom = 40;
// The most a piece is enlarged over its bitmap in the karyogram: a small chromosome drawn larger
// shows its bands, if a little soft, where one drawn at its bitmap's size is too small to read.
// Twice, so the smallest derivative a case has (a Philadelphia der(22), a third of a 21 in the
// painter's bitmaps) stands 60 pixels tall on a 1280 x 1024 screen.
inline constexpr float MaxPieceEnlargement = 2.0f;
// The height the karyogram brings its smallest chromosome to where the room allows, in pixels: tall
// enough to read its bands with room to spare over the 60 a 1280 x 1024 screen must give it, and no
// taller, so the other rows are not blown up out of proportion to chromosome 1.
inline constexpr int ReadableHeight = 72;

// The pieces that belong in one row of the karyogram (0, 0 when none does): the tallest bitmap, and
// the height of the shortest chromosome itself (its bitmap less the white above and below it),
// which is what the trainee has to read.
struct RowPieces {
    int tallest = 0;
    int shortest = 0;
};

// Where the chromosome lies in a piece's bitmap: the box round its pixels darker than `background`
// (the whole bitmap when it has none). 235 gives the chromosome as it is read; 255 takes in its
// faint rim too, all that is not pure white and so is drawn.
QRect chromosomeBox(const QImage &bitmap, int background = 235);
inline int chromosomeHeight(const QImage &bitmap) { return chromosomeBox(bitmap).height(); }

// Each row's height (its pieces' room, captions not included) and the scale its pieces are drawn
// at.
struct KaryogramRows {
    std::vector<int> heights;
    std::vector<float> scales;
};

// Shares `room` pixels of height (the karyogram less its captions) among the rows. First each row
// gets what it would have if the rows were equal and the case's tallest chromosome (chromosome 1)
// filled its row, so no chromosome is drawn smaller than that; the rest goes where it makes the
// shortest chromosome of the worst-off row tallest, which is the row of the small autosomes and
// the sex chromosomes, while no chromosome is drawn taller than the case's tallest (chromosome 1),
// so the sizes still compare. A row's tallest piece fills its row; no piece is enlarged more than
// MaxPieceEnlargement; a row with nothing that belongs there keeps MinPieceRoom for a stray piece.
KaryogramRows fitKaryogramRows(int room, const std::vector<RowPieces> &rows, int tallestHeight);

// The row of karyogramRows() whose scale the pieces of `group` are drawn at: their own row, but the
// X's the row of group C (6-12), whose size it has, so a tall X does not hold the small chromosomes
// of the last row down. -1 for no group.
int scaleRowOf(int group);

// The rows' extents for pieces of the given identities, bitmap heights and chromosome heights, each
// piece counted in the scale row of its first home group; pieces with no home are left out.
std::vector<RowPieces> rowPiecesOf(const std::vector<QString> &identities, const std::vector<int> &heights,
                                   const std::vector<int> &chromosomeHeights);

// The size a window opens at: its usual size, but no larger than the screen's free area less room
// for the window's frame and title.
QSize openingSize(QSize usual, QSize available);

} // namespace korven
