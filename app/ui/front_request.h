#pragma once
// A second start of the program asks the running copy to bring its window to the front: it leaves
// a request file beside the single-copy lock, which the running copy watches for.
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace korven {

// The request file in the lock's folder.
QString frontRequestPath(const QString &lockFolder);

// Leaves the request for the copy holding the lock in `lockFolder`. A failure is not reported: the
// second start ends all the same.
void requestFront(const QString &lockFolder);

namespace ui {

// Watches `lockFolder` while the program runs and brings its windows to the front (restored when
// minimised, the dialog in front of them included) whenever a request arrives. A look every second
// stands in where the system's change notices are not delivered (their limit used up).
class FrontWatcher : public QObject {
    Q_OBJECT
public:
    explicit FrontWatcher(const QString &lockFolder, QObject *parent = nullptr);

signals:
    void broughtToFront();

private:
    void check();
    QString request_;
    QFileSystemWatcher watcher_;
    QTimer poll_;
};

} // namespace ui
} // namespace korven
