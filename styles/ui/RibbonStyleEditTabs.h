#pragma once
// Makes the style-editing tabs of one style kind from its layout: at start of the first style
// edit each tab is added to the ribbon bar hidden and recorded as a style-edit tab; the first
// time the mode shows a tab its groups are built in order, the "Zmiany" group with "Odrzuć"
// before "Zapisz", and every other group is handed to the kind's filler for its controls.
//
// A style kind's own tabs come as fillers, by group caption id:
//   RibbonStyleEditTabs(factory, ribbonBar, *StyleEditTabLayouts::Find(StyleTypes::Table),
//                       {{54, [](RibbonGroupBase& group) { return AddRibbonControl(&group, 9, 33118) != nullptr; }}});
// A group without a filler stays empty. Main thread only.

#include "ribbon/RibbonTabsCreator.h"
#include "styles/ui/StyleEditTabLayouts.h"

#include <cstdint>
#include <functional>
#include <map>

class RibbonGroupBase;
class StyleEditRibbonTab;

class RibbonStyleEditTabs : public RibbonTabsCreator
{
public:
    // Adds the group's controls; false when one could not be made.
    using GroupFiller = std::function<bool(RibbonGroupBase& group)>;

    RibbonStyleEditTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, const StyleEditTabsLayout& layout,
                        std::map<std::uint32_t, GroupFiller> fillers = {});

    // Adds the kind's tabs, hidden, to the ribbon and to the factory's style-edit tabs; false at
    // the first tab the ribbon refuses (the tabs added before it stay).
    bool CreateTabs() override;
    // Builds the tab's groups and controls; false at the first group or control that fails.
    bool CreateTabGroups(StyleEditRibbonTab& tab);

    const StyleEditTabsLayout& GetLayout() const { return m_layout; }

private:
    bool AddChangesControls(RibbonGroupBase& group);

    const StyleEditTabsLayout& m_layout;
    std::map<std::uint32_t, GroupFiller> m_fillers;
};
