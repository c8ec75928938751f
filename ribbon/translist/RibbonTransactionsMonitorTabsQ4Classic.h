#pragma once
// The standard edition's tab of the transactions-monitor window: "Monitor" with the column
// lock, the scroll bar and the choice of instruments, and the fonts and restore of its style.

#include "ribbon/details/RibbonWindowTabs.h"

class TransactionsMonitorConsumer;

class RibbonTransactionsMonitorTabsQ4Classic : public RibbonWindowTabs
{
public:
    static constexpr std::uint32_t ID_TAB = 151;
    static constexpr std::uint32_t ID_GROUP_CONTENT = 153;
    static constexpr std::uint32_t ID_GROUP_DISPLAY = 158;

    RibbonTransactionsMonitorTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                           TransactionsMonitorConsumer* monitor);

    bool CreateMainTabGroups(QuorvantaTab& tab) override;

protected:
    std::unique_ptr<QuorvantaTab> MakeTab() override;
};
