#include "exercise/board_rules.h"

#include <algorithm>

namespace korven {

int wheelStep(int step, int delta, int steps)
{
    step += delta < 0 ? -1 : 1;
    if (step > steps - 1)
        step %= steps;
    if (step < 0)
        step = steps - 1;
    return step;
}

bool keepsSelection(const QRect &piece, int factor, int x, int y)
{
    const double size = std::max(piece.width(), piece.height());
    const double left = piece.x() + piece.width() * (1.0 - factor) / 2.0;
    const double top = piece.y() + piece.height() * (1.0 - factor) / 2.0;
    const double side = factor * size;
    return left < x && x < left + side && top < y && y < top + side;
}

QPoint dropOnPanel(const QSize &panel, const QSize &piece, int x, int y)
{
    const int top = y < panel.height() - piece.height() ? y - piece.height() / 2
                                                        : panel.height() - piece.height();
    const int left = x < panel.width() - piece.width() ? x - piece.width() / 2
                                                       : panel.width() - piece.width();
    return QPoint(left, top);
}

QPoint centreInSlot(const QSize &slot, const QSize &piece, int insetTop)
{
    return QPoint((slot.width() - piece.width()) / 2, (slot.height() - piece.height()) / 2 + insetTop);
}

QPoint centreOf(const QRect &control)
{
    return QPoint(control.x() + control.width() / 2, control.y() + control.height() / 2);
}

} // namespace korven
