#include "tests/support/ribbon/TestTabsCreator.h"

#include "platform/toolkit/RibbonCreateControlRequest.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "tests/support/ribbon/TestRibbonTab.h"

TestTabsCreator::TestTabsCreator(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, Kind kind,
                                 IGenericModule* module, std::vector<TabLayout> tabs)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_kind(kind)
    , m_module(module)
    , m_layouts(std::move(tabs))
{
}

bool TestTabsCreator::CreateTabs()
{
    ++runs;
    if (onCreateTabs)
        onCreateTabs();
    if (!succeeds)
        return false;
    for (const TabLayout& layout : m_layouts)
    {
        auto* tab = static_cast<TestRibbonTab*>(
            GetRibbonBar().AddTab(layout.stringId, std::make_unique<TestRibbonTab>(layout.level, this)));
        tab->available = layout.available;
        tabs.push_back(tab);
        if (m_kind == Kind::Main)
            GetRibbonsFactory().AddMainTab(layout.stringId, tab);
        else if (m_kind == Kind::Module)
            GetRibbonsFactory().AddModuleTab(layout.stringId, m_module, tab);
        else
            GetRibbonsFactory().AddStyleEditTab(tab);
    }
    return true;
}

bool TestTabsCreator::HandleFrameRequest(RibbonCreateControlRequest& request)
{
    if (requestId == 0 || request.id != requestId)
        return false;
    request.control = std::make_unique<RibbonControl>(RibbonControlButton, request.id);
    return true;
}
