#pragma once
// The fixed catalogue of 48 problem names, filtered against the folders present.
#include <QString>
#include <QStringList>
#include <array>

namespace korven {

inline const QString FemaleStem = QStringLiteral("正常女性染色体核型no");
inline const QString MaleStem = QStringLiteral("正常男性染色体核型no");

// The 48 names in catalogue order.
const QStringList &catalogueNames();

// The catalogue names that exist as folders in imagesFolder, in catalogue order.
QStringList availableProblems(const QString &imagesFolder);
// The same over several Images folders: a name counts once, wherever its folder lies.
QStringList availableProblems(const QStringList &imagesFolders);

// "001", "002", ... for n entries.
QStringList problemNumbers(int n);

// A problem is female when its name contains "女".
bool isFemaleProblem(const QString &name);

// ProblemOrder: 500 entries, -1 then identity for the first n.
std::array<int, 500> identityProblemOrder(int n);

} // namespace korven
