#include "exercise/ui/piece_drag.h"

#include <QApplication>
#include <QDrag>

void DragStart::press(QWidget *piece, const QPoint &globalPos)
{
    piece_ = piece;
    start_ = globalPos;
}

bool DragStart::reached(const QPoint &globalPos) const
{
    return held() && (globalPos - start_).manhattanLength() >= QApplication::startDragDistance();
}

void PieceDrag::press(QWidget *piece, const QPoint &globalPos)
{
    cancel();
    start_.press(piece, globalPos);
}

bool PieceDrag::follow(const QPoint &globalPos)
{
    if (!start_.held())
        return false;
    if (!started_) {
        if (!start_.reached(globalPos))
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
    start_.clear();
    started_ = false;
}

namespace korven::ui {

namespace {
DragRunner &dragRunner()
{
    static DragRunner runner;
    return runner;
}
} // namespace

Qt::DropAction runDrag(QDrag *drag)
{
    if (dragRunner())
        return dragRunner()(drag);
    return drag->exec(Qt::MoveAction, Qt::MoveAction);
}

void setDragRunner(DragRunner runner) { dragRunner() = std::move(runner); }

} // namespace korven::ui
