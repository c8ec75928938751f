#include "styles/ui/RibbonStyleEditTabs.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "styles/ui/StyleEditRibbonTab.h"

#include <QLoggingCategory>

#include <algorithm>
#include <array>

namespace
{
Q_LOGGING_CATEGORY(lcStyleTabs, "q4.styles.tabs")

constexpr std::uint32_t P = StyleEditTabLayouts::kIconPlaceholder;
}

RibbonStyleEditTabs::RibbonStyleEditTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                         const StyleEditTabsLayout& layout, std::map<std::uint32_t, GroupFiller> fillers)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_layout(layout)
    , m_fillers(std::move(fillers))
{
}

bool RibbonStyleEditTabs::CreateTabs()
{
    for (const StyleEditTabLayout& layout : m_layout.tabs)
    {
        QuorvantaTab* tab = GetRibbonBar().AddTab(layout.stringId, std::make_unique<StyleEditRibbonTab>(*this));
        if (tab == nullptr)
        {
            qCWarning(lcStyleTabs) << "RibbonStyleEditTabs: the ribbon refused the tab" << layout.stringId;
            return false;
        }
        GetRibbonsFactory().AddStyleEditTab(tab);
    }
    return true;
}

bool RibbonStyleEditTabs::CreateTabGroups(StyleEditRibbonTab& tab)
{
    const auto layout = std::find_if(m_layout.tabs.begin(), m_layout.tabs.end(),
                                     [&tab](const StyleEditTabLayout& item) { return item.stringId == tab.GetID(); });
    if (layout == m_layout.tabs.end())
        return false;
    for (const StyleEditGroupLayout& groupLayout : layout->groups)
    {
        RibbonGroupBase* group = InsertRibbonGroup(&tab, groupLayout.captionId);
        if (group == nullptr)
        {
            qCWarning(lcStyleTabs) << "RibbonStyleEditTabs: no group" << groupLayout.captionId << "on tab" << tab.GetID();
            return false;
        }
        if (!groupLayout.caption.isEmpty())
            group->SetCaption(groupLayout.caption);
        const auto filler = m_fillers.find(groupLayout.captionId);
        const bool filled = groupLayout.changes ? AddChangesControls(*group)
                                                : filler == m_fillers.end() || filler->second(*group);
        if (!filled)
        {
            qCWarning(lcStyleTabs) << "RibbonStyleEditTabs: the controls of group" << groupLayout.captionId << "failed";
            return false;
        }
    }
    return true;
}

bool RibbonStyleEditTabs::AddChangesControls(RibbonGroupBase& group)
{
    RibbonControl* discard = AddRibbonControl(&group, RibbonControlButton, m_layout.discardId);
    RibbonControl* save = AddRibbonControl(&group, RibbonControlButton, m_layout.saveId);
    if (discard == nullptr || save == nullptr)
        return false;
    discard->SetCaption(QStringLiteral("Odrzuć"));
    save->SetCaption(QStringLiteral("Zapisz"));
    discard->SetStyle(RibbonControlStyle::Large);
    save->SetStyle(RibbonControlStyle::Large);
    const std::array<std::uint32_t, 6> large = {P, m_layout.saveId, P, P, P, m_layout.discardId};
    SetBitmapIcons(StyleEditTabLayouts::kLargeStrip, large, true);
    if (m_layout.sharedChangeIcons)
    {
        const std::array<std::uint32_t, 3> small = {P, m_layout.discardId, m_layout.saveId};
        SetBitmapIcons(StyleEditTabLayouts::kSmallStrip, small, false);
    }
    return true;
}
