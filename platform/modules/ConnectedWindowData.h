#pragma once
// A module window that quote tables can be connected to: its window id and the window.

class QWidget;

struct ConnectedWindowData
{
    int windowId = 0;
    QWidget* window = nullptr;

    friend bool operator==(const ConnectedWindowData& a, const ConnectedWindowData& b) = default;
};
