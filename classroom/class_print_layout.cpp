#include "classroom/class_print_layout.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace korven {

namespace {

bool isCjk(QChar c) { return c.unicode() >= 0x2E80; }

// Whole device pixels, rounded up, so that the text is never cut for a fraction.
int advance(const QFontMetricsF &metrics, const QString &text)
{
    return int(std::ceil(metrics.horizontalAdvance(text)));
}

int widthOf(const QFontMetricsF &metrics, const QStringList &lines)
{
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, advance(metrics, line));
    return width;
}

} // namespace

QStringList headingLines(const QFontMetricsF &metrics, const QString &heading)
{
    QStringList best{heading};
    int bestWidth = advance(metrics, heading);
    for (qsizetype at = 1; at < heading.size(); ++at) {
        const QChar before = heading.at(at - 1);
        const QChar after = heading.at(at);
        if (!(after == u' ' || (isCjk(before) && isCjk(after)) || (isCjk(before) && after == u'(')))
            continue;
        const QStringList lines{heading.left(at).trimmed(), heading.mid(at).trimmed()};
        if (lines.first().isEmpty() || lines.last().isEmpty())
            continue;
        const int width = widthOf(metrics, lines);
        if (width < bestWidth) {
            best = lines;
            bestWidth = width;
        }
    }
    return best;
}

PrintColumns fitTableColumns(const QFontMetricsF &metrics, const QStringList &headings,
                             const std::vector<QStringList> &rows, int stretch, int stretchMinimum,
                             int left, int width)
{
    PrintColumns columns;
    columns.gap = int(std::ceil(metrics.averageCharWidth() * 1.5));
    const int count = int(headings.size());
    // Each column's need with its heading in one line, and with the heading broken.
    std::vector<int> widths(size_t(count), 0);
    std::vector<int> broken(size_t(count), 0);
    std::vector<QStringList> brokenLines(static_cast<size_t>(count));
    for (int c = 0; c < count; ++c) {
        int cells = c == stretch ? stretchMinimum : 0;
        for (const QStringList &row : rows)
            cells = std::max(cells, advance(metrics, row.value(c)));
        columns.headings.push_back({headings.at(c)});
        brokenLines[size_t(c)] = headingLines(metrics, headings.at(c));
        widths[size_t(c)] = std::max(cells, advance(metrics, headings.at(c))) + columns.gap;
        broken[size_t(c)] = std::max(cells, widthOf(metrics, brokenLines[size_t(c)])) + columns.gap;
    }
    auto needed = [&] {
        int sum = 0;
        for (int w : widths)
            sum += w;
        return sum;
    };
    // Headings are broken only while the columns are too wide, the one that gains most first.
    while (needed() > width) {
        int best = -1;
        for (int c = 0; c < count; ++c) {
            const int gain = widths[size_t(c)] - broken[size_t(c)];
            if (gain > 0 && (best < 0 || gain > widths[size_t(best)] - broken[size_t(best)]))
                best = c;
        }
        if (best < 0)
            break;
        widths[size_t(best)] = broken[size_t(best)];
        columns.headings[size_t(best)] = brokenLines[size_t(best)];
    }
    const int sum = needed();
    if (sum <= width) {
        if (stretch >= 0 && stretch < count)
            widths[size_t(stretch)] += width - sum;
    } else {
        columns.fits = false;
        for (int &w : widths)
            w = int(qint64(w) * width / sum);
    }
    columns.lefts << left;
    for (int w : widths)
        columns.lefts << columns.lefts.last() + w;
    return columns;
}

int headingLineCount(const PrintColumns &columns)
{
    int lines = 1;
    for (const QStringList &heading : columns.headings)
        lines = std::max(lines, int(heading.size()));
    return lines;
}

int rowsPerPage(int pageHeight, int lineHeight, int headingLines)
{
    if (lineHeight <= 0)
        return 1;
    // The title and the blank line under it, the heading, and a line kept free at the foot.
    return std::max(1, pageHeight / lineHeight - 3 - headingLines);
}

int pageCount(int rows, int perPage)
{
    return std::max(1, (rows + perPage - 1) / perPage);
}

} // namespace korven
