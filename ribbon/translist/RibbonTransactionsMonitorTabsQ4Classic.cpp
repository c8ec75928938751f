#include "ribbon/translist/RibbonTransactionsMonitorTabsQ4Classic.h"

#include "platform/modules/TransactionsMonitorConsumer.h"
#include "platform/toolkit/RibbonDefs.h"
#include "ribbon/details/WindowMainTab.h"

namespace
{
constexpr std::uint32_t ID_LOCK_COLUMNS = 33795;
constexpr std::uint32_t ID_HIDE_SCROLL = 33796;
constexpr std::uint32_t ID_MANAGE_ASSETS = 33894;
constexpr std::uint32_t ID_FONT_LARGER = 33906;
constexpr std::uint32_t ID_FONT_SMALLER = 33907;
constexpr std::uint32_t ID_RESTORE_ALL = 33910;

constexpr std::uint32_t IDB_LOCK = 886;
constexpr std::uint32_t IDB_HIDE_SCROLL = 2966;
constexpr std::uint32_t IDB_MANAGE = 2963;
constexpr std::uint32_t IDB_FONT_LARGER = 2969;
constexpr std::uint32_t IDB_FONT_SMALLER = 2970;
constexpr std::uint32_t IDB_RESTORE = 2971;
constexpr std::uint32_t IDB_GROUP = 2968;
}

RibbonTransactionsMonitorTabsQ4Classic::RibbonTransactionsMonitorTabsQ4Classic(RibbonsFactory& factory,
                                                                               QuorvantaRibbonBar& ribbonBar,
                                                                               TransactionsMonitorConsumer* monitor)
    : RibbonWindowTabs(factory, ribbonBar, monitor, nullptr, {ID_TAB, QStringLiteral("Monitor")})
{
}

std::unique_ptr<QuorvantaTab> RibbonTransactionsMonitorTabsQ4Classic::MakeTab()
{
    return std::make_unique<WindowMainTab>(*this);
}

bool RibbonTransactionsMonitorTabsQ4Classic::CreateMainTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* content = AddGroup(tab, ID_GROUP_CONTENT, IDB_GROUP);
    RibbonGroupBase* display = AddGroup(tab, ID_GROUP_DISPLAY, 0);
    return AddControl(content, RibbonControlButton, ID_MANAGE_ASSETS, IDB_MANAGE, IDB_MANAGE) &&
           AddControl(content, RibbonControlButton, ID_LOCK_COLUMNS, IDB_LOCK, 0, true) &&
           AddControl(content, RibbonControlButton, ID_HIDE_SCROLL, IDB_HIDE_SCROLL, 0) &&
           AddControl(display, RibbonControlButton, ID_FONT_LARGER, IDB_FONT_LARGER, 0) &&
           AddControl(display, RibbonControlButton, ID_FONT_SMALLER, IDB_FONT_SMALLER, 0) &&
           AddControl(display, RibbonControlButton, ID_RESTORE_ALL, IDB_RESTORE, 0);
}
