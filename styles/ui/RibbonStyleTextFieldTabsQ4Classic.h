#pragma once
// The controls of the tab "Styl pola" of a text-field style edited by itself: font, size, the
// six colours, copy-from and the style's name, before the "Zmiany" group.

#include "styles/ui/RibbonStyleEditTabs.h"

class RibbonStyleTextFieldTabsQ4Classic
{
public:
    static std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> Fillers();
};
