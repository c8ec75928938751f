#include "styles/ui/StyleEditTabsQ4Classic.h"

#include "styles/ui/RibbonStyleChartElementTabsQ4Classic.h"
#include "styles/ui/RibbonStyleChartTabsQ4Classic.h"
#include "styles/ui/RibbonStyleDetailsTabsQ4Classic.h"
#include "styles/ui/RibbonStyleEditTabs.h"
#include "styles/ui/RibbonStyleFormationTabs.h"
#include "styles/ui/RibbonStyleOffersTabsQ4Classic.h"
#include "styles/ui/StyleEditListTabFillers.h"

namespace
{
// The kinds whose tabs have creators of their own.
std::shared_ptr<RibbonTabsCreator> KindTabs(StyleType kind, RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    switch (kind)
    {
    case StyleTypes::Details:
        return std::make_shared<RibbonStyleDetailsTabsQ4Classic>(factory, ribbonBar);
    case StyleTypes::Offers:
        return std::make_shared<RibbonStyleOffersTabsQ4Classic>(factory, ribbonBar);
    case StyleTypes::ChartWindow:
        return std::make_shared<RibbonStyleChartTabsQ4Classic>(factory, ribbonBar);
    case StyleTypes::ChartElement:
        return std::make_shared<RibbonStyleChartElementTabsQ4Classic>(factory, ribbonBar);
    case StyleTypes::Formation:
        return std::make_shared<RibbonStyleFormationTabs>(factory, ribbonBar);
    default:
        return nullptr;
    }
}
}

void CreateStyleEditTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                  std::vector<std::shared_ptr<RibbonTabsCreator>>& creators)
{
    for (const StyleEditTabsLayout& layout : StyleEditTabLayouts::All())
    {
        std::shared_ptr<RibbonTabsCreator> creator = KindTabs(layout.kind, factory, ribbonBar);
        creators.push_back(creator ? creator
                                   : std::make_shared<RibbonStyleEditTabs>(factory, ribbonBar, layout,
                                                                           StyleEditListTabFillers(layout.kind)));
    }
}
