// The orders-sheet window's colour and font services for the ribbon.

#include "orderssheet/ui/OrderSheetMainDlg.h"

#include "orderssheet/settings/StyleOrdersSheet.h"

namespace
{
constexpr int kOddRows = 0;
constexpr int kEvenRows = 1;
constexpr int kCurrValueRow = 4;

// The parameters a full restore takes back, the font among them.
constexpr int kRestoredParameters[] = {3, 5, 7, 9, 2, 4, 6, 8, 1, StyleOrdersSheet::kFontParameterId, 12};
}

std::shared_ptr<StyleBase> OrderSheetMainDlg::GetRowKindStyle(int kind) const
{
    const std::shared_ptr<StyleOrdersSheet>& own = m_settings.GetOwnStyle();
    if (!own)
        return nullptr;
    switch (kind)
    {
    case kOddRows: return own->GetRelatedStyle(StyleOrdersSheet::RelationOddRow);
    case kEvenRows: return own->GetRelatedStyle(StyleOrdersSheet::RelationEvenRow);
    case kCurrValueRow: return own->GetRelatedStyle(StyleOrdersSheet::RelationCurrValueRow);
    default: return nullptr;
    }
}

qint32 OrderSheetMainDlg::GetStyleValue(int kind, int parameterId) const
{
    if (kind == kCursorColumnKind || kind == kCursorRowKind)
        return GetCursorStyleValue(kind, parameterId);
    const std::shared_ptr<StyleBase> style = GetRowKindStyle(kind);
    return style ? style->GetValue(parameterId) : 0;
}

void OrderSheetMainDlg::SetStyleValue(int kind, int parameterId, qint32 value)
{
    const std::shared_ptr<StyleBase> style = kind == kCursorColumnKind ? GetCursorColumnStyle()
                                             : kind == kCursorRowKind  ? GetCursorRowStyle()
                                                                       : GetRowKindStyle(kind);
    if (!style)
        return;
    if (parameterId == kFontStepParameter)
        OrdersSheetSettings::StepFontSize(*style, value != 0);
    else
    {
        style->SetValue(parameterId, value);
        style->SetChangedParameter(parameterId);
    }
    RedrawAfterLayoutMayChanged();
}

void OrderSheetMainDlg::RestoreStyleParameter(int kind, int parameterId)
{
    if (kind == kCursorColumnKind || kind == kCursorRowKind)
    {
        RestoreCursorParameter(kind, parameterId);
        return;
    }
    m_settings.RestoreStyleParameter(kind, parameterId);
    RedrawAfterLayoutMayChanged();
}

void OrderSheetMainDlg::RestoreAllStyles()
{
    OrdersSheetTableSettings& table = m_settings.GetTableSettings();
    table.CopyAllColumnStyleParameters();
    for (int action : {0, 1})
    {
        for (int parameterId : kRestoredParameters)
            table.GetRowsStyleSet().CopyParameter(action, parameterId);
    }
    RedrawAfterLayoutMayChanged();
}
