#pragma once
// The arithmetic of the magnifier's loupe: how much it enlarges and where it stands.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace korven {

constexpr float LoupeEnlargement = 2.5f;  // times the piece's shown scale
constexpr int LoupeTallestPixels = 250;   // chromosome 1 at least this tall in the loupe
constexpr int LoupeGap = 12;              // between the loupe and the piece it shows

// The scale the loupe draws a piece at: 2.5 times its shown scale, and at least the scale that
// shows the problem's tallest source picture (chromosome 1) 250 pixels tall.
float loupeScale(float shownScale, int tallestSourceHeight);

// The top-left corner of a loupe of the given size beside `piece` (the shown piece, which holds
// `pointer`), within `area`. It goes right of the piece, else left, below, above, centred on the
// pointer along the other axis and kept inside the area. When no side has room for all of it,
// it takes the side with the most room: then it may reach past the area, but it still never
// covers the piece or the pointer.
QPoint placeLoupe(const QRect &area, const QRect &piece, const QPoint &pointer, const QSize &loupe,
                  int gap = LoupeGap);

} // namespace korven
