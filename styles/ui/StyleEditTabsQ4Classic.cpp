#include "styles/ui/StyleEditTabsQ4Classic.h"

#include "styles/ui/RibbonStyleEditTabs.h"
#include "styles/ui/StyleEditListTabFillers.h"

void CreateStyleEditTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                  std::vector<std::shared_ptr<RibbonTabsCreator>>& creators)
{
    for (const StyleEditTabsLayout& layout : StyleEditTabLayouts::All())
        creators.push_back(
            std::make_shared<RibbonStyleEditTabs>(factory, ribbonBar, layout, StyleEditListTabFillers(layout.kind)));
}
