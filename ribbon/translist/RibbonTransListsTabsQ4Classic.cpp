#include "ribbon/translist/RibbonTransListsTabsQ4Classic.h"

#include "platform/modules/TransListCons.h"
#include "platform/toolkit/RibbonDefs.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/popups/DatePickerPopupWindowManager.h"
#include "ribbon/details/WindowMainTab.h"

namespace
{
constexpr std::uint32_t ID_SESSION_DATE = 32908;
constexpr std::uint32_t ID_LOCK_COLUMNS = 32928;
constexpr std::uint32_t ID_HIDE_SCROLL = 32955;
constexpr std::uint32_t ID_STYLE = 33073;
constexpr std::uint32_t ID_LINK = 33680;
constexpr std::uint32_t ID_SYNCHRONISE = 33690;
// The date picker reports a picked day with this notification.
constexpr int kDatePickedCode = 0xFFCD;

constexpr std::uint32_t IDB_SESSION_DATE = 2964;
constexpr std::uint32_t IDB_LOCK = 886;
constexpr std::uint32_t IDB_HIDE_SCROLL = 2966;
constexpr std::uint32_t IDB_SYNCHRONISE = 2967;
constexpr std::uint32_t IDB_GROUP = 2968;
}

RibbonTransListsTabsQ4Classic::RibbonTransListsTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                                             TransListCons* transLists, TableConsumer* tables)
    : RibbonWindowTabs(factory, ribbonBar, transLists, tables, {ID_TAB, QStringLiteral("Transakcje")})
{
}

std::unique_ptr<QuorvantaTab> RibbonTransListsTabsQ4Classic::MakeTab()
{
    return std::make_unique<WindowMainTab>(*this);
}

bool RibbonTransListsTabsQ4Classic::CreateMainTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* content = AddGroup(tab, ID_GROUP_CONTENT, IDB_GROUP);
    auto sessionDate = std::make_unique<RibbonControlPopupEx>(ID_SESSION_DATE, RibbonControlSplitButtonPopup);
    sessionDate->LoadStrings();
    sessionDate->SetPopupWindowManager(
        std::make_unique<DatePickerPopupWindowManager>(nullptr, sessionDate.get(), kDatePickedCode));
    sessionDate->SetStyle(RibbonControlStyle::Large);
    if (!AddRibbonControlObject(content, std::move(sessionDate), ID_SESSION_DATE))
        return false;
    SetRibbonIcons(GetRibbonsFactory(), ID_SESSION_DATE, IDB_SESSION_DATE, IDB_SESSION_DATE);
    const bool built = AddControl(content, RibbonControlButton, ID_LOCK_COLUMNS, IDB_LOCK, 0, true) &&
                       AddControl(content, RibbonControlButton, ID_HIDE_SCROLL, IDB_HIDE_SCROLL, 0) &&
                       AddControl(content, RibbonControlButton, ID_SYNCHRONISE, IDB_SYNCHRONISE, 0) &&
                       AddLinkGallery(content, ID_LINK) && OnContentGroup(tab);
    return built && AddStyleGroup(tab, ID_GROUP_DISPLAY, ID_STYLE);
}
