#include "charts/ui/ChooseAssetChartParamsQ4Classic.h"

#include "charts/ui/BLChooseAssetChartParams.h"
#include "charts/ui/ChooseAssetAndChartParamsDlg.h"
#include "charts/ui/ChooseAssetChartParamsQ4Prime.h"
#include "charts/ui/ChooseAssetChartParamsSheet.h"

ChooseAssetChartParamsQ4Classic::ChooseAssetChartParamsQ4Classic(AssetChoiceServices services, Runners runners)
    : m_services(std::move(services))
    , m_runners(std::move(runners))
{
    if (!m_runners.dialog)
        m_runners.dialog = [](ChooseAssetAndChartParamsDlg& dialog) { return dialog.exec() == QDialog::Accepted; };
    if (!m_runners.wizard)
        m_runners.wizard = [](ChooseAssetChartParamsSheet& sheet) { return sheet.Run(); };
}

bool ChooseAssetChartParamsQ4Classic::ChooseAssetAndChartParams(std::shared_ptr<Asset>& asset,
                                                                std::shared_ptr<DataRequestParams>& request,
                                                                std::shared_ptr<ShowedRange>& range, int& chartType,
                                                                int& timeAxisType)
{
    BLChooseAssetChartParams params;
    params.LoadLastChosenState();
    ChooseAssetAndChartParamsDlg dialog(params, m_services);
    if (!m_runners.dialog(dialog) || !params.GetParams(asset, request, range, chartType, timeAxisType))
        return false;
    params.SaveLastChosenState();
    return true;
}

bool ChooseAssetChartParamsQ4Classic::ChooseChartParamsForAsset(const Asset& asset,
                                                                std::shared_ptr<DataRequestParams>& request,
                                                                std::shared_ptr<ShowedRange>& range, int& chartType,
                                                                int& timeAxisType)
{
    const std::optional<AssetParams>& params = asset.GetAssetParams();
    if (!params || !(params->IsSetRecord() || params->IsSetSynchro()))
        return false;
    // A live tick chart of today's session.
    const QDate today = QDate::currentDate();
    auto made = std::make_shared<DataRequestParams>();
    made->interval = DataRequestParams::kTick;
    made->multiplicity = 1;
    BLChooseAssetChartParams::AddLiveKinds(*params, *made);
    made->SetDateRange(today, today);
    auto shown = std::make_shared<ShowedRange>(*made);
    shown->rangeType = ShowedRange::kSessions;
    shown->sessionsCount = 1;
    request = std::move(made);
    range = std::move(shown);
    chartType = 0;
    timeAxisType = 0;
    return true;
}

bool ChooseAssetChartParamsQ4Classic::ChooseAsset(Asset& asset)
{
    return ChooseAssetChartParamsQ4Prime(m_services, m_runners.wizard).ChooseAsset(asset);
}
