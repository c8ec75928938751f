#include "workspace/ui/CmdTargetTable.h"

#include "core/mediator/ChooseManyAssetDlg.h"
#include "core/mediator/QuickAddInstrumentDlg.h"
#include "modulelibs/table/TableModule.h"
#include "platform/modules/ConsumerBase.h"
#include "platform/modules/IAlertModule.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/TableConsumer.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/IColorDialogService.h"
#include "platform/ui/NotifyCodes.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"
#include "workspace/ui/TableCommandIds.h"


#include <algorithm>

using namespace TableCommandIds;

namespace
{
// Offers the instruments of the running provider that the table lacks.
void ShowQuickAddPopup(ModuleWndBase& window, ConsumerBase&, const QuickAddAssetReceiver& receiver)
{
    QuickAddInstrumentDlg::GetInstance().ShowAt(window.mapToGlobal(QPoint(0, 0)), true, receiver, &window);
}
}

CmdTargetTable::CmdTargetTable(Services services)
    : m_services(std::move(services))
{
    if (!m_services.tables)
        m_services.tables = [] { return GetTableCons(); };
    if (!m_services.ribbons)
        m_services.ribbons = [] { return GetGlobalRibbonsFactory().get(); };
    if (!m_services.activeModuleWnd)
        m_services.activeModuleWnd = [] {
            IAppMediator* mediator = PluginBase::GetAppMediator();
            return mediator ? mediator->GetActiveModuleWnd() : nullptr;
        };
    if (!m_services.activePanelView)
        m_services.activePanelView = [] {
            IAppMediator* mediator = PluginBase::GetAppMediator();
            return mediator ? mediator->GetActivePanelView() : nullptr;
        };
    if (!m_services.chooseManyAssets)
        m_services.chooseManyAssets = [](QWidget* parent, std::set<Asset>& assets, std::set<AssetsGroupId>& groups) {
            std::vector<ProviderBase*> providers;
            if (IAppMediator* mediator = PluginBase::GetAppMediator())
                mediator->GetProviders(providers);
            return ChooseManyAssetDlg::Choose(providers, parent, assets, groups);
        };
    if (!m_services.quickAddInstrument)
        m_services.quickAddInstrument = ShowQuickAddPopup;
    if (!m_services.chooseColor)
        m_services.chooseColor = [](const QColor& current) { return DialogServices::ColorDialog()->ChooseColor(current); };
    if (!m_services.messageBox)
        m_services.messageBox = [](const QString& caption, const QString& text, unsigned flags) {
            IAppMediator* mediator = PluginBase::GetAppMediator();
            return mediator ? mediator->ShowMessageBox(caption, text, flags) : 0;
        };

    AddInstrumentCommands();
    AddColumnCommands();
    AddTableCommands();
    AddOfferLineCommands();
    AddDisplayOptionCommands();
    AddStyleGalleries();
    AddColorCommands();
    AddFontCommands();
    AddRestoreCommands();
}

TableConsumer* CmdTargetTable::Tables() const
{
    return m_services.tables();
}

TableSettings* CmdTargetTable::Settings() const
{
    TableConsumer* tables = Tables();
    return tables ? tables->GetActiveTableProperties() : nullptr;
}

void CmdTargetTable::Redraw() const
{
    if (TableConsumer* tables = Tables())
        tables->RedrawCurrentTable();
}

RibbonControl* CmdTargetTable::FindRibbonControl(std::uint32_t groupId, std::uint32_t id) const
{
    RibbonsFactory* ribbons = m_services.ribbons();
    QuorvantaRibbonBar* bar = ribbons ? ribbons->GetRibbonBar() : nullptr;
    if (!bar)
        return nullptr;
    for (int index = 0; index < bar->GetTabCount(); ++index)
    {
        const RibbonTabBase* tab = bar->GetTab(index);
        if (RibbonGroupBase* group = tab ? tab->FindGroup(groupId) : nullptr)
        {
            if (RibbonControl* control = group->FindControl(id))
                return control;
        }
    }
    return nullptr;
}

void CmdTargetTable::OnTable(std::uint32_t id, std::function<void(TableConsumer&)> command,
                             std::function<bool(TableConsumer&)> enabled)
{
    OnCommand(id, [this, command] {
        if (TableConsumer* tables = Tables())
            command(*tables);
    });
    if (enabled)
        OnUpdate(id, [this, enabled](CmdUI& cmdUI) {
            TableConsumer* tables = Tables();
            cmdUI.Enable(tables && enabled(*tables));
        });
}

