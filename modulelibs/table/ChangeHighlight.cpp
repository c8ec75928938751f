#include "modulelibs/table/ChangeHighlight.h"

#include "modulelibs/table/TableFields.h"
#include "styles/engine/StyleBase.h"
#include "styles/engine/StyleTable.h"

ChangeHighlight ChangeHighlight::FromStyle(const StyleBase* style)
{
    ChangeHighlight highlight;
    if (!style)
        return highlight;
    const int mode = style->GetValue(StyleTable::ParamColouringMode);
    // A value no mode has (a damaged or newer file) colours as the rise and fall mode does.
    highlight.m_mode = mode == 0 ? Mode::Rows : mode == 2 ? Mode::None : Mode::RiseFall;
    highlight.m_priceOnly = style->GetValue(StyleTable::ParamOption6) != 0;
    highlight.m_animate = style->GetValue(StyleTable::ParamAnimate) != 0;
    highlight.m_bold = style->GetValue(StyleTable::ParamBoldChanges) != 0;
    return highlight;
}

bool ChangeHighlight::Counts(int fieldId) const
{
    return !m_priceOnly || fieldId == TableFields::kPrice;
}

double ChangeHighlight::Strength(std::int64_t ageMs, int highlightMs) const
{
    if (ageMs < 0 || highlightMs <= 0 || ageMs >= highlightMs)
        return 0.0;
    if (!m_animate)
        return 1.0;
    return 1.0 - static_cast<double>(ageMs) / highlightMs;
}
