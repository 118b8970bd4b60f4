#include "users/user_files.h"

#include "exercise/errors.h"
#include "files/file_errors.h"
#include "files/file_system.h"
#include "files/text_file.h"
#include "users/id_rules.h"
#include "users/trial_records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSysInfo>
#include <QCryptographicHash>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace korven {

namespace {

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

QString userFile(const QString &resultFolder, const QString &id, const char *extension)
{
    return userFolder(resultFolder, id) + u'/' + id + QLatin1String(extension);
}

// Why a password cannot be stored so that it reads back as typed; empty when it can.
QString passwordRefusal(const QString &password)
{
    if (password.contains(u'\r') || password.contains(u'\n'))
        return QCoreApplication::translate("UserFiles", "A password cannot contain a line break.");
    // The encoder stands in a substitute for what it cannot map, so test the round trip.
    if (fromCp932(toCp932(password)) != password)
        return QCoreApplication::translate("UserFiles", "The password holds characters that cannot be stored. "
                                                        "Please use other characters.");
    return {};
}

} // namespace

QString userFolder(const QString &resultFolder, const QString &id)
{
    return resultFolder + u'/' + id;
}

QString passwordPath(const QString &resultFolder, const QString &id)
{
    return userFile(resultFolder, id, ".pas");
}

QString settingsPath(const QString &resultFolder, const QString &id)
{
    return userFile(resultFolder, id, ".set");
}

QString recordPath(const QString &resultFolder, const QString &id)
{
    return userFile(resultFolder, id, ".kek");
}

QStringList listKnownIds(const QString &resultFolder)
{
    // Folders and plain files alike; hidden entries (a leading dot) are left out. Sorted, so the
    // order does not depend on the file system.
    QStringList ids = QDir(resultFolder).entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot,
                                                   QDir::NoSort);
    std::sort(ids.begin(), ids.end());
    return ids;
}

void checkUserFolder(const QString &resultFolder, const QString &id)
{
    const QString folder = userFolder(resultFolder, id);
    const fs::EntryStatus status = fs::entryStatus(folder);
    if (status.error != 0)
        throw KorvenError(QCoreApplication::translate("UserFiles", "The folder of the ID %1 is missing: %2").arg(id, shown(folder)));
    if (status.type == fs::EntryType::Link)
        throw KorvenError(QCoreApplication::translate("UserFiles", "%1 is a symbolic link, not the folder of the ID %2; it was left alone.")
                              .arg(shown(folder), id));
    if (status.type != fs::EntryType::Folder)
        throw KorvenError(QCoreApplication::translate("UserFiles", "%1 is not a folder; the ID %2 cannot be used.").arg(shown(folder), id));
}

QString readPassword(const QString &path)
{
    return passwordFromLines(readTextLines(path), path);
}

QString passwordFromLines(const QStringList &lines, const QString &path)
{
    if (lines.isEmpty())
        throw KorvenError(QCoreApplication::translate("UserFiles", "The password file %1 is empty.").arg(shown(path)));
    return lines.first();
}

void writePassword(const QString &path, const QString &password)
{
    const QString refusal = passwordRefusal(password);
    if (!refusal.isEmpty())
        throw KorvenError(refusal);
    writeFileAtomically(path, linesToCp932({password}), FileAccess::OwnerOnly);
}

UserSettings readSettings(const QString &path)
{
    return settingsFromLines(readTextLines(path), path);
}

UserSettings settingsFromLines(const QStringList &lines, const QString &path)
{
    if (lines.size() < 4)
        throw KorvenError(QCoreApplication::translate("UserFiles", "The settings file %1 has %2 lines; it needs four.")
                              .arg(shown(path))
                              .arg(lines.size()));
    UserSettings s;
    s.referenceMode = lines.at(0) == QLatin1String("1");
    s.alignmentMode = lines.at(1) == QLatin1String("1");
    bool ok = false;
    s.magnificationMode = lines.at(2).trimmed().toInt(&ok);
    if (!ok)
        throw KorvenError(QCoreApplication::translate("UserFiles", "Line 3 of the settings file %1 is not an integer: \"%2\".")
                              .arg(shown(path), lines.at(2)));
    const double magnification = parseReal(lines.at(3), &ok);
    if (!ok || !std::isfinite(float(magnification)))
        throw KorvenError(QCoreApplication::translate("UserFiles", "Line 4 of the settings file %1 is not a real number: \"%2\".")
                              .arg(shown(path), lines.at(3)));
    s.magnification = float(magnification);
    if (lines.size() >= 5) {
        const int step = lines.at(4).trimmed().toInt(&ok);
        if (ok && step >= 7 && step <= 13)
            s.sizeStep = step;
    }
    return s;
}

