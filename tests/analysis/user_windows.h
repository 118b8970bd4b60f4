#pragma once
// A logged-in trainee for the settings and deletion tests: a program folder holding the sample
// chromosome and one user's files, then the window set and the exercise window made on it, with
// message boxes and modal dialogs recorded instead of shown.
#include "program/program_folder.h"
#include "forms/korven_application.h"
#include "forms/messages.h"
#include "forms/window_set.h"
#include "exercise/ui/tform1.h"
#include "support/window_fixture.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace korven::test {

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The sample chromosome's size in the fixture.
inline const QSize SampleSize(40, 100);

class UserWindows {
public:
    explicit UserWindows(bool withSample = true)
    {
        QLocale::setDefault(QLocale::c());
        ui::installFonts();
        const QString sample = QDir(folder.imagesFolder()).filePath(QStringLiteral("1-1.bmp"));
        QFile::remove(sample);
        if (withSample)
            syntheticPiece(0, SampleSize).save(sample, "BMP");
        createUserFiles(folder.resultFolder(), id, QStringLiteral("secret"));
        ui::setMessageHook([this](const QString &kind, const QString &, const QString &text) {
            if (kind == QLatin1String("error"))
                errors << text;
        });
        ui::setModalHook([this](QDialog *dialog) {
            modals << dialog->objectName();
            return modalAnswer ? modalAnswer(dialog) : int(QDialog::Rejected);
        });
        ui::createWindowSet();
        ui::createExerciseWindow();
        Form1->UserId = id;
    }
    ~UserWindows()
    {
        ui::destroyWindowSet();
        ui::setMessageHook({});
        ui::setModalHook({});
    }
    UserWindows(const UserWindows &) = delete;
    UserWindows &operator=(const UserWindows &) = delete;

    // A new run on the same folder: every window made again, nobody logged in.
    void restart()
    {
        ui::destroyWindowSet();
        ui::createWindowSet();
    }

    QString passwordFile() const { return passwordPath(folder.resultFolder(), id); }
    QString settingsFile() const { return settingsPath(folder.resultFolder(), id); }
    QString recordFile() const { return recordPath(folder.resultFolder(), id); }

    ProgramFolder folder;
    QString id = QStringLiteral("trainee");
    QStringList errors;
    QStringList modals;
    std::function<int(QDialog *)> modalAnswer;
};

// Permissions do not stop root, so tests that need an unwritable folder check this first.
inline bool runningAsRoot() { return ::geteuid() == 0; }

// While it lives, no file can grow (as on a full disk), even for root: writes fail with "File too
// large" instead of ending the process.
class NoRoomForWrites {
public:
    NoRoomForWrites()
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit none = saved_;
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoRoomForWrites()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    NoRoomForWrites(const NoRoomForWrites &) = delete;
    NoRoomForWrites &operator=(const NoRoomForWrites &) = delete;

private:
    struct rlimit saved_;
    void (*oldHandler_)(int);
};

} // namespace korven::test
