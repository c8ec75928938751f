#include "charts/ui/BLChooseAssetChartParams.h"

#include "modulelibs/chart/ChartsDateHelper.h"

#include <QSettings>

#include <algorithm>

namespace
{
const QString kGroup = QStringLiteral("ChooseAssetChartParams");

bool IsKnownInterval(int interval)
{
    return interval == DataRequestParams::kTick || interval == DataRequestParams::kMinute
           || interval == DataRequestParams::kDay;
}

int SessionsOf(const QDate& from, const QDate& to)
{
    int count = 0;
    return ChartsDateHelper::GetSessionCountForDates(from, to, count) ? count : 0;
}
}

bool BLChooseAssetChartParams::LoadLastChosenState()
{
    QSettings profile(QStringLiteral("Kelvora"), QStringLiteral("Quorvanta 4"));
    profile.beginGroup(kGroup);
    if (!profile.contains(QStringLiteral("Interval")))
        return false;
    const int interval = profile.value(QStringLiteral("Interval")).toInt();
    const int chartType = profile.value(QStringLiteral("ChartType")).toInt();
    const int timeAxisType = profile.value(QStringLiteral("TimeAxisType")).toInt();
    // A profile edited by hand must not give a chart the library refuses.
    m_interval = IsKnownInterval(interval) ? interval : DataRequestParams::kDay;
    m_chartType = chartType >= 0 && chartType <= 3 ? chartType : 0;
    if (m_interval == DataRequestParams::kTick && (m_chartType == 2 || m_chartType == 3))
        m_chartType = 0;
    m_timeAxisType = timeAxisType >= 0 && timeAxisType <= 2 ? timeAxisType : 0;
    m_multiplicity = std::max(0, profile.value(QStringLiteral("Multiplicity")).toInt());
    m_sessions = std::max(0, profile.value(QStringLiteral("Sessions")).toInt());
    const int button = profile.value(QStringLiteral("RangeButton")).toInt();
    m_rangeButton = button == IDC_RANGE_DATES || button == IDC_RANGE_SESSIONS ? button : 0;
    return true;
}

void BLChooseAssetChartParams::SaveLastChosenState() const
{
    QSettings profile(QStringLiteral("Kelvora"), QStringLiteral("Quorvanta 4"));
    profile.beginGroup(kGroup);
    profile.setValue(QStringLiteral("Interval"), m_interval);
    profile.setValue(QStringLiteral("ChartType"), m_chartType);
    profile.setValue(QStringLiteral("TimeAxisType"), m_timeAxisType);
    profile.setValue(QStringLiteral("Multiplicity"), m_multiplicity);
    profile.setValue(QStringLiteral("Sessions"), m_sessions);
    profile.setValue(QStringLiteral("RangeButton"), m_rangeButton);
}

bool BLChooseAssetChartParams::SelectedAsset(const Asset& asset)
{
    const std::optional<AssetParams>& params = asset.GetAssetParams();
    if (asset.IsEmpty() || !asset.GetProvider() || !params || !(params->IsSetRecord() || params->IsSetSynchro()))
        return false;
    m_asset = std::make_shared<Asset>(asset);
    return true;
}

std::set<EInterval> BLChooseAssetChartParams::GetSetPossibleIntervals() const
{
    if (!m_asset || !m_asset->GetAssetParams())
        return {};
    const AssetParams& params = *m_asset->GetAssetParams();
    if (!params.IsSetRecord() && !params.IsSetSynchro())
        return {};
    return {DataRequestParams::kTick, DataRequestParams::kMinute, DataRequestParams::kDay};
}

bool BLChooseAssetChartParams::SupportHistry() const
{
    return m_asset && m_asset->GetAssetParams() && m_asset->GetAssetParams()->IsSetSynchro();
}

unsigned BLChooseAssetChartParams::GetKindData() const
{
    if (!m_asset || !m_asset->GetAssetParams())
        return 0;
    const unsigned kinds = m_asset->GetAssetParams()->Kinds();
    return SupportHistry() ? kinds | kHistory : kinds;
}

