#include "app/program_folder.h"

#include <QCoreApplication>

namespace korven {

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder) { overrideFolder() = folder; }

QString imagesFolder() { return programFolder() + QStringLiteral("/Images"); }

QString resultFolder() { return programFolder() + QStringLiteral("/Result"); }

} // namespace korven
