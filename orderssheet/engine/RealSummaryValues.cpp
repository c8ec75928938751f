#include "orderssheet/engine/RealSummaryValues.h"

#include "core/engine/InvalidArgException.h"

#include <utility>

RealSummaryValues::RealSummaryValues(int side, std::shared_ptr<const PriceLevelElement> element)
    : m_side(side)
    , m_element(std::move(element))
{
    if (!m_element)
        throw InvalidArgException(QStringLiteral("RealSummaryValues: brak elementu podsumowania"));
}

void RealSummaryValues::Reset()
{
    m_specialCount = 0;
    m_count = 0;
    m_value = 0.0;
    m_limit = 0.0;
}

double RealSummaryValues::ComputeLimit(const OSAdditionalData& additional) const
{
    if (m_element->GetKind() == PriceLevelElement::kBandKind)
    {
        const double base = additional.value3 > 0.0 ? additional.value3 : additional.value4;
        const double fraction = m_element->GetFraction();
        return m_side == 0 ? (1.0 + fraction) * base : (1.0 - fraction) * base;
    }
    const double fixed = m_side == 0 ? additional.value2 : additional.value1;
    return fixed >= 0.0 ? fixed : kNoLimit;
}

void RealSummaryValues::Compute(const std::vector<ItemBasicData>& sorted, const OSAdditionalData& additional)
{
    const bool computable = m_element->GetKind() == PriceLevelElement::kBandKind
                                ? additional.value3 > 0.0 || additional.value4 > 0.0
                                : additional.value1 != 0.0 && additional.value2 != 0.0;
    if (!computable)
        return;
    if (!sorted.empty())
        m_limit = ComputeLimit(additional);
    for (auto record = sorted.rbegin(); record != sorted.rend(); ++record)
    {
        if (ItemBasicData::IsSpecialPrice(record->sheetPrice))
        {
            ++m_specialCount;
            continue;
        }
        if (m_limit == kNoLimit)
            break;
        if (m_side == 0 ? record->sheetPrice > m_limit : record->sheetPrice < m_limit)
            break;
        ++m_count;
        m_value += record->sheetPrice * record->volume;
    }
}
