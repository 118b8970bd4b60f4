#pragma once
// The pieces of case work and the places that take them: the spread, each karyogram group and the
// marker place. A piece is a value (its case piece, source bitmap, turn) that a QDrag carries; a
// place is a widget of one role that takes a dropped piece, lays out what it holds and says what
// it holds. The window only wires the places together.
#include "cases/case_folder.h"
#include "cases/case_layout.h"
#include "exercise/piece_picture.h"
#include "exercise/ui/piece_drag.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPointF>
#include <QRegion>
#include <optional>
#include <vector>

// A piece as a value: which piece of the case it is, its bitmap and its turn in 15-degree steps.
struct CasePieceValue {
    int index = -1;   // into the case's pieces
    QString identity; // its designation ("21", "der(22)t(11;22)(q23;q11.2)")
    QImage source;
    int step = 0;
};

// The data of a piece's drag: the value itself, and under CasePieceMimeData::Format its index,
// turn and designation for anyone who reads the formats.
class CasePieceMimeData : public QMimeData {
    Q_OBJECT
public:
    static constexpr const char *Format = "application/x-korven-case-piece";
    explicit CasePieceMimeData(const CasePieceValue &value);
    const CasePieceValue &value() const { return value_; }
    // The piece a drag carries; none for a drag of anything else (another program's, say).
    static std::optional<CasePieceValue> pieceOf(const QMimeData *data);

private:
    CasePieceValue value_;
};

// A count mark: its number and where it lies on the picture, as a fraction of its width and height.
struct CountMark {
    int number = 0;
    QPointF at;
};

// A piece shown: its picture in the place that holds it, the count marks on it, its grade. Its
// value and its place are set when it is made; a move makes a new one where it is dropped.
class CasePieceWidget : public QLabel {
    Q_OBJECT
public:
    CasePieceWidget(const CasePieceValue &value, int group, QWidget *parent);

    const CasePieceValue &value() const { return value_; }
    int index() const { return value_.index; }
    const QImage &source() const { return value_.source; }
    int step() const { return value_.step; }
    int group() const { return group_; }             // the group holding it (InSpread: the spread)
    QPointF spreadCentre() const { return centre_; } // where it lies in the spread, in spread pixels

    // Where the chromosome lies in the widget as drawn, and in its source bitmap.
    QRect chromosomeRect() const;
    QRect sourceChromosome() const { return sourceBox_; }

    // Draws the source at the scale and the piece's turn (none: upright) for this screen.
    void draw(float scale, bool turned = true);
    float shownScale() const { return picture_.scale; }
    std::optional<float> shownAngle() const { return picture_.angle; }

    static constexpr int MarkDiameter = 18;   // a count mark, drawn where the chromosome was clicked
    void setMarks(const std::vector<CountMark> &marks);
    int mark() const { return marks_.empty() ? 0 : marks_.front().number; } // the first mark (0: none)
    const std::vector<CountMark> &marks() const { return marks_; }
    // The mark under `pos` (this widget's coordinates), or -1.
    int markAt(const QPoint &pos) const;
    // Where `pos` lies on the picture, as the fraction a CountMark keeps.
    QPointF onPicture(const QPoint &pos) const;
    void setGradeColour(const QColor &colour); // invalid: none
    QColor gradeColour() const { return grade_; }
    void setCaption(const QString &caption);  // drawn under the piece (the answer's labels, a fault)
    QString caption() const { return caption_; }
    void setMovable(bool movable) { movable_ = movable; }
    // Turns the piece where it lies (its place lays it out again).
    void turnTo(int step) { value_.step = step; }

signals:
    void clicked(CasePieceWidget *piece, const QPoint &pos);
    void chosen(CasePieceWidget *piece);        // a right-click: the wheel turns it
    void turnOverAsked(CasePieceWidget *piece); // a double-click
    void wheelTurned(int delta);
    // The pointer over the piece (for the loupe); a null piece when it left or a drag began.
    void pointerAt(CasePieceWidget *piece, const QPoint &globalPos, bool middleHeld);
    void movedAway(CasePieceWidget *piece);     // dropped elsewhere: its new place shows it

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    friend class SpreadPlace;
    void startDrag(const QPoint &pos);
    void fitShape();            // the widget's size and clickable shape for the picture and marks
    QRect pictureRect() const;  // where the picture lies in the widget
    QRect markRect(const CountMark &mark) const;

