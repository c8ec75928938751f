#pragma once
// What a pane of an orders-sheet window knows of its window: the window itself (which the
// pane's clicks and drops reach), the window's settings (for the style and the number formats)
// and the price level its summary shows: kind 1 up to a fixed price, any other kind a band
// of the given fraction around the current value.

class OrdersSheetSettings;
class QWidget;

struct OrdersSheetPaneData
{
    static constexpr int kPriceLevelUpToLimit = 1;

    QWidget* owner = nullptr;
    const OrdersSheetSettings* settings = nullptr;
    double priceLevelFraction = 0.05;
    int priceLevelKind = 0;
};
