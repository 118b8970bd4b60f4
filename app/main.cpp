// KORVEN: a training program for human karyotyping.
#include "app/language.h"
#include "app/command_line.h"
#include "app/program_folder.h"
#include "app/ui/korven_application.h"
#include "app/ui/program_icon.h"
#include "app/ui/front_request.h"
#include "app/ui/window_set.h"
#include "files/console.h"
#include "users/locks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QLockFile>
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>

namespace {

void printTo(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

bool displayAvailable()
{
#ifdef Q_OS_WIN
    return true; // the desktop is always there
#endif
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line and the single-copy check already speak the interface language, without
    // needing a display: a core application carries the translation until the windows' one exists.
    korven::fs::attachStartingConsole();
    std::unique_ptr<QLockFile> lock;
    QString lockFolder;
    QString refusal; // why this start ends, for a message box as well
    {
        QCoreApplication early(argc, argv);
        korven::installTranslations(korven::languageFromEnvironment());
        // Qt's own arguments are the system's wide-character ones on Windows, whatever the code page.
        const QStringList arguments = early.arguments().mid(1);
        const korven::CommandLine line = korven::parseCommandLine(QStringLiteral("korven"), arguments);
        if (line.action != korven::CommandLine::Run) {
            printTo(line.action == korven::CommandLine::Print ? stdout : stderr, line.text);
            return line.exitCode;
        }

        // One copy per desktop user: the lock lies in the user's runtime folder. A second start brings
        // the running copy's window to the front, ends at once with exit code 1, shows no window of
        // its own and says why on standard error. A lock left by a crashed copy is taken over (its
        // process is gone), as is a broken one.
        lockFolder = korven::instanceLockFolder();
        lock = std::make_unique<QLockFile>(korven::instanceLockPath(lockFolder));
        const korven::LockAttempt attempt = lockFolder.isEmpty()
            ? korven::LockAttempt{korven::LockOutcome::Failed, {},
                                  QCoreApplication::translate("korven", "no folder of this user's own for it in %1").arg(QDir::tempPath())}
            : korven::takeInstanceLock(*lock);
        if (attempt.outcome == korven::LockOutcome::Held) {
            printTo(stderr, QCoreApplication::translate("korven", "korven: another copy of KORVEN is running (process %1); "
                                                        "this one ends.\n")
                                .arg(attempt.holder.pid));
            korven::fs::allowToFront(attempt.holder.pid);
            korven::requestFront(lockFolder);
            return 1;
        }
        if (attempt.outcome == korven::LockOutcome::Failed)
            refusal = QCoreApplication::translate("korven", "korven: cannot take the single-copy lock: %1.\n").arg(attempt.reason);
        if (!refusal.isEmpty()) {
            printTo(stderr, refusal);
            if (korven::fs::standardErrorIsRead() || !displayAvailable())
                return 1;
        }
        korven::removeTranslations();
    }

    if (!refusal.isEmpty()) {
        // Started from the menu: the refusal is seen in a box, not only in a log.
        QApplication boxApp(argc, argv);
        korven::installTranslations(korven::languageFromEnvironment());
        QString text = refusal.trimmed();
        if (text.startsWith(QLatin1String("korven: "))) // the program's name is the box's title
            text.remove(0, 8);
        QMessageBox::critical(nullptr, QStringLiteral("KORVEN"), text);
        return 1;
    }

    korven::ui::KorvenApplication app(argc, argv);
    app.setProperty("helpFile", QStringLiteral("./HELP.HLP"));
    // The desktop's language (or KORVEN_LANG) picks the interface texts before any window exists.
    korven::ui::setUpProgramLook();

    if (!korven::ui::guarded([] { korven::ui::createWindowSet(); }))
        return 0;
    korven::ui::FrontWatcher front(lockFolder);
    korven::ui::guarded([] { korven::ui::showFirstWindow(); });
    const int code = app.exec();
    korven::ui::destroyWindowSet();
    return code;
}
