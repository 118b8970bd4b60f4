#pragma once
// korven-class without a window: writes the table or all trials as CSV and reports on stderr.
#include "classroom/class_arguments.h"

#include <QStringList>

#include <cstdio>

namespace korven {

// Runs a CSV export of `resultFolder` as the arguments ask. Damaged or unreadable record files
// are named on `err`, and progress too when the folder holds many trainees. Returns the exit
// code: 0 when the file was written, 1 (after a one-line error) when the folder cannot be read
// or the file not written. `casesFolders` give the truth of case records written before it was
// kept.
int runClassExport(const ClassArguments &arguments, const QString &resultFolder, const QStringList &casesFolders,
                   std::FILE *err);

} // namespace korven
