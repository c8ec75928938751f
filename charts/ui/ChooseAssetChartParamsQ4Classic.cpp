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
    // A tick chart of today's session, all of it shown.
    request = std::make_shared<DataRequestParams>(DataRequestParams::kTick, 1, BLChooseAssetChartParams::kTickSessionBars);
    range = std::make_shared<ShowedRange>(0, 0);
    chartType = 0;
    timeAxisType = 0;
    return true;
}

bool ChooseAssetChartParamsQ4Classic::ChooseAsset(Asset& asset)
{
    return ChooseAssetChartParamsQ4Prime(m_services, m_runners.wizard).ChooseAsset(asset);
}
