// The orders sheet's row colours and font steps, on the active sheet window's own style, and its
// restores, on the current one.

#include "orderssheet/ui/CmdTargetOrdersSheet.h"

#include "orderssheet/settings/StyleOrdersSheet.h"
#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "platform/base/ColorRef.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/IColorDialogService.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "platform/ui/StringTable.h"

#include <span>

using namespace OrdersSheetCommandIds;

namespace
{
constexpr qint32 kOwnValue = 0x7FFFFFFF;
constexpr int kAutomaticItem = -2;
constexpr int kMoreColorsItem = -3;
constexpr unsigned kYesNo = 4;
constexpr int kAnswerYes = 6;
constexpr int kOddRows = 0;
constexpr int kEvenRows = 1;
constexpr int kCurrValueRow = 4;
constexpr int kFont = StyleOrdersSheet::kFontParameterId;
constexpr int kRowParameters[] = {3, 5, 7, 2, 4, 6, kFont, 1, 12};
constexpr int kCurrValueParameters[] = {3, 5, 7, 2, 4, 6, 1, kFont, 12};

void Restore(OrderSheetMainDlg& window, int kind, std::span<const int> parameters)
{
    for (int parameterId : parameters)
        window.GetSettings().RestoreStyleParameter(kind, parameterId);
    window.RedrawAfterLayoutMayChanged();
}
}

void CmdTargetOrdersSheet::AddColorCommands()
{
    if (!m_services.chooseColor)
        m_services.chooseColor = [](const QColor& current) { return DialogServices::ColorDialog()->ChooseColor(current); };
    if (!m_services.activeWindow)
        m_services.activeWindow = []() -> OrderSheetMainDlg* {
            IAppMediator* mediator = PluginBase::GetAppMediator();
            return mediator ? dynamic_cast<OrderSheetMainDlg*>(mediator->GetActiveModuleWnd()) : nullptr;
        };
    for (const RowColorCommand& command : kRowColorCommands)
        AddColorCommand(command.id, command.kind, command.parameterId, false);
}

void CmdTargetOrdersSheet::AddColorCommand(std::uint32_t id, int kind, int parameterId, bool needsCell)
{
    OnNotify(id, NotifyCodes::CheckedItemQuery, [this, kind, parameterId](NotifyInfo& info) {
        const OrderSheetMainDlg* window = ActiveWindow();
        info.result = window ? window->GetStyleValue(kind, parameterId) : 0;
    });
    OnNotify(id, NotifyCodes::GalleryPreviewChange,
             [this, kind, parameterId](NotifyInfo& info) { OnColorPreview(info, kind, parameterId); });
    OnNotify(id, NotifyCodes::GalleryPreviewApply, [this](NotifyInfo&) { OnColorApply(); });
    OnNotify(id, NotifyCodes::GalleryPreviewCancel, [this, kind, parameterId](NotifyInfo&) {
        if (OrderSheetMainDlg* window = ActiveWindow())
            window->RestoreStyleParameter(kind, parameterId);
    });
    OnUpdate(id, [this, needsCell](CmdUI& cmdUI) {
        const OrderSheetMainDlg* window = ActiveWindow();
        cmdUI.Enable(!needsCell || (window && window->HasCursorCell()));
    });
}

void CmdTargetOrdersSheet::OnColorPreview(const NotifyInfo& info, int kind, int parameterId)
{
    OrderSheetMainDlg* window = ActiveWindow();
    const auto* gallery = qobject_cast<const GalleryControl*>(info.control);
    const GalleryItem* item = gallery ? gallery->GetItem(gallery->GetSelectedItem()) : nullptr;
    if (window == nullptr || item == nullptr)
        return;
    m_customColorPending = false;
    const int itemId = static_cast<int>(item->GetID());
    if (itemId == kMoreColorsItem)
    {
        // The dialog opens when the gallery closes on this item.
        m_customColorPending = true;
        m_customColorKind = kind;
        m_customColorParameter = parameterId;
        window->RedrawAfterLayoutMayChanged();
        return;
    }
    window->SetStyleValue(kind, parameterId, itemId == kAutomaticItem ? kOwnValue : itemId);
}

void CmdTargetOrdersSheet::OnColorApply()
{
    OrderSheetMainDlg* window = ActiveWindow();
    const bool pending = m_customColorPending;
    m_customColorPending = false;
    if (window == nullptr)
        return;
    if (pending)
    {
        const QColor current =
            ColorRef(static_cast<quint32>(window->GetStyleValue(m_customColorKind, m_customColorParameter))).ToQColor(Qt::white);
        if (const std::optional<QColor> chosen = m_services.chooseColor(current))
        {
            if (const std::optional<ColorRef> colour = ColorRef::FromQColor(*chosen))
                window->SetStyleValue(m_customColorKind, m_customColorParameter, static_cast<qint32>(colour->Value()));
        }
    }
    window->RedrawAfterLayoutMayChanged();
}