QByteArray initialSettingsBytes()
{
    return linesToCp932({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                         formatReal15(0.7f)});
}

QByteArray dialogSettingsBytes(bool referenceMode, bool alignmentMode, int magnificationMode,
                               float magnification, int sizeStep)
{
    QString text;
    text += referenceMode ? QStringLiteral("1\n") : QStringLiteral("0\n");
    text += alignmentMode ? QStringLiteral("1\n") : QStringLiteral("0\n");
    text += magnificationMode == 1 ? QStringLiteral("1\n") : QStringLiteral("0\n");
    text += formatReal15(magnification) + QStringLiteral("\r\n");
    if (sizeStep >= 7 && sizeStep <= 13)
        text += QString::number(sizeStep) + QStringLiteral("\r\n");
    return toCp932(text);
}

void writeSettings(const QString &path, const QByteArray &bytes)
{
    writeFileAtomically(path, bytes);
}

int loginSizeStep(const UserSettings &settings, float fitScale)
{
    // Line 3 decides the mode; a stored step only restores the position within a chosen size.
    if (settings.magnificationMode != 1)
        return 10;
    if (settings.sizeStep >= 7 && settings.sizeStep <= 13)
        return settings.sizeStep;
    if (!(fitScale > 0.0f))
        return 10;
    const double derived = std::trunc(10.0 * double(settings.magnification) / double(fitScale) + 1.0);
    if (!(derived >= 7.0)) // also NaN
        return 7;
    return derived > 13.0 ? 13 : int(derived);
}

namespace {

// A new ID's folder is built under a hidden name inside Result and renamed into place:
// ".creating-<machine>-<process>-XXXXXX", so that a clean-up can tell whose it is.
const QString CreationPrefix = QStringLiteral(".creating-");
// A creation takes milliseconds; one this old whose process is gone was killed.
constexpr qint64 AbandonedCreationSeconds = 60;

bool entryExists(const QString &path)
{
    return fs::entryStatus(path).error == 0;
}

// This machine, as a short tag: its host name and machine id together (lab computers cloned from
// one image share the machine id, and host names may repeat across a network).
QString machineTag()
{
    const QByteArray identity = QSysInfo::machineHostName().toUtf8() + '/' + QSysInfo::machineUniqueId();
    return QString::fromLatin1(QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(8));
}

// True when a creation folder is certainly abandoned: older than a minute, and its process gone
// (on another machine, or a name without one, the age alone tells).
bool creationAbandoned(const QString &resultFolder, const QString &name)
{
    const fs::EntryStatus status = fs::entryStatus(resultFolder + u'/' + name);
    if (status.type != fs::EntryType::Folder)
        return false;
    if (::time(nullptr) - status.modified < AbandonedCreationSeconds)
        return false;
    const QStringList parts = name.mid(CreationPrefix.size()).split(u'-');
    if (parts.size() == 3 && parts.at(0) == machineTag())
        return !fs::processRunning(parts.at(1).toLongLong());
    return true;
}

// Folders a killed creation left behind; hidden, so never listed as IDs. Another creation still
// at work is never touched.
void removeStaleCreations(const QString &resultFolder)
{
    const QStringList creations = QDir(resultFolder).entryList({CreationPrefix + u'*'},
                                                               QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : creations) {
        if (creationAbandoned(resultFolder, name))
            QDir(resultFolder + u'/' + name).removeRecursively();
    }
}

} // namespace

bool userFilesIncomplete(const QString &resultFolder, const QString &id)
{
    const QString folder = userFolder(resultFolder, id);
    if (!idRefusal(id).isEmpty() || fs::entryStatus(folder).type != fs::EntryType::Folder)
        return false;
    return !entryExists(passwordPath(resultFolder, id));
}

