#include "sessionstats/ui/OverallWindowItemBase.h"

void OverallWindowItemBase::Update(const OverallStatisticsWrapper& overall)
{
    if (!overall.IsComplete())
    {
        SetValues(0, 0, 0, 0);
        return;
    }
    SetValues(Figure(*overall.Data(OverallStatisticsWrapper::eIncrease)),
              Figure(*overall.Data(OverallStatisticsWrapper::eDecrease)),
              Figure(*overall.Data(OverallStatisticsWrapper::eNoChange)),
              Figure(*overall.Data(OverallStatisticsWrapper::eOverall)));
}

void OverallWindowItemBase::SetValues(double rising, double falling, double unchanged, double total)
{
    m_rising = rising;
    m_falling = falling;
    m_unchanged = unchanged;
    m_total = total;
}

int OverallWindowItemBase::HitTest(const QPoint& point) const
{
    for (int segment : {eRising, eFalling, eUnchanged})
    {
        if (m_segments[segment].contains(point))
            return segment;
    }
    return -1;
}
