#pragma once
// The standard edition's chooser of an instrument and of a new chart's parameters: "Nowy wykres"
// for a new chart, defaults without a dialog for a chart of a given instrument, and the
// wizard's instrument page for an instrument alone.

#include "charts/ui/AssetChoiceServices.h"
#include "core/mediator/ChooseAssetChartParams.h"

#include <functional>

class BLChooseAssetChartParams;
class ChooseAssetAndChartParamsDlg;
class ChooseAssetChartParamsSheet;

class ChooseAssetChartParamsQ4Classic : public ChooseAssetChartParams
{
public:
    // Hooks that tests use to answer the dialogs instead of the user.
    struct Runners
    {
        std::function<bool(ChooseAssetAndChartParamsDlg&)> dialog;
        std::function<bool(ChooseAssetChartParamsSheet&)> wizard;
    };

    explicit ChooseAssetChartParamsQ4Classic(AssetChoiceServices services = AssetChoiceServices::Running(),
                                             Runners runners = {});

    bool ChooseAssetAndChartParams(std::shared_ptr<Asset>& asset, std::shared_ptr<DataRequestParams>& request,
                                   std::shared_ptr<ShowedRange>& range, int& chartType, int& timeAxisType) override;
    bool ChooseChartParamsForAsset(const Asset& asset, std::shared_ptr<DataRequestParams>& request,
                                   std::shared_ptr<ShowedRange>& range, int& chartType, int& timeAxisType) override;
    bool ChooseAsset(Asset& asset) override;

private:
    AssetChoiceServices m_services;
    Runners m_runners;
};
