#pragma once
// The standard edition's tab of the session-statistics window: "Statystyka sesji" under the
// green header, with the two pane switches, the font steps and the window's style commands.
// The module is asked for when the tabs are made, since the application makes it after the
// edition's factory.

#include "ribbon/RibbonTabsCreator.h"

#include <cstdint>
#include <functional>

class IGenericModule;
class QuorvantaTab;

class RibbonSessionStatisticsQ4Classic : public RibbonTabsCreator
{
public:
    static constexpr std::uint32_t ID_TAB_SESSION_STATISTICS = 33066;

    using ModuleAccessor = std::function<IGenericModule*()>;

    RibbonSessionStatisticsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, ModuleAccessor module);

    // False without the module, or when the tab cannot be added.
    bool CreateTabs() override;
    bool CreateMainTabGroups(QuorvantaTab& tab);

private:
    ModuleAccessor m_module;
};
