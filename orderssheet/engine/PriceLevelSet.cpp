#include "orderssheet/engine/PriceLevelSet.h"

#include <utility>

PriceLevelSet::PriceLevelSet(int side)
    : m_side(side)
{
}

PriceLevelSet::PriceLevelSet(const PriceLevelSet& other)
    : m_side(other.m_side)
{
    for (const auto& [id, level] : other.m_levels)
        m_levels.emplace(id, std::make_shared<RealSummaryValues>(*level));
}

PriceLevelSet& PriceLevelSet::operator=(const PriceLevelSet& other)
{
    if (this != &other)
    {
        PriceLevelSet copy(other);
        m_side = copy.m_side;
        m_levels = std::move(copy.m_levels);
    }
    return *this;
}

void PriceLevelSet::Add(int id, std::shared_ptr<const PriceLevelElement> element)
{
    m_levels.insert_or_assign(id, std::make_shared<RealSummaryValues>(m_side, std::move(element)));
}

bool PriceLevelSet::Remove(int id)
{
    return m_levels.erase(id) > 0;
}

std::shared_ptr<const RealSummaryValues> PriceLevelSet::Find(int id) const
{
    const auto found = m_levels.find(id);
    return found == m_levels.end() ? nullptr : found->second;
}

void PriceLevelSet::Reset()
{
    for (auto& entry : m_levels)
        entry.second->Reset();
}

void PriceLevelSet::Compute(const std::vector<ItemBasicData>& sorted, const OSAdditionalData& additional)
{
    for (auto& entry : m_levels)
        entry.second->Compute(sorted, additional);
}
