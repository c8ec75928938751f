// A quote table's display parameters (kept per context, row, column or cell, with their
// defaults from the table's style) and the element styles its fields are drawn in.

#include "modulelibs/table/QuoteTableModel.h"

#include "styles/engine/GdiObject.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"

#include <algorithm>
#include <cstdlib>

namespace
{
constexpr int kDefaultFontSize = 9;
// Style fonts are kept in pixels of a 96 dpi screen, as the style editor writes them.
constexpr int kStyleDpi = 96;

int StyleFontSize(const StyleBase* rows)
{
    const GdiObject object = rows ? rows->GetGdiObject(StyleTextField::ParamFont) : GdiObject();
    const LogFont* font = object.Font();
    if (!font || font->lfHeight == 0)
        return kDefaultFontSize;
    const int points = (std::abs(font->lfHeight) * 72 + kStyleDpi / 2) / kStyleDpi;
    return std::clamp(points, QuoteTableModel::kMinFontSize, QuoteTableModel::kMaxFontSize);
}

// Colours are 0x00BBGGRR.
int DefaultColour(int context, int parameter)
{
    switch (parameter)
    {
    case QuoteTableModel::kFontColor:
        return 0x000000;
    case QuoteTableModel::kBackColor:
        return context == QuoteTableModel::kEvenRows ? 0xF4F0EE : 0xFFFFFF;
    case QuoteTableModel::kRiseFontColor:
        return 0x008000;
    case QuoteTableModel::kRiseBackColor:
        return 0xD8F4D8;
    case QuoteTableModel::kFallFontColor:
        return 0x0000C0;
    case QuoteTableModel::kFallBackColor:
        return 0xD8D8F8;
    default:
        return 0;
    }
}
}

// Display parameters

bool QuoteTableModel::IsKnownParameter(int parameter)
{
    return (parameter >= kFontColor && parameter <= kFallBackColor) || parameter == kFontSize;
}

bool QuoteTableModel::KeyFor(int context, ParamKey& key, int parameter) const
{
    switch (context)
    {
    case kOddRows:
    case kEvenRows:
        key = {context, 0, 0, parameter};
        return true;
    case kColumn:
    case kSiblingCells:
        if (ColumnIndex(m_selectedField) < 0)
            return false;
        key = {context, 0, m_selectedField, parameter};
        return true;
    case kInstrument:
        if (!FindRow(m_selectedRow))
            return false;
        key = {context, m_selectedRow, 0, parameter};
        return true;
    case kCell:
        if (!FindRow(m_selectedRow) || ColumnIndex(m_selectedField) < 0)
            return false;
        key = {context, m_selectedRow, m_selectedField, parameter};
        return true;
    default:
        return false;
    }
}

int QuoteTableModel::DefaultParam(int context, int parameter) const
{
    // The style's own size is its rows' font; the columns, instruments and cells start from the odd rows'.
    if (parameter == kFontSize)
        return StyleFontSize(RowStyle(context == kEvenRows ? kEvenRows : kOddRows));
    // The text-field styles keep their colours under the same parameter ids.
    if (const StyleBase* rows = RowStyle(context))
        return rows->GetValue(parameter);
    return DefaultColour(context, parameter);
}

const StyleBase* QuoteTableModel::RowStyle(int context) const
{
    if (!m_style || (context != kOddRows && context != kEvenRows))
        return nullptr;
    return m_style->GetRelatedStyle(context == kOddRows ? StyleTable::RelationOdd : StyleTable::RelationEven).get();
}

bool QuoteTableModel::ChangeTdsParams(int context, int parameter, int value)
{
    ParamKey key;
    if (!IsKnownParameter(parameter) || !KeyFor(context, key, parameter))
        return false;
    if ((value == kStepLarger || value == kStepSmaller) && parameter != kFontSize)
        return false;
    int size = 0;
    if (value == kStepLarger || value == kStepSmaller)
        size = std::clamp(GetTdsParams(context, parameter) + (value == kStepLarger ? 1 : -1), kMinFontSize, kMaxFontSize);
    auto write = [&](ParamMap& params) {
        if (value == kOwnValue)
            params.erase(key);
        else
            params[key] = value == kStepLarger || value == kStepSmaller ? size : value;
    };
    // Font sizes change by command, not by a gallery's preview: they are kept at once.
    if (parameter == kFontSize)
    {
        write(m_params);
        if (m_paramsPreview)
            write(*m_paramsPreview);
        return true;
    }
    if (!m_paramsPreview)
        m_paramsPreview = m_params;
    write(*m_paramsPreview);
    return true;
}

