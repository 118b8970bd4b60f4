#include "app/ui/help_window.h"

#include "forms/messages.h"
#include "files/file_errors.h"

#include <QDesktopServices>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace korven::ui {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("KORVEN Help"));
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    resize(760, 700);
}

void HelpWindow::showManual(const QString &path)
{
    // Read afresh at every showing, back at the top.
    const QUrl url = QUrl::fromLocalFile(path);
    if (Browser->source() == url)
        Browser->reload();
    else
        Browser->setSource(url);
    show();
    raise();
    activateWindow();
}

namespace {

void showInOwnWindow(const QString &path, QWidget *owner)
{
    auto *window = owner->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(owner);
    window->showManual(path);
}

} // namespace

void openManual(const QString &path, QWidget *owner)
{
    if (const QString fault = entryFault(path, EntryKind::File); !fault.isEmpty()) {
        reportError(QCoreApplication::translate("HelpWindow", "The help file %1 cannot be opened: %2.").arg(QDir::toNativeSeparators(path), fault));
        return;
    }
    // xdg-open starts even when no viewer is set for the file and then fails with an exit code,
    // which the desktop services do not pass on: run it here and watch how it ends.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            showInOwnWindow(path, owner);
        return;
    }
    // The process belongs to the owner, so neither handler runs once the owner is gone.
    auto *process = new QProcess(owner);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, owner, [=](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            showInOwnWindow(path, owner);
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::errorOccurred, owner, [=](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        showInOwnWindow(path, owner);
        process->deleteLater();
    });
    process->start(opener, {path});
}

} // namespace korven::ui
