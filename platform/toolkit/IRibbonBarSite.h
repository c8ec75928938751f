#pragma once
// What the ribbon model asks of the view that shows it: what lies under a point, where a
// control is on the screen, and the popups, which only a view can show.

#include "platform/toolkit/RibbonHit.h"

#include <QPoint>
#include <QRect>

class RibbonControl;

class IRibbonBarSite
{
public:
    virtual ~IRibbonBarSite() = default;

    virtual RibbonHit HitTest(const QPoint& point) const = 0;
    virtual QPoint MapToGlobal(const QPoint& point) const = 0;
    // Empty when the control is not shown.
    virtual QRect ScreenRect(const RibbonControl& control) const = 0;
    // Shows the control's popup and runs what the user chose in it.
    virtual void TrackPopup(RibbonControl& control) = 0;
    virtual void ClosePopups() = 0;
};
