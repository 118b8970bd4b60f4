#include "app/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "files/file_system.h"

namespace korven {

namespace {

QString &overrideFolder()
{
    static QString folder;
    return folder;
}

bool isDir(const QString &path) { return QFileInfo(path).isDir(); }

} // namespace

QString firstFolderHolding(const QStringList &folders, const QString &entry, bool asFolder)
{
    for (const QString &folder : folders) {
        const QFileInfo info(QDir(folder).filePath(entry));
        if (asFolder ? info.isDir() : info.isFile())
            return folder;
    }
    return folders.value(0);
}

QString Locations::bundledImagesFolder() const { return programFolder + QStringLiteral("/Images"); }

QString Locations::userImagesFolder() const { return dataFolder + QStringLiteral("/Images"); }

QString Locations::resultFolder() const { return dataFolder + QStringLiteral("/Result"); }

QStringList Locations::imagesFolders() const
{
    const QString user = userImagesFolder();
    const QString bundled = bundledImagesFolder();
    if (QDir::cleanPath(user) == QDir::cleanPath(bundled))
        return {bundled};
    return {user, bundled};
}

QString Locations::bundledCasesFolder() const { return programFolder + QStringLiteral("/Cases"); }

QString Locations::userCasesFolder() const { return dataFolder + QStringLiteral("/Cases"); }

QStringList Locations::casesFolders() const
{
    const QString user = userCasesFolder();
    const QString bundled = bundledCasesFolder();
    if (QDir::cleanPath(user) == QDir::cleanPath(bundled))
        return {bundled};
    return {user, bundled};
}

Locations resolveLocations(const QString &executableFolder, const QString &dataVariable,
                           const QString &userDataFolder)
{
    Locations where;
    const QString exe = QDir::cleanPath(executableFolder);
    const QString shared = QDir::cleanPath(exe + QStringLiteral("/../share/korven"));
    where.installed = !isDir(exe + QStringLiteral("/Images")) && isDir(shared);
    where.programFolder = where.installed ? shared : exe;
    if (!dataVariable.isEmpty())
        where.dataFolder = QDir::cleanPath(QDir::current().absoluteFilePath(dataVariable));
    else
        where.dataFolder = where.installed ? QDir::cleanPath(userDataFolder) : exe;
    return where;
}

Locations locations()
{
    // The generic data location honours XDG_DATA_HOME; the program's own name is added here so
    // that it does not depend on the organisation and application names set at start-up.
    // (%LOCALAPPDATA% on Windows, where the folder is named as the program is.)
#ifdef Q_OS_WIN
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                             + QStringLiteral("/KORVEN");
#else
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                             + QStringLiteral("/korven");
#endif
    const QString executableFolder =
        overrideFolder().isEmpty() ? QCoreApplication::applicationDirPath() : overrideFolder();
    return resolveLocations(executableFolder, qEnvironmentVariable("KORVEN_DATA"), userData);
}

void setProgramFolder(const QString &folder) { overrideFolder() = folder; }

QString programFolder() { return locations().programFolder; }

QString imagesFolder() { return locations().userImagesFolder(); }

QString resultFolder() { return locations().resultFolder(); }

QStringList imagesFolders() { return locations().imagesFolders(); }

QStringList casesFolders() { return locations().casesFolders(); }

QString imagesFolderOf(const QString &name) { return firstFolderHolding(imagesFolders(), name, true); }

QString imagesFile(const QString &fileName)
{
    return QDir(firstFolderHolding(imagesFolders(), fileName, false)).filePath(fileName);
}

// Without a runtime folder: a folder of this user's alone in the temporary folder
// ("korven-<user>", private), never one shared by all users; empty when that folder is another
// user's, and the lock then fails with its reason.
QString instanceLockFolder()
{
    const QString folder = qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
                               ? QString() : QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty())
        return folder;
    const QString own = QDir::tempPath() + QStringLiteral("/korven-") + fs::userTag();
    return fs::ownPrivateFolder(own) ? own : QString();
}

} // namespace korven
