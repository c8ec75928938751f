#pragma once
// The edition's tab creators for tests: each window kind answers what the test set for it
// (nothing by default), and the calls are recorded in order.

#include "ribbon/IRibbonTabsCreatorsFactory.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class FakeRibbonTabsCreatorsFactory : public IRibbonTabsCreatorsFactory
{
public:
    using Make = std::function<Creator(RibbonsFactory&, QuorvantaRibbonBar&)>;

    // Kinds: "main", "charts", "tables", "alerts", "orders sheet", "files generator", "details",
    // "offers", "transaction lists", "transactions monitor", "session statistics",
    // "formations", "formula language".
    void Set(const std::string& kind, Make make) { m_makers[kind] = std::move(make); }
    void SetStyleEdit(std::function<void(std::vector<Creator>&)> fill) { m_styleEdit = std::move(fill); }

    Creator CreateMainTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateChartsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateAlertsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateOrdersSheetTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateFilesGeneratorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateDetailsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateOffersTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateTransListsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateTransactionsMonitorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateSessionStatisticsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateFormationsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    Creator CreateKFLTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    void CreateStyleEditTabs(QuorvantaRibbonBar& ribbonBar, RibbonsFactory& factory,
                             std::vector<Creator>& creators) override;

    std::vector<std::string> calls;

private:
    Creator MakeFor(const std::string& kind, RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);

    std::map<std::string, Make> m_makers;
    std::function<void(std::vector<Creator>&)> m_styleEdit;
};
