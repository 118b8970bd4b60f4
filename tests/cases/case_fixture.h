#pragma once
// Small hand-made case folders for the case window's tests, in the format the case maker writes.
#include "support/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <vector>

namespace korven::test {

struct FixturePiece {
    QString identity;
    int step = 0;
    QSize size = QSize(); // none: the exercise fixtures' size for its place in the cell
};
using FixtureCell = std::vector<FixturePiece>;

// Writes CASES/NAME/case.txt and one synthetic bitmap per piece; the pieces of each cell lie in a
// row across a 600 x 300 spread, far enough apart that none covers another.
inline void writeCase(const QString &casesFolder, const QString &name, const QString &karyotype,
                      const std::vector<FixtureCell> &cells, const QString &note = QStringLiteral("A hand-made case."))
{
    const QDir dir(QDir(casesFolder).filePath(name));
    QDir().mkpath(dir.path());
    QStringList lines{QStringLiteral("karyotype\t") + karyotype, QStringLiteral("level\t550"),
                      QStringLiteral("note\t") + note};
    for (int c = 0; c < int(cells.size()); ++c) {
        lines << QStringLiteral("spread\t%1\t600\t300").arg(c + 1);
        for (int i = 0; i < int(cells[c].size()); ++i) {
            const QString file = QStringLiteral("c%1-%2.bmp").arg(c + 1).arg(i + 1);
            const QSize size = cells[c][i].size.isValid() ? cells[c][i].size : defaultPieceSize(i);
            syntheticPiece(i, size).save(dir.filePath(file), "BMP");
            lines << QStringLiteral("piece\t%1\t%2\t%3\t%4\t%5\t%6")
                         .arg(c + 1).arg(file, cells[c][i].identity).arg(40 + i * 70).arg(100 + (i % 2) * 100)
                         .arg(cells[c][i].step);
        }
    }
    QFile f(dir.filePath(QStringLiteral("case.txt")));
    if (f.open(QIODevice::WriteOnly))
        f.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

} // namespace korven::test
