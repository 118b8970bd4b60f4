#include "cases/ui/case_places.h"

#include "cases/case_grading.h"
#include "cases/case_layout.h"
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
constexpr int RowGap = 4;         // between the tallest piece of a row and the caption above it
constexpr int GradeRim = 3;       // the grading colour round a piece graded in the spread
constexpr int SpreadMargin = 4;

} // namespace

// ---- A piece

CasePieceWidget::CasePieceWidget(int index, const QImage &source, int step_, CaseWindow *window, QWidget *parent)
    : QLabel(parent), step(step_), index_(index), source_(source), window_(window)
{
    setObjectName(QStringLiteral("CasePiece%1").arg(index));
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    if (window_)
        installEventFilter(window_); // the wheel, the loupe and the middle button
}

void CasePieceWidget::draw(float scale, bool turned)
{
    const std::optional<float> angle =
        turned && step != 0 ? std::optional<float>(korven::stepAngle(korven::CaseTurnSteps, step)) : std::nullopt;
    if (pixmap_.isNull() || scale != picture_.scale || angle != picture_.angle
        || picture_.pixels.devicePixelRatio() != devicePixelRatioF()) {
        picture_ = korven::drawPiecePicture(source_, scale, angle, devicePixelRatioF());
        pixmap_ = QPixmap::fromImage(korven::whiteAsTransparent(picture_.pixels));
        shape_ = QRegion();
        if (!picture_.pixels.isNull()) {
            const QBitmap shape = QBitmap::fromImage(
                picture_.pixels.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor), Qt::MonoOnly);
            shape_ = QRegion(shape);
            const qreal ratio = picture_.pixels.devicePixelRatio();
            if (ratio != 1.0)
                shape_ = QTransform::fromScale(1 / ratio, 1 / ratio).map(shape_);
        }
    }
    fitShape();
    update();
}

QRect CasePieceWidget::pictureRect() const
{
    const int below = caption_.isEmpty() ? 0 : CaptionHeight;
    return QRect(QPoint((width() - picture_.size.width()) / 2, (height() - below - picture_.size.height()) / 2),
                 picture_.size);
}

QRect CasePieceWidget::markRect() const
{
    const QPoint centre = pictureRect().center();
    return QRect(centre.x() - MarkDiameter / 2, centre.y() - MarkDiameter / 2, MarkDiameter, MarkDiameter);
}

void CasePieceWidget::fitShape()
{
    // The picture, widened for its caption, and never smaller than a count mark on it, so a mark
    // on a small chromosome is not cut off.
    QSize box = picture_.size;
    if (!caption_.isEmpty())
        box.setWidth(std::max(box.width(), fontMetrics().horizontalAdvance(caption_) + 4));
    if (mark_ > 0)
        box = box.expandedTo(QSize(MarkDiameter + 2, MarkDiameter + 2));
    resize(box.width(), box.height() + (caption_.isEmpty() ? 0 : CaptionHeight));
    // Clicks pass through the white around a chromosome to what lies below it; a mark is hit too.
    // Graded, a piece in a group fills its box with its colour as an exercise slot does, while one
    // left in the spread keeps its shape, coloured round its edge, so it hides no neighbour.
    const bool shaped = !grade_.isValid() || group == korven::InSpread;
    if (shaped && caption_.isEmpty() && !shape_.isEmpty()) {
        QRegion region = shape_.translated(pictureRect().topLeft());
        if (grade_.isValid()) {
            // A rim round the chromosome, where its colour shows.
            const QRegion inner = region;
            for (int dx = -GradeRim; dx <= GradeRim; dx += GradeRim)
                for (int dy = -GradeRim; dy <= GradeRim; dy += GradeRim)
                    region += inner.translated(dx, dy);
            region &= QRegion(pictureRect());
        }
        if (mark_ > 0)
            region += QRegion(markRect().adjusted(-1, -1, 1, 1), QRegion::Ellipse);
        setMask(region);
    } else {
        clearMask();
    }
}

