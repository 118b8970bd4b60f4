#pragma once
// Where the program's files are: the one answer to "where is X" for every program of KORVEN.
//
// Two ways to run, told apart at start-up without any setting:
// - portable: Images/ lies beside the executable, and Result/ is kept beside it too;
// - installed: the executable lies in PREFIX/bin with no Images/ beside it, and PREFIX/share/korven
//   holds the bundled files (Images/, the help manual, the ideogram tables). The user's Result/ and
//   own Images/ live in the per-user data folder ($XDG_DATA_HOME/korven, ~/.local/share/korven).
// The environment variable KORVEN_DATA names a data folder (Result/ and optionally Images/) that
// takes the place of the per-user one, or of the program folder in portable mode, for a class that
// keeps its records on a shared folder. A problem folder in the data folder's Images/ replaces the
// bundled folder of the same catalogue name.
#include <QString>
#include <QStringList>

namespace korven {

struct Locations {
    bool installed = false;
    QString programFolder;  // the program's own files: help manual, bundled Images/
    QString dataFolder;     // the writable folder: Result/ and the user's Images/

    QString bundledImagesFolder() const;
    QString userImagesFolder() const;
    QString resultFolder() const;
    // The folders problems are read from, the one that wins first; one entry when both coincide.
    QStringList imagesFolders() const;
    // The case folders' homes, as for Images/: the user's own Cases/ first, then the bundled.
    QString bundledCasesFolder() const;
    QString userCasesFolder() const;
    QStringList casesFolders() const;
};

// Resolves the locations from the executable's folder, the value of KORVEN_DATA (empty when
// unset) and the per-user data folder of an installed copy. Only looks at which folders exist.
Locations resolveLocations(const QString &executableFolder, const QString &dataVariable,
                           const QString &userDataFolder);

// The locations of this run (the executable's folder, the environment, the user's data folder).
Locations locations();

// Tests point the program at a folder of their own, which then stands for the executable's folder
// (portable when it holds Images/). An empty folder goes back to the real executable's folder.
void setProgramFolder(const QString &folder);

QString programFolder();     // locations().programFolder
QString imagesFolder();      // the writable Images/ (the only one in portable mode)
QString resultFolder();      // locations().resultFolder()
QStringList imagesFolders(); // locations().imagesFolders()
QStringList casesFolders();  // locations().casesFolders()

// The first of `folders` that holds `entry` as a folder (asFolder) or as a file, else the first.
QString firstFolderHolding(const QStringList &folders, const QString &entry, bool asFolder);

// The Images folder that holds problem `name` (a catalogue name): the first of imagesFolders()
// with a folder of that name, or the first of them when none has.
QString imagesFolderOf(const QString &name);
// A file directly inside an Images folder (the sample 1-1.bmp): the first one that exists, or its
// path in the first folder when none does.
QString imagesFile(const QString &fileName);

// The folder of the single-instance lock: the user's runtime folder, so that each desktop user
// runs one copy of their own.
QString instanceLockFolder();

} // namespace korven
