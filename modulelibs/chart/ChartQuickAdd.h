#pragma once
// Typing a letter or digit on a chart window opens the quick-add instrument popup at the mouse
// cursor; the instrument chosen there becomes the one the chart shows.

class ChartWindow;
class QKeyEvent;

class ChartQuickAdd
{
public:
    // True when the key opened the popup.
    static bool OpenOnTyping(ChartWindow& chart, const QKeyEvent& event);
};
