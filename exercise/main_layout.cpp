#include "exercise/main_layout.h"

namespace korven {

WindowPlacement placeWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    WindowPlacement p;
    if (screenHeight < 1024) {
        p.maximised = true;
        return p;
    }
    p.top = screenHeight / 2 - windowHeight / 2;
    p.left = screenWidth / 2 - windowWidth / 2;
    return p;
}

int menuPanelWidth(int windowWidth, int inOutWidth)
{
    return windowWidth <= 1024 ? inOutWidth / 5 : 202;
}

int rowOfSlot(int slot)
{
    for (int r = 3; r >= 0; --r)
        if (slot >= RowFirstSlot[r])
            return r;
    return 0;
}

std::vector<QRect> slotRowRects(int rowWidth, int rowHeight, int count)
{
    std::vector<QRect> rects;
    if (count <= 0)
        return rects;
    const int u = rowWidth / count;
    for (int i = 0; i < count; ++i)
        rects.emplace_back(i * u, 0, u, rowHeight);
    if (count >= 2) {
        const QRect &before = rects[count - 2];
        rects[count - 1].setWidth(rowWidth - before.left() - before.width() - 2);
    }
    return rects;
}

std::array<QRect, 46> slotRects(int rowWidth, int rowHeight)
{
    std::array<QRect, 46> all;
    for (int r = 0; r < 4; ++r) {
        const auto row = slotRowRects(rowWidth, rowHeight, RowSlotCounts[r]);
        for (int i = 0; i < RowSlotCounts[r]; ++i)
            all[RowFirstSlot[r] + i] = row[i];
    }
    return all;
}

ColumnGeometry columnStep(int m, int inputPanelHeight, int outputTop, int outputHeight)
{
    ColumnGeometry c;
    c.listBoxHeight = inputPanelHeight;
    const int h = outputHeight / 6;
    c.panel5 = QRect(0, outputTop, m, h);
    c.button2 = QRect(0, outputTop + outputHeight / 6, m, h);
    c.button4 = QRect(0, outputTop + outputHeight * 2 / 6, m, h);
    c.button1 = QRect(0, outputTop + outputHeight * 3 / 6, m / 2, h);
    c.button5 = QRect(m / 2, outputTop + outputHeight * 3 / 6, m / 2, h);
    c.button6 = QRect(0, outputTop + outputHeight * 4 / 6, m, h);
    c.button3 = QRect(0, outputTop + outputHeight * 5 / 6, m, h);
    return c;
}

ClockLabels clockLabels(int w, int h, QSize l57, QSize l58, QSize l1)
{
    ClockLabels c;
    c.label57 = QPoint(w / 20, h / 2 - l57.height() / 2);
    c.label1 = QPoint(w * 19 / 20 - l1.width(), h / 2 - l1.height() / 2);
    c.label58 = QPoint(w / 20 + l57.width() + 10, h / 2 - l58.height() / 2);
    return c;
}

} // namespace korven
