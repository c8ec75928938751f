#pragma once
// What a notify pane of the status bar shows of its source (a data provider's connection, as
// the main frame defines it): a state of 0, 1 or 2, drawn as one of three images, and a tooltip.

#include <QString>

class INotifySource
{
public:
    virtual ~INotifySource() = default;

    // 0, 1 or 2; the pane draws no image for any other value.
    virtual int GetNotifyState() const = 0;
    // Empty for no tooltip.
    virtual QString GetNotifyTooltip() const = 0;
};
