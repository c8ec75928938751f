#pragma once
// The current state of one instrument as a provider delivers it: each series it knows (price,
// volume, change, the best offers...) with its value or marked as having none yet (no opening
// price before the first transaction), and the moment of the state. Series ids
// run from 0 below SeriesIds::kLimit, so a state is a small flat array that is cheap to copy and
// to read on every tick.

#include "platform/modules/DSProp.h"
#include "platform/modules/NDateTime.h"
#include "platform/modules/SeriesIds.h"
#include "platform/modules/ValueCS.h"

#include <array>
#include <bitset>

class CurrentState
{
public:
    // Null when the state holds no such series (also for ids out of range).
    const ValueCS* Find(ESeriesID seriesId) const
    {
        return InRange(seriesId) && m_present.test(static_cast<std::size_t>(seriesId)) ? &m_values[static_cast<std::size_t>(seriesId)]
                                                                                         : nullptr;
    }
    // The value of the series, 0 when it is missing.
    double GetDouble(ESeriesID seriesId) const;
    // Both false for an id out of range.
    bool Set(ESeriesID seriesId, double value);
    // The series is present but has no value.
    bool SetMissing(ESeriesID seriesId);
    void Remove(ESeriesID seriesId);
    void Clear();

    const NDateTime& GetTime() const { return m_time; }
    void SetTime(const NDateTime& time) { m_time = time; }

    friend bool operator==(const CurrentState& a, const CurrentState& b) = default;

private:
    static bool InRange(ESeriesID seriesId) { return seriesId >= 0 && seriesId < SeriesIds::kLimit; }

    std::array<ValueCS, SeriesIds::kLimit> m_values{};
    std::bitset<SeriesIds::kLimit> m_present;
    NDateTime m_time;
};
