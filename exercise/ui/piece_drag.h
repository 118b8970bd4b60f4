#pragma once
// The drag of a piece, shared by the exercise window and the case window. DragStart is the part
// both have: a press arms it and the drag begins once the pointer has moved the system's drag
// distance from the press. PieceDrag follows the exercise window's drag from there to the release
// itself, the cursor saying whether the place under the pointer takes the piece; the case window
// hands the piece to a QDrag, run by runDrag.
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>

class QDrag;

class DragStart {
public:
    // Arms the start for `piece` pressed at globalPos.
    void press(QWidget *piece, const QPoint &globalPos);
    // Whether the pointer at globalPos is far enough from the press for a drag.
    bool reached(const QPoint &globalPos) const;
    QWidget *piece() const { return piece_; }
    bool held() const { return !piece_.isNull(); }
    void clear() { piece_ = nullptr; }

private:
    QPointer<QWidget> piece_;
    QPoint start_;
};

class PieceDrag {
public:
    PieceDrag() = default;
    PieceDrag(const PieceDrag &) = delete;
    PieceDrag &operator=(const PieceDrag &) = delete;
    ~PieceDrag() { cancel(); }

    // Arms the drag for `piece` pressed at globalPos (any drag before is cancelled).
    void press(QWidget *piece, const QPoint &globalPos);
    // Follows the pointer; true once the drag has started (the pointer went far enough), when the
    // caller shows with showAccepted whether the place under it takes the piece.
    bool follow(const QPoint &globalPos);
    void showAccepted(bool accepted);

    QWidget *piece() const { return start_.piece(); }
    bool held() const { return start_.held(); }
    bool started() const { return started_; }

    // Ends the drag: the cursor comes back and the next press starts afresh.
    void cancel();

private:
    DragStart start_;
    bool started_ = false;
};

namespace korven::ui {

// Runs a drag to its drop or its end (QDrag::exec with a move) and returns what the drop did.
Qt::DropAction runDrag(QDrag *drag);
// Tests, which have no drag loop of their own on the offscreen screen, put in its place a runner
// that drops the drag where they choose; an empty runner gives QDrag::exec back.
using DragRunner = std::function<Qt::DropAction(QDrag *drag)>;
void setDragRunner(DragRunner runner);

} // namespace korven::ui
