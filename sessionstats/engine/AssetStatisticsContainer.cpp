#include "sessionstats/engine/AssetStatisticsContainer.h"

#include <algorithm>

void AssetStatisticsContainer::Update(const SessionStatistics::AssetsList& list, std::uint32_t tick)
{
    const QString previousLeader = m_slots[0].AssetName();
    // Only the entries that get a slot are asked: whether a later one is new changes nothing.
    const std::size_t count = std::min(list.size(), kSlots);
    std::array<bool, kSlots> isNew{};
    for (std::size_t i = 0; i < count; ++i)
        isNew[i] = list[i] && !Contains(list[i]->AssetName());

    Reset();
    for (std::size_t i = 0; i < count; ++i)
    {
        if (!list[i])
            continue;
        m_slots[i].Fill(list[i]);
        if (isNew[i])
            m_slots[i].MarkChanged(tick);
    }
    const QString leader = m_slots[0].AssetName();
    if (!leader.isEmpty() && leader != previousLeader)
        m_slots[0].MarkChanged(tick);
}

void AssetStatisticsContainer::Reset()
{
    for (AssetStatisticsWrapper& slot : m_slots)
        slot.Clear();
}

bool AssetStatisticsContainer::Contains(const QString& name) const
{
    return std::any_of(m_slots.begin(), m_slots.end(), [&name](const AssetStatisticsWrapper& slot) {
        return slot.Instrument() && slot.Instrument()->AssetName() == name;
    });
}
