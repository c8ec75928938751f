#include "StatisticsUiFixture.h"

#include "sessionstats/ui/StyleSessionStatistics.h"
#include "tests/support/ui/TestApplication.h"

SessionStatistics::AssetsList MakeList(const QStringList& names)
{
    SessionStatistics::AssetsList list;
    for (int i = 0; i < names.size(); ++i)
        list.push_back(std::make_shared<AssetStatistics>(names[i], 10.0 - i, 100.0 + i, 1000.0 * (i + 1), 10.0 * i,
                                                         static_cast<std::uint32_t>(50 + i)));
    return list;
}

StatisticsUiFixture::StatisticsUiFixture()
{
    TestApplication::Ensure();
    StyleSessionStatistics::RegisterKind();
    module = std::make_unique<SessionStatisticsModule>(mediator, clock);
}
