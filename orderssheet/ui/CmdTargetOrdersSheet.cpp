#include "orderssheet/ui/CmdTargetOrdersSheet.h"

#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/SpecialStylesInfo.h"
#include "platform/ui/StringTable.h"

using namespace OrdersSheetCommandIds;

CmdTargetOrdersSheet::CmdTargetOrdersSheet(WindowSource window, Services services)
    : m_window(std::move(window))
    , m_services(std::move(services))
{
    Toggle(ID_CHART, [](OrderSheetMainDlg& w) { w.Panes().ShowChart(nullptr); },
           [](const OrderSheetMainDlg& w) { return w.GetSettings().chartVisible; });
    Toggle(ID_LOCK_COLUMNS, [](OrderSheetMainDlg& w) { w.Panes().LockColumns(nullptr); },
           [](const OrderSheetMainDlg& w) { return w.GetSettings().columnsLocked; });
    Toggle(ID_SUMMARY, [](OrderSheetMainDlg& w) { w.Panes().ShowSummaryWnd(nullptr); },
           [](const OrderSheetMainDlg& w) { return w.GetSettings().summaryVisible; });
    Toggle(ID_ROW_CURR_VALUE, [](OrderSheetMainDlg& w) { w.Panes().ShowRowCurrValue(nullptr); },
           [](const OrderSheetMainDlg& w) { return w.GetSettings().rowCurrValueVisible; });
    Toggle(ID_ORDERS_PANE, [](OrderSheetMainDlg& w) { w.Panes().ShowOrdersPane(nullptr); },
           [](const OrderSheetMainDlg& w) { return w.GetSettings().ordersPaneVisible; });
    Toggle(ID_VSCROLL, [](OrderSheetMainDlg& w) { w.Panes().ShowVScroll(nullptr); },
           [](const OrderSheetMainDlg& w) { return w.GetSettings().vScrollVisible; });
    Toggle(ID_CURSOR, [](OrderSheetMainDlg& w) { w.Panes().ShowCursor(nullptr); },
           [](const OrderSheetMainDlg& w) { return w.GetSettings().cursorVisible; });

    // The popup fills itself from the current window; without one it shows nothing to change.
    OnUpdate(ID_SUMMARY_SETTINGS, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    for (std::uint32_t id : {ID_VISIBLE_COLUMNS, ID_COLUMNS_GALLERY})
        OnUpdate(id, [this](CmdUI& cmdUI) { cmdUI.Enable(m_window() != nullptr); });

    OnCommand(ID_EDIT_STYLE, [this] { BeginEditStyle(); });
    OnUpdate(ID_EDIT_STYLE, [this](CmdUI& cmdUI) {
        cmdUI.Enable(m_services.moduleStyle != nullptr && m_services.beginEditStyle != nullptr);
    });

    AddSheetStyleGallery();
    AddColorCommands();
    AddFontCommands();
    AddRestoreCommands();
    AddLinkCommand();
    AddArrangementCommands();
    AddCursorCommands();

    OnCommand(ID_SHEET_MODE, [this] {
        if (OrderSheetMainDlg* window = m_window())
            window->Panes().SetSheetMode(nullptr);
    });
    OnUpdate(ID_SHEET_MODE, [this](CmdUI& cmdUI) {
        const OrderSheetMainDlg* window = m_window();
        cmdUI.Enable(window != nullptr);
        // The button says where it leads: to the offer lines from the orders, and back.
        const bool orders = !window || window->GetSettings().GetTableSettings().GetMode() != 2;
        const QString text = StringTable::Instance().Get(orders ? IDS_TO_OFFERS_MODE : IDS_TO_ORDERS_MODE);
        const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
        cmdUI.SetText(lineBreak < 0 ? text : text.mid(lineBreak + 1));
    });
}

void CmdTargetOrdersSheet::BeginEditStyle()
{
    if (!m_services.moduleStyle || !m_services.beginEditStyle)
        return;
    if (const std::shared_ptr<StyleBase> style = m_services.moduleStyle())
        m_services.beginEditStyle(style, kEditStyleTitle.arg(kEditStyleKind));
}

void CmdTargetOrdersSheet::AddSheetStyleGallery()
{
    OnUpdate(ID_SHEET_STYLE, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    // The gallery shows the style the window took from the stored ones checked.
    OnNotify(ID_SHEET_STYLE, NotifyCodes::SpecialStylesRequest, [this](NotifyInfo& info) {
        const OrderSheetMainDlg* window = m_window();
        if (window == nullptr)
            return;
        m_galleryInfo = std::make_shared<SpecialStylesInfo>();
        m_galleryInfo->checkedStyleId = window->GetSettings().GetOriginStyleId();
        info.result = reinterpret_cast<std::intptr_t>(m_galleryInfo.get());
    });
    OnNotify(ID_SHEET_STYLE, NotifyCodes::GalleryPreviewChange,
             [this](NotifyInfo& info) { PreviewSheetStyle(info, false); });
    OnNotify(ID_SHEET_STYLE, NotifyCodes::GalleryPreviewCancel, [this](NotifyInfo&) {
        if (OrderSheetMainDlg* window = m_window())
        {
            window->GetSettings().SetStyleEditState(OrdersSheetSettings::kRestoreBackupStyleId, false);
            window->RedrawAfterLayoutMayChanged();
        }
    });
    OnNotify(ID_SHEET_STYLE, NotifyCodes::GalleryPreviewApply, [this](NotifyInfo& info) { PreviewSheetStyle(info, true); });
    // A choice without a preview before it (the keyboard) applies at once.
    OnNotify(ID_SHEET_STYLE, NotifyCodes::Execute, [this](NotifyInfo& info) {
        const OrderSheetMainDlg* window = m_window();
        if (window && !window->GetSettings().IsStyleEditing())
            PreviewSheetStyle(info, true);
    });
}

void CmdTargetOrdersSheet::PreviewSheetStyle(const NotifyInfo& info, bool apply)
{
    OrderSheetMainDlg* window = m_window();
    const auto* gallery = qobject_cast<const GalleryControl*>(info.control);
    if (window == nullptr || gallery == nullptr)
        return;
    OrdersSheetSettings& settings = window->GetSettings();
    const GalleryItem* item = gallery->GetItem(gallery->GetSelectedItem());
    if (item == nullptr)
        settings.SetStyleEditState(OrdersSheetSettings::kRestoreBackupStyleId, false);
    else
    {
        settings.SetStyleEditState(static_cast<int>(item->GetID()), true);
        if (apply)
            settings.EndStyleEdit();
    }
    window->RedrawAfterLayoutMayChanged();
}

void CmdTargetOrdersSheet::Toggle(std::uint32_t id, void (*command)(OrderSheetMainDlg&),
                                  bool (*state)(const OrderSheetMainDlg&))
{
    OnCommand(id, [this, command] {
        if (OrderSheetMainDlg* window = m_window())
            command(*window);
    });
    OnUpdate(id, [this, id, state](CmdUI& cmdUI) {
        const OrderSheetMainDlg* window = m_window();
        cmdUI.Enable(window != nullptr || id == ID_CHART);
        cmdUI.SetCheck(window && state(*window) ? 1 : 0);
    });
}
