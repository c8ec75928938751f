#pragma once
// The menu tables the ribbon bar builds its popups from.

#include "platform/ui/MenuItem.h"

namespace RibbonMenus
{
// Menu 151: one popup "Style" with the colour themes of the two looks.
MenuTable StyleMenu();
}
