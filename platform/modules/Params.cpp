#include "platform/modules/Params.h"

#include <algorithm>

void Params::AddKindData(unsigned kind)
{
    for (unsigned bit = 1; bit <= kHistory; bit <<= 1)
        if ((kind & bit) != 0 && std::find(m_kinds.begin(), m_kinds.end(), bit) == m_kinds.end())
            m_kinds.push_back(bit);
}

unsigned Params::GetKindData() const
{
    unsigned kinds = 0;
    for (unsigned kind : m_kinds)
        kinds |= kind;
    return kinds;
}

void Params::SetDateRange(const QDate& from, const QDate& to)
{
    m_dateFrom = from;
    m_dateTo = to;
}
