#pragma once
// One price level of one side of a sheet: how many orders, and of what value, lie within the
// level's price limit, and how many orders without a limit price the side has.

#include "orderssheet/engine/ItemBasicData.h"
#include "orderssheet/engine/OSAdditionalData.h"
#include "orderssheet/engine/PriceLevelElement.h"

#include <memory>
#include <vector>

class RealSummaryValues
{
public:
    static constexpr double kNoLimit = -1.0;

    // A null element raises InvalidArgException.
    RealSummaryValues(int side, std::shared_ptr<const PriceLevelElement> element);

    int GetSpecialCount() const { return m_specialCount; }
    int GetCount() const { return m_count; }
    double GetValue() const { return m_value; }
    double GetLimit() const { return m_limit; }
    int GetSide() const { return m_side; }
    const std::shared_ptr<const PriceLevelElement>& GetElement() const { return m_element; }

    void Reset();
    // The price limit for the side from the additional data; kNoLimit when there is none.
    double ComputeLimit(const OSAdditionalData& additional) const;
    // Counts over the side's records in the row generator's order (the best price last), when
    // the additional data holds what the level's kind needs.
    void Compute(const std::vector<ItemBasicData>& sorted, const OSAdditionalData& additional);

private:
    int m_specialCount = 0;
    int m_count = 0;
    double m_value = 0.0;
    double m_limit = kNoLimit;
    int m_side;
    std::shared_ptr<const PriceLevelElement> m_element;
};
