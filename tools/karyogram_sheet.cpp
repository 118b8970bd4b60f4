#include "tools/karyogram_sheet.h"

#include "exercise/catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace korven {

namespace {

constexpr int Border = 24;      // around the sheet
constexpr int PairGap = 30;     // between pairs
constexpr int RowGap = 18;
constexpr int TitleHeight = 36;

} // namespace

QImage drawKaryogram(const std::array<QImage, PieceCount> &pieces, bool female, const SheetLayout &layout)
{
    // Rows as ranges of pairs, 1-based.
    std::vector<std::pair<int, int>> rows;
    int next = 1;
    for (int count : layout.rowPairs) {
        const int last = std::min(23, next + count - 1);
        if (last >= next)
            rows.emplace_back(next, last);
        next = last + 1;
    }
    const int labelHeight = layout.labelPixels + 11;
    const int titleHeight = layout.title.isEmpty() ? 0 : TitleHeight;

    const auto pairWidth = [&](int pair) {
        return pieces[2 * (pair - 1)].width() + layout.homologueGap + pieces[2 * (pair - 1) + 1].width();
    };
    const auto rowWidth = [&](int first, int last) {
        int width = 0;
        for (int pair = first; pair <= last; ++pair)
            width += pairWidth(pair) + (pair > first ? PairGap : 0);
        return width;
    };
    std::vector<int> rowHeights;
    int sheetWidth = 0;
    for (const auto &[first, last] : rows) {
        int height = 0;
        for (int pair = first; pair <= last; ++pair)
            height = std::max({height, pieces[2 * (pair - 1)].height(), pieces[2 * (pair - 1) + 1].height()});
        sheetWidth = std::max(sheetWidth, rowWidth(first, last));
        rowHeights.push_back(height);
    }
    int sheetHeight = 2 * Border + titleHeight;
    for (int height : rowHeights)
        sheetHeight += height + labelHeight + RowGap;

    QImage sheet(sheetWidth + 2 * Border, sheetHeight, QImage::Format_RGB888);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(layout.labelPixels);
    font.setBold(layout.boldLabels);
    painter.setFont(font);
    painter.setPen(Qt::black);
    if (!layout.title.isEmpty())
        painter.drawText(QRect(Border, Border, sheetWidth, titleHeight), Qt::AlignLeft | Qt::AlignTop, layout.title);

    int y = Border + titleHeight;
    for (size_t row = 0; row < rows.size(); ++row) {
        const auto [first, last] = rows[row];
        int x = Border + (sheetWidth - rowWidth(first, last)) / 2;
        const int baseLine = y + rowHeights[row];
        for (int pair = first; pair <= last; ++pair) {
            const QImage &a = pieces[2 * (pair - 1)];
            const QImage &b = pieces[2 * (pair - 1) + 1];
            // Darken: where the bitmaps of a pair overlap, the white of one does not hide the other.
            painter.setCompositionMode(QPainter::CompositionMode_Darken);
            painter.drawImage(x, baseLine - a.height(), a);
            painter.drawImage(x + a.width() + layout.homologueGap, baseLine - b.height(), b);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            if (layout.underlines) {
                painter.setPen(QPen(QColor(120, 120, 120), layout.underlineWidth));
                painter.drawLine(x, baseLine + layout.underlineOffset, x + pairWidth(pair), baseLine + layout.underlineOffset);
            }
            painter.setPen(Qt::black);
            const QRect label(x, baseLine + 5, pairWidth(pair), labelHeight - 5);
            if (pair == 23) {
                painter.drawText(QRect(x, label.y(), a.width(), label.height()), Qt::AlignHCenter | Qt::AlignTop,
                                 QStringLiteral("X"));
                painter.drawText(QRect(x + a.width() + layout.homologueGap, label.y(), b.width(), label.height()),
                                 Qt::AlignHCenter | Qt::AlignTop, female ? QStringLiteral("X") : QStringLiteral("Y"));
            } else {
                painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(pair));
            }
            x += pairWidth(pair) + PairGap;
        }
        y = baseLine + labelHeight + RowGap;
    }
    painter.end();
    return sheet;
}

QImage drawKaryogramSheet(const QString &folder)
{
    std::array<QImage, PieceCount> pieces;
    for (int piece = 0; piece < PieceCount; ++piece)
        pieces[piece] = loadBitmap24(QDir(folder).filePath(pieceFileName(piece)));
    SheetLayout layout;
    layout.title = QFileInfo(QDir(folder).absolutePath()).fileName();
    return drawKaryogram(pieces, isFemaleProblem(layout.title), layout);
}

} // namespace korven
