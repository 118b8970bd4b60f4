#include "exercise/board_rules.h"

#include "exercise/piece_picture.h"

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

int takeWheelNotches(int &remainder, int units)
{
    remainder += units;
    const int notches = remainder / 120;
    remainder -= notches * 120;
    return notches;
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

float slotScale(const QSize &source, float magnification, std::optional<float> angle, const QSize &slot,
                int insetTop)
{
    auto fits = [&](float scale) {
        const QSize size = piecePictureSize(source, scale, angle);
        const QPoint at = centreInSlot(slot, size, insetTop);
        return at.x() >= 0 && at.y() >= 0 && at.x() + size.width() <= slot.width()
               && at.y() + size.height() <= slot.height();
    };
    if (fits(magnification))
        return magnification;
    // Start from the proportional guess and step down until the picture fits.
    const QSize full = piecePictureSize(source, magnification, angle);
    float scale = magnification;
    if (!full.isEmpty())
        scale = magnification * std::min(float(slot.width()) / full.width(),
                                          float(slot.height() - insetTop) / full.height());
    for (int i = 0; i < 200 && scale > 0.0f && !fits(scale); ++i)
        scale *= 0.99f;
    return scale > 0.0f ? scale : magnification;
}

QPoint centreOf(const QRect &control)
{
    return QPoint(control.x() + control.width() / 2, control.y() + control.height() / 2);
}

} // namespace korven
