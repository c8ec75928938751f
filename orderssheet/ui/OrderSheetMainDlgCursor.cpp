// The orders-sheet window's services on the cell under the cursor: the style of its column and
// of its order row, for the ribbon's column and row galleries, colours and fonts.

#include "orderssheet/ui/OrderSheetMainDlg.h"

#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "orderssheet/settings/StyleOrdersSheet.h"
#include "orderssheet/ui/OSComplexPaneContainer.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "orderssheet/ui/TableHandlerCommon.h"
#include "styles/engine/StyleTextField.h"

#include <utility>

namespace
{
using ColumnProperties = OrdersSheetTableSettings::ColumnProperties;

bool IsNamedStyleId(int styleId)
{
    return styleId != 0 && styleId != StyleBase::kOwnStyleId;
}

// The style paints the parameter of its cells (as the cell style resolver decides).
bool Paints(const std::shared_ptr<StyleBase>& style, int styleId, int parameterId)
{
    return style && (IsNamedStyleId(styleId) || style->IsChangedParameter(parameterId));
}

void ClearChanged(StyleBase& style, int parameterId)
{
    style.SetChangedParameter(parameterId, false);
    if (parameterId == StyleOrdersSheet::kFontParameterId)
        style.SetChangedParameter(StyleTextField::ParamFont, false);
}
}

namespace
{
// The table pane whose handler has the cursor cell; null without one.
const OrderSheetTableContainer* CursorPane(const OrdersSheetPaneManager& panes)
{
    const OrderSheetTableContainer* const panesWithCursor[] = {&panes.ComplexPane(), &panes.SecondPane()};
    for (const OrderSheetTableContainer* pane : panesWithCursor)
    {
        const TableHandlerCommon& handler = pane->GetHandler();
        if (handler.GetCursorRow() != -1 && handler.GetCursorColumn() != -1)
            return pane;
    }
    return nullptr;
}
}

const TableHandlerCommon* OrderSheetMainDlg::CursorHandler() const
{
    const OrderSheetTableContainer* pane = CursorPane(*m_panes);
    return pane ? &pane->GetHandler() : nullptr;
}

QString OrderSheetMainDlg::CursorRowKey() const
{
    // The key of the row shown now: the cursor keeps its place when its order leaves the book,
    // and the key it remembers then names no row.
    const OrderSheetTableContainer* pane = CursorPane(*m_panes);
    if (pane == nullptr || pane->GetDataSet() == nullptr)
        return QString();
    return pane->GetDataSet()->GetRowKey(pane->GetHandler().GetCursorRow(), m_settings.GetTableSettings().GetMode());
}

bool OrderSheetMainDlg::HasCursorCell() const
{
    return CursorHandler() != nullptr;
}

const OrdersSheetTableSettings::ColumnProperties* OrderSheetMainDlg::CursorColumn() const
{
    const TableHandlerCommon* handler = CursorHandler();
    const OrdersSheetTableSettings& table = m_settings.GetTableSettings();
    const int mode = table.GetMode();
    if (handler == nullptr || handler->GetCursorColumn() >= OrdersSheetTableSettings::GetDisplayCount(mode))
        return nullptr;
    return &table.GetColumnForDisplayPos(mode, handler->GetCursorColumn());
}

OrdersSheetTableSettings::ColumnProperties* OrderSheetMainDlg::CursorColumn()
{
    return const_cast<ColumnProperties*>(std::as_const(*this).CursorColumn());
}

std::shared_ptr<StyleBase> OrderSheetMainDlg::CursorParityStyle() const
{
    const TableHandlerCommon* handler = CursorHandler();
    if (handler == nullptr)
        return nullptr;
    const int index = m_settings.GetEffectiveColorMode() == OrdersSheetSettings::kColorModeByRows ? handler->GetCursorRow()
                                                                                                 : handler->GetCursorColumn();
    return m_settings.GetStyle()->GetRelatedStyle(index % 2 == 0 ? StyleOrdersSheet::RelationOddRow
                                                                 : StyleOrdersSheet::RelationEvenRow);
}

qint32 OrderSheetMainDlg::GetCursorStyleValue(int kind, int parameterId) const
{
    if (!HasCursorCell())
        return 0;
    const OrdersSheetTableSettings& table = m_settings.GetTableSettings();
    if (kind == kCursorColumnKind)
    {
        if (const ColumnProperties* column = CursorColumn())
        {
            const std::shared_ptr<StyleBase> style = OrdersSheetTableSettings::GetColumnStyle(*column);
            if (Paints(style, OrdersSheetTableSettings::GetColumnStyleId(*column), parameterId))
                return style->GetValue(parameterId);
        }
    }
    else
    {
        const int action = OrdersSheetSettings::RowStyleAction(table.GetMode());
        const QString key = CursorRowKey();
        const auto& entries = table.GetRowsStyleSet().GetEntries(action);
        if (const auto found = entries.find(key); !key.isEmpty() && found != entries.end())
        {
            if (Paints(found->second->style, found->second->styleId, parameterId))
                return found->second->style->GetValue(parameterId);
        }
    }
    const std::shared_ptr<StyleBase> parity = CursorParityStyle();
    return parity ? parity->GetValue(parameterId) : 0;
}

