#pragma once
// The statistics of a running trading session as a provider publishes them: for each ranking the
// instruments in the provider's order (best first), and the overall figures of the rising,
// falling and unchanged instruments. A published object is never changed afterwards, so copies
// share its parts: copying statistics costs the same whatever the number of instruments.

#include "platform/modules/AssetStatistics.h"
#include "platform/modules/EAssetStatisticType.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class SessionStatistics
{
public:
    struct GeneralData
    {
        std::uint32_t instruments = 0;
        double turnover = 0.0;
        double volume = 0.0;
        std::uint32_t transactions = 0;
    };

    using AssetsList = std::vector<std::shared_ptr<AssetStatistics>>;

    // Empty for a type out of range.
    const AssetsList& GetHighestAssetsList(EAssetStatisticType type) const;
    void SetHighestAssetsList(EAssetStatisticType type, AssetsList list);

    // Empty until set.
    std::shared_ptr<GeneralData> GetGeneralIncreaseInfo() const { return m_increase; }
    std::shared_ptr<GeneralData> GetGeneralDecreaseInfo() const { return m_decrease; }
    std::shared_ptr<GeneralData> GetGeneralNoChangeInfo() const { return m_noChange; }
    void SetGeneralInfo(std::shared_ptr<GeneralData> increase, std::shared_ptr<GeneralData> decrease,
                        std::shared_ptr<GeneralData> noChange);

private:
    // Null until set; a list is replaced whole, never changed, so copies may share it.
    std::array<std::shared_ptr<const AssetsList>, kAssetStatisticTypes> m_lists;
    std::shared_ptr<GeneralData> m_increase;
    std::shared_ptr<GeneralData> m_decrease;
    std::shared_ptr<GeneralData> m_noChange;
};
