#pragma once
// The arithmetic of moving, turning and placing pieces, kept apart from the window so it can be
// checked with tables. All halvings truncate toward zero.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace korven {

// The rotation step after one wheel notch: delta < 0 turns one step back, anything else one step
// on; the step wraps around within 0 .. steps - 1.
int wheelStep(int step, int delta, int steps);

// Whole wheel notches (120 units each, signed) in `remainder` plus `units`; what is short of a
// whole notch stays in `remainder`, so fine-grained wheels and touchpads add up to notches.
int takeWheelNotches(int &remainder, int units);

// Whether the pointer at (x, y) still lies in the square that keeps a piece chosen for turning:
// the square of side factor * max(width, height) that starts at the piece's corner, moved in by
// (1 - factor)/2 of its size. Both ends are open.
bool keepsSelection(const QRect &piece, int factor, int x, int y);

// Where a piece of the given size lands when dropped on a panel with the pointer at (x, y): the
// pointer becomes its centre, except that it is pulled back to lie flush with the bottom and the
// right edge. Returns the piece's left and top.
QPoint dropOnPanel(const QSize &panel, const QSize &piece, int x, int y);

// The left and top of a piece centred in a slot, insetTop pixels below the middle. A piece
// larger than the slot gets negative coordinates (it sticks out on both sides).
QPoint centreInSlot(const QSize &slot, const QSize &piece, int insetTop);

// The scale a piece is drawn at in a slot: the board's magnification when the drawn picture,
// centred by centreInSlot, lies wholly inside the slot; otherwise the largest smaller scale at
// which it does, so that a large size step never cuts off a chromosome's ends.
float slotScale(const QSize &source, float magnification, std::optional<float> angle, const QSize &slot,
                int insetTop);

// The centre of a control, as recorded when a piece is chosen or scattered.
QPoint centreOf(const QRect &control);

} // namespace korven
