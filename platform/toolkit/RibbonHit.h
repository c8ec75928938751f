#pragma once
// What the ribbon's view found under a point: the caption hit code and, where there is one,
// the tab, the context header (by its first tab), the control and the gallery item.

#include "platform/toolkit/RibbonDefs.h"

class RibbonControl;
class RibbonTabBase;

struct RibbonHit
{
    int code = RibbonHitNowhere;
    RibbonTabBase* tab = nullptr;
    RibbonTabBase* headerFirstTab = nullptr;
    RibbonControl* control = nullptr;
    // On the arrow part of a split button.
    bool onPopupArrow = false;
    // The item of a gallery shown in a group; -1 when none.
    int galleryItem = -1;
};
