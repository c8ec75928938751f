#pragma once
// The tab creator of the alerts window: the contextual tab "Alerty" under a red header, shown
// while the alerts window is active with its defined alerts. Its groups: the operations on
// alerts ("Operacje"), the selected alert's name and notification channels ("Parametry", where
// the commands find the name edit and the cloud-only channels), and its run flags.

#include "ribbon/RibbonTabsCreator.h"

#include <cstdint>

class IGenericModule;
class QuorvantaTab;

class RibbonAlertsTabs : public RibbonTabsCreator
{
public:
    static constexpr std::uint32_t ID_TAB_ALERTS = 265;
    static constexpr std::uint32_t ID_GROUP_OPERATIONS = 107;
    static constexpr std::uint32_t ID_GROUP_PARAMETERS = 104;
    static constexpr std::uint32_t ID_GROUP_FLAGS = 105;

    // module: the alert module, which the tab belongs to.
    RibbonAlertsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, IGenericModule* module);

    // False without the alert module, or when the tab cannot be added.
    bool CreateTabs() override;
    // 1 when the last group was made, else 0.
    int CreateAlertGeneralGroups(QuorvantaTab& tab);

private:
    IGenericModule* m_module;
};
