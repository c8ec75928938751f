#include "charts/ui/ChooseAssetChartParamsQ4Prime.h"

#include "charts/ui/BLChooseAssetChartParams.h"
#include "charts/ui/ChooseAssetChartParamsSheet.h"
#include "charts/ui/ChooseAssetPropertyPage.h"
#include "charts/ui/ChooseChartParamsPropertyPage.h"

ChooseAssetChartParamsQ4Prime::ChooseAssetChartParamsQ4Prime(AssetChoiceServices services, WizardRunner runner)
    : m_services(std::move(services))
    , m_runner(std::move(runner))
{
    if (!m_runner)
        m_runner = [](ChooseAssetChartParamsSheet& sheet) { return sheet.Run(); };
}

bool ChooseAssetChartParamsQ4Prime::RunWizard(int mode, std::shared_ptr<Asset>* asset,
                                              std::shared_ptr<DataRequestParams>* request,
                                              std::shared_ptr<ShowedRange>* range, int* chartType, int* timeAxisType)
{
    const bool paramsGiven = request && range && chartType && timeAxisType;
    if (mode == kParamsOnly ? !(asset && *asset && paramsGiven)
                            : mode == kAssetAndParams ? !(asset && paramsGiven) : mode != kAssetOnly || !asset)
        return false;
    BLChooseAssetChartParams params;
    params.LoadLastChosenState();
    if (mode == kParamsOnly && !params.SelectedAsset(**asset))
        return false;
    ChooseAssetChartParamsSheet sheet;
    if (mode != kParamsOnly)
    {
        auto* page = new ChooseAssetPropertyPage(params, m_services);
        if (!page->IsUsable())
        {
            delete page;
            return false;
        }
        sheet.addPage(page);
        // An instrument picked directly presses Next (or Finish on a one-page wizard).
        QObject::connect(page, &ChooseAssetPropertyPage::PressNext, &sheet, [&sheet, mode] {
            if (mode == kAssetOnly)
                sheet.accept();
            else
                sheet.next();
        });
    }
    if (mode != kAssetOnly)
        sheet.addPage(new ChooseChartParamsPropertyPage(params));
    if (!m_runner(sheet))
        return false;
    if (mode != kParamsOnly)
    {
        if (!params.GetAsset())
            return false;
        *asset = std::make_shared<Asset>(*params.GetAsset());
        if (mode == kAssetOnly)
            return true;
    }
    std::shared_ptr<Asset> chosen;
    return params.GetParams(chosen, *request, *range, *chartType, *timeAxisType) && *request && *range;
}

bool ChooseAssetChartParamsQ4Prime::ChooseAssetAndChartParams(std::shared_ptr<Asset>& asset,
                                                              std::shared_ptr<DataRequestParams>& request,
                                                              std::shared_ptr<ShowedRange>& range, int& chartType,
                                                              int& timeAxisType)
{
    return RunWizard(kAssetAndParams, &asset, &request, &range, &chartType, &timeAxisType);
}

bool ChooseAssetChartParamsQ4Prime::ChooseChartParamsForAsset(const Asset& asset,
                                                              std::shared_ptr<DataRequestParams>& request,
                                                              std::shared_ptr<ShowedRange>& range, int& chartType,
                                                              int& timeAxisType)
{
    if (!asset.GetProvider())
    {
        if (m_services.showError)
            m_services.showError(QStringLiteral("Nie można otworzyć wykresu dla podanego instrumentu."));
        return false;
    }
    auto copy = std::make_shared<Asset>(asset);
    return RunWizard(kParamsOnly, &copy, &request, &range, &chartType, &timeAxisType);
}

bool ChooseAssetChartParamsQ4Prime::ChooseAsset(Asset& asset)
{
    std::shared_ptr<Asset> chosen;
    if (!RunWizard(kAssetOnly, &chosen, nullptr, nullptr, nullptr, nullptr))
        return false;
    asset = *chosen;
    return true;
}
