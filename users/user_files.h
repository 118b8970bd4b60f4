#pragma once
// A user's files in Result/<ID>/: the password file <ID>.pas and the settings file <ID>.set.
#include <QString>
#include <QStringList>

namespace korven {

struct UserSettings {
    bool referenceMode = false;   // line 1 == "1"
    bool alignmentMode = false;   // line 2 == "1"
    int magnificationMode = 0;    // line 3, an integer
    float magnification = 0.7f;   // line 4, a real
};

// Paths of a user's files under resultFolder.
QString userFolder(const QString &resultFolder, const QString &id);
QString passwordPath(const QString &resultFolder, const QString &id);
QString settingsPath(const QString &resultFolder, const QString &id);
QString recordPath(const QString &resultFolder, const QString &id);

// The known IDs: the entries of resultFolder (folders and files), hidden ones skipped, sorted.
QStringList listKnownIds(const QString &resultFolder);

// Line 1 of the password file. Throws KorvenError (naming the file) when the file is missing,
// unreadable or empty.
QString readPassword(const QString &path);
// Replaces the password file atomically with one line (the password, CR LF).
void writePassword(const QString &path, const QString &password);

// Reads the four settings lines. Throws KorvenError naming the file and line when the file is
// missing, has fewer than four lines, line 3 is no integer or line 4 no real.
UserSettings readSettings(const QString &path);
// The settings file as written at ID creation: four lines, each ended by CR LF.
QByteArray initialSettingsBytes();
// The settings file as the settings dialog writes it: bare LF after lines 1 to 3, CR LF at the end.
QByteArray dialogSettingsBytes(bool referenceMode, bool alignmentMode, int magnificationMode,
                               float magnification);
// A real written with 15 significant digits from its single-precision value, in the general
// format with the locale's decimal separator ("0.699999988079071").
QString formatReal15(float value);
// Reads a real written by formatReal15 (locale's separator, also '.'); ok=false when no number.
double parseReal(const QString &text, bool *ok);

} // namespace korven
