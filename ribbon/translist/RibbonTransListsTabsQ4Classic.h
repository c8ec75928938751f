#pragma once
// The standard edition's tab of the transaction-list windows: "Transakcje" with the session
// date (a split button: the button sets today, its calendar a past session), the column lock,
// the tables to follow, the scroll bar and synchronisation, and the window's style.

#include "ribbon/details/RibbonWindowTabs.h"

class TransListCons;

class RibbonTransListsTabsQ4Classic : public RibbonWindowTabs
{
public:
    static constexpr std::uint32_t ID_TAB = 146;
    // The group that holds "Data sesji"; the command target finds its date picker there.
    static constexpr std::uint32_t ID_GROUP_CONTENT = 148;
    static constexpr std::uint32_t ID_GROUP_DISPLAY = 147;

    RibbonTransListsTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, TransListCons* transLists,
                                  TableConsumer* tables);

    bool CreateMainTabGroups(QuorvantaTab& tab) override;

protected:
    std::unique_ptr<QuorvantaTab> MakeTab() override;
};