int QuoteTableModel::GetTdsParams(int context, int parameter) const
{
    ParamKey key;
    if (!KeyFor(context, key, parameter))
        return DefaultParam(context, parameter);
    const ParamMap& params = Params();
    if (const auto found = params.find(key); found != params.end())
        return found->second;
    if (context == kOddRows || context == kEvenRows)
        return DefaultParam(context, parameter);
    // A part without its own value shows the rows' value.
    const auto row = params.find(ParamKey{kOddRows, 0, 0, parameter});
    return row != params.end() ? row->second : DefaultParam(kOddRows, parameter);
}

void QuoteTableModel::CancelTdsParams()
{
    m_paramsPreview.reset();
}

void QuoteTableModel::ApplyTdsParams()
{
    if (m_paramsPreview)
        m_params = std::move(*m_paramsPreview);
    m_paramsPreview.reset();
}

bool QuoteTableModel::ResetTdsParams(int kind)
{
    ParamMap& params = m_paramsPreview ? *m_paramsPreview : m_params;
    auto dropContext = [&params](int context, std::uint32_t row, int field) {
        std::erase_if(params, [&](const auto& entry) {
            return std::get<0>(entry.first) == context && std::get<1>(entry.first) == row && std::get<2>(entry.first) == field;
        });
    };
    switch (kind)
    {
    case 0:
        params.clear();
        m_styles.clear();
        return true;
    case 1:
        dropContext(kOddRows, 0, 0);
        dropContext(kEvenRows, 0, 0);
        return true;
    case 2:
        if (ColumnIndex(m_selectedField) < 0)
            return false;
        dropContext(kColumn, 0, m_selectedField);
        return true;
    case 3:
        if (!FindRow(m_selectedRow))
            return false;
        dropContext(kInstrument, m_selectedRow, 0);
        return true;
    case 4:
        if (!FindRow(m_selectedRow) || ColumnIndex(m_selectedField) < 0)
            return false;
        dropContext(kCell, m_selectedRow, m_selectedField);
        return true;
    case 5:
        if (ColumnIndex(m_selectedField) < 0)
            return false;
        dropContext(kSiblingCells, 0, m_selectedField);
        return true;
    default:
        return false;
    }
}

int QuoteTableModel::EffectiveParam(const QuoteTableRow& row, int fieldId, bool oddRow, int parameter) const
{
    const ParamMap& params = Params();
    for (const ParamKey& key : {ParamKey{kCell, row.id, fieldId, parameter}, ParamKey{kSiblingCells, 0, fieldId, parameter},
                                ParamKey{kInstrument, row.id, 0, parameter}, ParamKey{kColumn, 0, fieldId, parameter}})
    {
        if (const auto found = params.find(key); found != params.end())
            return found->second;
    }
    const int context = oddRow ? kOddRows : kEvenRows;
    const auto found = params.find(ParamKey{context, 0, 0, parameter});
    return found != params.end() ? found->second : DefaultParam(context, parameter);
}

// Element styles

bool QuoteTableModel::StyleKeyFor(int kind, StyleKey& key) const
{
    switch (kind)
    {
    case 1:
        key = {kind, 0, 0};
        return true;
    case 2:
    case 5:
        if (ColumnIndex(m_selectedField) < 0)
            return false;
        key = {kind, 0, m_selectedField};
        return true;
    case 3:
        if (!FindRow(m_selectedRow))
            return false;
        key = {kind, m_selectedRow, 0};
        return true;
    case 4:
        if (!FindRow(m_selectedRow) || ColumnIndex(m_selectedField) < 0)
            return false;
        key = {kind, m_selectedRow, m_selectedField};
        return true;
    default:
        return false;
    }
}

int QuoteTableModel::GetFieldStyleId(int kind) const
{
    StyleKey key;
    if (!StyleKeyFor(kind, key))
        return -1;
    const StyleMap& styles = Styles();
    const auto found = styles.find(key);
    return found == styles.end() ? -1 : found->second;
}

bool QuoteTableModel::SetFieldStyle(int kind, int styleId)
{
    StyleKey key;
    if (!StyleKeyFor(kind, key))
        return false;
    if (!m_stylesPreview)
        m_stylesPreview = m_styles;
    if (styleId < 0)
        m_stylesPreview->erase(key);
    else
        (*m_stylesPreview)[key] = styleId;
    return true;
}

void QuoteTableModel::CancelFieldStyle()
{
    m_stylesPreview.reset();
}

void QuoteTableModel::ApplyFieldStyle()
{
    if (m_stylesPreview)
        m_styles = std::move(*m_stylesPreview);
    m_stylesPreview.reset();
}
