#include "classroom/class_print_layout.h"

#include <algorithm>

namespace korven {

QList<int> tableColumnLefts(int left, int width)
{
    // ID, trials, today, last, mean, best, time, date, weakest, trend; cases, karyotypes, counts.
    static const int weights[] = {18, 7, 7, 8, 8, 7, 8, 12, 7, 18, 7, 7, 7};
    int total = 0;
    for (int w : weights)
        total += w;
    QList<int> lefts{left};
    int sum = 0;
    for (int w : weights) {
        sum += w;
        lefts << left + int(qint64(width) * sum / total);
    }
    return lefts;
}

int rowsPerPage(int pageHeight, int lineHeight)
{
    if (lineHeight <= 0)
        return 1;
    return std::max(1, pageHeight / lineHeight - 4);
}

int pageCount(int rows, int perPage)
{
    return std::max(1, (rows + perPage - 1) / perPage);
}

} // namespace korven