bool BLChooseAssetChartParams::GetMaxDaysCount(EInterval interval, std::int64_t& days) const
{
    if (!SupportHistry() || interval >= DataRequestParams::kDay)
        return false;
    days = kMaxIntradaySessions;
    return true;
}

bool BLChooseAssetChartParams::GetMaxDatesRange(QDate& minimum, QDate& maximum) const
{
    if (!SupportHistry())
        return false;
    maximum = QDate::currentDate();
    return ChartsDateHelper::GetDateForGivenSessionCount(kMaxIntradaySessions, minimum, maximum);
}

bool BLChooseAssetChartParams::GetDafaultRangeDaysForInterval(bool start, EInterval interval, int& days) const
{
    if (!SupportHistry() || !IsKnownInterval(interval))
        return false;
    // At the start the remembered count wins when it still fits the interval.
    const int limit = interval < DataRequestParams::kDay ? kMaxIntradaySessions : 0x7FFFFFFF;
    if (start && m_sessions > 0 && m_sessions <= limit)
        days = m_sessions;
    else
        days = interval == DataRequestParams::kTick ? 1 : interval == DataRequestParams::kMinute ? 5 : kDaySessions;
    return true;
}

bool BLChooseAssetChartParams::GetDafaultRangeDateForInterval(bool start, EInterval interval, QDate& from, QDate& to) const
{
    int days = 0;
    if (!GetDafaultRangeDaysForInterval(start, interval, days))
        return false;
    to = QDate::currentDate();
    return ChartsDateHelper::GetDateForGivenSessionCount(days, from, to);
}

void BLChooseAssetChartParams::AddLiveKinds(const AssetParams& asset, Params& params)
{
    if (asset.IsSetRecord())
        params.AddKindData(AssetParams::kRecord);
    if (asset.IsSetSynchro())
        params.AddKindData(AssetParams::kSynchro);
    if (asset.IsSetCurrentState())
        params.AddKindData(AssetParams::kCurrentState);
}

void BLChooseAssetChartParams::SetParams(std::shared_ptr<DataRequestParams> request, std::shared_ptr<ShowedRange> range)
{
    m_request = std::move(request);
    m_range = std::move(range);
}

bool BLChooseAssetChartParams::GetParams(std::shared_ptr<Asset>& asset, std::shared_ptr<DataRequestParams>& request,
                                         std::shared_ptr<ShowedRange>& range, int& chartType, int& timeAxisType) const
{
    if (!m_asset)
        return false;
    asset = std::make_shared<Asset>(*m_asset);
    if (m_request && m_range)
    {
        request = std::make_shared<DataRequestParams>(*m_request);
        range = std::make_shared<ShowedRange>(*m_range);
        chartType = m_chartType;
        timeAxisType = m_timeAxisType;
        return true;
    }
    // A tick chart shows today's session, a daily chart a year of sessions where there is history.
    const QDate today = QDate::currentDate();
    QDate from = today;
    if (m_interval != DataRequestParams::kTick && SupportHistry())
        ChartsDateHelper::GetDateForGivenSessionCount(kDaySessions, from, today);
    auto made = std::make_shared<DataRequestParams>();
    made->interval = m_interval;
    made->multiplicity = 1;
    if (from < today)
        made->AddKindData(kHistory);
    if (m_asset->GetAssetParams())
        AddLiveKinds(*m_asset->GetAssetParams(), *made);
    made->SetDateRange(from, today);
    auto shown = std::make_shared<ShowedRange>(*made);
    shown->rangeType = ShowedRange::kSessions;
    shown->sessionsCount = std::max(1, SessionsOf(from, today));
    shown->currentSessionsCount = shown->sessionsCount;
    request = std::move(made);
    range = std::move(shown);
    chartType = m_chartType;
    timeAxisType = 0;
    return true;
}
