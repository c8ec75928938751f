#pragma once
// The edition's tab creators, one operation per window kind in the order the ribbon shows
// their tabs, and the style-editing creators. An operation may answer null when the edition
// has no tabs of that kind; the ribbons factory then goes on without them.

#include <memory>
#include <vector>

class QuorvantaRibbonBar;
class RibbonsFactory;
class RibbonTabsCreator;

class IRibbonTabsCreatorsFactory
{
public:
    using Creator = std::shared_ptr<RibbonTabsCreator>;

    virtual ~IRibbonTabsCreatorsFactory() = default;

    virtual Creator CreateMainTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateChartsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateAlertsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateOrdersSheetTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateFilesGeneratorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateDetailsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateOffersTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateTransListsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateTransactionsMonitorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateSessionStatisticsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateFormationsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual Creator CreateKFLTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    // Appends the style-editing creators to the list.
    virtual void CreateStyleEditTabs(QuorvantaRibbonBar& ribbonBar, RibbonsFactory& factory,
                                     std::vector<Creator>& creators) = 0;
};
