#pragma once
// korven-class's command line:
//   korven-class [RESULT_DIR]                    the window
//   korven-class --csv OUT.csv [RESULT_DIR]      the overview table as CSV, no window
//   korven-class --trials-csv OUT.csv [RESULT_DIR]  every trial as CSV, no window
//   korven-class --cases-csv OUT.csv [RESULT_DIR]   every case evaluation as CSV, no window
//   korven-class --help | --version
#include <QString>
#include <QStringList>

namespace korven {

struct ClassArguments {
    enum class Mode { Window, TableCsv, TrialsCsv, CasesCsv, Help, Version };
    Mode mode = Mode::Window;
    QString output;       // the CSV file
    QString resultFolder; // empty: the Result folder the trainer uses
    QString error;        // what is wrong with the arguments; empty when they are right
};

// Reads the arguments after the program's name.
ClassArguments parseClassArguments(const QStringList &arguments);

// The usage text.
QString classUsage();

// True when `path` lies inside `folder` (or is it), following symbolic links where they exist.
bool isInsideFolder(const QString &path, const QString &folder);

} // namespace korven
