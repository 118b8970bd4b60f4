#include "program/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

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
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                             + QStringLiteral("/korven");
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
// ("korven-<uid>", mode 0700), never one shared by all users; empty when that folder is another
// user's, and the lock then fails with its reason.
QString instanceLockFolder()
{
    const QString folder = qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
                               ? QString() : QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty())
        return folder;
    const QString own = QDir::tempPath() + QStringLiteral("/korven-") + QString::number(::getuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700); // or there already: checked below
    struct stat st;
    // Another user's folder (or a link) of that name would share the lock again: none then.
    if (::lstat(QFile::encodeName(own).constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return QString();
    return own;
}

} // namespace korven
