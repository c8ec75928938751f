#include "platform/toolkit/PropertyGridItemLimitedNumber.h"

#include "platform/toolkit/PropertyGridStrings.h"
#include "platform/ui/StringTable.h"

#include <algorithm>

PropertyGridItemLimitedNumber::PropertyGridItemLimitedNumber(QString caption, std::int32_t value,
                                                             std::int32_t smallest, std::int32_t greatest,
                                                             bool showButtons)
    : PropertyGridItemNumber(std::move(caption), value)
    , m_smallest(std::min(smallest, greatest))
    , m_greatest(std::max(smallest, greatest))
    , m_showButtons(showButtons)
{
}

bool PropertyGridItemLimitedNumber::CheckNumber(std::int32_t value, QString* errorText) const
{
    if (value >= m_smallest && value <= m_greatest)
        return true;
    if (errorText)
        *errorText = StringTable::Instance()
                         .Get(PropertyGridStrings::kOutOfRange)
                         .arg(QString::number(m_smallest), QString::number(m_greatest));
    return false;
}
