#pragma once
// The menu tables of the main frame and its screens: the main menu (its "&File" popup is the
// ribbon's system menu), the system menu of the style edit mode, the open-window popup and the
// screen tab menu.

#include "platform/ui/MenuItem.h"

namespace WorkspaceMenus
{
// Menu 147: one popup "&File".
MenuTable MainMenu();
// Menu 838: one popup with "O programie...", "Pomoc" and "Zamknij".
MenuTable StyleEditMenu();
// Menu 276: one popup with the kinds of window files.
MenuTable OpenWindowMenu();
// Menu 887: "TopBottom" (up and down moves) for tabs at the left or right, then "LeftRight".
MenuTable TabMenu();
}
