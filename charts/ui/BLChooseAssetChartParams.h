#pragma once
// What a new chart is made of while the user chooses it: the instrument, the interval (tick or
// day), the chart type and the range shown, with the last choices kept in the user's profile
// between runs. The dialogs that choose a chart write here; GetParams turns the choice into the
// chart library's request and range.

#include "platform/modules/Asset.h"
#include "platform/modules/DataRequestParams.h"
#include "platform/modules/ShowedRange.h"

#include <memory>

class BLChooseAssetChartParams
{
public:
    static constexpr int kTickSessionBars = 500;
    static constexpr int kDaySessions = 250;

    bool LoadLastChosenState();
    void SaveLastChosenState() const;

    void SetAsset(std::shared_ptr<Asset> asset) { m_asset = std::move(asset); }
    const std::shared_ptr<Asset>& GetAsset() const { return m_asset; }
    // Takes the instrument when its provider can give a chart of it (records or synchronisation).
    bool SelectedAsset(const Asset& asset);
    void SetInterval(EInterval interval) { m_interval = interval; }
    EInterval GetInterval() const { return m_interval; }
    void SetChartType(int chartType) { m_chartType = chartType; }
    int GetChartType() const { return m_chartType; }
    EInterval GetLastChosenInterval() const { return m_interval; }
    int GetLastChosenChartType() const { return m_chartType; }

    // False until an instrument is set; then every out-value is filled.
    bool GetParams(std::shared_ptr<Asset>& asset, std::shared_ptr<DataRequestParams>& request,
                   std::shared_ptr<ShowedRange>& range, int& chartType, int& timeAxisType) const;

private:
    std::shared_ptr<Asset> m_asset;
    EInterval m_interval = DataRequestParams::kDay;
    int m_chartType = 0;
};
