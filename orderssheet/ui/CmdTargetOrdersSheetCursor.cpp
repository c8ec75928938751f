// The orders sheet's commands on the cell under the cursor: the column and order-row style
// galleries of the current window, and the colours and fonts of the active one.

#include "orderssheet/ui/CmdTargetOrdersSheet.h"

#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/SpecialStylesInfo.h"

using namespace OrdersSheetCommandIds;

namespace
{
constexpr int kColumn = OrderSheetMainDlg::kCursorColumnKind;
constexpr int kRow = OrderSheetMainDlg::kCursorRowKind;

int CursorStyleId(const OrderSheetMainDlg& window, int kind)
{
    return kind == kColumn ? window.GetCursorColumnStyleId() : window.GetCursorRowStyleId();
}
}

void CmdTargetOrdersSheet::AddCursorCommands()
{
    AddCursorStyleGallery(ID_COLUMN_STYLE, kColumn);
    AddCursorStyleGallery(ID_ROW_STYLE, kRow);
    for (const RowColorCommand& command : kCursorColorCommands)
        AddColorCommand(command.id, command.kind, command.parameterId, true);

    struct FontCommand
    {
        std::uint32_t id;
        int kind;
        int larger;
    };
    static constexpr FontCommand kSteps[] = {{ID_COLUMN_FONT_LARGER, kColumn, 1},
                                             {ID_COLUMN_FONT_SMALLER, kColumn, 0},
                                             {ID_ROW_FONT_LARGER, kRow, 1},
                                             {ID_ROW_FONT_SMALLER, kRow, 0}};
    for (const FontCommand& step : kSteps)
    {
        OnCommand(step.id, [this, step] {
            if (OrderSheetMainDlg* window = ActiveWindow())
                window->SetStyleValue(step.kind, OrderSheetMainDlg::kFontStepParameter, step.larger);
        });
    }
    for (const auto& [id, kind] : {std::pair{ID_COLUMN_FONT_RESTORE, kColumn}, std::pair{ID_ROW_FONT_RESTORE, kRow}})
    {
        const int restored = kind;
        OnCommand(id, [this, restored] {
            if (OrderSheetMainDlg* window = ActiveWindow())
                window->RestoreStyleParameter(restored, StyleOrdersSheet::kFontParameterId);
        });
    }
    for (std::uint32_t id : {ID_COLUMN_FONT_LARGER, ID_COLUMN_FONT_SMALLER, ID_COLUMN_FONT_RESTORE, ID_ROW_FONT_LARGER,
                             ID_ROW_FONT_SMALLER, ID_ROW_FONT_RESTORE})
    {
        OnUpdate(id, [this](CmdUI& cmdUI) {
            const OrderSheetMainDlg* window = ActiveWindow();
            cmdUI.Enable(window && window->HasCursorCell());
        });
    }
}

void CmdTargetOrdersSheet::AddCursorStyleGallery(std::uint32_t id, int kind)
{
    OnUpdate(id, [this, kind](CmdUI& cmdUI) {
        const OrderSheetMainDlg* window = m_window();
        const bool cell = window && window->HasCursorCell();
        cmdUI.Enable(cell);
        if (auto* gallery = qobject_cast<GalleryControl*>(cmdUI.Control()); gallery && cell)
            gallery->SetCheckedItem(static_cast<std::uint32_t>(CursorStyleId(*window, kind)));
    });
    OnNotify(id, NotifyCodes::SpecialStylesRequest, [this, kind](NotifyInfo& info) {
        const OrderSheetMainDlg* window = m_window();
        if (window == nullptr || !window->HasCursorCell())
            return;
        m_galleryInfo = std::make_shared<SpecialStylesInfo>();
        m_galleryInfo->checkedStyleId = CursorStyleId(*window, kind);
        info.result = reinterpret_cast<std::intptr_t>(m_galleryInfo.get());
    });
    OnNotify(id, NotifyCodes::GalleryPreviewChange, [this, kind](NotifyInfo& info) { PreviewCursorStyle(info, kind, false); });
    OnNotify(id, NotifyCodes::GalleryPreviewCancel, [this, kind](NotifyInfo&) {
        if (OrderSheetMainDlg* window = m_window())
            kind == kColumn ? window->SetCursorColumnStyle(0, false) : window->SetCursorRowStyle(0, false);
    });
    OnNotify(id, NotifyCodes::GalleryPreviewApply, [this, kind](NotifyInfo&) {
        if (OrderSheetMainDlg* window = m_window())
            kind == kColumn ? window->ApplyCursorColumnStyle() : window->ApplyCursorRowStyle();
    });
    // A choice without a preview before it (the keyboard) applies at once; after a preview the
    // style is already the cell's.
    OnNotify(id, NotifyCodes::Execute, [this, kind](NotifyInfo& info) { PreviewCursorStyle(info, kind, true); });
}

void CmdTargetOrdersSheet::PreviewCursorStyle(const NotifyInfo& info, int kind, bool apply)
{
    OrderSheetMainDlg* window = m_window();
    const auto* gallery = qobject_cast<const GalleryControl*>(info.control);
    if (window == nullptr || gallery == nullptr)
        return;
    const GalleryItem* item = gallery->GetItem(gallery->GetSelectedItem());
    const int styleId = item ? static_cast<int>(item->GetID()) : 0;
    if (apply && (item == nullptr || styleId == CursorStyleId(*window, kind)))
        return;
    if (kind == kColumn)
    {
        window->SetCursorColumnStyle(styleId, item != nullptr);
        if (apply)
            window->ApplyCursorColumnStyle();
    }
    else
    {
        window->SetCursorRowStyle(styleId, item != nullptr);
        if (apply)
            window->ApplyCursorRowStyle();
    }
}
