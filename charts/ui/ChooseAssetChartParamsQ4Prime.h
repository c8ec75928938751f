#pragma once
// The chooser that asks in the new-chart wizard: the instrument page, the chart-parameters page
// or both (modes 0, 1, 2). The standard chooser borrows its instrument page to pick an
// instrument alone.

#include "charts/ui/AssetChoiceServices.h"
#include "core/mediator/ChooseAssetChartParams.h"

#include <functional>

class ChooseAssetChartParamsSheet;

class ChooseAssetChartParamsQ4Prime : public ChooseAssetChartParams
{
public:
    enum Mode
    {
        kAssetOnly = 0,
        kParamsOnly = 1,
        kAssetAndParams = 2,
    };
    // Runs the wizard; tests answer it instead of the user. True only for Finish.
    using WizardRunner = std::function<bool(ChooseAssetChartParamsSheet&)>;

    explicit ChooseAssetChartParamsQ4Prime(AssetChoiceServices services = AssetChoiceServices::Running(),
                                           WizardRunner runner = {});

    // A missing reference (null) or an unknown mode answers false without any window.
    bool RunWizard(int mode, std::shared_ptr<Asset>* asset, std::shared_ptr<DataRequestParams>* request,
                   std::shared_ptr<ShowedRange>* range, int* chartType, int* timeAxisType);

    bool ChooseAssetAndChartParams(std::shared_ptr<Asset>& asset, std::shared_ptr<DataRequestParams>& request,
                                   std::shared_ptr<ShowedRange>& range, int& chartType, int& timeAxisType) override;
    bool ChooseChartParamsForAsset(const Asset& asset, std::shared_ptr<DataRequestParams>& request,
                                   std::shared_ptr<ShowedRange>& range, int& chartType, int& timeAxisType) override;
    bool ChooseAsset(Asset& asset) override;

private:
    AssetChoiceServices m_services;
    WizardRunner m_runner;
};
