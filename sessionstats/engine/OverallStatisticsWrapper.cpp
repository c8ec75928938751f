#include "sessionstats/engine/OverallStatisticsWrapper.h"

void OverallStatisticsWrapper::Update(const NDateTime& time, const SessionStatistics& statistics)
{
    m_decrease = statistics.GetGeneralDecreaseInfo();
    m_increase = statistics.GetGeneralIncreaseInfo();
    m_noChange = statistics.GetGeneralNoChangeInfo();
    if (m_decrease && m_increase && m_noChange)
    {
        auto overall = std::make_shared<GeneralData>();
        for (const GeneralData* part : {m_increase.get(), m_decrease.get(), m_noChange.get()})
        {
            overall->instruments += part->instruments;
            overall->turnover += part->turnover;
            overall->volume += part->volume;
            overall->transactions += part->transactions;
        }
        m_overall = std::move(overall);
    }
    else
    {
        m_overall.reset();
    }
    m_timeStamp = time;
}

void OverallStatisticsWrapper::Reset(const NDateTime& now)
{
    if (!IsComplete())
        return;
    m_decrease = std::make_shared<const GeneralData>();
    m_increase = std::make_shared<const GeneralData>();
    m_noChange = std::make_shared<const GeneralData>();
    m_overall = std::make_shared<const GeneralData>();
    m_timeStamp = now;
}

const OverallStatisticsWrapper::GeneralData* OverallStatisticsWrapper::Data(int index) const
{
    switch (index)
    {
    case eIncrease:
        return m_increase.get();
    case eDecrease:
        return m_decrease.get();
    case eNoChange:
        return m_noChange.get();
    case eOverall:
        return m_overall.get();
    default:
        return nullptr;
    }
}

bool OverallStatisticsWrapper::IsComplete() const
{
    return m_decrease && m_increase && m_noChange && m_overall;
}
