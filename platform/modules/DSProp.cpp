#include "platform/modules/DSProp.h"

#include <utility>

DSProp::DSProp(ESeriesID seriesId, QString label, EPrecision precision, EAggrType aggrType, EPrecision minPrecision)
    : m_seriesId(seriesId)
    , m_label(std::move(label))
    , m_precision(precision)
    , m_aggrType(aggrType)
    , m_minPrecision(minPrecision)
{
}

bool operator==(const DSProp& a, const DSProp& b)
{
    return a.m_seriesId == b.m_seriesId && a.m_label == b.m_label;
}

std::strong_ordering operator<=>(const DSProp& a, const DSProp& b)
{
    if (const auto byId = a.m_seriesId <=> b.m_seriesId; byId != 0)
        return byId;
    const int byLabel = QString::compare(a.m_label, b.m_label);
    return byLabel < 0 ? std::strong_ordering::less : byLabel > 0 ? std::strong_ordering::greater : std::strong_ordering::equal;
}
