#include "orderssheet/settings/OSCellStyleResolver.h"

#include "orderssheet/settings/OrdersSheetSettings.h"
#include "styles/engine/StyleTextField.h"

namespace
{
constexpr int kParameterCount = 10;
constexpr int kResolveOrder[kParameterCount] = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9};

bool HasOwnStyleId(int styleId)
{
    return styleId != 0 && styleId != StyleBase::kOwnStyleId;
}

void CopyParameter(const StyleBase& from, StyleBase& to, int parameter)
{
    if (parameter == StyleTextField::ParamFont)
        to.SetGdiObject(parameter, from.GetGdiObject(parameter));
    else
        to.SetValue(parameter, from.GetValue(parameter));
}

// A plain copy of the ten parameters: cheaper than a full style copy, done for every cell.
void CopyParameters(const StyleBase& from, StyleBase& to)
{
    for (int parameter = 0; parameter < kParameterCount; ++parameter)
        CopyParameter(from, to, parameter);
}
}

OSCellStyleResolver::OSCellStyleResolver(const OrdersSheetSettings& settings)
    : m_settings(settings)
    , m_working(StyleTextField::CreateInstance())
    , m_baseCell(StyleTextField::CreateInstance())
    , m_cachedEven(StyleTextField::CreateInstance())
    , m_cachedOdd(StyleTextField::CreateInstance())
{
    m_baseCell->DisableBoldFontUsing();
}

void OSCellStyleResolver::Reset(std::shared_ptr<const StyleBase> editSource)
{
    m_editSource = std::move(editSource);
    if (const std::shared_ptr<StyleBase> plain = m_settings.GetStyle()->GetRelatedStyle(StyleOrdersSheet::RelationOddRow))
        CopyParameters(*plain, *m_baseCell);
    m_evenCached = m_oddCached = false;
}

OSCellStyleResolver::Parity OSCellStyleResolver::GetParity() const
{
    int index = 0;
    if (m_colorMode == 1)
        index = m_row;
    else if (m_colorMode == 0)
        index = m_secondIndex;
    else
        return Parity::None;
    return (index & 1) == 0 ? Parity::Even : Parity::Odd;
}

const StyleTextField& OSCellStyleResolver::SetUp(int row, int secondIndex, int columnPos, const QString& rowKey,
                                                 bool reduced)
{
    m_row = row;
    m_secondIndex = secondIndex;
    const OrdersSheetTableSettings& table = m_settings.GetTableSettings();
    const OrdersSheetTableSettings::ColumnProperties& column = table.GetColumnForDisplayPos(table.GetMode(), columnPos);
    m_columnStyle = OrdersSheetTableSettings::GetColumnStyle(column);
    m_columnStyleId = OrdersSheetTableSettings::GetColumnStyleId(column);
    const auto& entries = table.GetRowsStyleSet().GetEntries(OrdersSheetSettings::RowStyleAction(table.GetMode()));
    const auto entry = rowKey.isEmpty() ? entries.end() : entries.find(rowKey);
    m_hasRowEntry = entry != entries.end();
    m_rowStyle = m_hasRowEntry ? entry->second->style : nullptr;
    m_rowStyleId = m_hasRowEntry ? entry->second->styleId : 0;
    m_sheetStyle = m_settings.GetStyle();
    m_colorMode = m_settings.colorMode;
    if (m_colorMode == OrdersSheetSettings::kColorModeFromStyle && m_sheetStyle)
        m_colorMode = m_sheetStyle->GetValue(StyleOrdersSheet::ParamColorMode) == 1 ? 1 : 0;
    m_styled = false;

    if (QuickPath())
        return *m_working;
    for (int parameter : kResolveOrder)
    {
        if (reduced && parameter > 1)
            break;
        Resolve(parameter);
    }
    // A reduced result lacks the colours: caching it would serve it to whole cells.
    if (!m_styled && !reduced)
    {
        const Parity parity = GetParity();
        if (parity == Parity::Even)
        {
            m_evenCached = true;
            CopyParameters(*m_working, *m_cachedEven);
        }
        else if (parity == Parity::Odd)
        {
            m_oddCached = true;
            CopyParameters(*m_working, *m_cachedOdd);
        }
    }
    return *m_working;
}

bool OSCellStyleResolver::QuickPath()
{
    CopyParameters(*m_baseCell, *m_working);
    if (m_row == -1 || m_hasRowEntry || HasOwnStyleId(m_columnStyleId))
        return false;
    if (m_columnStyle && m_columnStyle->HasChangedParameters())
    {
        for (int parameter : kResolveOrder)
        {
            if (m_columnStyle->IsChangedParameter(parameter))
                return false;
        }
    }
    switch (GetParity())
    {
    case Parity::Even:
        if (m_evenCached)
            CopyParameters(*m_cachedEven, *m_working);
        return m_evenCached;
    case Parity::Odd:
        if (m_oddCached)
            CopyParameters(*m_cachedOdd, *m_working);
        return m_oddCached;
    case Parity::None: return false;
    }
    return false;
}

void OSCellStyleResolver::Resolve(int parameter)
{
    if (m_row == -1)
    {
        if (m_sheetStyle)
        {
            if (const std::shared_ptr<StyleBase> current = m_sheetStyle->GetRelatedStyle(StyleOrdersSheet::RelationCurrValueRow))
                CopyParameter(*current, *m_working, parameter);
        }
        return;
    }
    const StyleBase* rowCandidate = nullptr;
    if (m_rowStyle && m_rowStyle->GetType() == StyleTextField::Type &&
        (m_rowStyle->IsChangedParameter(parameter) || HasOwnStyleId(m_rowStyleId)))
        rowCandidate = m_rowStyle.get();
    const StyleBase* columnCandidate = nullptr;
    if (m_columnStyle && ((m_columnStyle->IsChangedParameter(parameter) && !m_editSource) || HasOwnStyleId(m_columnStyleId)))
        columnCandidate = m_columnStyle.get();
    if (rowCandidate || columnCandidate)
    {
        m_styled = true;
        const StyleBase* winner = m_colorMode == 1 ? (rowCandidate ? rowCandidate : columnCandidate)
                                                   : (columnCandidate ? columnCandidate : rowCandidate);
        CopyParameter(*winner, *m_working, parameter);
        return;
    }
    const Parity parity = GetParity();
    if (parity == Parity::None)
        return;
    const int relation = parity == Parity::Even ? StyleOrdersSheet::RelationOddRow : StyleOrdersSheet::RelationEvenRow;
    std::shared_ptr<const StyleBase> rowsStyle;
    if (m_editSource)
        rowsStyle = m_editSource->GetRelatedStyle(relation);
    else if (m_sheetStyle)
        rowsStyle = m_sheetStyle->GetOwnStyle(relation);
    if (rowsStyle)
        CopyParameter(*rowsStyle, *m_working, parameter);
}