int OrderSheetMainDlg::GetCursorColumnStyleId() const
{
    const ColumnProperties* column = CursorColumn();
    return column ? column->styleId : 0;
}

int OrderSheetMainDlg::GetCursorRowStyleId() const
{
    const QString key = CursorRowKey();
    if (key.isEmpty())
        return 0;
    const OrdersSheetTableSettings& table = m_settings.GetTableSettings();
    return table.GetRowsStyleSet().GetStyleId(OrdersSheetSettings::RowStyleAction(table.GetMode()), key);
}

std::shared_ptr<StyleBase> OrderSheetMainDlg::GetCursorColumnStyle()
{
    ColumnProperties* column = CursorColumn();
    if (column == nullptr)
        return nullptr;
    if (!column->ownStyle)
    {
        // The column goes on looking as it was painted (by its named style, else the sheet's
        // rows), changed in what is set; font steps start from the font it shows.
        if (!column->style)
            column->style = StyleTextField::CreateInstance();
        column->style->CopySettingsFromSelectedStyle(column->namedStyle ? column->namedStyle : CursorParityStyle());
        column->ownStyle = true;
    }
    return column->style;
}

std::shared_ptr<StyleBase> OrderSheetMainDlg::GetCursorRowStyle()
{
    const QString key = CursorRowKey();
    if (key.isEmpty())
        return nullptr;
    OrdersSheetRowsStyleSet& rows = m_settings.GetTableSettings().GetRowsStyleSet();
    const int action = OrdersSheetSettings::RowStyleAction(m_settings.GetTableSettings().GetMode());
    const bool made = rows.GetEntry(action, key, false) == nullptr;
    std::shared_ptr<StyleBase> style = rows.GetStyleForPaint(action, key);
    // A new row style starts from what the row shows, as the column's does.
    if (made)
        style->CopySettingsFromSelectedStyle(CursorParityStyle());
    return style;
}

void OrderSheetMainDlg::SetCursorColumnStyle(int styleId, bool preview)
{
    if (ColumnProperties* column = CursorColumn())
    {
        OrdersSheetTableSettings::SetColumnStyle(*column, preview ? styleId : 0, preview);
        RedrawAfterLayoutMayChanged();
    }
}

void OrderSheetMainDlg::ApplyCursorColumnStyle()
{
    ColumnProperties* column = CursorColumn();
    // Without a preview there is no chosen style to keep.
    if (column == nullptr || !column->editedStyle)
        return;
    OrdersSheetTableSettings::ApplyEditedColumnStyle(*column);
    RedrawAfterLayoutMayChanged();
}

void OrderSheetMainDlg::SetCursorRowStyle(int styleId, bool preview)
{
    const QString key = CursorRowKey();
    if (key.isEmpty())
        return;
    OrdersSheetRowsStyleSet& rows = m_settings.GetTableSettings().GetRowsStyleSet();
    const int action = OrdersSheetSettings::RowStyleAction(m_settings.GetTableSettings().GetMode());
    const std::shared_ptr<OrdersSheetRowsStyleSet::RowStyleSet> entry = rows.GetEntry(action, key, preview);
    if (entry == nullptr)
        return;
    if (preview)
    {
        if (!entry->editing)
            rows.BeginEdit(action, key);
        rows.SetStyle(action, key, styleId);
    }
    else if (entry->editing)
        rows.RestoreEdit(action, key);
    RedrawAfterLayoutMayChanged();
}

void OrderSheetMainDlg::ApplyCursorRowStyle()
{
    const QString key = CursorRowKey();
    if (key.isEmpty())
        return;
    OrdersSheetRowsStyleSet& rows = m_settings.GetTableSettings().GetRowsStyleSet();
    rows.EndEdit(OrdersSheetSettings::RowStyleAction(m_settings.GetTableSettings().GetMode()), key);
    RedrawAfterLayoutMayChanged();
}

void OrderSheetMainDlg::RestoreCursorParameter(int kind, int parameterId)
{
    std::shared_ptr<StyleBase> own;
    std::shared_ptr<StyleBase> named;
    if (kind == kCursorColumnKind)
    {
        if (ColumnProperties* column = CursorColumn())
        {
            own = column->style;
            named = IsNamedStyleId(column->styleId) ? column->namedStyle : nullptr;
        }
    }
    else if (kind == kCursorRowKind)
    {
        OrdersSheetTableSettings& table = m_settings.GetTableSettings();
        const int action = OrdersSheetSettings::RowStyleAction(table.GetMode());
        if (const QString key = CursorRowKey(); !key.isEmpty())
        {
            if (const auto entry = table.GetRowsStyleSet().GetEntry(action, key, false))
            {
                own = entry->style;
                named = IsNamedStyleId(entry->styleId) ? entry->originStyle : nullptr;
            }
        }
    }
    if (!own)
        return;
    // Without a named style the sheet's row style paints the cell again.
    const std::shared_ptr<StyleBase> source = named ? named : CursorParityStyle();
    if (source)
        StyleOrdersSheet::CopyTextFieldParameter(*source, *own, parameterId);
    ClearChanged(*own, parameterId);
    RedrawAfterLayoutMayChanged();
}
