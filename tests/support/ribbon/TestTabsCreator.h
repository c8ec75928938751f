#pragma once
// A tab creator for tests: adds the tabs a test describes (as main tabs, per module or as
// style-editing tabs), or fails, and answers the frame's control requests for one id.

#include "ribbon/ERibbonTabLevel.h"
#include "ribbon/RibbonTabsCreator.h"

#include <cstdint>
#include <functional>
#include <vector>

class IGenericModule;
class TestRibbonTab;

class TestTabsCreator : public RibbonTabsCreator
{
public:
    enum class Kind
    {
        Main,
        Module,
        StyleEdit
    };

    struct TabLayout
    {
        std::uint32_t stringId;
        ERibbonTabLevel level;
        bool available = true;
    };

    TestTabsCreator(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, Kind kind,
                    IGenericModule* module = nullptr, std::vector<TabLayout> tabs = {});

    bool CreateTabs() override;
    bool HandleFrameRequest(RibbonCreateControlRequest& request) override;

    bool succeeds = true;
    int runs = 0;
    // The control id this creator makes a control for; 0 for none.
    std::uint32_t requestId = 0;
    std::vector<TestRibbonTab*> tabs;
    std::function<void()> onCreateTabs;

private:
    Kind m_kind;
    IGenericModule* m_module;
    std::vector<TabLayout> m_layouts;
};