    QRect gradeRect() const;    // a graded piece in a group: the box its colour fills
    CasePieceValue value_;
    QRect sourceBox_;
    int group_;
    QPointF centre_;
    korven::PiecePicture picture_;
    QPixmap pixmap_;
    QRegion shape_;             // the chromosome's pixels in the picture, in logical pixels
    std::vector<CountMark> marks_;
    QColor grade_;
    QString caption_;
    DragStart press_;
    bool middle_ = false;
    bool movable_ = false;
};

// A place that takes pieces: the spread or a karyogram group. It passes on what its pieces ask.
class PiecePlace : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
    const std::vector<CasePieceWidget *> &pieces() const { return pieces_; }
    // Takes drops and lets its pieces be dragged (arranging), or only shows them.
    void setMovable(bool movable);
    bool movable() const { return movable_; }
    void clear();               // deletes the pieces it holds
    virtual void layoutPieces() = 0;

signals:
    void changed();             // a piece came or went
    void pieceClicked(CasePieceWidget *piece, const QPoint &pos);
    void pieceChosen(CasePieceWidget *piece);
    void turnOverAsked(CasePieceWidget *piece);
    void wheelTurned(int delta);
    void pointerAt(CasePieceWidget *piece, const QPoint &globalPos, bool middleHeld);

protected:
    // A piece of this place, wired to it.
    CasePieceWidget *adopt(const CasePieceValue &value, int group);
    // Takes a dropped piece, already set upright when put down near upright, at `pos`.
    virtual void take(const CasePieceValue &value, const QPoint &pos) = 0;

    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    std::vector<CasePieceWidget *> pieces_;

private:
    void remove(CasePieceWidget *piece);
    bool movable_ = false;
};

// The metaphase spread, drawn at the size where all of it fits.
class SpreadPlace : public PiecePlace {
    Q_OBJECT
public:
    explicit SpreadPlace(QWidget *parent);
    void setSpreadSize(const QSize &size);
    float scale() const;              // spread pixels to screen pixels
    QPoint offset() const;            // where the spread's corner lies in the widget
    // Lays a piece with its centre at `centre` (spread pixels).
    CasePieceWidget *add(const CasePieceValue &value, const QPointF &centre);
    void layoutPieces() override;

protected:
    void take(const CasePieceValue &value, const QPoint &pos) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QSize spreadSize_; // none until a cell is shown
};

// A group of the karyogram: its caption under a row of pieces, laid side by side.
class GroupPlace : public PiecePlace {
    Q_OBJECT
public:
    GroupPlace(int group, QWidget *parent);
    int group() const { return group_; }
    // Puts a piece in the row at `position` (-1: at the right end).
    CasePieceWidget *add(const CasePieceValue &value, int position = -1);
    void layoutPieces() override;
    void setPieceScale(float scale) { pieceScale_ = scale; }
    float pieceScale() const { return pieceScale_; }
    void setAnswerMode(bool upright) { upright_ = upright; }

protected:
    void take(const CasePieceValue &value, const QPoint &pos) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int group_;
    QLabel *caption_;
    float pieceScale_ = 1.0f;
    bool upright_ = false;
};

// The karyogram: the 25 groups in four rows.
class KaryogramView : public QWidget {
    Q_OBJECT
public:
    explicit KaryogramView(QWidget *parent);
    GroupPlace *group(int g) const { return groups_[g]; }
    const std::vector<GroupPlace *> &groups() const { return groups_; }
    // Shares the karyogram's height among its rows for the given pieces (fitKaryogramRows), with
    // room for the pieces' own labels when labelled; kept as the karyogram is resized.
    void fitPieces(const std::vector<korven::RowPieces> &rows, int tallestHeight, bool labelled);
    // The scale of the pieces in the row of group g.
    float pieceScale(int g) const;
    // fitPieces for the pieces of cell 1 of a case.
    void fitCase(const korven::CaseFolder &folder, const std::vector<QImage> &sources, bool labelled);
    void layoutPieces();
    void setMovable(bool movable);
    void clear();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeGroups();
    std::vector<GroupPlace *> groups_;
    std::vector<korven::RowPieces> rows_;
    int tallest_ = 0;
    bool labelled_ = false;
};
