#include "platform/modules/SessionStatistics.h"

#include <utility>

namespace
{
bool InRange(EAssetStatisticType type)
{
    return type >= 0 && type < kAssetStatisticTypes;
}
}

const SessionStatistics::AssetsList& SessionStatistics::GetHighestAssetsList(EAssetStatisticType type) const
{
    static const AssetsList empty;
    return InRange(type) && m_lists[type] ? *m_lists[type] : empty;
}

void SessionStatistics::SetHighestAssetsList(EAssetStatisticType type, AssetsList list)
{
    if (InRange(type))
        m_lists[type] = std::make_shared<const AssetsList>(std::move(list));
}

void SessionStatistics::SetGeneralInfo(std::shared_ptr<GeneralData> increase, std::shared_ptr<GeneralData> decrease,
                                       std::shared_ptr<GeneralData> noChange)
{
    m_increase = std::move(increase);
    m_decrease = std::move(decrease);
    m_noChange = std::move(noChange);
}
