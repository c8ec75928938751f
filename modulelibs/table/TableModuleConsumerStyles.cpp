// The quote table consumer's display parameters and element styles of the current table, as
// the style editing changes, applies and cancels them.

#include "modulelibs/table/TableModuleConsumer.h"

#include "modulelibs/table/QuoteTableWindow.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StylesContainer.h"

namespace
{
// The element kind of the whole table in the style galleries.
constexpr int kTableStyleKind = 1;
}

// Display parameters and element styles

bool TableModuleConsumer::ChangeTdsParams(int context, int parameter, int value)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || !table->Model().ChangeTdsParams(context, parameter, value))
        return false;
    if (parameter == QuoteTableModel::kFontSize)
        table->InvalidateHeights();
    table->update();
    return true;
}

int TableModuleConsumer::GetTdsParams(int context, int parameter) const
{
    QuoteTableWindow* table = CurrentTable();
    return table ? table->Model().GetTdsParams(context, parameter) : 0;
}

bool TableModuleConsumer::CancelTdsParams()
{
    return OnCurrent([](QuoteTableModel& model) {
        model.CancelTdsParams();
        return true;
    });
}

bool TableModuleConsumer::ApplyTdsParams()
{
    return OnCurrent([](QuoteTableModel& model) {
        model.ApplyTdsParams();
        return true;
    });
}

bool TableModuleConsumer::ResetTdsParams(int kind)
{
    return OnCurrent([kind](QuoteTableModel& model) { return model.ResetTdsParams(kind); });
}

std::shared_ptr<StyleBase> TableModuleConsumer::GetAutoStyle(int kind) const
{
    QuoteTableWindow* table = CurrentTable();
    if (kind != kTableStyleKind || !table || !table->GetStyle())
        return {};
    const std::shared_ptr<StyleBase>& style = table->GetStyle();
    return StylesContainer::Instance().FindStyle(style->GetId(), StyleTable::Type) == style ? nullptr : style;
}

int TableModuleConsumer::GetTableFieldStyleId(int kind) const
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return -1;
    if (kind == kTableStyleKind)
        return table->GetStyle() ? table->GetStyle()->GetId() : -1;
    return table->Model().GetFieldStyleId(kind);
}

bool TableModuleConsumer::SetTableFieldStyle(int kind, int styleId)
{
    if (kind != kTableStyleKind)
        return OnCurrent([kind, styleId](QuoteTableModel& model) { return model.SetFieldStyle(kind, styleId); });
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    // An id of no stored table style is the table's own style, the gallery's first entry.
    table->PreviewStyle(StylesContainer::Instance().FindStyle(styleId, StyleTable::Type));
    return true;
}

bool TableModuleConsumer::CancelTableFieldStyle()
{
    if (QuoteTableWindow* table = CurrentTable())
        table->CancelStylePreview();
    return OnCurrent([](QuoteTableModel& model) {
        model.CancelFieldStyle();
        return true;
    });
}

bool TableModuleConsumer::ApplyTableFieldStyle()
{
    if (QuoteTableWindow* table = CurrentTable())
        table->ApplyStylePreview();
    return OnCurrent([](QuoteTableModel& model) {
        model.ApplyFieldStyle();
        return true;
    });
}
