#include "platform/modules/CurrentState.h"

double CurrentState::GetDouble(ESeriesID seriesId) const
{
    const ValueCS* value = Find(seriesId);
    return value ? value->GetDouble() : 0.0;
}

bool CurrentState::Set(ESeriesID seriesId, double value)
{
    if (!InRange(seriesId))
        return false;
    m_values[seriesId] = ValueCS(value);
    m_present.set(seriesId);
    return true;
}

bool CurrentState::SetMissing(ESeriesID seriesId)
{
    if (!InRange(seriesId))
        return false;
    m_values[seriesId] = ValueCS();
    m_present.set(seriesId);
    return true;
}

void CurrentState::Remove(ESeriesID seriesId)
{
    if (!InRange(seriesId))
        return;
    m_values[seriesId] = ValueCS();
    m_present.reset(seriesId);
}

void CurrentState::Clear()
{
    m_values.fill(ValueCS());
    m_present.reset();
    m_time = NDateTime();
}
