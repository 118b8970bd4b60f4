#pragma once
// How a case is known in the list and the records: by its folder. A bundled folder "case-14" is
// "Case 14" whatever else is added; any other folder (a teacher's "carrier-14-21") is listed under
// its own name after the numbered ones.
#include <QString>

namespace korven {

// The number of a folder named "case-N" (N from 1, leading zeros allowed); 0 for any other name.
int caseNumber(const QString &folderName);

// The name the list shows: "Case 14" for "case-14", else the folder's name.
QString caseTitle(const QString &folderName);

// The list's order: numbered cases by number, then the others by name.
bool caseListedBefore(const QString &a, const QString &b);

} // namespace korven
