#include "cases/case_layout.h"

#include <algorithm>

namespace korven {

float karyogramPieceScale(int rowHeight, int reservedHeight, int tallestHeight)
{
    if (tallestHeight <= 0)
        return 1.0f;
    const int room = std::max(rowHeight - reservedHeight, MinPieceRoom);
    return std::min(float(room) / float(tallestHeight), 1.0f);
}

QSize openingSize(QSize usual, QSize available)
{
    return usual.boundedTo(available - QSize(32, 32));
}

} // namespace korven
