#pragma once
// The top ten of one statistic kind (rises, falls, turnover or transactions): ten slots that
// take the first ten instruments of the provider's list, in the provider's order. A slot is
// marked changed when its instrument was not in the top ten before, and slot 0 also when the
// leader changed; the grids highlight changed rows for a while from the change time.

#include "platform/modules/SessionStatistics.h"
#include "sessionstats/engine/AssetStatisticsWrapper.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

class AssetStatisticsContainer
{
public:
    static constexpr std::size_t kSlots = 10;

    // Takes the first ten entries of the list; the slots of new instruments are marked changed
    // at tick. A null entry leaves its slot empty.
    void Update(const SessionStatistics::AssetsList& list, std::uint32_t tick);
    // Empties every slot and clears the change marks.
    void Reset();
    bool Contains(const QString& name) const;

    // index below kSlots.
    const AssetStatisticsWrapper& Slot(std::size_t index) const { return m_slots[index]; }

private:
    std::array<AssetStatisticsWrapper, kSlots> m_slots;
};
