#pragma once
// The details window's style-editing tabs: "Ustawienia ogólne" (grid lines, colouring, changes)
// and "Parametry" (the odd and the even rows' styles). Main thread only.

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleDetailsTabsQ4Classic : public RibbonStyleEditTabs
{
public:
    RibbonStyleDetailsTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);
};
