#pragma once
// The four chart-type buttons of the new-chart dialogs: "Liniowy", "Kolumnowy", "Słupkowy" and
// "Świecowy", each a checkable image with its text below.

class QToolButton;
class QWidget;

class ChartTypeButtons
{
public:
    // Fills buttons[0..3] for chart types 0 line, 1 column, 2 bar, 3 candle.
    static void Create(QWidget* parent, QToolButton* (&buttons)[4]);
};
