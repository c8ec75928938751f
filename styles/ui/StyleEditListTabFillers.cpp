#include "styles/ui/StyleEditListTabFillers.h"

#include "styles/ui/RibbonStyleOrdersSheetQ4Classic.h"
#include "styles/ui/RibbonStyleSessionStatisticsTabsQ4Classic.h"
#include "styles/ui/RibbonStyleTableTabsQ4Classic.h"
#include "styles/ui/RibbonStyleTextFieldTabsQ4Classic.h"
#include "styles/ui/RibbonStyleTransactionsMonitorTabsQ4Classic.h"
#include "styles/ui/RibbonStyleTransactionsTabsQ4Classic.h"

std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller> StyleEditListTabFillers(StyleType kind)
{
    switch (kind)
    {
    case StyleTypes::Table:
        return RibbonStyleTableTabsQ4Classic::Fillers();
    case StyleTypes::TransactionList:
        return RibbonStyleTransactionsTabsQ4Classic::Fillers();
    case StyleTypes::TransactionsMonitor:
        return RibbonStyleTransactionsMonitorTabsQ4Classic::Fillers();
    case StyleTypes::SessionStatistics:
        return RibbonStyleSessionStatisticsTabsQ4Classic::Fillers();
    case StyleTypes::OrdersSheet:
        return RibbonStyleOrdersSheetQ4Classic::Fillers();
    case StyleTypes::TextField:
        return RibbonStyleTextFieldTabsQ4Classic::Fillers();
    default:
        return {};
    }
}
