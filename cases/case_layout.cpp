#include "cases/case_layout.h"

#include "cases/case_grading.h"

#include <algorithm>

namespace korven {

KaryogramRows fitKaryogramRows(int room, const std::vector<RowPieces> &rows, int tallestHeight)
{
    const int n = int(rows.size());
    KaryogramRows out;
    out.heights.assign(n, MinPieceRoom);
    out.scales.assign(n, 1.0f);
    if (n == 0)
        return out;
    room = std::max(room, n * MinPieceRoom);
    const float equal = float(room) / float(n);
    const float base = tallestHeight > 0 ? std::min(equal / float(tallestHeight), MaxPieceEnlargement) : 1.0f;

    // The height of row r when its shortest chromosome is to stand m pixels tall (never below its
    // equal-rows height, never enlarging past the limit).
    auto heightFor = [&](int r, float m) -> float {
        const RowPieces &p = rows[r];
        if (p.tallest <= 0)
            return float(MinPieceRoom);
        const float least = std::max(base * float(p.tallest), float(MinPieceRoom));
        const float wanted = m * float(p.tallest) / float(std::max(p.shortest, 1));
        return std::clamp(wanted, least, std::max(least, MaxPieceEnlargement * float(p.tallest)));
    };
    // The row of the case's tallest chromosome keeps it the tallest drawn: it grows with the
    // others, so no chromosome is drawn taller than chromosome 1.
    int top = 0;
    for (int r = 0; r < n; ++r)
        if (rows[r].tallest > rows[top].tallest)
            top = r;
    auto heightsFor = [&](float m) {
        std::vector<float> h(n);
        for (int r = 0; r < n; ++r)
            h[r] = heightFor(r, m);
        for (int r = 0; r < n; ++r)
            h[top] = std::max(h[top], h[r]);
        return h;
    };
    auto total = [&](float m) {
        float sum = 0.0f;
        for (float h : heightsFor(m))
            sum += h;
        return sum;
    };
    // No higher than the worst-off row can follow (past the shortest chromosome its enlargement limit
    // holds back, growing the other rows would only blow up chromosomes already large enough), nor
    // past ReadableHeight: the rows keep their proportions as far as the room lets them.
    float high = std::min(float(room), float(ReadableHeight));
    for (const RowPieces &p : rows)
        if (p.tallest > 0)
            high = std::min(high, std::max(MaxPieceEnlargement * float(p.shortest), base * float(p.shortest)));
    float low = 0.0f;
    for (int i = 0; i < 40; ++i) {
        const float mid = (low + high) / 2.0f;
        (total(mid) <= float(room) ? low : high) = mid;
    }
    const std::vector<float> h = heightsFor(low);
    float used = 0.0f;
    for (float rowHeight : h)
        used += rowHeight;
    // What is left (rows held back by the enlargement limit) is shared equally, as room to drop.
    const float spare = std::max(0.0f, float(room) - used) / float(n);
    for (int r = 0; r < n; ++r) {
        out.heights[r] = int(h[r] + spare);
        out.scales[r] = rows[r].tallest > 0 ? std::min(h[r] / float(rows[r].tallest), MaxPieceEnlargement) : base;
    }
    return out;
}

QRect chromosomeBox(const QImage &bitmap, int background)
{
    const QImage gray = bitmap.convertToFormat(QImage::Format_Grayscale8);
    int top = -1, bottom = -1, left = gray.width(), right = -1;
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *row = gray.constScanLine(y);
        for (int x = 0; x < gray.width(); ++x) {
            if (row[x] < background) {
                top = top < 0 ? y : top;
                bottom = y;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return top < 0 ? bitmap.rect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

int scaleRowOf(int group)
{
    const std::vector<std::vector<int>> layout = karyogramRows();
    const int of = group == GroupX ? 5 : group; // chromosome 6 begins group C
    for (size_t r = 0; r < layout.size(); ++r)
        if (std::find(layout[r].begin(), layout[r].end(), of) != layout[r].end())
            return int(r);
    return -1;
}

std::vector<RowPieces> rowPiecesOf(const std::vector<QString> &identities, const std::vector<int> &heights,
                                   const std::vector<int> &chromosomeHeights)
{
    const std::vector<std::vector<int>> layout = karyogramRows();
    std::vector<RowPieces> rows(layout.size());
    for (size_t i = 0; i < identities.size() && i < heights.size() && i < chromosomeHeights.size(); ++i) {
        const std::vector<int> home = homeGroups(identities[i]);
        if (home.empty() || heights[i] <= 0)
            continue;
        const int r = scaleRowOf(home.front());
        if (r < 0)
            continue;
        RowPieces &row = rows[r];
        row.tallest = std::max(row.tallest, heights[i]);
        const int own = std::clamp(chromosomeHeights[i], 1, heights[i]);
        row.shortest = row.shortest > 0 ? std::min(row.shortest, own) : own;
    }
    return rows;
}

QSize openingSize(QSize usual, QSize available)
{
    return usual.boundedTo(available - QSize(32, 32));
}

} // namespace korven
