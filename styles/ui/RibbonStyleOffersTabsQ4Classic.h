#pragma once
// The offers window's style-editing tabs: "Ustawienia ogólne" (the price row's style, grid
// lines, colouring, changes) and "Parametry" (the odd and the even rows' styles). Main thread only.

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleOffersTabsQ4Classic : public RibbonStyleEditTabs
{
public:
    RibbonStyleOffersTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);
};
