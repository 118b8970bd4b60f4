#pragma once
// Layout arithmetic of the exercise window: placement, panel sizes, slot rows, button column.
// All divisions are integer divisions truncating toward zero.
#include <QRect>
#include <array>
#include <vector>

namespace korven {

// Design size of the exercise window.
constexpr int DesignWidth = 990;
constexpr int DesignHeight = 780;
constexpr int DesignMenuPanelWidth = 168;

struct WindowPlacement {
    bool maximised = false;
    int left = 0;
    int top = 0;
};
// Maximised on a screen less than 1024 pixels high, else centred.
WindowPlacement placeWindow(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

// MenuPanel width: a fifth of the work area when the window is at most 1024 wide, else 202.
int menuPanelWidth(int windowWidth, int inOutWidth);

// The four slot rows: 10, 14, 12 and 10 slots; first slot index of each row.
constexpr std::array<int, 4> RowSlotCounts{10, 14, 12, 10};
constexpr std::array<int, 4> RowFirstSlot{0, 10, 24, 36};
int rowOfSlot(int slot);

// Slot rectangles of one row, inside the row panel: u = R/n, slot i at i*u, the last slot taking
// the remainder less 2 pixels.
std::vector<QRect> slotRowRects(int rowWidth, int rowHeight, int count);

// All 46 slot rectangles for row panels of the given width and height.
std::array<QRect, 46> slotRects(int rowWidth, int rowHeight);

struct ColumnGeometry {
    int listBoxHeight = 0;
    QRect panel5, button2, button4, button1, button5, button6, button3;
};
// The column of controls beside the work area.
ColumnGeometry columnStep(int menuPanelWidth, int inputPanelHeight, int outputTop, int outputHeight);

// Clock labels inside Panel5 (returns lefts and tops of Label57, Label58, Label1).
struct ClockLabels {
    QPoint label57, label58, label1;
};
ClockLabels clockLabels(int panel5Width, int panel5Height, QSize label57, QSize label58, QSize label1);

} // namespace korven
