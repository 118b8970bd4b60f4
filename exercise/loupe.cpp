#include "exercise/loupe.h"

#include <algorithm>
#include <array>

namespace korven {

float loupeScale(float shownScale, int tallestSourceHeight)
{
    float scale = LoupeEnlargement * shownScale;
    if (tallestSourceHeight > 0)
        scale = std::max(scale, float(LoupeTallestPixels) / float(tallestSourceHeight));
    return scale;
}

namespace {

// v placed so that [v, v + length) lies inside [low, high) where it can; centred on `centre`.
int centredWithin(int centre, int length, int low, int high)
{
    int v = centre - length / 2;
    if (v + length > high)
        v = high - length;
    return std::max(v, low);
}

} // namespace

QPoint placeLoupe(const QRect &area, const QRect &piece, const QPoint &pointer, const QSize &loupe, int gap)
{
    // The region to keep clear: the piece and the pointer, with the gap around them.
    const QRect keep = piece.united(QRect(pointer, QSize(1, 1))).adjusted(-gap, -gap, gap, gap);
    const int y = centredWithin(pointer.y(), loupe.height(), area.top(), area.bottom() + 1);
    const int x = centredWithin(pointer.x(), loupe.width(), area.left(), area.right() + 1);
    struct Side {
        QPoint at;
        int room; // free length on that side of the keep region
        int need;
    };
    const std::array<Side, 4> sides{{
        {QPoint(keep.right() + 1, y), area.right() - keep.right(), loupe.width()},
        {QPoint(keep.left() - loupe.width(), y), keep.left() - area.left(), loupe.width()},
        {QPoint(x, keep.bottom() + 1), area.bottom() - keep.bottom(), loupe.height()},
        {QPoint(x, keep.top() - loupe.height()), keep.top() - area.top(), loupe.height()},
    }};
    for (const Side &side : sides)
        if (side.room >= side.need)
            return side.at;
    const auto roomiest = std::max_element(sides.begin(), sides.end(), [](const Side &a, const Side &b) {
        return a.room - a.need < b.room - b.need;
    });
    return roomiest->at;
}

} // namespace korven
