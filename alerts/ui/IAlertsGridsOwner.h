#pragma once
// What the grid handlers of the alerts window need of the window: the alert module behind the
// grids, the tab the user works in and the two fonts of the rows. The alerts window implements
// it; tests give a small stand-in. Main thread only.

#include <QFont>

class AlertModule;

class IAlertsGridsOwner
{
public:
    virtual ~IAlertsGridsOwner() = default;

    virtual AlertModule& GetAlertModule() const = 0;
    // 0 the defined alerts shown, 1 the generated ones, 2 neither yet.
    virtual int GetActiveTabNumber() const = 0;
    virtual const QFont& GetNormalFont() const = 0;
    // New history rows are drawn with it until their highlight is over.
    virtual const QFont& GetHighlightFont() const = 0;
};
