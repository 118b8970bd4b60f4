#pragma once
// Drags in window tests. The offscreen screen has no drag loop of its own, so while a DropAt lives
// each QDrag a window starts is dropped at the point it names, through the enter, move and drop
// events a system's drag gives the widget under the pointer there that takes drops.
#include "exercise/ui/piece_drag.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QPointer>

namespace korven::test {

class DropAt {
public:
    // `pos` in target's coordinates.
    DropAt(QWidget *target, const QPoint &pos)
    {
        korven::ui::setDragRunner([target = QPointer<QWidget>(target), pos](QDrag *drag) {
            ++dragsRun();
            return drop(target, pos, drag);
        });
    }
    ~DropAt() { korven::ui::setDragRunner({}); }
    DropAt(const DropAt &) = delete;
    DropAt &operator=(const DropAt &) = delete;

    // How many drags have begun under any DropAt.
    static int &dragsRun()
    {
        static int count = 0;
        return count;
    }

private:
    static Qt::DropAction drop(QWidget *target, const QPoint &pos, QDrag *drag)
    {
        if (!target)
            return Qt::IgnoreAction;
        QWidget *under = target->childAt(pos) ? target->childAt(pos) : target;
        while (under && !under->acceptDrops())
            under = under->parentWidget();
        if (!under)
            return Qt::IgnoreAction;
        const QPoint at = under->mapFromGlobal(target->mapToGlobal(pos));
        QDragEnterEvent enter(at, Qt::MoveAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(under, &enter);
        if (!enter.isAccepted())
            return Qt::IgnoreAction;
        QDragMoveEvent move(at, Qt::MoveAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(under, &move);
        if (!move.isAccepted())
            return Qt::IgnoreAction;
        QDropEvent dropped(QPointF(at), Qt::MoveAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(under, &dropped);
        return dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction;
    }
};

} // namespace korven::test