void CmdTargetTable::OnSelected(std::uint32_t id, std::function<void(TableConsumer&, std::uint32_t)> command)
{
    OnTable(
        id,
        [command](TableConsumer& tables) {
            if (const std::uint32_t selected = tables.GetSelectedInstrument())
                command(tables, selected);
        },
        [](TableConsumer& tables) { return tables.GetSelectedInstrument() != 0; });
}

// Instruments

void CmdTargetTable::AddInstrumentCommands()
{
    OnCommand(ID_INSERT_INSTRUMENT, [this] { InsertInstrument(); });
    OnUpdate(ID_INSERT_INSTRUMENT, [this](CmdUI& cmdUI) {
        const QWidget* view = m_services.activePanelView();
        cmdUI.Enable(view && !view->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
    });
    OnCommand(ID_MANAGE_INSTRUMENTS, [this] { ManageInstruments(); });
    OnSelected(ID_DELETE_INSTRUMENT, [](TableConsumer& tables, std::uint32_t id) { tables.DeleteInstrument(id, 1); });
    OnSelected(ID_INSTRUMENT_UP, [](TableConsumer& tables, std::uint32_t) { tables.MoveInstrumentUp(); });
    OnSelected(ID_INSTRUMENT_DOWN, [](TableConsumer& tables, std::uint32_t) { tables.MoveInstrumentDown(); });
    OnSelected(ID_INSTRUMENT_TO_BEGIN, [](TableConsumer& tables, std::uint32_t) { tables.MoveInstrumentToBegin(); });
    OnSelected(ID_INSTRUMENT_TO_END, [](TableConsumer& tables, std::uint32_t) { tables.MoveInstrumentToEnd(); });
    // With nothing selected the library would take id 0 as every instrument: nothing is hidden then.
    OnTable(
        ID_HIDE_INSTRUMENT,
        [](TableConsumer& tables) {
            if (const std::uint32_t selected = tables.GetSelectedInstrument())
                tables.ShowInstrument(selected, false);
        },
        [](TableConsumer& tables) {
            const std::uint32_t selected = tables.GetSelectedInstrument();
            return selected != 0 && tables.IsInstrumentVisible(selected);
        });
    OnTable(ID_SHOW_INSTRUMENTS, [](TableConsumer&) {}, [](TableConsumer& tables) { return tables.HasHiddenInstruments(); });
    OnTable(ID_SEARCH, [](TableConsumer& tables) { tables.SearchInTable(); });
    OnUpdate(ID_SEARCH, [this](CmdUI& cmdUI) {
        TableConsumer* tables = Tables();
        cmdUI.SetCheck(tables && tables->IsSearchVisible() ? 1 : 0);
    });
}

void CmdTargetTable::InsertInstrument()
{
    ModuleWndBase* window = m_services.activeModuleWnd();
    auto* consumer = window ? dynamic_cast<ConsumerBase*>(window->GetModule()) : nullptr;
    if (!window || !consumer)
        return;
    // The table may close while the popup is open: the consumer is asked again for its tables.
    m_services.quickAddInstrument(*window, *consumer, [consumer](QWidget* asker, const Asset& chosen) {
        auto* tables = dynamic_cast<TableConsumer*>(consumer);
        if (!asker || !tables)
            return;
        std::set<Asset> assets;
        std::set<AssetsGroupId> groups;
        tables->GetAllAssetsAndAssetsGroupId(assets, groups);
        if (assets.insert(chosen).second)
            tables->AddRemoveAssets(assets, groups);
    });
}

void CmdTargetTable::ManageInstruments()
{
    TableConsumer* tables = Tables();
    if (!tables)
        return;
    std::set<Asset> assets;
    std::set<AssetsGroupId> groups;
    tables->GetAllAssetsAndAssetsGroupId(assets, groups);
    if (m_services.chooseManyAssets(m_services.activePanelView(), assets, groups))
        tables->AddRemoveAssets(assets, groups);
}

// Columns

void CmdTargetTable::AddColumnCommands()
{
    OnTable(ID_ADD_COLUMN_AFTER, [](TableConsumer& tables) { tables.AddColumn(false); });
    OnTable(ID_ADD_COLUMN_BEFORE, [](TableConsumer& tables) { tables.AddColumn(true); });
    OnTable(ID_REMOVE_COLUMN, [](TableConsumer& tables) { tables.RemoveColumn(); },
            [](TableConsumer& tables) { return tables.CanRemoveColumn(); });
    OnTable(ID_HIDE_COLUMN, [](TableConsumer& tables) { tables.HideSelectedColumn(); },
            [](TableConsumer& tables) { return tables.CanHideColumn(); });
    OnTable(ID_SHOW_COLUMNS, [](TableConsumer&) {}, [](TableConsumer& tables) { return tables.HasHiddenColumns(); });
    auto canLeft = [](TableConsumer& tables) { return tables.CanMoveColumnToLeft(); };
    auto canRight = [](TableConsumer& tables) { return tables.CanMoveColumnToRight(); };
    OnTable(ID_COLUMN_LEFT, [](TableConsumer& tables) {
        tables.MoveColumnToLeft();
        tables.RedrawCurrentTable();
    }, canLeft);
    OnTable(ID_COLUMN_RIGHT, [](TableConsumer& tables) {
        tables.MoveColumnToRight();
        tables.RedrawCurrentTable();
    }, canRight);
    OnCommand(ID_COLUMN_TO_BEGIN, [this] { MoveColumnToEdge(true); });
    OnUpdate(ID_COLUMN_TO_BEGIN, [this, canLeft](CmdUI& cmdUI) { cmdUI.Enable(Tables() && canLeft(*Tables())); });
    OnCommand(ID_COLUMN_TO_END, [this] { MoveColumnToEdge(false); });
    OnUpdate(ID_COLUMN_TO_END, [this, canRight](CmdUI& cmdUI) { cmdUI.Enable(Tables() && canRight(*Tables())); });
    OnNotify(ID_COLUMN_NAME, NotifyCodes::Execute, [this](NotifyInfo&) { OnNameEdit(ID_GROUP_COLUMN_OPTIONS, ID_COLUMN_NAME, true); });
    OnUpdate(ID_COLUMN_NAME, [this](CmdUI& cmdUI) { UpdateNameEdit(cmdUI, ID_GROUP_COLUMN_OPTIONS, true); });
    OnTable(ID_LOCK_COLUMNS, [](TableConsumer& tables) { tables.LockColumns(!tables.AreColumnsLocked()); });
    OnUpdate(ID_LOCK_COLUMNS, [this](CmdUI& cmdUI) { cmdUI.SetCheck(Tables() && Tables()->AreColumnsLocked() ? 1 : 0); });
    // Merging and splitting are one operation of the library.
    OnTable(ID_MERGE, [](TableConsumer& tables) { tables.MergeSelection(); },
            [](TableConsumer& tables) { return !tables.HasMergedFieldsInSelection() && tables.CanMergeFields(); });
    OnTable(ID_SPLIT, [](TableConsumer& tables) { tables.MergeSelection(); },
            [](TableConsumer& tables) { return tables.HasMergedFieldsInSelection(); });
    OnCommand(ID_CUSTOMIZE, [this] { ToggleFieldConfiguration(); });
    OnUpdate(ID_CUSTOMIZE, [this](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(Tables() && Tables()->IsConfigTypeFieldsWndVisible() ? 1 : 0);
    });
}

void CmdTargetTable::MoveColumnToEdge(bool toLeft)
{
    TableConsumer* tables = Tables();
    if (!tables)
        return;
    // Bounded by the number of columns, so a library that never says "no more" cannot hang us.
    const std::size_t limit = tables->GetSortableTableFields().size() + tables->GetHiddenColumns().size() + 2;
    for (std::size_t step = 0; step < limit && (toLeft ? tables->CanMoveColumnToLeft() : tables->CanMoveColumnToRight()); ++step)
    {
        if (!(toLeft ? tables->MoveColumnToLeft() : tables->MoveColumnToRight()))
            break;
    }
    tables->RedrawCurrentTable();
}

void CmdTargetTable::ToggleFieldConfiguration()
{
    TableConsumer* tables = Tables();
    if (!tables)
        return;
    const bool show = !tables->IsConfigTypeFieldsWndVisible();
    tables->ShowConfigTypeFieldsWnd(show);
    if (TableSettings* settings = Settings())
    {
        settings->fieldConfigurationShown = show;
        if (show && tables->IsRowCursor())
            tables->SetRowCursor(false);
    }
    tables->ForceRedrawCurrentTable();
}

void CmdTargetTable::OnNameEdit(std::uint32_t groupId, std::uint32_t id, bool column)
{
    auto* edit = qobject_cast<RibbonEditControl*>(FindRibbonControl(groupId, id));
    TableConsumer* tables = Tables();
    if (!edit || !tables)
        return;
    if (column)
        tables->SetColumnHeader(edit->GetEditText());
    else
        tables->SetTableName(edit->GetEditText());
}

void CmdTargetTable::UpdateNameEdit(CmdUI& cmdUI, std::uint32_t groupId, bool column)
{
    TableConsumer* tables = Tables();
    const std::optional<QString> text = !tables ? std::nullopt : column ? tables->GetColumnHeader() : tables->GetTableName();
    if (!text)
    {
        cmdUI.Enable(false);
        return;
    }
    cmdUI.Enable(true);
    // Typing is never overwritten.
    auto* edit = qobject_cast<RibbonEditControl*>(FindRibbonControl(groupId, cmdUI.Id()));
    if (edit && !edit->HasFocus() && edit->GetEditText() != *text)
        edit->SetEditText(*text);
}

// Table, notes, pinned rows, sorting

void CmdTargetTable::AddTableCommands()
{
    OnNotify(ID_TABLE_NAME, NotifyCodes::Execute, [this](NotifyInfo&) { OnNameEdit(ID_GROUP_TABLE_CONTENT, ID_TABLE_NAME, false); });
    OnUpdate(ID_TABLE_NAME, [this](CmdUI& cmdUI) { UpdateNameEdit(cmdUI, ID_GROUP_TABLE_CONTENT, false); });
    OnTable(ID_COPY, [](TableConsumer& tables) { tables.CopyToClipboard(false); });
    OnTable(ID_COPY_DDE, [](TableConsumer& tables) { tables.CopyToClipboard(true); });
    OnTable(ID_COPY_PLAIN, [](TableConsumer& tables) { tables.CopyToClipboard(false); });
    OnTable(ID_LOG_STATE, [](TableConsumer& tables) {
                tables.LogTablesState();
                IAppMediator* mediator = PluginBase::GetAppMediator();
                if (IAlertModule* alerts = mediator ? mediator->GetAlertsInterface() : nullptr)
                    alerts->LogAlertsState();
            },
            [](TableConsumer& tables) { return tables.IsLogTableStateAvailable(); });

    OnTable(ID_ADD_COMMENT, [](TableConsumer& tables) { tables.EditComment(); },
            [](TableConsumer& tables) { return tables.IsCommentCellSelected() && !tables.IsRowCursor(); });
    OnTable(ID_REMOVE_COMMENT, [](TableConsumer& tables) { tables.RemoveSelectedComment(); },
            [](TableConsumer& tables) { return tables.IsCommentCellFilled(); });
    OnTable(ID_REMOVE_COMMENTS, [](TableConsumer& tables) {
        tables.RemoveComments();
        tables.RedrawCurrentTable();
    }, [](TableConsumer& tables) { return tables.AreCommentsInTable(); });

    OnTable(ID_UNPIN, [](TableConsumer& tables) {
        if (const std::uint32_t selected = tables.GetSelectedInstrument())
            tables.ResetPositions(selected);
    }, [](TableConsumer& tables) { return tables.IsCurrentInstrumentPinned(); });
    OnTable(ID_UNPIN_ALL, [](TableConsumer& tables) { tables.ResetPositions(0); },
            [](TableConsumer& tables) { return tables.HasPinnedInstruments(); });

    OnTable(ID_SORT_ASC, [](TableConsumer& tables) { tables.SortAsc(); });
    OnTable(ID_SORT_DESC, [](TableConsumer& tables) { tables.SortDesc(); });
    OnTable(ID_AUTO_SORT, [](TableConsumer& tables) { tables.EnableAutoSort(!tables.IsAutoSort()); });
    OnUpdate(ID_AUTO_SORT, [this](CmdUI& cmdUI) { cmdUI.SetCheck(Tables() && Tables()->IsAutoSort() ? 1 : 0); });
    OnTable(ID_SORT, [](TableConsumer& tables) { tables.SortSwitch(); });
    OnUpdate(ID_SORT_GALLERY, [this](CmdUI& cmdUI) { UpdateSortGallery(cmdUI); });
    OnNotify(ID_RIBBON_TAB_CONTROL, NotifyCodes::TabSelectionChange, [this](NotifyInfo& info) { OnTabChanged(info); });
}

void CmdTargetTable::UpdateSortGallery(CmdUI& cmdUI)
{
    RibbonsFactory* ribbons = m_services.ribbons();
    auto* gallery = qobject_cast<DynamicGallery*>(ribbons ? ribbons->FindControl(ID_SORT_GALLERY) : nullptr);
    if (gallery && gallery->GetHelper())
        gallery->GetHelper()->UpdateCheckedItem(*gallery, cmdUI);
}

void CmdTargetTable::OnTabChanged(NotifyInfo& info)
{
    TableConsumer* tables = Tables();
    TableSettings* settings = Settings();
    auto* bar = qobject_cast<RibbonBarBase*>(info.control);
    const RibbonTabBase* tab = bar ? bar->GetSelectedTab() : nullptr;
    if (!tables || !settings || !tab)
        return;
    bool wanted = settings->rowCursor;
    if (tab->GetID() == ID_TAB_INSTRUMENT)
        wanted = true;
    else if (tab->GetID() == ID_TAB_COLUMN || tab->GetID() == ID_TAB_CELL)
        wanted = false;
    if (tables->IsConfigTypeFieldsWndVisible())
        wanted = false;
    if (wanted != tables->IsRowCursor())
        tables->SetRowCursor(wanted);
}

// Offer lines

void CmdTargetTable::AddOfferLineCommands()
{
    OnCommand(ID_OFFER_LINES_COMBO, [this] { OnOfferLinesCombo(); });
    OnNotify(ID_OFFER_LINES_COMBO, NotifyCodes::Execute, [this](NotifyInfo&) { OnOfferLinesCombo(); });
    OnUpdate(ID_OFFER_LINES_COMBO, [this](CmdUI& cmdUI) { UpdateOfferLinesCombo(cmdUI); });
    OnRange(ID_OFFER_LINES_ALL_FIRST, ID_OFFER_LINES_ALL_LAST, [this](std::uint32_t id) {
        if (TableConsumer* tables = Tables())
            tables->SetOfferLines(0, static_cast<int>(id - (ID_OFFER_LINES_ALL_FIRST - 1)));
    });
    OnUpdateRange(ID_OFFER_LINES_ALL_FIRST, ID_OFFER_LINES_ALL_LAST, [this](CmdUI& cmdUI) {
        TableConsumer* tables = Tables();
        cmdUI.SetCheck(tables && cmdUI.Id() == tables->GetOfferLines(0) + (ID_OFFER_LINES_ALL_FIRST - 1) ? 1 : 0);
    });
    // Without a selected instrument the library would take id 0 as every instrument: nothing happens then.
    OnRange(ID_OFFER_LINES_ONE_FIRST, ID_OFFER_LINES_ONE_LAST, [this](std::uint32_t id) {
        TableConsumer* tables = Tables();
        if (const std::uint32_t selected = tables ? tables->GetSelectedInstrument() : 0)
            tables->SetOfferLines(selected, static_cast<int>(id - (ID_OFFER_LINES_ONE_FIRST - 1)));
    });
    OnUpdateRange(ID_OFFER_LINES_ONE_FIRST, ID_OFFER_LINES_ONE_LAST, [this](CmdUI& cmdUI) {
        TableConsumer* tables = Tables();
        const std::uint32_t selected = tables ? tables->GetSelectedInstrument() : 0;
        cmdUI.SetCheck(selected != 0 && cmdUI.Id() == tables->GetOfferLines(selected) + (ID_OFFER_LINES_ONE_FIRST - 1) ? 1 : 0);
    });
    OnCommand(ID_OFFER_LINES_ALL_MENU, [] {});
    OnUpdate(ID_OFFER_LINES_ALL_MENU, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    OnCommand(ID_OFFER_LINES_ONE_MENU, [] {});
    OnUpdate(ID_OFFER_LINES_ONE_MENU, [this](CmdUI& cmdUI) { cmdUI.Enable(Tables() && !Tables()->IsConfigTypeFieldsWndVisible()); });
}

void CmdTargetTable::OnOfferLinesCombo()
{
    TableConsumer* tables = Tables();
    auto* combo = qobject_cast<RibbonComboBoxControl*>(FindRibbonControl(ID_GROUP_INSTRUMENT_OPTIONS, ID_OFFER_LINES_COMBO));
    const std::uint32_t selected = tables ? tables->GetSelectedInstrument() : 0;
    if (combo && selected != 0 && combo->GetCurSel() >= 0)
        tables->SetOfferLines(selected, combo->GetCurSel() + 1);
}

void CmdTargetTable::UpdateOfferLinesCombo(CmdUI& cmdUI)
{
    TableConsumer* tables = Tables();
    const std::uint32_t selected = tables ? tables->GetSelectedInstrument() : 0;
    if (selected == 0)
    {
        cmdUI.Enable(false);
        return;
    }
    if (auto* combo = qobject_cast<RibbonComboBoxControl*>(FindRibbonControl(ID_GROUP_INSTRUMENT_OPTIONS, ID_OFFER_LINES_COMBO)))
        combo->SetCurSel(tables->GetOfferLines(selected) - 1);
    cmdUI.Enable(true);
}

// Display options

void CmdTargetTable::OnSettingsFlag(std::uint32_t id, bool TableSettings::*field, bool force)
{
    OnCommand(id, [this, field, force] {
        TableSettings* settings = Settings();
        if (!settings)
            return;
        settings->*field = !(settings->*field);
        if (force)
            Tables()->ForceRedrawCurrentTable();
        else
            Redraw();
    });
    OnUpdate(id, [this, field](CmdUI& cmdUI) {
        if (const TableSettings* settings = Settings())
            cmdUI.SetCheck(settings->*field ? 1 : 0);
    });
}

void CmdTargetTable::OnPrecision(std::uint32_t id, int precision)
{
    OnCommand(id, [this, precision] {
        if (TableSettings* settings = Settings())
        {
            settings->pricePrecision = precision;
            Tables()->RecalcStrings();
        }
    });
    OnUpdate(id, [this, precision](CmdUI& cmdUI) {
        if (const TableSettings* settings = Settings())
            cmdUI.SetCheck(settings->pricePrecision == precision ? 1 : 0);
    });
}

void CmdTargetTable::OnRowLayout(std::uint32_t id, int layout)
{
    OnCommand(id, [this, layout] {
        if (TableSettings* settings = Settings())
        {
            settings->rowLayout = layout;
            Tables()->InvalidateHeights();
            Redraw();
        }
    });
    OnUpdate(id, [this, layout](CmdUI& cmdUI) {
        if (const TableSettings* settings = Settings())
            cmdUI.SetCheck(settings->rowLayout == layout ? 1 : 0);
    });
}

void CmdTargetTable::AddDisplayOptionCommands()
{
    OnSettingsFlag(ID_TREND_TO_REFERENCE, &TableSettings::trendAgainstReference, false);
    OnSettingsFlag(ID_OFFER_LINE_ICONS, &TableSettings::offerLineIcons, false);
    OnSettingsFlag(ID_AUTOSCROLL, &TableSettings::autoscroll, true);
    OnCommand(ID_HIDE_SCROLLBAR, [this] {
        if (const TableSettings* settings = Settings())
            Tables()->ShowScrollbar(!settings->scrollBarShown);
    });
    OnUpdate(ID_HIDE_SCROLLBAR, [this](CmdUI& cmdUI) {
        if (const TableSettings* settings = Settings())
            cmdUI.SetCheck(settings->scrollBarShown ? 0 : 1);
    });
    OnCommand(ID_ROW_CURSOR, [this] {
        if (TableSettings* settings = Settings())
        {
            settings->rowCursor = !settings->rowCursor;
            Tables()->SetRowCursor(settings->rowCursor);
        }
    });
    OnUpdate(ID_ROW_CURSOR, [this](CmdUI& cmdUI) {
        const TableSettings* settings = Settings();
        if (!settings)
            return;
        cmdUI.Enable(!Tables()->IsConfigTypeFieldsWndVisible());
        cmdUI.SetCheck(settings->rowCursor ? 1 : 0);
    });
    OnCommand(ID_PRICE_PRECISION_MENU, [] {});
    OnUpdate(ID_PRICE_PRECISION_MENU, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    OnPrecision(ID_PRECISION_DEFAULT, -1);
    OnPrecision(ID_PRECISION_0, 0);
    OnPrecision(ID_PRECISION_2, 2);
    OnPrecision(ID_PRECISION_4, 4);
    OnPrecision(ID_PRECISION_6, 6);
    OnRowLayout(ID_ROW_LAYOUT_0, 0);
    OnRowLayout(ID_ROW_LAYOUT_2, 2);
    OnRowLayout(ID_ROW_LAYOUT_1, 1);
}
