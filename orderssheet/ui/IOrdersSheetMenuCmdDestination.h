#pragma once
// What the sheet's ribbon commands and context menu ask of an orders-sheet window's panes. A
// null argument toggles the current state. Main thread only.

class IOrdersSheetMenuCmdDestination
{
public:
    virtual ~IOrdersSheetMenuCmdDestination() = default;

    // 1 orders, 2 offer lines; null toggles (2 to 1, 1 to 2, anything else to 1).
    virtual void SetSheetMode(const int* mode) = 0;
    virtual void ShowChart(const bool* show) = 0;
    virtual void LockColumns(const bool* lock) = 0;
    virtual void ShowSummaryWnd(const bool* show) = 0;
    virtual void ShowRowCurrValue(const bool* show) = 0;
    virtual void ShowOrdersPane(const bool* show) = 0;
    virtual void ShowVScroll(const bool* show) = 0;
    virtual void ShowCursor(const bool* show) = 0;
    // value within 0..1 (inclusive); anything else raises InvalidArgException and keeps the border.
    virtual void SetRealBorder(int kind, double value) = 0;
    // Display positions of the current mode; nothing for a position outside them.
    virtual void MoveColumn(int from, int to) = 0;
    virtual void SetColumnVisible(int displayPos, const bool* visible) = 0;
};
