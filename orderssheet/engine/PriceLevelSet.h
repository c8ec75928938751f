#pragma once
// The price levels of one side of a sheet, by the id their window gave them. Copies are deep:
// each refresh computes its own copy, so the copy that readers see never changes under them.

#include "orderssheet/engine/RealSummaryValues.h"

#include <map>
#include <memory>

class PriceLevelSet
{
public:
    explicit PriceLevelSet(int side);
    PriceLevelSet(const PriceLevelSet& other);
    PriceLevelSet& operator=(const PriceLevelSet& other);

    int GetSide() const { return m_side; }
    // Replaces a level of the same id; a null element raises InvalidArgException.
    void Add(int id, std::shared_ptr<const PriceLevelElement> element);
    bool Remove(int id);
    // Null when there is no level of that id.
    std::shared_ptr<const RealSummaryValues> Find(int id) const;
    bool IsEmpty() const { return m_levels.empty(); }

    void Reset();
    void Compute(const std::vector<ItemBasicData>& sorted, const OSAdditionalData& additional);

private:
    int m_side;
    std::map<int, std::shared_ptr<RealSummaryValues>> m_levels;
};
