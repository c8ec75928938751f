#pragma once
// The group fillers of the list windows' style kinds (quote table, transaction list,
// transactions monitor), of the session statistics and of a text field edited by itself; none
// for any other kind.

#include "platform/modules/StyleType.h"
#include "styles/ui/RibbonStyleEditTabs.h"

std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> StyleEditListTabFillers(StyleType kind);
