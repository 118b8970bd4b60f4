// The magnifier: the loupe widget, and the exercise window's handling of it (menu item, middle
// button, following the pointer over the pieces).
#include "exercise/ui/magnifier.h"

#include "exercise/loupe.h"
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform16.h"

#include <QAction>
#include <QCursor>
#include <QPainter>

Magnifier::Magnifier(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Magnifier"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Magnifier::setPicture(const QImage &source, float scale, std::optional<float> angle, qreal ratio)
{
    if (source.cacheKey() == sourceKey_ && scale == picture_.scale && angle == picture_.angle && ratio == ratio_)
        return;
    picture_ = korven::drawPiecePicture(source, scale, angle, ratio);
    pixmap_ = QPixmap::fromImage(picture_.pixels);
    sourceKey_ = source.cacheKey();
    ratio_ = ratio;
    resize(picture_.size + QSize(2 * Border, 2 * Border));
    update();
}

void Magnifier::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawPixmap(Border, Border, pixmap_);
}

// ---- The exercise window's side

void TForm1::Magnifier1Click()
{
    if (Magnifier1->isChecked())
        updateMagnifier(QCursor::pos());
    else
        hideMagnifier();
}

void TForm1::hideMagnifier()
{
    if (Loupe)
        Loupe->hide();
}

void TForm1::updateMagnifier(const QPoint &globalPos)
{
    if (!Loupe)
        return;
    // A drag in progress keeps the board to itself.
    if (!(Magnifier1->isChecked() || middleHeld_) || drag_.started()) {
        hideMagnifier();
        return;
    }
    // The piece under the pointer, on the work area, in a slot or in the correct answer.
    QWidget *hit = widgetUnder(globalPos);
    const QImage *source = nullptr;
    float scale = 0.0f;
    std::optional<float> angle;
    if (auto *piece = qobject_cast<PieceImage *>(hit)) {
        source = &SourceBitmaps[piece->index()];
        scale = piece->shownScale();
        angle = piece->shownAngle();
    } else if (Form16 && hit && Form16->isAncestorOf(hit)) {
        for (int k = 0; k < TForm16::SlotCount; ++k) {
            if (Form16->AnswerImages[k] == hit) {
                source = &SourceBitmaps[k];
                scale = Form16->AnswerScales[k];
            }
        }
    }
    if (!source || source->isNull() || !(scale > 0.0f)) {
        hideMagnifier();
        return;
    }

    QWidget *area = centralWidget();
    Loupe->setPicture(*source, korven::loupeScale(scale, TallestPieceHeight), angle, Loupe->devicePixelRatioF());
    const QRect piece(area->mapFromGlobal(hit->mapToGlobal(QPoint(0, 0))), hit->size());
    Loupe->move(korven::placeLoupe(area->rect(), piece, area->mapFromGlobal(globalPos), Loupe->size()));
    Loupe->show();
    Loupe->raise();
}
