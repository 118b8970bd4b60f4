// KORVEN: a training program for human karyotyping.
#include "program/language.h"
#include "program/command_line.h"
#include "program/program_folder.h"
#include "forms/korven_application.h"
#include "forms/program_icon.h"
#include "forms/window_set.h"
#include "users/locks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QLockFile>
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void printTo(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// True when what goes to standard error is read by someone: a terminal, or a program reading a
// pipe. A start from the desktop's menu writes it to a log, /dev/null or the journal instead.
bool standardErrorIsRead()
{
    struct stat st;
    return ::isatty(STDERR_FILENO) || (::fstat(STDERR_FILENO, &st) == 0 && S_ISFIFO(st.st_mode));
}

bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line and the single-copy check already speak the interface language, without
    // needing a display: a core application carries the translation until the windows' one exists.
    std::unique_ptr<QLockFile> lock;
    QString refusal; // why this start ends, for a message box as well
    {
        QCoreApplication early(argc, argv);
        korven::installTranslations(korven::languageFromEnvironment());
        QStringList arguments;
        for (int i = 1; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        const korven::CommandLine line = korven::parseCommandLine(QStringLiteral("korven"), arguments);
        if (line.action != korven::CommandLine::Run) {
            printTo(line.action == korven::CommandLine::Print ? stdout : stderr, line.text);
            return line.exitCode;
        }

        // One copy per desktop user: the lock lies in the user's runtime folder. A second start ends
        // at once with exit code 1, shows no window and says why on standard error. A lock left by a
        // crashed copy is taken over (its process is gone), as is a broken one.
        const QString lockFolder = korven::instanceLockFolder();
        lock = std::make_unique<QLockFile>(korven::instanceLockPath(lockFolder));
        const korven::LockAttempt attempt = lockFolder.isEmpty()
            ? korven::LockAttempt{korven::LockOutcome::Failed, {},
                                  QCoreApplication::translate("korven", "no folder of this user's own for it in %1").arg(QDir::tempPath())}
            : korven::takeInstanceLock(*lock);
        if (attempt.outcome == korven::LockOutcome::Held)
            refusal = QCoreApplication::translate("korven", "korven: another copy of KORVEN is running (process %1); "
                                                  "this one ends.\n")
                          .arg(attempt.holder.pid);
        if (attempt.outcome == korven::LockOutcome::Failed)
            refusal = QCoreApplication::translate("korven", "korven: cannot take the single-copy lock: %1.\n").arg(attempt.reason);
        if (!refusal.isEmpty()) {
            printTo(stderr, refusal);
            if (standardErrorIsRead() || !displayAvailable())
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
    korven::ui::guarded([] { korven::ui::showFirstWindow(); });
    const int code = app.exec();
    korven::ui::destroyWindowSet();
    return code;
}
