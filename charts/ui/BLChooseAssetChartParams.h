#pragma once
// What a new chart is made of while the user chooses it: the instrument, the interval and its
// multiplicity, the chart and scale types and the range of sessions or dates shown, with the last
// choices kept in the user's profile between runs. The dialogs that choose a chart write here;
// GetParams turns the choice into the chart library's request and range.

#include "platform/modules/Asset.h"
#include "platform/modules/DataRequestParams.h"
#include "platform/modules/ShowedRange.h"

#include <QDate>

#include <cstdint>
#include <memory>
#include <set>

class BLChooseAssetChartParams
{
public:
    static constexpr int kDaySessions = 250;
    // Intraday history reaches this many sessions back.
    static constexpr int kMaxIntradaySessions = 60;
    // Kinds of data: the instrument's own (records 1, current state 2, synchronisation 4) and history.
    static constexpr unsigned kHistory = Params::kHistory;
    static constexpr int IDC_RANGE_DATES = 1313;
    static constexpr int IDC_RANGE_SESSIONS = 1314;

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
    void SetTimeAxisType(int timeAxisType) { m_timeAxisType = timeAxisType; }
    int GetTimeAxisType() const { return m_timeAxisType; }
    EInterval GetLastChosenInterval() const { return m_interval; }
    int GetLastChosenChartType() const { return m_chartType; }

    // What the chosen instrument offers.
    std::set<EInterval> GetSetPossibleIntervals() const;
    bool SupportHistry() const;
    EInterval GetMinInterval() const { return DataRequestParams::kTick; }
    int GetMultiplicity() const { return 1; }
    unsigned GetKindData() const;
    bool GetMaxDaysCount(EInterval interval, std::int64_t& days) const;
    bool GetMaxDatesRange(QDate& minimum, QDate& maximum) const;
    bool GetDafaultRangeDateForInterval(bool start, EInterval interval, QDate& from, QDate& to) const;
    bool GetDafaultRangeDaysForInterval(bool start, EInterval interval, int& days) const;

    // The range the user chose last.
    void SetMultiplicity(int multiplicity) { m_multiplicity = multiplicity; }
    int GetLastChosenMultiplicity() const { return m_multiplicity; }
    void SetSessionsCount(int sessions) { m_sessions = sessions; }
    void SetDateFrom(const QDate& date) { m_dateFrom = date; }
    void SetDateTo(const QDate& date) { m_dateTo = date; }
    void SetLastChosenButtonID(int id) { m_rangeButton = id; }
    int GetLastChosenButtonID() const { return m_rangeButton; }

    // The instrument's live kinds in the order a chart asks for them: records, synchronisation,
    // current state.
    static void AddLiveKinds(const AssetParams& asset, Params& params);
    // Parameters made by the wizard replace those made from the interval alone.
    void SetParams(std::shared_ptr<DataRequestParams> request, std::shared_ptr<ShowedRange> range);

    // False until an instrument is set; then every out-value is filled.
    bool GetParams(std::shared_ptr<Asset>& asset, std::shared_ptr<DataRequestParams>& request,
                   std::shared_ptr<ShowedRange>& range, int& chartType, int& timeAxisType) const;

private:
    std::shared_ptr<Asset> m_asset;
    EInterval m_interval = DataRequestParams::kDay;
    int m_chartType = 0;
    int m_timeAxisType = 0;
    int m_multiplicity = 0;
    int m_sessions = 0;
    QDate m_dateFrom;
    QDate m_dateTo;
    int m_rangeButton = 0;
    std::shared_ptr<DataRequestParams> m_request;
    std::shared_ptr<ShowedRange> m_range;
};
