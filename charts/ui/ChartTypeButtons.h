#pragma once
// The icon buttons of the new-chart dialogs: the four chart types "Liniowy", "Kolumnowy",
// "Słupkowy" and "Świecowy", and the four scales "Transakcyjna", "Liniowa", "Liniowa stała" and
// "Wolumenowa", each a checkable image with its text below.

class QToolButton;
class QWidget;

class ChartTypeButtons
{
public:
    // Fills buttons[0..3] for chart types 0 line, 1 column, 2 bar, 3 candle.
    static void Create(QWidget* parent, QToolButton* (&buttons)[4]);
    // Fills buttons[0..3] for time-axis types 0 transaction, 1 linear, 2 fixed linear, 3 volume.
    static void CreateScales(QWidget* parent, QToolButton* (&buttons)[4]);
};
