#pragma once
// What the container of a chart's active objects asks of the window that shows the chart:
// repainting, fetching its data again, the value range it shows, its number of bars, and a
// number from the user. Main thread only.

#include <QString>

class IChartHost
{
public:
    virtual ~IChartHost() = default;

    virtual void Redraw() = 0;
    // The data request changed: history again from the provider, then live ticks.
    virtual void ReloadData() = 0;
    // The value range the view shows now; false for an unknown view or one with nothing drawn.
    virtual bool CurrentScale(int viewId, double& minimum, double& maximum) const = 0;
    virtual int BarCount() const = 0;
    // False when the user declined.
    virtual bool AskNumber(const QString& title, const QString& label, int value, int minimum, int maximum,
                           int& result) = 0;
};
