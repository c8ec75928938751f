#include "charts/ui/BLChooseAssetChartParams.h"

#include <QSettings>

namespace
{
const QString kGroup = QStringLiteral("ChooseAssetChartParams");
}

bool BLChooseAssetChartParams::LoadLastChosenState()
{
    QSettings profile(QStringLiteral("Kelvora"), QStringLiteral("Quorvanta 4"));
    profile.beginGroup(kGroup);
    if (!profile.contains(QStringLiteral("Interval")))
        return false;
    const int interval = profile.value(QStringLiteral("Interval")).toInt();
    const int chartType = profile.value(QStringLiteral("ChartType")).toInt();
    // A profile edited by hand must not give a chart the library refuses.
    m_interval = interval == DataRequestParams::kTick ? DataRequestParams::kTick : DataRequestParams::kDay;
    m_chartType = chartType >= 0 && chartType <= 3 ? chartType : 0;
    if (m_interval == DataRequestParams::kTick && (m_chartType == 2 || m_chartType == 3))
        m_chartType = 0;
    return true;
}

void BLChooseAssetChartParams::SaveLastChosenState() const
{
    QSettings profile(QStringLiteral("Kelvora"), QStringLiteral("Quorvanta 4"));
    profile.beginGroup(kGroup);
    profile.setValue(QStringLiteral("Interval"), m_interval);
    profile.setValue(QStringLiteral("ChartType"), m_chartType);
}

bool BLChooseAssetChartParams::SelectedAsset(const Asset& asset)
{
    const std::optional<AssetParams>& params = asset.GetAssetParams();
    if (asset.IsEmpty() || !asset.GetProvider() || !params || !(params->IsSetRecord() || params->IsSetSynchro()))
        return false;
    m_asset = std::make_shared<Asset>(asset);
    return true;
}

bool BLChooseAssetChartParams::GetParams(std::shared_ptr<Asset>& asset, std::shared_ptr<DataRequestParams>& request,
                                         std::shared_ptr<ShowedRange>& range, int& chartType, int& timeAxisType) const
{
    if (!m_asset)
        return false;
    // A tick chart shows the transactions of one session, a daily chart a year of sessions.
    const int bars = m_interval == DataRequestParams::kTick ? kTickSessionBars : kDaySessions;
    asset = std::make_shared<Asset>(*m_asset);
    request = std::make_shared<DataRequestParams>(m_interval, 1, bars);
    range = std::make_shared<ShowedRange>(0, 0);
    chartType = m_chartType;
    timeAxisType = 0;
    return true;
}
