#include "tests/support/ribbon/TestTabsCreator.h"

#include "platform/toolkit/RibbonCreateControlRequest.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "tests/support/ribbon/TestRibbonTab.h"

TestTabsCreator::TestTabsCreator(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, Kind kind,
                                 IGenericModule* module, std::vector<TabSpec> tabs)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_kind(kind)
    , m_module(module)
    , m_specs(std::move(tabs))
{
}

bool TestTabsCreator::CreateTabs()
{
    ++runs;
    if (onCreateTabs)
        onCreateTabs();
    if (!succeeds)
        return false;
    for (const TabSpec& spec : m_specs)
    {
        auto* tab = static_cast<TestRibbonTab*>(
            GetRibbonBar().AddTab(spec.stringId, std::make_unique<TestRibbonTab>(spec.level, this)));
        tab->available = spec.available;
        tabs.push_back(tab);
        if (m_kind == Kind::Main)
            GetRibbonsFactory().AddMainTab(spec.stringId, tab);
        else if (m_kind == Kind::Module)
            GetRibbonsFactory().AddModuleTab(spec.stringId, m_module, tab);
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
