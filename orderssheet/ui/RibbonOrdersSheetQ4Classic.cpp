#include "orderssheet/ui/RibbonOrdersSheetQ4Classic.h"

#include "orderssheet/settings/StyleOrdersSheet.h"
#include "orderssheet/ui/OSCursorRibbonControls.h"
#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "orderssheet/ui/OrdersSheetSummSettContainer.h"
#include "orderssheet/ui/ShowColumnsListOrdersSheet.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"

using namespace OrdersSheetCommandIds;

RibbonOrdersSheetQ4Classic::RibbonOrdersSheetQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                                       IGenericModule* module, CmdTargetOrdersSheet::WindowSource window,
                                                       TableConsumer* tables)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_module(module)
    , m_window(std::move(window))
    , m_tables(tables)
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
    auto summarySettings = std::make_unique<RibbonControlPopupEx>(ID_SUMMARY_SETTINGS);
    summarySettings->LoadStrings();
    summarySettings->SetPopupWindowManager(
        std::make_unique<OrdersSheetSummSettContainer>(summarySettings.get(), m_window));
    summarySettings->SetBeginGroup(true);
    added = added && AddRibbonControlObject(contents, std::move(summarySettings), ID_SUMMARY_SETTINGS);
    RibbonControl* columns = AddRibbonControl(contents, RibbonControlPopup, ID_VISIBLE_COLUMNS);
    if (columns)
    {
        auto bar = std::make_unique<RibbonPopupBar>();
        bar->Add(std::make_unique<CheckBoxGalleryControl>(std::make_shared<ShowColumnsListOrdersSheet>(m_window),
                                                          CheckBoxGalleryControl::kUncheckedImageId,
                                                          CheckBoxGalleryControl::kCheckedImageId, ID_COLUMNS_GALLERY),
                 ID_COLUMNS_GALLERY);
        columns->SetCommandBar(std::move(bar));
    }
    added = added && columns;
    added = AddLinkAndArrangement(contents) && added;
    // The sheet's style: previewed and edited in the style edit mode.
    RibbonControl* editStyle = AddRibbonControl(contents, RibbonControlButton, ID_EDIT_STYLE);
    if (editStyle)
    {
        editStyle->SetBeginGroup(true);
        SetSharedBitmapIcons(ID_EDIT_STYLE);
    }
    added = added && editStyle;
    // The stored sheet styles: hovering one shows it in the window, a right click edits it.
    RibbonControl* sheetStyle = AddStylePopupControl(contents, ID_SHEET_STYLE, StyleOrdersSheet::Type,
                                                     CmdTargetOrdersSheet::kEditStyleKind);
    if (sheetStyle)
        SetSharedBitmapIcons(ID_SHEET_STYLE);
    added = added && sheetStyle;
    added = OSCursorRibbonControls::AddStyleGalleries(contents) && added;
    for (std::uint32_t id : {ID_CHART, ID_ROW_CURR_VALUE, ID_VSCROLL, ID_CURSOR})
        added = added && AddRibbonControl(visibility, RibbonControlButton, id);
    for (std::uint32_t id : {ID_ORDERS_PANE, ID_SUMMARY})
        added = added && AddRibbonControl(visibility, RibbonControlCheckBox, id);
    const bool style = AddStyleGroup(tab);
    return added && style;
}

bool RibbonOrdersSheetQ4Classic::AddStyleGroup(QuorvantaTab& tab)
{
    RibbonGroupBase* group = InsertRibbonGroup(&tab, GROUP_STYLE);
    if (!group)
        return false;
    bool added = true;
    for (const RowColorCommand& command : kRowColorCommands)
        added = added && AddColorPopupButtonWithDefault(group, command.id);
    for (std::uint32_t id : {ID_FONT_LARGER, ID_FONT_SMALLER, ID_FONT_RESTORE, ID_CURR_VALUE_FONT_LARGER,
                             ID_CURR_VALUE_FONT_SMALLER, ID_CURR_VALUE_FONT_RESTORE, ID_RESTORE_COLUMNS,
                             ID_RESTORE_ORDER_ROWS, ID_RESTORE_CURR_VALUE_ROW, ID_RESTORE_STYLES, ID_RESTORE_ALL})
        added = added && AddRibbonControl(group, RibbonControlButton, id);
    return OSCursorRibbonControls::AddColorsAndFonts(group) && added;
}

OrdersSheetMainTab::OrdersSheetMainTab(RibbonOrdersSheetQ4Classic& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
    , m_creator(creator)
{
}
