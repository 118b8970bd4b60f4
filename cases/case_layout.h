#pragma once
// The size the karyogram's pieces are drawn at, from the room its groups have, and the size the
// case windows open at.
#include <QSize>

namespace korven {

// The least room a piece keeps in a group, in pixels, so a very low karyogram still shows the
// chromosomes as more than a smudge.
inline constexpr int MinPieceRoom = 40;

// The scale of the pieces in a karyogram whose groups are rowHeight pixels high, reservedHeight of
// them kept for the captions: the cell's tallest chromosome fills the rest (at least MinPieceRoom),
// and none is drawn larger than its bitmap. 1 when there is no chromosome.
float karyogramPieceScale(int rowHeight, int reservedHeight, int tallestHeight);

// The size a window opens at: its usual size, but no larger than the screen's free area less room
// for the window's frame and title.
QSize openingSize(QSize usual, QSize available);

} // namespace korven