void CmdTargetOrdersSheet::AddFontCommands()
{
    // Both row styles step their own font; the current-value row steps with them.
    for (const auto& [id, grow] : {std::pair{ID_FONT_LARGER, true}, std::pair{ID_FONT_SMALLER, false}})
    {
        const bool larger = grow;
        OnCommand(id, [this, larger] {
            OrderSheetMainDlg* window = ActiveWindow();
            if (window == nullptr)
                return;
            for (int kind : {kOddRows, kEvenRows})
            {
                if (const std::shared_ptr<StyleBase> style = window->GetRowKindStyle(kind))
                    OrdersSheetSettings::StepFontSize(*style, larger);
            }
            window->SetStyleValue(kCurrValueRow, OrderSheetMainDlg::kFontStepParameter, larger ? 1 : 0);
        });
    }
    for (const auto& [id, grow] : {std::pair{ID_CURR_VALUE_FONT_LARGER, true}, std::pair{ID_CURR_VALUE_FONT_SMALLER, false}})
    {
        const bool larger = grow;
        OnCommand(id, [this, larger] {
            if (OrderSheetMainDlg* window = ActiveWindow())
                window->SetStyleValue(kCurrValueRow, OrderSheetMainDlg::kFontStepParameter, larger ? 1 : 0);
        });
    }
    OnCommand(ID_FONT_RESTORE, [this] {
        if (OrderSheetMainDlg* window = ActiveWindow())
        {
            for (int kind : {kOddRows, kEvenRows, kCurrValueRow})
                window->GetSettings().RestoreStyleParameter(kind, kFont);
            window->RedrawAfterLayoutMayChanged();
        }
    });
    OnCommand(ID_CURR_VALUE_FONT_RESTORE, [this] {
        if (OrderSheetMainDlg* window = ActiveWindow())
            window->RestoreStyleParameter(kCurrValueRow, kFont);
    });
    for (std::uint32_t id : {ID_FONT_LARGER, ID_FONT_SMALLER, ID_FONT_RESTORE, ID_CURR_VALUE_FONT_LARGER,
                             ID_CURR_VALUE_FONT_SMALLER, ID_CURR_VALUE_FONT_RESTORE})
        OnUpdate(id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
}

void CmdTargetOrdersSheet::AddRestoreCommands()
{
    if (!m_services.messageBox)
        m_services.messageBox = [](const QString& caption, const QString& text, unsigned flags) {
            IAppMediator* mediator = PluginBase::GetAppMediator();
            return mediator ? mediator->ShowMessageBox(caption, text, flags) : 0;
        };
    OnCommand(ID_RESTORE_COLUMNS, [this] {
        if (OrderSheetMainDlg* window = m_window())
        {
            window->GetSettings().GetTableSettings().CopyAllColumnStyleParameters();
            window->RedrawAfterLayoutMayChanged();
        }
    });
    OnCommand(ID_RESTORE_ORDER_ROWS, [this] {
        if (OrderSheetMainDlg* window = m_window())
        {
            OrdersSheetTableSettings& table = window->GetSettings().GetTableSettings();
            const int action = OrdersSheetSettings::RowStyleAction(table.GetMode());
            for (int parameterId : kRowParameters)
                table.GetRowsStyleSet().CopyParameter(action, parameterId);
            window->RedrawAfterLayoutMayChanged();
        }
    });
    OnCommand(ID_RESTORE_CURR_VALUE_ROW, [this] {
        if (OrderSheetMainDlg* window = m_window())
            Restore(*window, kCurrValueRow, kCurrValueParameters);
    });
    OnCommand(ID_RESTORE_STYLES, [this] {
        if (OrderSheetMainDlg* window = m_window())
            window->RestoreAllStyles();
    });
    OnCommand(ID_RESTORE_ALL, [this] { RestoreAll(); });
    for (std::uint32_t id : {ID_RESTORE_STYLES, ID_RESTORE_ALL})
        OnUpdate(id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
}

void CmdTargetOrdersSheet::RestoreAll()
{
    const StringTable& strings = StringTable::Instance();
    if (m_services.messageBox(strings.Get(IDS_RESTORE_ALL_CAPTION), strings.Get(IDS_RESTORE_ALL_QUESTION), kYesNo) != kAnswerYes)
        return;
    OrderSheetMainDlg* window = m_window();
    if (window == nullptr)
        return;
    window->RestoreAllStyles();
    Restore(*window, kCurrValueRow, kCurrValueParameters);
}
