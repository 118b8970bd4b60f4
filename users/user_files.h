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
    int sizeStep = 0;             // line 5 when present and within 7..13 (the settings dialog's
                                  // size step), else 0 meaning absent
};

// Paths of a user's files under resultFolder.
QString userFolder(const QString &resultFolder, const QString &id);
QString passwordPath(const QString &resultFolder, const QString &id);
QString settingsPath(const QString &resultFolder, const QString &id);
QString recordPath(const QString &resultFolder, const QString &id);

// The known IDs: the entries of resultFolder (folders and files), hidden ones skipped, sorted.
QStringList listKnownIds(const QString &resultFolder);

// Throws KorvenError when Result/<ID> is no real folder: a symbolic link there would send every
// write of the ID outside Result, so it is refused as linked files are.
void checkUserFolder(const QString &resultFolder, const QString &id);

// Line 1 of the password file. Throws KorvenError (naming the file) when the file is missing,
// unreadable or empty.
QString readPassword(const QString &path);
// The same over the file's lines; path only names the file in messages.
QString passwordFromLines(const QStringList &lines, const QString &path);
// Replaces the password file atomically with one line (the password, CR LF). Throws KorvenError
// (writing nothing) when the password holds a line break or a character code page 932 cannot
// store, since it could not be read back as typed.
void writePassword(const QString &path, const QString &password);

// Reads the four settings lines. Throws KorvenError naming the file and line when the file is
// missing, has fewer than four lines, line 3 is no integer or line 4 no real.
UserSettings readSettings(const QString &path);
// The same over the file's lines; path only names the file in messages.
UserSettings settingsFromLines(const QStringList &lines, const QString &path);
// The settings file as written at ID creation: four lines, each ended by CR LF.
QByteArray initialSettingsBytes();
// The settings file as the settings dialog writes it: bare LF after lines 1 to 3, CR LF after
// line 4. A sizeStep of 7..13 adds a fifth line holding it (with CR LF); 0 leaves it out.
QByteArray dialogSettingsBytes(bool referenceMode, bool alignmentMode, int magnificationMode,
                               float magnification, int sizeStep = 0);
// Replaces the settings file atomically with the given bytes.
void writeSettings(const QString &path, const QByteArray &bytes);

// The size step (7..13) the settings dialog's track bar takes at login: 10 unless
// magnificationMode is 1; with it, the stored step when the file has one, otherwise
// trunc(10 * magnification / fitScale + 1) held within 7..13.
int loginSizeStep(const UserSettings &settings, float fitScale);

// Creates Result/<ID>/ with its three files: the trial record header, the password and the
// initial settings. They are written into a hidden folder that is then renamed to the ID, so the
// ID exists whole or not at all. Returns FolderExists (and touches nothing) when an entry of that
// name is already there, unless it is a folder left without its password file (see
// userFilesIncomplete), which is completed instead. Throws KorvenError when the ID cannot be a
// folder name (see idRefusal) or a file cannot be written; nothing is left behind then.
// True when Result/<ID> is a folder without its password file (a creation cut short by an older
// version): such an ID can never log in and may be created again.
bool userFilesIncomplete(const QString &resultFolder, const QString &id);
enum class CreateUserResult { Created, FolderExists };
CreateUserResult createUserFiles(const QString &resultFolder, const QString &id,
                                 const QString &password);

// A real written with 15 significant digits from its single-precision value, in the general
// format with the locale's decimal separator ("0.699999988079071").
QString formatReal15(float value);
// Reads a real written by formatReal15 (locale's separator, also '.'); ok=false when no number.
double parseReal(const QString &text, bool *ok);

} // namespace korven
