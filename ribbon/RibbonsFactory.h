#pragma once
// Builds and owns the main frame's ribbon: the ribbon bar with its system button and
// right-aligned buttons, and the tab creators of every window kind in their fixed order,
// whose tabs it records by id, as main tabs, per module and as style-editing tabs. Every
// change of the active window reaches it as an UpdateRibbonContext, from which it shows the
// module's available contextual tabs and picks the tab to select by level. Main thread only.

#include "ribbon/ERibbonTabLevel.h"
#include "ribbon/IRibbonTabsCreatorsFactory.h"

#include <QString>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

struct RibbonCreateControlRequest;
class IGenericModule;
class IRibbonsFactoryOwner;
class QuorvantaRibbonBar;
class QuorvantaTab;
class RibbonControl;
class RibbonTabBase;
class UpdateRibbonContext;

class RibbonsFactory
{
public:
    RibbonsFactory(IRibbonsFactoryOwner& owner, std::shared_ptr<IRibbonTabsCreatorsFactory> creators);
    ~RibbonsFactory();

    RibbonsFactory(const RibbonsFactory&) = delete;
    RibbonsFactory& operator=(const RibbonsFactory&) = delete;

    // The ribbon bar, then every tab creator's tabs; false when the bar cannot be made or a
    // creator fails (later creators do not run; tabs made so far stay).
    bool CreateRibbon();
    bool CreateRibbonBar();
    // Makes the style-editing creators and their tabs once; later calls answer true at once.
    bool CreateStyleEditTabs();

    // A level-1 tab, shown outside the style edit mode; the first added is the default tab.
    void AddMainTab(std::uint32_t stringId, QuorvantaTab* tab);
    // A tab shown only for the active window of the module (none: for no window); hidden now.
    void AddModuleTab(std::uint32_t stringId, IGenericModule* module, QuorvantaTab* tab);
    void AddStyleEditTab(QuorvantaTab* tab);

    void HideModuleTabs();
    // Selects the module's first shown tab of the level (true), or nothing when it has none
    // (false); a module without tabs selects the first main tab (true).
    bool SelectModuleTab(IGenericModule* module, ERibbonTabLevel level);
    void UpdateRibbonContext(const ::UpdateRibbonContext& context);
    void UpdateContextCaption(IGenericModule* module, const QString& caption);
    // Entering shows only the chosen style-editing tabs and selects the first; leaving hides
    // every style-editing tab and brings the main tabs back.
    void ShowStyleEditTabs(bool enter, const std::set<const RibbonTabBase*>& chosenTabs = {});
    // Offers the frame's control request to every creator; true when one made the control.
    bool DispatchToTabCreators(RibbonCreateControlRequest* request);

    QuorvantaRibbonBar* GetRibbonBar() const { return m_ribbonBar; }
    // The program runs with its extended commands ("--extended").
    bool IsExtendedMode() const;
    IRibbonsFactoryOwner& GetOwner() const { return m_owner; }
    QuorvantaTab* FindTab(std::uint32_t stringId) const;
    // The ribbon control of the command id; null when none.
    RibbonControl* FindControl(std::uint32_t id) const;
    const std::deque<QuorvantaTab*>& GetMainTabs() const { return m_mainTabs; }
    const std::deque<QuorvantaTab*>& GetStyleEditTabs() const { return m_styleEditTabs; }
    const std::vector<QuorvantaTab*>& GetModuleTabs(IGenericModule* module) const;

private:
    void SelectFirstMainTab();
    void ApplyModuleContext(const ::UpdateRibbonContext& context);

    IRibbonsFactoryOwner& m_owner;
    std::shared_ptr<IRibbonTabsCreatorsFactory> m_creatorsFactory;
    QuorvantaRibbonBar* m_ribbonBar = nullptr;
    std::map<std::uint32_t, QuorvantaTab*> m_tabsById;
    std::deque<QuorvantaTab*> m_mainTabs;
    std::deque<QuorvantaTab*> m_styleEditTabs;
    std::map<IGenericModule*, std::vector<QuorvantaTab*>> m_tabsByModule;
    std::vector<std::shared_ptr<RibbonTabsCreator>> m_moduleCreators;
    std::vector<std::shared_ptr<RibbonTabsCreator>> m_styleEditCreators;
    std::optional<bool> m_styleEditTabsCreated;
};

// Gives the command the first image of bitmap16 as its 16 px icon and, unless bitmap32 is 0,
// the first image of bitmap32 as its 32 px icon. Nothing happens before the ribbon exists.
void SetRibbonIcons(RibbonsFactory& factory, std::uint32_t commandId, std::uint32_t bitmap16, std::uint32_t bitmap32);
