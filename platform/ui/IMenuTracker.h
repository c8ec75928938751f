#pragma once
// Shows a popup menu modally and answers the chosen action; tests install a fake (DialogServices).

#include <QAction>
#include <QMenu>
#include <QPoint>

class IMenuTracker
{
public:
    virtual ~IMenuTracker() = default;
    // The triggered action, null when the menu closed without a choice.
    virtual QAction* Exec(QMenu& menu, const QPoint& screenPos) = 0;
};
