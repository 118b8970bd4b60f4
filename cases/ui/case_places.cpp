#include "cases/ui/case_places.h"

#include "cases/case_grading.h"
#include "cases/case_layout.h"
#include "exercise/bitmap_transform.h"
#include "exercise/board_rules.h"
#include "exercise/scatter.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int CaptionHeight = 14; // a group's number, and the answer's labels under a piece
constexpr int RowGap = 4;         // between the tallest piece of a row and the caption above it
constexpr int GradeRim = 3;       // the grading colour round a piece graded in the spread
constexpr int SpreadMargin = 4;
constexpr int MarkRoom = CasePieceWidget::MarkDiameter / 2 + 1; // round a marked picture, for a whole circle

} // namespace

// ---- The drag's data

CasePieceMimeData::CasePieceMimeData(const CasePieceValue &value) : value_(value)
{
    setData(QString::fromLatin1(Format),
            QStringLiteral("%1\t%2\t%3").arg(value.index).arg(value.step).arg(value.identity).toUtf8());
}

std::optional<CasePieceValue> CasePieceMimeData::pieceOf(const QMimeData *data)
{
    if (const auto *piece = qobject_cast<const CasePieceMimeData *>(data))
        return piece->value();
    return std::nullopt;
}

// ---- A piece

CasePieceWidget::CasePieceWidget(const CasePieceValue &value, int group, QWidget *parent)
    : QLabel(parent), value_(value), sourceBox_(korven::chromosomeBox(value.source, 255)), group_(group)
{
    setObjectName(QStringLiteral("CasePiece%1").arg(value.index));
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true); // the loupe follows the pointer over the piece
}

