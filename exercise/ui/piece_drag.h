#pragma once
// The drag of a piece from press to release, shared by the exercise window and the case window: a
// press arms it, it starts once the pointer has moved the system's drag distance from the press,
// the cursor then says whether the place under the pointer takes the piece, and it ends with or
// without a drop. The window decides where a piece may go; this only follows the pointer.
#include <QPoint>
#include <QPointer>
#include <QWidget>

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

    QWidget *piece() const { return piece_; }
    bool held() const { return !piece_.isNull(); }
    bool started() const { return started_; }

    // Ends the drag: the cursor comes back and the next press starts afresh.
    void cancel();

private:
    QPointer<QWidget> piece_;
    QPoint start_;
    bool started_ = false;
};
