#pragma once
// Where the printed class table goes on a page, in the printer's device pixels.
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class QFontMetricsF;

namespace korven {

// The printed table's columns: the left edge of each and the right edge last, each heading in one
// or two lines, and the room kept free at a column's right.
struct PrintColumns {
    QList<int> lefts;
    std::vector<QStringList> headings;
    int gap = 0;
    bool fits = true; // false when the columns were squeezed below their texts to fit the width
};

// A heading in one line, or in two where that makes it narrower: broken at a blank, or between
// CJK characters, where the wider line is narrowest.
QStringList headingLines(const QFontMetricsF &metrics, const QString &heading);

// Columns across `width` from `left` for text measured by `metrics`: each as wide as its widest
// cell and its heading, rounded up, and a gap; the column `stretch` (cells without text) takes
// what is left, at least `stretchMinimum`. While they are too wide, headings are broken in two
// lines (see headingLines), the one that gains most first. When they still do not fit, every
// column is narrowed in proportion and `fits` is false.
PrintColumns fitTableColumns(const QFontMetricsF &metrics, const QStringList &headings,
                             const std::vector<QStringList> &rows, int stretch, int stretchMinimum,
                             int left, int width);

// The lines of the heading row: the most lines of any heading.
int headingLineCount(const PrintColumns &columns);

// The trainee rows a page takes under its title (two lines) and the heading's lines; at least one.
int rowsPerPage(int pageHeight, int lineHeight, int headingLines);

// Pages for `rows` rows; one page even for none, so the header is printed.
int pageCount(int rows, int perPage);

} // namespace korven