void CasePieceWidget::draw(float scale, bool turned)
{
    const int step = value_.step;
    const QImage &source_ = value_.source;
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

QRect CasePieceWidget::chromosomeRect() const
{
    return shape_.isEmpty() ? pictureRect() : shape_.boundingRect().translated(pictureRect().topLeft());
}

QRect CasePieceWidget::gradeRect() const
{
    return chromosomeRect().adjusted(-GradeRim, -GradeRim, GradeRim, GradeRim) & rect();
}

QRect CasePieceWidget::markRect(const CountMark &mark) const
{
    const QRect picture = pictureRect();
    const QPoint centre = picture.topLeft()
                          + QPoint(int(mark.at.x() * picture.width()), int(mark.at.y() * picture.height()));
    return QRect(centre.x() - MarkDiameter / 2, centre.y() - MarkDiameter / 2, MarkDiameter, MarkDiameter);
}

QPointF CasePieceWidget::onPicture(const QPoint &pos) const
{
    const QRect picture = pictureRect();
    return QPointF(std::clamp(double(pos.x() - picture.left()) / std::max(1, picture.width()), 0.0, 1.0),
                   std::clamp(double(pos.y() - picture.top()) / std::max(1, picture.height()), 0.0, 1.0));
}

int CasePieceWidget::markAt(const QPoint &pos) const
{
    for (int i = 0; i < int(marks_.size()); ++i)
        if (QRegion(markRect(marks_[i]), QRegion::Ellipse).contains(pos))
            return i;
    return -1;
}

void CasePieceWidget::fitShape()
{
    // The picture, widened for its caption, and with room round it for whole count marks, so a
    // mark on a small chromosome or at an end is not cut off.
    QSize box = picture_.size;
    if (!caption_.isEmpty())
        box.setWidth(std::max(box.width(), fontMetrics().horizontalAdvance(caption_) + 4));
    if (!marks_.empty())
        box += QSize(2 * MarkRoom, 2 * MarkRoom);
    resize(box.width(), box.height() + (caption_.isEmpty() ? 0 : CaptionHeight));
    // Clicks pass through the white around a chromosome to what lies below it (a neighbour in a
    // group may reach into that white); a mark and a caption are hit too. Graded, a piece in a
    // group fills the box round its chromosome with its colour as an exercise slot does, while
    // one left in the spread keeps its shape, coloured round its edge, so it hides no neighbour.
    QRegion region;
    if (shape_.isEmpty()) {
        region = QRegion(pictureRect());
    } else if (grade_.isValid() && group_ != korven::InSpread) {
        region = QRegion(gradeRect());
    } else {
        region = shape_.translated(pictureRect().topLeft());
        if (grade_.isValid()) {
            // A rim round the chromosome, where its colour shows.
            const QRegion inner = region;
            for (int dx = -GradeRim; dx <= GradeRim; dx += GradeRim)
                for (int dy = -GradeRim; dy <= GradeRim; dy += GradeRim)
                    region += inner.translated(dx, dy);
            region &= QRegion(pictureRect());
        }
    }
    if (!caption_.isEmpty())
        region += QRegion(0, height() - CaptionHeight, width(), CaptionHeight);
    for (const CountMark &mark : marks_)
        region += QRegion(markRect(mark).adjusted(-1, -1, 1, 1), QRegion::Ellipse);
    setMask(region);
}

void CasePieceWidget::setMarks(const std::vector<CountMark> &marks)
{
    // The widget may grow or shrink around the marks; the chromosome stays where it lies.
    const QPoint centre = pos() + QPoint(width() / 2, height() / 2);
    marks_ = marks;
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
        painter.fillRect(group_ != korven::InSpread ? gradeRect() : picture, grade_);
    painter.drawPixmap(picture.topLeft(), pixmap_);
    if (!caption_.isEmpty()) {
        painter.setPen(Qt::darkBlue);
        painter.drawText(QRect(0, height() - CaptionHeight, width(), CaptionHeight), Qt::AlignCenter, caption_);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (const CountMark &mark : marks_) {
        const QRect circle = markRect(mark);
        painter.setPen(QPen(QColor(200, 0, 0), 2));
        painter.setBrush(QColor(255, 255, 255, 210));
        painter.drawEllipse(circle);
        QFont f = font();
        f.setPixelSize(mark.number >= 100 ? 8 : 11);
        f.setBold(true);
        painter.setFont(f);
        painter.drawText(circle, Qt::AlignCenter, QString::number(mark.number));
    }
}

void CasePieceWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (event->button() == Qt::LeftButton) {
        press_.press(this, global);
    } else if (event->button() == Qt::MiddleButton) {
        middle_ = true;
        emit pointerAt(this, global, true);
    } else {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
}

void CasePieceWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (press_.held() && !(event->buttons() & Qt::LeftButton))
        press_.clear(); // the button was let go where this piece did not see it
    if (press_.held() && movable_ && press_.reached(global)) {
        press_.clear();
        startDrag(event->position().toPoint());
    } else if (!press_.held()) {
        emit pointerAt(this, global, middle_);
    }
    event->accept();
}

void CasePieceWidget::startDrag(const QPoint &pos)
{
    emit pointerAt(nullptr, QPoint(), false); // the loupe gives way to the dragged picture
    auto *drag = new QDrag(this);
    drag->setMimeData(new CasePieceMimeData(value_));
    drag->setPixmap(pixmap_);
    drag->setHotSpot(pos - pictureRect().topLeft());
    // The piece leaves its place while it is carried, and comes back when nothing takes it.
    hide();
    const Qt::DropAction done = korven::ui::runDrag(drag);
    if (done == Qt::MoveAction) {
        emit movedAway(this);
        return;
    }
    show();
}

void CasePieceWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        middle_ = false;
        emit pointerAt(this, event->globalPosition().toPoint(), false);
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && press_.held()) {
        // Let go where it was pressed: a click (a count mark, when counting).
        press_.clear();
        emit clicked(this, event->position().toPoint());
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CasePieceWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        emit turnOverAsked(this);
        event->accept();
        return;
    }
    QLabel::mouseDoubleClickEvent(event);
}

void CasePieceWidget::contextMenuEvent(QContextMenuEvent *event)
{
    // A right-click chooses the piece for turning with the wheel; no menu opens.
    emit chosen(this);
    event->accept();
}

