#include "exercise/ui/piece_drag.h"

#include <QApplication>

void PieceDrag::press(QWidget *piece, const QPoint &globalPos)
{
    cancel();
    piece_ = piece;
    start_ = globalPos;
}

bool PieceDrag::follow(const QPoint &globalPos)
{
    if (!piece_)
        return false;
    if (!started_) {
        if ((globalPos - start_).manhattanLength() < QApplication::startDragDistance())
            return false;
        started_ = true;
        QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    }
    return true;
}

void PieceDrag::showAccepted(bool accepted)
{
    if (started_)
        QApplication::changeOverrideCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

void PieceDrag::cancel()
{
    if (started_)
        QApplication::restoreOverrideCursor();
    piece_ = nullptr;
    started_ = false;
}
