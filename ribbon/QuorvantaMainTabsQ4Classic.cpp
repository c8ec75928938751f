#include "ribbon/QuorvantaMainTabsQ4Classic.h"

#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/StringTable.h"
#include "ribbon/IRibbonsFactoryOwner.h"
#include "ribbon/MainRibbonTab.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonCommandIds.h"
#include "ribbon/RibbonLog.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"

#include <algorithm>
#include <vector>

using namespace RibbonCommandIds;

namespace
{
constexpr std::uint32_t ID_TAB_MAIN = 34101;
constexpr std::uint32_t ID_TAB_TOOLS = 34102;
constexpr std::uint32_t ID_GROUP_NEW_WINDOW = 34111;
constexpr std::uint32_t ID_GROUP_DESKTOP = 34112;
constexpr std::uint32_t ID_GROUP_WINDOW = 34113;
constexpr std::uint32_t ID_GROUP_MODULES = 34114;
constexpr std::uint32_t ID_GROUP_CHART = 34115;
constexpr std::uint32_t ID_GROUP_PROGRAM = 34116;
constexpr std::uint32_t ID_GROUP_ALERTS = 34117;
constexpr std::uint32_t ID_GROUP_STYLE = 34118;
constexpr std::uint32_t ID_APPLICATION_STYLES = 33612;

struct ControlLayout
{
    std::uint32_t id;
    bool large = false;
    // The commands of the control's popup; none for a plain button.
    std::vector<std::uint32_t> popup = {};
};

struct GroupLayout
{
    std::uint32_t captionId;
    std::vector<ControlLayout> controls;
};

struct TabLayout
{
    std::uint32_t stringId;
    std::vector<GroupLayout> groups;
};

const std::vector<TabLayout>& MainTabs()
{
    static const std::vector<TabLayout> tabs = {
        {ID_TAB_MAIN,
         {
             {ID_GROUP_NEW_WINDOW,
              {{ID_NEW_CHART, true},
               {ID_NEW_TABLE, true},
               {ID_NEW_DETAILS},
               {ID_NEW_OFFERS},
               {ID_NEW_TRANSLIST},
               {ID_NEW_TRANSACTIONS_MONITOR},
               {ID_MULTI_DATA},
               {ID_FILES_GENERATOR}}},
             {ID_GROUP_WINDOW,
              {{ID_OPEN_WINDOW,
                true,
                {ID_OPEN_CHART, ID_OPEN_DETAILS, ID_OPEN_TRANSLIST, ID_OPEN_OFFERS, ID_OPEN_TABLE,
                 ID_OPEN_ORDERS_SHEET, ID_OPEN_TRANSACTIONS_MONITOR}},
               {ID_SWITCH_WINDOWS, true},
               {ID_SAVE_WINDOW},
               {ID_SAVE_WINDOW_Q5},
               {ID_CLOSE_ALL_WINDOWS}}},
             {ID_GROUP_DESKTOP, {{ID_OPEN_DESKTOP, true}, {ID_SAVE_DESKTOP}, {ID_SAVE_DESKTOP_Q5}}},
             {ID_GROUP_MODULES, {{ID_ORDERS_SHEET, true}, {ID_SESSION_STATISTICS, true}}},
             {ID_GROUP_ALERTS, {{ID_ALERTS_MANAGER, true}, {ID_NEW_ALERT}}},
             {ID_GROUP_STYLE, {{ID_APPLICATION_STYLES, true}}},
         }},
        {ID_TAB_TOOLS,
         {
             {ID_GROUP_CHART, {{ID_INSPECTOR}, {ID_INSPECTOR_CROSS}, {ID_RULER}}},
             {ID_GROUP_PROGRAM, {{ID_OPTIONS, true}, {ID_PRINT}, {ID_UPDATE_PROGRAM}, {ID_HELP}, {ID_APP_ABOUT}}},
         }},
    };
    return tabs;
}
}

QuorvantaMainTabsQ4Classic::QuorvantaMainTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
    : RibbonTabsCreator(factory, ribbonBar)
{
}

bool QuorvantaMainTabsQ4Classic::CreateTabs()
{
    for (const TabLayout& layout : MainTabs())
    {
        QuorvantaTab* tab = GetRibbonBar().AddTab(layout.stringId, std::make_unique<MainRibbonTab>(*this));
        if (tab == nullptr)
            return false;
        GetRibbonsFactory().AddMainTab(layout.stringId, tab);
    }
    return true;
}

bool QuorvantaMainTabsQ4Classic::CreateMainTabGroups(QuorvantaTab& tab)
{
    const auto& tabs = MainTabs();
    const auto layout = std::find_if(tabs.begin(), tabs.end(), [&tab](const TabLayout& item) { return item.stringId == tab.GetID(); });
    if (layout == tabs.end())
    {
        qCWarning(lcRibbon) << "QuorvantaMainTabsQ4Classic: tab" << tab.GetID() << "is not a main tab";
        return false;
    }
    CommandBars* commandBars = GetRibbonBar().GetCommandBars();
    for (const GroupLayout& groupLayout : layout->groups)
    {
        RibbonGroupBase* group = tab.AddGroup(StringTable::Instance().Get(groupLayout.captionId), groupLayout.captionId);
        for (const ControlLayout& controlLayout : groupLayout.controls)
        {
            const bool stylesGallery = controlLayout.id == ID_APPLICATION_STYLES;
            const bool windowsGallery = controlLayout.id == ID_SWITCH_WINDOWS;
            const int type = controlLayout.popup.empty() && !stylesGallery ? RibbonControlButton : RibbonControlButtonPopup;
            RibbonControl* control = group->Add(windowsGallery ? RibbonControlPopup : type, controlLayout.id);
            if (stylesGallery)
                AddAppStylesGallery(control, controlLayout.id);
            if (windowsGallery)
                AddDynamicGallery(control, nullptr, GetRibbonsFactory().GetOwner().CreateWindowsGalleryHelper(),
                                  controlLayout.id);
            if (!controlLayout.popup.empty())
            {
                auto popup = std::make_unique<RibbonPopupBar>();
                for (const std::uint32_t id : controlLayout.popup)
                    popup->Add(RibbonControlButton, id);
                control->SetCommandBar(std::move(popup));
            }
            // A large control shows its command's own picture at 32 px.
            if (controlLayout.large && commandBars)
                commandBars->GetImageManager().SetIcon(controlLayout.id, controlLayout.id, RibbonImageManager::kLarge);
            control->SetStyle(controlLayout.large ? RibbonControlStyle::Large : RibbonControlStyle::Small);
        }
    }
    return true;
}