void CasePieceWidget::wheelEvent(QWheelEvent *event)
{
    const QPoint angle = event->angleDelta();
    emit wheelTurned(angle.y() != 0 ? angle.y() : angle.x());
    event->accept();
}

void CasePieceWidget::leaveEvent(QEvent *event)
{
    middle_ = false;
    emit pointerAt(nullptr, QPoint(), false);
    QLabel::leaveEvent(event);
}

// ---- Places

void PiecePlace::setMovable(bool movable)
{
    movable_ = movable;
    setAcceptDrops(movable);
    for (CasePieceWidget *piece : pieces_)
        piece->setMovable(movable);
}

CasePieceWidget *PiecePlace::adopt(const CasePieceValue &value, int group)
{
    auto *piece = new CasePieceWidget(value, group, this);
    piece->setMovable(movable_);
    connect(piece, &CasePieceWidget::clicked, this, &PiecePlace::pieceClicked);
    connect(piece, &CasePieceWidget::chosen, this, &PiecePlace::pieceChosen);
    connect(piece, &CasePieceWidget::turnOverAsked, this, &PiecePlace::turnOverAsked);
    connect(piece, &CasePieceWidget::wheelTurned, this, &PiecePlace::wheelTurned);
    connect(piece, &CasePieceWidget::pointerAt, this, &PiecePlace::pointerAt);
    connect(piece, &CasePieceWidget::movedAway, this, &PiecePlace::remove);
    return piece;
}

void PiecePlace::remove(CasePieceWidget *piece)
{
    const auto it = std::find(pieces_.begin(), pieces_.end(), piece);
    if (it == pieces_.end())
        return;
    pieces_.erase(it);
    piece->hide();
    piece->deleteLater(); // it is still the drag's source while the drag unwinds
    layoutPieces();
    emit changed();
}

void PiecePlace::clear()
{
    for (CasePieceWidget *piece : pieces_)
        delete piece;
    pieces_.clear();
}

void PiecePlace::dragEnterEvent(QDragEnterEvent *event) { dragMoveEvent(event); } // the same question