void CasePieceWidget::setMark(int number)
{
    // The widget may grow or shrink around the mark; the chromosome stays where it lies.
    const QPoint centre = pos() + QPoint(width() / 2, height() / 2);
    mark_ = number;
    fitShape();
    move(centre - QPoint(width() / 2, height() / 2));
    update();
}

void CasePieceWidget::setGradeColour(const QColor &colour)
{
    grade_ = colour;
    fitShape();
    update();
}

void CasePieceWidget::setCaption(const QString &caption)
{
    caption_ = caption;
    fitShape();
    update();
}

void CasePieceWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect picture = pictureRect();
    if (grade_.isValid())
        painter.fillRect(picture, grade_);
    painter.drawPixmap(picture.topLeft(), pixmap_);
    if (!caption_.isEmpty()) {
        painter.setPen(Qt::darkBlue);
        painter.drawText(QRect(0, height() - CaptionHeight, width(), CaptionHeight), Qt::AlignCenter, caption_);
    }
    if (mark_ > 0) {
        painter.setRenderHint(QPainter::Antialiasing);
        const QRect circle = markRect();
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

void CasePieceWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && window_) {
        window_->turnOver(this);
        event->accept();
        return;
    }
    QLabel::mouseDoubleClickEvent(event);
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
    spreadSize_ = size.isValid() && !size.isEmpty() ? size : QSize();
    layoutPieces();
    update();
}

float SpreadPlace::scale() const
{
    const QSize size = spreadSize_.isValid() ? spreadSize_ : QSize(1, 1);
    const float sx = float(width() - 2 * SpreadMargin) / size.width();
    const float sy = float(height() - 2 * SpreadMargin) / size.height();
    return std::max(0.05f, std::min(sx, sy));
}

QPoint SpreadPlace::offset() const
{
    const float s = scale();
    const QSize size = spreadSize_.isValid() ? spreadSize_ : QSize(1, 1);
    return QPoint((width() - int(size.width() * s)) / 2, (height() - int(size.height() * s)) / 2);
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
        // Kept inside: a piece put down near the edge stays in sight when the spread gets smaller.
        piece->move(std::clamp(centre.x() - piece->width() / 2, 0, std::max(0, width() - piece->width())),
                    std::clamp(centre.y() - piece->height() / 2, 0, std::max(0, height() - piece->height())));
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
    if (!spreadSize_.isValid())
        return;
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

void KaryogramView::fitPieces(const std::vector<korven::RowPieces> &rows, int tallestHeight, bool labelled)
{
    rows_ = rows;
    tallest_ = tallestHeight;
    labelled_ = labelled;
    placeGroups();
}

void KaryogramView::fitCase(const korven::CaseFolder &folder, const std::vector<QImage> &sources, bool labelled)
{
    std::vector<QString> identities;
    std::vector<int> heights;
    int tallest = 0;
    for (int index : folder.piecesOf(1)) {
        identities.push_back(folder.pieces[index].identity);
        heights.push_back(sources[index].height());
        tallest = std::max(tallest, heights.back());
    }
    fitPieces(korven::rowPiecesOf(identities, heights), tallest, labelled);
}

float KaryogramView::pieceScale(int g) const { return groups_[g]->pieceScale(); }

void KaryogramView::layoutPieces()
{
    for (GroupPlace *g : groups_)
        g->layoutPieces();
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
    const auto layout = korven::karyogramRows();
    const int count = int(layout.size());
    const int reserved = CaptionHeight + RowGap + (labelled_ ? CaptionHeight : 0);
    std::vector<korven::RowPieces> rows = rows_;
    rows.resize(layout.size());
    const korven::KaryogramRows fit = korven::fitKaryogramRows(height() - count * reserved, rows, tallest_);
    int top = 0;
    for (int r = 0; r < count; ++r) {
        const int rowHeight = fit.heights[r] + reserved;
        const int groups = int(layout[r].size());
        for (int i = 0; i < groups; ++i) {
            const int left = width() * i / groups;
            const int right = width() * (i + 1) / groups;
            GroupPlace *g = groups_[layout[r][i]];
            g->setPieceScale(fit.scales[r]);
            g->setGeometry(left + 2, top, right - left - 4, rowHeight);
        }
        top += rowHeight;
    }
    layoutPieces();
}
