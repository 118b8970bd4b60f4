#include "users/user_files.h"

#include <QCoreApplication>

#include "exercise/errors.h"
#include "exercise/text_file.h"
#include "users/id_rules.h"
#include "users/trial_records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>

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

QString readPassword(const QString &path)
{
    const QStringList lines = readTextLines(path);
    if (lines.isEmpty())
        throw KorvenError(QCoreApplication::translate("UserFiles", "The password file %1 is empty.").arg(shown(path)));
    return lines.first();
}

void writePassword(const QString &path, const QString &password)
{
    const QString refusal = passwordRefusal(password);
    if (!refusal.isEmpty())
        throw KorvenError(refusal);
    writeFileAtomically(path, linesToCp932({password}));
}

UserSettings readSettings(const QString &path)
{
    const QStringList lines = readTextLines(path);
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
    if (settings.sizeStep >= 7 && settings.sizeStep <= 13)
        return settings.sizeStep;
    if (settings.magnificationMode != 1 || !(fitScale > 0.0f))
        return 10;
    const double derived = std::trunc(10.0 * double(settings.magnification) / double(fitScale) + 1.0);
    if (!(derived >= 7.0)) // also NaN
        return 7;
    return derived > 13.0 ? 13 : int(derived);
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

    const QString folder = userFolder(resultFolder, id);
    if (QFileInfo(folder).exists() || QFileInfo(folder).isSymLink())
        return CreateUserResult::FolderExists;
    QDir result(resultFolder);
    if (!result.exists() && !QDir().mkpath(resultFolder))
        throw KorvenError(QCoreApplication::translate("UserFiles", "Cannot create the folder %1.").arg(shown(resultFolder)));
    if (!result.mkdir(id)) {
        // Someone made it between the test and now: still an existing folder, left alone.
        if (QFileInfo(folder).exists())
            return CreateUserResult::FolderExists;
        throw KorvenError(QCoreApplication::translate("UserFiles", "Cannot create the folder %1.").arg(shown(folder)));
    }

    const QString files[] = {recordPath(resultFolder, id), passwordPath(resultFolder, id),
                             settingsPath(resultFolder, id)};
    try {
        writeFileAtomically(files[0], trialRecordFileStart());
        writePassword(files[1], password);
        writeFileAtomically(files[2], initialSettingsBytes());
    } catch (const KorvenError &) {
        // The folder is new and holds only what was written above: take it all back.
        for (const QString &file : files)
            QFile::remove(file);
        QDir(resultFolder).rmdir(id);
        throw;
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
