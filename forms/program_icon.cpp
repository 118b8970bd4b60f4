#include "forms/program_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace korven::ui {

namespace {

// One chromosome: two rounded arms meeting at a narrowed centromere, with dark G-bands.
void drawChromosome(QPainter &p, qreal x, qreal top, qreal width, qreal height, qreal centromere)
{
    const qreal r = width / 2;
    const qreal waist = width * 0.28;
    const qreal cy = top + height * centromere;
    QPainterPath body;
    body.addRoundedRect(QRectF(x, top, width, cy - top), r, r);
    body.addRoundedRect(QRectF(x, cy, width, top + height - cy), r, r);
    QPainterPath waistCut;
    waistCut.addEllipse(QPointF(x - waist * 0.6, cy), waist, waist);
    waistCut.addEllipse(QPointF(x + width + waist * 0.6, cy), waist, waist);
    body = body.subtracted(waistCut);

    p.setPen(QPen(QColor(60, 60, 60), qMax<qreal>(1.0, width / 10)));
    p.setBrush(QColor(215, 215, 215));
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 45, 45));
    const qreal bands[][2] = {{0.08, 0.05}, {0.2, 0.07}, {0.45, 0.06}, {0.58, 0.08}, {0.72, 0.05}, {0.86, 0.07}};
    for (const auto &b : bands)
        p.drawRect(QRectF(x, top + height * b[0], width, height * b[1]));
    p.restore();
}

} // namespace

QPixmap programIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 245, 255));
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    const qreal w = size * 0.2;
    drawChromosome(p, size * 0.26, size * 0.1, w, size * 0.8, 0.38);
    drawChromosome(p, size * 0.54, size * 0.12, w, size * 0.78, 0.4);
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(programIconPixmap(size));
    return icon;
}

} // namespace korven::ui
