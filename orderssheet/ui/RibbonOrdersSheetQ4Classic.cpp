#include "orderssheet/ui/RibbonOrdersSheetQ4Classic.h"

#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"

using namespace OrdersSheetCommandIds;

RibbonOrdersSheetQ4Classic::RibbonOrdersSheetQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                                       IGenericModule* module)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_module(module)
{
}

bool RibbonOrdersSheetQ4Classic::CreateTabs()
{
    if (!m_module)
        return false;
    QuorvantaTab* tab = GetRibbonBar().AddTab(IDS_TAB_ORDERS_SHEET, std::make_unique<OrdersSheetMainTab>(*this));
    if (!tab)
        return false;
    tab->SetContextColor(RibbonContextColorGreen);
    tab->SetContextCaption(QStringLiteral("Arkusz zlecen"));
    GetRibbonsFactory().AddModuleTab(IDS_TAB_ORDERS_SHEET, m_module, tab);
    return true;
}

bool RibbonOrdersSheetQ4Classic::CreateMainTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* contents = InsertRibbonGroup(&tab, GROUP_CONTENTS);
    RibbonGroupBase* visibility = InsertRibbonGroup(&tab, GROUP_VISIBILITY);
    if (!contents || !visibility)
        return false;
    bool added = true;
    for (std::uint32_t id : {ID_LOCK_COLUMNS, ID_SHEET_MODE})
        added = added && AddRibbonControl(contents, RibbonControlButton, id);
    for (std::uint32_t id : {ID_CHART, ID_ROW_CURR_VALUE, ID_VSCROLL, ID_CURSOR})
        added = added && AddRibbonControl(visibility, RibbonControlButton, id);
    for (std::uint32_t id : {ID_ORDERS_PANE, ID_SUMMARY})
        added = added && AddRibbonControl(visibility, RibbonControlCheckBox, id);
    return added;
}

OrdersSheetMainTab::OrdersSheetMainTab(RibbonOrdersSheetQ4Classic& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}
