#include "app/ui/front_request.h"

#include "exercise/errors.h"
#include "files/text_file.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace korven {

QString frontRequestPath(const QString &lockFolder)
{
    return QDir(lockFolder).filePath(QStringLiteral("ApplicationTitle.front"));
}

void requestFront(const QString &lockFolder)
{
    if (lockFolder.isEmpty())
        return;
    try {
        writeFileAtomically(frontRequestPath(lockFolder), QByteArray::number(QCoreApplication::applicationPid()),
                            FileAccess::OwnerOnly, Durability::Rebuildable);
    } catch (const KorvenError &) {
        // The running copy stays where it is; this start ends anyway.
    }
}

namespace ui {

FrontWatcher::FrontWatcher(const QString &lockFolder, QObject *parent)
    : QObject(parent), request_(lockFolder.isEmpty() ? QString() : frontRequestPath(lockFolder))
{
    if (request_.isEmpty())
        return;
    QFile::remove(request_); // one left from an earlier run is no request to this one
    watcher_.addPath(lockFolder);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FrontWatcher::check);
    connect(&poll_, &QTimer::timeout, this, &FrontWatcher::check);
    poll_.start(1000);
}

void FrontWatcher::check()
{
    if (!QFileInfo::exists(request_))
        return;
    QFile::remove(request_);
    QWidget *front = QApplication::activeModalWidget();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() && !window->isMinimized())
            continue;
        if (window->isMinimized())
            window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->raise();
        if (!front)
            front = window;
    }
    if (front) {
        front->raise();
        front->activateWindow();
    }
    emit broughtToFront();
}

} // namespace ui
} // namespace korven
