// The board of the exercise window: pieces, slots, their initial values and shared operations.
#include "exercise/ui/tform1.h"

#include "exercise/catalogue.h"
#include "exercise/bitmap_transform.h"
#include "exercise/random.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QTimer>
#include <QMouseEvent>

// ---- PieceImage

PieceImage::PieceImage(int index, QWidget *parent) : QLabel(parent), index_(index)
{
    setObjectName(QStringLiteral("Image%1").arg(index));
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
}

void PieceImage::setPicture(const QImage &image24)
{
    picture_ = image24;
    shownScale_ = 0.0f;
    shownAngle_.reset();
    setPixmap(QPixmap::fromImage(korven::whiteAsTransparent(image24)));
    resize(image24.deviceIndependentSize().toSize());
}

void PieceImage::setPicture(const korven::PiecePicture &picture)
{
    picture_ = picture.pixels;
    shownScale_ = picture.scale;
    shownAngle_ = picture.angle;
    setPixmap(QPixmap::fromImage(picture.shown));
    resize(picture.size);
}

void PieceImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && automaticDrag && Form1) {
        pressed_ = true;
        Form1->beginPieceDrag(this, event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void PieceImage::mouseMoveEvent(QMouseEvent *event)
{
    if (pressed_ && !(event->buttons() & Qt::LeftButton)) {
        // The button was let go where this piece did not see it: the drag is over.
        pressed_ = false;
        if (Form1 && Form1->draggedControl() == this)
            Form1->cancelPieceDrag();
    }
    if (pressed_ && Form1) {
        Form1->movePieceDrag(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    // The move stays with the piece: the work area under it does not see it, so passing over
    // other pieces does not end a right-click choice.
    if (Form1)
        Form1->ImageMouseMove(this, event->position().toPoint().x(), event->position().toPoint().y());
    event->accept();
}

void PieceImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (pressed_ && event->button() == Qt::LeftButton) {
        pressed_ = false;
        if (Form1)
            Form1->endPieceDrag(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void PieceImage::hideEvent(QHideEvent *event)
{
    // A piece hidden while it is held (the board emptied under the pointer) drops nothing.
    if (pressed_) {
        pressed_ = false;
        if (Form1 && Form1->draggedControl() == this)
            Form1->cancelPieceDrag();
    }
    QLabel::hideEvent(event);
}

void PieceImage::contextMenuEvent(QContextMenuEvent *event)
{
    // A right-click chooses the piece for turning; no menu opens.
    if (Form1)
        Form1->ImageContextPopup(this);
    event->accept();
}

// ---- BoardPanel

BoardPanel::BoardPanel(const QString &name, QWidget *parent) : QFrame(parent)
{
    setObjectName(name);
}

void BoardPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (Form1 && this == Form1->InputPanel)
        Form1->InputPanelMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
    QFrame::mouseMoveEvent(event);
}

// ---- Board of TForm1

void TForm1::constructBoard()
{
    // The trial and display members start at the initial values of their declarations.
    korven::globalRandom().seedFromTimeOfDay();
    SlotContent.fill(-1);
    ResetSlots();
    setSexSlotCaptions();
    N1->setChecked(false);
    DragSourceContainer = QStringLiteral("InputPanel");
    buildCatalogue();
    Timer1->start();
}

void TForm1::ResetSlots()
{
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (int s = 0; s < SlotCount; ++s) {
        SlotContent[s] = -1;
        QPalette pal = SlotPanels[s]->palette();
        pal.setColor(QPalette::Window, buttonFace);
        SlotPanels[s]->setPalette(pal);
        SlotLabels[s]->setText(QString::number(s / 2 + 1));
        SlotLabels[s]->adjustSize();
    }
}

void TForm1::setSexSlotCaptions()
{
    SlotLabels[44]->setText(QStringLiteral("X"));
    SlotLabels[44]->adjustSize();
    SlotLabels[45]->setText(QStringLiteral("XY"));
    SlotLabels[45]->adjustSize();
}

void TForm1::returnPiecesToInputPanel()
{
    for (PieceImage *piece : PieceImages) {
        if (piece->parentWidget() != InputPanel) {
            const bool visible = piece->isVisibleTo(piece->parentWidget());
            piece->setParent(InputPanel);
            piece->setVisible(visible);
        }
    }
}

void TForm1::setPiecesDragMode(bool automatic)
{
    for (PieceImage *piece : PieceImages)
        piece->automaticDrag = automatic;
}

void TForm1::hideAllPieces()
{
    hideMagnifier();
    for (PieceImage *piece : PieceImages)
        piece->hide();
}

int TForm1::pieceIndexFromName(const QString &name)
{
    return name.mid(5).toInt();
}

int TForm1::slotIndexFromName(const QString &name)
{
    return name.mid(5).toInt() - 10;
}

QString TForm1::problemNameAt(int position) const
{
    if (position < 0 || position >= int(ProblemOrder.size()))
        return QString();
    const int index = ProblemOrder[position];
    if (index < 0 || index >= ListBox1->count())
        return QString();
    return ListBox1->item(index)->text();
}

bool TForm1::isFemaleProblem() const
{
    return korven::isFemaleProblem(CurrentProblemName);
}

void TForm1::drawPiece(int k, float scale, std::optional<float> angle)
{
    PieceImage *piece = PieceImages[k];
    piece->setPicture(korven::drawPiecePicture(SourceBitmaps[k], scale, angle, piece->devicePixelRatioF()));
}