void PiecePlace::dragMoveEvent(QDragMoveEvent *event)
{
    if (movable_ && CasePieceMimeData::pieceOf(event->mimeData())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void PiecePlace::dropEvent(QDropEvent *event)
{
    std::optional<CasePieceValue> value = CasePieceMimeData::pieceOf(event->mimeData());
    if (!movable_ || !value) {
        event->ignore();
        return;
    }
    // Put down near upright, it stands upright.
    value->step = korven::settledTurn(value->step, korven::CaseTurnSteps);
    take(*value, event->position().toPoint());
    event->setDropAction(Qt::MoveAction);
    event->accept();
    emit changed();
}

void PiecePlace::wheelEvent(QWheelEvent *event)
{
    // Over the white round a piece as over the piece: the wheel turns the chosen piece.
    const QPoint angle = event->angleDelta();
    emit wheelTurned(angle.y() != 0 ? angle.y() : angle.x());
    event->accept();
}

void PiecePlace::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerAt(nullptr, event->globalPosition().toPoint(), false);
    QFrame::mouseMoveEvent(event);
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
    setMouseTracking(true);
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

CasePieceWidget *SpreadPlace::add(const CasePieceValue &value, const QPointF &centre)
{
    CasePieceWidget *piece = adopt(value, korven::InSpread);
    piece->centre_ = centre;
    pieces_.push_back(piece);
    layoutPieces();
    piece->show();
    return piece;
}

void SpreadPlace::take(const CasePieceValue &value, const QPoint &pos)
{
    CasePieceWidget *piece = add(value, QPointF());
    // As on the exercise's work area: the pointer becomes the centre, pulled inside the edges.
    const QPoint at = korven::dropOnPanel(size(), piece->size(), pos.x(), pos.y());
    piece->centre_ = QPointF(at + QPoint(piece->width() / 2, piece->height() / 2) - offset()) / scale();
    piece->move(at);
    piece->raise();
}

void SpreadPlace::layoutPieces()
{
    const float s = scale();
    const QPoint o = offset();
    for (CasePieceWidget *piece : pieces_) {
        piece->draw(s);
        const QPoint centre = o + (piece->spreadCentre() * s).toPoint();
        // Kept inside: a piece put down near the edge stays in sight when the spread gets smaller.
        piece->move(std::clamp(centre.x() - piece->width() / 2, 0, std::max(0, width() - piece->width())),
                    std::clamp(centre.y() - piece->height() / 2, 0, std::max(0, height() - piece->height())));
    }
}

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
    setMouseTracking(true);
    caption_ = new QLabel(korven::groupCaption(group), this);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

CasePieceWidget *GroupPlace::add(const CasePieceValue &value, int position)
{
    CasePieceWidget *piece = adopt(value, group_);
    const auto at = position < 0 || position > int(pieces_.size()) ? pieces_.end() : pieces_.begin() + position;
    pieces_.insert(at, piece);
    piece->show();
    layoutPieces();
    return piece;
}

void GroupPlace::take(const CasePieceValue &value, const QPoint &pos)
{
    // Put down among the homologues where the pointer is, so a trainee sets their order (a
    // changed chromosome to the right).
    const auto after = std::find_if(pieces_.begin(), pieces_.end(), [&](const CasePieceWidget *p) {
        return p->isVisible() && p->geometry().center().x() >= pos.x();
    });
    add(value, int(after - pieces_.begin()));
}

void GroupPlace::layoutPieces()
{
    // Homologues stand side by side by their chromosomes, the white round each allowed to reach
    // into a neighbour's, so three of them in a group stand as tall as two; the gap leaves room
    // for their grading boxes.
    constexpr int Gap = 2 * GradeRim + 2;
    const int n = int(pieces_.size());
    const int room = height() - CaptionHeight - 2;
    const int shares = std::max(n, 2);
    const int share = std::max(1, (width() - 4 - (shares - 1) * Gap) / shares);
    int totalWidth = 0;
    for (CasePieceWidget *piece : pieces_) {
        const std::optional<float> angle = !upright_ && piece->step() != 0
                                               ? std::optional<float>(korven::stepAngle(korven::CaseTurnSteps, piece->step()))
                                               : std::nullopt;
        const int slotWidth = share * piece->source().width() / std::max(1, piece->sourceChromosome().width());
        piece->draw(korven::slotScale(piece->source().size(), pieceScale_, angle, QSize(slotWidth, room), 0), !upright_);
        totalWidth += piece->chromosomeRect().width();
    }
    totalWidth += std::max(0, n - 1) * Gap;
    int x = (width() - totalWidth) / 2;
    for (CasePieceWidget *piece : pieces_) {
        const QRect chromosome = piece->chromosomeRect();
        piece->move(x - chromosome.left(), std::max(0, room - piece->height() + 2));
        x += chromosome.width() + Gap;
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
    std::vector<int> heights, chromosomes;
    int tallest = 0;
    for (int index : folder.piecesOf(1)) {
        identities.push_back(folder.pieces[index].identity);
        heights.push_back(sources[index].height());
        chromosomes.push_back(korven::chromosomeHeight(sources[index]));
        tallest = std::max(tallest, heights.back());
    }
    fitPieces(korven::rowPiecesOf(identities, heights, chromosomes), tallest, labelled);
}

float KaryogramView::pieceScale(int g) const { return groups_[g]->pieceScale(); }

void KaryogramView::layoutPieces()
{
    for (GroupPlace *g : groups_)
        g->layoutPieces();
}

void KaryogramView::setMovable(bool movable)
{
    for (GroupPlace *g : groups_)
        g->setMovable(movable);
}

void KaryogramView::clear()
{
    for (GroupPlace *g : groups_)
        g->clear();
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
            // An X that its C-group scale would make too tall for its row is drawn to fit the row.
            g->setPieceScale(fit.scales[korven::scaleRowOf(layout[r][i])]);
            g->setGeometry(left + 2, top, right - left - 4, rowHeight);
        }
        top += rowHeight;
    }
    layoutPieces();
}
