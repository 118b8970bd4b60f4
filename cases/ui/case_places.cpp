#include "cases/ui/case_places.h"

#include "cases/case_grading.h"
#include "cases/ui/case_window.h"
#include "exercise/bitmap_transform.h"
#include "exercise/board_rules.h"
#include "exercise/scatter.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int CaptionHeight = 14; // a group's number, and the answer's labels under a piece
constexpr int MarkDiameter = 18;  // a count mark
constexpr int SpreadMargin = 4;

} // namespace

// ---- A piece

CasePieceWidget::CasePieceWidget(int index, const QImage &source, int step_, CaseWindow *window, QWidget *parent)
    : QLabel(parent), step(step_), index_(index), source_(source), window_(window)
{
    setObjectName(QStringLiteral("CasePiece%1").arg(index));
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
}

void CasePieceWidget::draw(float scale, bool turned)
{
    const std::optional<float> angle =
        turned && step != 0 ? std::optional<float>(korven::stepAngle(korven::CaseTurnSteps, step)) : std::nullopt;
    if (!pixmap_.isNull() && scale == picture_.scale && angle == picture_.angle
        && picture_.pixels.devicePixelRatio() == devicePixelRatioF())
        return;
    picture_ = korven::drawPiecePicture(source_, scale, angle, devicePixelRatioF());
    pixmap_ = QPixmap::fromImage(korven::whiteAsTransparent(picture_.pixels));
    const int extra = caption_.isEmpty() ? 0 : CaptionHeight;
    resize(std::max(picture_.size.width(), caption_.isEmpty() ? 0 : fontMetrics().horizontalAdvance(caption_) + 4),
           picture_.size.height() + extra);
    // Clicks pass through the white around a chromosome to what lies below it.
    if (!grade_.isValid() && caption_.isEmpty() && !picture_.pixels.isNull()) {
        const QBitmap shape = QBitmap::fromImage(
            picture_.pixels.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor), Qt::MonoOnly);
        QRegion region(shape);
        const qreal ratio = picture_.pixels.devicePixelRatio();
        if (ratio != 1.0)
            region = QTransform::fromScale(1 / ratio, 1 / ratio).map(region);
        setMask(region.translated((width() - picture_.size.width()) / 2, 0));
    } else {
        clearMask();
    }
    update();
}

void CasePieceWidget::setMark(int number)
{
    mark_ = number;
    update();
}

void CasePieceWidget::setGradeColour(const QColor &colour)
{
    grade_ = colour;
    pixmap_ = {};
    draw(picture_.scale, picture_.angle.has_value());
    update();
}

void CasePieceWidget::setCaption(const QString &caption)
{
    caption_ = caption;
    pixmap_ = {};
    draw(picture_.scale, picture_.angle.has_value());
}

void CasePieceWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int left = (width() - picture_.size.width()) / 2;
    if (grade_.isValid())
        painter.fillRect(QRect(left, 0, picture_.size.width(), picture_.size.height()), grade_);
    painter.drawPixmap(left, 0, pixmap_);
    if (!caption_.isEmpty()) {
        painter.setPen(Qt::darkBlue);
        painter.drawText(QRect(0, height() - CaptionHeight, width(), CaptionHeight), Qt::AlignCenter, caption_);
    }
    if (mark_ > 0) {
        painter.setRenderHint(QPainter::Antialiasing);
        const QRect circle(left + picture_.size.width() / 2 - MarkDiameter / 2,
                           picture_.size.height() / 2 - MarkDiameter / 2, MarkDiameter, MarkDiameter);
        painter.setPen(QPen(QColor(200, 0, 0), 2));
        painter.setBrush(QColor(255, 255, 255, 210));
        painter.drawEllipse(circle);
        QFont f = font();
        f.setPixelSize(mark_ >= 100 ? 8 : 11);
        f.setBold(true);
        painter.setFont(f);
        painter.drawText(circle, Qt::AlignCenter, QString::number(mark_));
    }
}

void CasePieceWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && window_) {
        pressed_ = true;
        window_->beginPieceDrag(this, event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CasePieceWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (pressed_ && !(event->buttons() & Qt::LeftButton)) {
        pressed_ = false;
        window_->cancelPieceDrag();
    }
    if (pressed_) {
        window_->movePieceDrag(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    event->accept();
}

void CasePieceWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (pressed_ && event->button() == Qt::LeftButton) {
        pressed_ = false;
        window_->endPieceDrag(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CasePieceWidget::contextMenuEvent(QContextMenuEvent *event)
{
    // A right-click chooses the piece for turning with the wheel; no menu opens.
    if (window_)
        window_->choosePiece(this);
    event->accept();
}

// ---- Places

void PiecePlace::release(CasePieceWidget *piece)
{
    pieces_.erase(std::remove(pieces_.begin(), pieces_.end(), piece), pieces_.end());
    layoutPieces();
}

SpreadPlace::SpreadPlace(QWidget *parent) : PiecePlace(parent)
{
    setObjectName(QStringLiteral("Spread"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumSize(200, 150);
}

void SpreadPlace::setSpreadSize(const QSize &size)
{
    spreadSize_ = size.isValid() && !size.isEmpty() ? size : QSize(1, 1);
    layoutPieces();
}

float SpreadPlace::scale() const
{
    const float sx = float(width() - 2 * SpreadMargin) / spreadSize_.width();
    const float sy = float(height() - 2 * SpreadMargin) / spreadSize_.height();
    return std::max(0.05f, std::min(sx, sy));
}

QPoint SpreadPlace::offset() const
{
    const float s = scale();
    return QPoint((width() - int(spreadSize_.width() * s)) / 2, (height() - int(spreadSize_.height() * s)) / 2);
}

void SpreadPlace::accept(CasePieceWidget *piece, const QPoint &pos)
{
    if (std::find(pieces_.begin(), pieces_.end(), piece) == pieces_.end())
        pieces_.push_back(piece);
    piece->setParent(this);
    piece->group = korven::InSpread;
    piece->draw(scale());
    // As on the exercise's work area: the pointer becomes the centre, pulled inside the edges.
    const QPoint at = korven::dropOnPanel(size(), piece->size(), pos.x(), pos.y());
    const QPointF centre = QPointF(at + QPoint(piece->width() / 2, piece->height() / 2) - offset()) / scale();
    piece->spreadCentre = centre;
    piece->move(at);
    piece->show();
    piece->raise();
}

void SpreadPlace::layoutPieces()
{
    const float s = scale();
    const QPoint o = offset();
    for (CasePieceWidget *piece : pieces_) {
        piece->draw(s);
        const QPoint centre = o + (piece->spreadCentre * s).toPoint();
        piece->move(centre - QPoint(piece->width() / 2, piece->height() / 2));
    }
}

void SpreadPlace::clear() { pieces_.clear(); }

void SpreadPlace::resizeEvent(QResizeEvent *event)
{
    PiecePlace::resizeEvent(event);
    layoutPieces();
}

void SpreadPlace::paintEvent(QPaintEvent *event)
{
    PiecePlace::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(225, 225, 225));
    const float s = scale();
    painter.drawRect(QRect(offset(), QSize(int(spreadSize_.width() * s), int(spreadSize_.height() * s))).adjusted(0, 0, -1, -1));
}

GroupPlace::GroupPlace(int group, QWidget *parent) : PiecePlace(parent), group_(group)
{
    setObjectName(QStringLiteral("Group%1").arg(korven::groupCaption(group)));
    setFrameShape(QFrame::NoFrame);
    caption_ = new QLabel(korven::groupCaption(group), this);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GroupPlace::accept(CasePieceWidget *piece, const QPoint &)
{
    if (std::find(pieces_.begin(), pieces_.end(), piece) == pieces_.end())
        pieces_.push_back(piece);
    piece->setParent(this);
    piece->group = group_;
    piece->show();
    layoutPieces();
}

void GroupPlace::layoutPieces()
{
    const int n = int(pieces_.size());
    const int room = height() - CaptionHeight - 2;
    const int cellWidth = (width() - 4) / std::max(n, 2);
    // Pieces share the group's width side by side, each drawn whole in its share.
    int totalWidth = 0;
    for (CasePieceWidget *piece : pieces_) {
        const std::optional<float> angle = !upright_ && piece->step != 0
                                               ? std::optional<float>(korven::stepAngle(korven::CaseTurnSteps, piece->step))
                                               : std::nullopt;
        piece->draw(korven::slotScale(piece->source().size(), pieceScale_, angle, QSize(cellWidth, room), 0), !upright_);
        totalWidth += piece->width();
    }
    int x = (width() - totalWidth) / 2;
    for (CasePieceWidget *piece : pieces_) {
        piece->move(x, std::max(0, room - piece->height() + 2));
        x += piece->width();
    }
}

void GroupPlace::resizeEvent(QResizeEvent *event)
{
    PiecePlace::resizeEvent(event);
    caption_->setGeometry(0, height() - CaptionHeight, width(), CaptionHeight);
    // The line the pieces stand on, as on a karyogram sheet.
    layoutPieces();
}

KaryogramView::KaryogramView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Karyogram"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    groups_.resize(korven::GroupCount);
    for (int g = 0; g < korven::GroupCount; ++g)
        groups_[g] = new GroupPlace(g, this);
    setMinimumSize(400, 200);
}

void KaryogramView::setPieceScale(float scale)
{
    for (GroupPlace *g : groups_) {
        g->setPieceScale(scale);
        g->layoutPieces();
    }
}

void KaryogramView::clear()
{
    for (GroupPlace *g : groups_)
        while (!g->pieces().empty())
            g->release(g->pieces().front());
}

void KaryogramView::resizeEvent(QResizeEvent *) { placeGroups(); }

void KaryogramView::placeGroups()
{
    const auto rows = korven::karyogramRows();
    const int rowHeight = height() / int(rows.size());
    for (int r = 0; r < int(rows.size()); ++r) {
        const int count = int(rows[r].size());
        for (int i = 0; i < count; ++i) {
            const int left = width() * i / count;
            const int right = width() * (i + 1) / count;
            groups_[rows[r][i]]->setGeometry(left + 2, r * rowHeight, right - left - 4, rowHeight);
        }
    }
}
