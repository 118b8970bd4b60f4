#pragma once
// Paints a laid-out ideogram. Header only, so the band library itself needs no painting; the
// programs that draw ideograms include it.
#include "iscn/ideogram_layout.h"

#include <QPainter>

namespace korven::iscn {

inline void paintIdeogram(QPainter &painter, const QList<IdeogramQuad> &bands)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 0.8));
    for (const IdeogramQuad &quad : bands) {
        painter.setBrush(QColor(quad.grey, quad.grey, quad.grey));
        painter.drawPolygon(quad.corners.data(), 4);
    }
    painter.restore();
}

} // namespace korven::iscn
