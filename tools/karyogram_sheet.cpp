#include "tools/karyogram_sheet.h"

#include "exercise/catalogue.h"
#include "exercise/problem_loader.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <array>
#include <vector>

namespace korven {

namespace {

constexpr int Border = 24;      // around the sheet
constexpr int PairGap = 30;     // between pairs
constexpr int HomologueGap = 6; // between the two chromosomes of a pair
constexpr int LabelHeight = 26; // below the base line
constexpr int RowGap = 18;
constexpr int TitleHeight = 36;

const std::array<std::pair<int, int>, 4> Rows = {{{1, 5}, {6, 12}, {13, 18}, {19, 23}}};

} // namespace

QImage drawKaryogramSheet(const QString &folder)
{
    std::array<QImage, PieceCount> pieces;
    for (int piece = 0; piece < PieceCount; ++piece)
        pieces[piece] = loadBitmap24(QDir(folder).filePath(pieceFileName(piece)));
    const QString name = QFileInfo(QDir(folder).absolutePath()).fileName();
    const bool female = isFemaleProblem(name);

    const auto pairWidth = [&](int pair) {
        return pieces[2 * (pair - 1)].width() + HomologueGap + pieces[2 * (pair - 1) + 1].width();
    };
    std::vector<int> rowHeights;
    int sheetWidth = 0;
    for (const auto &[first, last] : Rows) {
        int width = 0, height = 0;
        for (int pair = first; pair <= last; ++pair) {
            width += pairWidth(pair) + (pair > first ? PairGap : 0);
            height = std::max({height, pieces[2 * (pair - 1)].height(), pieces[2 * (pair - 1) + 1].height()});
        }
        sheetWidth = std::max(sheetWidth, width);
        rowHeights.push_back(height);
    }
    int sheetHeight = 2 * Border + TitleHeight;
    for (int height : rowHeights)
        sheetHeight += height + LabelHeight + RowGap;

    QImage sheet(sheetWidth + 2 * Border, sheetHeight, QImage::Format_RGB888);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(Border, Border, sheetWidth, TitleHeight), Qt::AlignLeft | Qt::AlignTop, name);

    int y = Border + TitleHeight;
    for (size_t row = 0; row < Rows.size(); ++row) {
        const auto [first, last] = Rows[row];
        int width = 0;
        for (int pair = first; pair <= last; ++pair)
            width += pairWidth(pair) + (pair > first ? PairGap : 0);
        int x = Border + (sheetWidth - width) / 2;
        const int baseLine = y + rowHeights[row];
        for (int pair = first; pair <= last; ++pair) {
            const QImage &a = pieces[2 * (pair - 1)];
            const QImage &b = pieces[2 * (pair - 1) + 1];
            painter.drawImage(x, baseLine - a.height(), a);
            painter.drawImage(x + a.width() + HomologueGap, baseLine - b.height(), b);
            painter.setPen(QPen(QColor(120, 120, 120), 1));
            painter.drawLine(x, baseLine + 3, x + pairWidth(pair), baseLine + 3);
            painter.setPen(Qt::black);
            const QRect label(x, baseLine + 5, pairWidth(pair), LabelHeight - 5);
            if (pair == 23) {
                painter.drawText(QRect(x, label.y(), a.width(), label.height()), Qt::AlignHCenter | Qt::AlignTop,
                                 QStringLiteral("X"));
                painter.drawText(QRect(x + a.width() + HomologueGap, label.y(), b.width(), label.height()),
                                 Qt::AlignHCenter | Qt::AlignTop, female ? QStringLiteral("X") : QStringLiteral("Y"));
            } else {
                painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(pair));
            }
            x += pairWidth(pair) + PairGap;
        }
        y = baseLine + LabelHeight + RowGap;
    }
    painter.end();
    return sheet;
}

} // namespace korven
