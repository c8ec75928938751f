#pragma once
// The edition's chooser of an instrument and of the parameters of a new chart, made once by the
// edition factory and kept by the application mediator. Each operation answers true with every
// out-value filled, false when the user chose nothing. Main thread only.

#include <memory>

class Asset;
class DataRequestParams;
class ShowedRange;

class ChooseAssetChartParams
{
public:
    virtual ~ChooseAssetChartParams() = default;

    virtual bool ChooseAssetAndChartParams(std::shared_ptr<Asset>& asset, std::shared_ptr<DataRequestParams>& request,
                                           std::shared_ptr<ShowedRange>& range, int& chartType, int& timeAxisType) = 0;
    virtual bool ChooseChartParamsForAsset(const Asset& asset, std::shared_ptr<DataRequestParams>& request,
                                           std::shared_ptr<ShowedRange>& range, int& chartType, int& timeAxisType) = 0;
    // asset is the instrument shown first and, on true, the one chosen.
    virtual bool ChooseAsset(Asset& asset) = 0;
};
