#pragma once
// The standard edition's style-editing tab creators, one per style kind in the ribbon's order
// (table, orders sheet, details, offers, transaction list, transactions monitor, chart window,
// chart element, session statistics), then those of the text field and the formation. Each
// kind's group fillers are given here.

#include <memory>
#include <vector>

class QuorvantaRibbonBar;
class RibbonsFactory;
class RibbonTabsCreator;

void CreateStyleEditTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                  std::vector<std::shared_ptr<RibbonTabsCreator>>& creators);
