#pragma once
// The pieces of case work and the places that take them: the spread and each karyogram group.
// A piece is a value (its case piece, source bitmap, turn) shown by a widget; a place is a widget
// of one role that accepts a piece, lays out what it holds and says what it holds.
#include "cases/case_folder.h"
#include "cases/case_layout.h"
#include "exercise/piece_picture.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPointF>
#include <QRegion>
#include <vector>

class CaseWindow;

class CasePieceWidget : public QLabel {
    Q_OBJECT
public:
    CasePieceWidget(int index, const QImage &source, int step, CaseWindow *window, QWidget *parent);

    int index() const { return index_; }      // into the case's pieces
    const QImage &source() const { return source_; }
    int step = 0;                             // turn in 15-degree steps
    QPointF spreadCentre;                     // where it lies in the spread, in spread pixels
    int group = -1;                           // the karyogram group holding it (-1: the spread)

    // Draws the source at the scale and the piece's turn (none: upright) for this screen.
    void draw(float scale, bool turned = true);
    float shownScale() const { return picture_.scale; }
    std::optional<float> shownAngle() const { return picture_.angle; }

    static constexpr int MarkDiameter = 18;   // a count mark, drawn on the chromosome's middle
    void setMark(int number);                 // 0: no mark
    int mark() const { return mark_; }
    void setGradeColour(const QColor &colour); // invalid: none
    QColor gradeColour() const { return grade_; }
    void setCaption(const QString &caption);  // drawn under the piece (the answer's labels, a fault)
    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void fitShape();            // the widget's size and clickable shape for the picture and mark
    QRect pictureRect() const;  // where the picture lies in the widget
    QRect markRect() const;

    int index_;
    QImage source_;
    CaseWindow *window_;
    korven::PiecePicture picture_;
    QPixmap pixmap_;
    QRegion shape_;             // the chromosome's pixels in the picture, in logical pixels
    int mark_ = 0;
    QColor grade_;
    QString caption_;
    bool pressed_ = false;
};

// A place that takes pieces: the spread or a karyogram group.
class PiecePlace : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
    // Takes a piece dropped with the pointer at `pos` (in this widget's coordinates).
    virtual void accept(CasePieceWidget *piece, const QPoint &pos) = 0;
    virtual void release(CasePieceWidget *piece);
    virtual void layoutPieces() = 0;
    const std::vector<CasePieceWidget *> &pieces() const { return pieces_; }

protected:
    std::vector<CasePieceWidget *> pieces_;
};

// The metaphase spread, drawn at the size where all of it fits.
class SpreadPlace : public PiecePlace {
    Q_OBJECT
public:
    explicit SpreadPlace(QWidget *parent);
    void setSpreadSize(const QSize &size);
    float scale() const;              // spread pixels to screen pixels
    QPoint offset() const;            // where the spread's corner lies in the widget
    void accept(CasePieceWidget *piece, const QPoint &pos) override;
    void layoutPieces() override;
    void clear();                     // forgets its pieces (the caller deletes them)

protected:
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
    void accept(CasePieceWidget *piece, const QPoint &pos) override;
    void layoutPieces() override;
    void setPieceScale(float scale) { pieceScale_ = scale; }
    float pieceScale() const { return pieceScale_; }
    void setAnswerMode(bool upright) { upright_ = upright; }

protected:
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
