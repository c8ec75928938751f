#pragma once
// The orders sheet's tab creator: the contextual tab "Arkusz zleceń" (green, context caption
// "Arkusz zlecen"), shown while a sheet window is active, with the groups "Zawartość" (column
// lock, sheet mode, the summary-settings popup, the visible columns, "Powiąż" and the tables'
// arrangement) and "Widoczność" (chart,
// price row, scroll bars, cursor, orders and summary panes) and "Więcej opcji" (the rows' colours
// and fonts, and the restores). Main thread only.

#include "orderssheet/ui/CmdTargetOrdersSheet.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonTabsCreator.h"

class IGenericModule;
class RibbonGroupBase;
class TableConsumer;

class RibbonOrdersSheetQ4Classic : public RibbonTabsCreator
{
public:
    // module: the sheet module the tab belongs to; null gives no tab. window: the sheet window
    // the tab's popups fill from and act on.
    // tables: the quote tables "Powiąż" offers; null offers none.
    RibbonOrdersSheetQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, IGenericModule* module,
                               CmdTargetOrdersSheet::WindowSource window, TableConsumer* tables = nullptr);

    bool CreateTabs() override;
    bool HandleFrameRequest(RibbonCreateControlRequest&) override { return false; }
    bool CreateMainTabGroups(QuorvantaTab& tab);

private:
    // The rows' colours and fonts and the restores.
    bool AddStyleGroup(QuorvantaTab& tab);
    // "Powiąż" and the tables' arrangement, in the contents group.
    bool AddLinkAndArrangement(RibbonGroupBase* contents);

    IGenericModule* m_module;
    CmdTargetOrdersSheet::WindowSource m_window;
    TableConsumer* m_tables;
};

class OrdersSheetMainTab : public QuorvantaTab
{
public:
    explicit OrdersSheetMainTab(RibbonOrdersSheetQ4Classic& creator);

protected:
    bool CreateGroups() override { return m_creator.CreateMainTabGroups(*this); }

private:
    RibbonOrdersSheetQ4Classic& m_creator;
};