CreateUserResult createUserFiles(const QString &resultFolder, const QString &id,
                                 const QString &password)
{
    const QString refusal = idRefusal(id);
    if (!refusal.isEmpty())
        throw KorvenError(refusal);
    const QString passwordProblem = passwordRefusal(password);
    if (!passwordProblem.isEmpty())
        throw KorvenError(passwordProblem);

    makeFolders(resultFolder);
    removeStaleCreations(resultFolder);

    const QString folder = userFolder(resultFolder, id);
    const bool incomplete = userFilesIncomplete(resultFolder, id);
    if (entryExists(folder) && !incomplete)
        return CreateUserResult::FolderExists;
    if (incomplete && !QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        // A folder an older version left without its password file: it could never log in. Its
        // missing files are added, the password last, so the ID becomes usable only once it is
        // whole; the files already there are kept.
        // Each is created only where it is missing, never over a file another copy made a moment
        // before (a trial recorded there); of two copies completing the ID at once, only the one
        // whose password file is made says Created.
        createFileAtomically(recordPath(resultFolder, id), trialRecordFileStart(), FileAccess::OwnerOnly);
        createFileAtomically(settingsPath(resultFolder, id), initialSettingsBytes(), FileAccess::OwnerOnly);
        return createFileAtomically(passwordPath(resultFolder, id), linesToCp932({password}), FileAccess::OwnerOnly)
                   ? CreateUserResult::Created
                   : CreateUserResult::FolderExists;
    }

    // The three files are made in a hidden folder that is then renamed to the ID in one step, so
    // an ID exists whole or not at all. The rename also takes the place of an empty folder.
    int buildError = 0;
    const QString temporary = fs::makeUniqueFolder(resultFolder + u'/' + CreationPrefix + machineTag() + u'-'
                                                   + QString::number(QCoreApplication::applicationPid()) + u'-', &buildError);
    if (temporary.isEmpty())
        throw KorvenError(QCoreApplication::translate("UserFiles", "Cannot create a folder in %1: %2")
                              .arg(shown(resultFolder), fileErrorText(buildError)));
    // The ID's folder and files are its user's alone: on a shared Result folder no classmate reads
    // a password or changes a record.
    fs::makePrivate(temporary);
    try {
        writeFileAtomically(temporary + u'/' + id + QStringLiteral(".kek"), trialRecordFileStart(), FileAccess::OwnerOnly);
        writePassword(temporary + u'/' + id + QStringLiteral(".pas"), password);
        writeFileAtomically(temporary + u'/' + id + QStringLiteral(".set"), initialSettingsBytes(), FileAccess::OwnerOnly);
        flushFolder(temporary);
        if (const int error = fs::moveEntry(temporary, folder)) {
            if (error == EEXIST || error == ENOTEMPTY || error == ENOTDIR || error == EISDIR) {
                // Someone made it between the test and now: an existing entry, left alone.
                QDir(temporary).removeRecursively();
                return CreateUserResult::FolderExists;
            }
            throw KorvenError(QCoreApplication::translate("UserFiles", "Cannot create the folder %1: %2")
                                  .arg(shown(folder), fileErrorText(error)));
        }
    } catch (const KorvenError &) {
        QDir(temporary).removeRecursively();
        throw;
    }
    flushFolder(resultFolder);
    // Created is said only of an ID that stands whole.
    for (const QString &path : {recordPath(resultFolder, id), passwordPath(resultFolder, id), settingsPath(resultFolder, id)}) {
        if (!entryExists(path))
            throw KorvenError(QCoreApplication::translate("UserFiles", "The ID %1 was not created whole: %2 is missing. Please try again.")
                                  .arg(id, shown(path)));
    }
    return CreateUserResult::Created;
}

QString formatReal15(float value)
{
    QString text = QString::number(double(value), 'g', 15);
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        text.replace(u'.', point);
    return text;
}

double parseReal(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        t.replace(point, QStringLiteral("."));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool converted = false;
    const double value = c.toDouble(t, &converted);
    const bool good = converted && std::isfinite(value);
    if (ok)
        *ok = good;
    return good ? value : 0.0;
}

} // namespace korven
