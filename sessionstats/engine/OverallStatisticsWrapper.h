#pragma once
// The overall figures of the session: those of the rising, falling and unchanged instruments as
// the provider gave them, their field-wise sum, and the time the statistics were received. The
// figures are never changed in place: an update or a reset puts new ones, so whoever copied the
// wrapper keeps the figures it copied.

#include "platform/modules/NDateTime.h"
#include "platform/modules/SessionStatistics.h"

#include <memory>

class OverallStatisticsWrapper
{
public:
    using GeneralData = SessionStatistics::GeneralData;

    enum EIndex
    {
        eIncrease = 0,
        eDecrease = 1,
        eNoChange = 2,
        eOverall = 3,
    };

    // Takes the three figures of the statistics and makes their sum; the sum stays missing
    // when any of the three is.
    void Update(const NDateTime& time, const SessionStatistics& statistics);
    // A new session: every figure zero, stamped now. Does nothing unless all four figures are
    // there (before the first update, or after statistics that lacked one).
    void Reset(const NDateTime& now);

    // By EIndex; null before the first update, when the statistics lacked it, and for an index
    // out of range.
    const GeneralData* Data(int index) const;
    // All four figures are there.
    bool IsComplete() const;
    const NDateTime& TimeStamp() const { return m_timeStamp; }

private:
    std::shared_ptr<const GeneralData> m_decrease;
    std::shared_ptr<const GeneralData> m_increase;
    std::shared_ptr<const GeneralData> m_noChange;
    std::shared_ptr<const GeneralData> m_overall;
    NDateTime m_timeStamp;
};
