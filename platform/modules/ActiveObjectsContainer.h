#pragma once
// What acts on the active chart window: its panels (views), value and time axes, series, chart
// type, display parameters and styles, the ribbon popups' values, and the drawn objects
// (formations). The chart library brings one per chart window; the chart command target and the
// drawing-tool commands call it. Main thread only.

#include "platform/base/ColorRef.h"
#include "platform/modules/ChartMargins.h"
#include "platform/modules/DSProp.h"
#include "platform/modules/FormationParam.h"
#include "platform/modules/SeriesObj.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

class StyleBase;

// One column of the records panel of a chart.
struct ChartTransactionColumn
{
    int id = 0;
    QString name;
    bool visible = true;
};

class ActiveObjectsContainer
{
public:
    // Display-parameter values that are no colour.
    static constexpr int kStyleValue = 0x7FFFFFFF;
    static constexpr int kStepLarger = 0x7FFFFFFE;
    static constexpr int kStepSmaller = 0x7FFFFFFD;

    virtual ~ActiveObjectsContainer() = default;

    // Panels and zoom.
    virtual bool IsSelectedChart() const = 0;
    virtual bool IsSelectedView() const = 0;
    virtual void AddNewView() = 0;
    virtual void RemoveSelectedView() = 0;
    virtual bool CanRemoveView() const = 0;
    virtual void ZoomPercentChart(bool zoomIn) = 0;
    virtual void AddOperationResetZoomDate() = 0;
    virtual bool IsActiveChartZoom() const = 0;

    // Value axis of the active view.
    virtual void RevertAxicValueChanges() = 0;
    virtual bool MinOrMaxActiveValueScaleWasChanged() const = 0;
    // False without an active value scale; first 0 linear, second percent.
    virtual bool ValueScaleProp(int* first, bool* second) const = 0;
    virtual void ChangeGivenScaleValueTypeToLinear() = 0;
    virtual void ConnectActiveSeriesWithRightScaleValueActiveView() = 0;
    virtual void IsActiveSeriesConnectedWithRightAxisValue(bool* possible, bool* connected) const = 0;
    // Ignores a minimum not below the maximum and values that are not finite.
    virtual void SetMinMaxAxisValue(double minimum, double maximum) = 0;
    // False without an active value scale; the texts are left untouched then.
    virtual bool GetMinMaxFromAxisValue(QString& minimum, QString& maximum) const = 0;
    virtual void TurnOnOffOperationBeginningPercentScaleValueForActiveScaleValue() = 0;
    virtual bool CanSetReferencePercenAxisValue() const = 0;
    virtual bool IsTurnOnReferencePercentScaleValueForActiveScaleValue() const = 0;

    // Time axis and data.
    virtual void ChangeActiveChartDataRange() = 0;
    virtual int GetAxisTimeType() const = 0;
    virtual void ChangeAxisTimeType(int type) = 0;
    virtual bool AllAssetsHasTheSameInterval() const = 0;
    virtual bool AreAtTwoOneAssetsWithNTickInterval() const = 0;
    virtual bool IsAtLestOneAssetWithNTickInterval() const = 0;
    virtual void ShowHideAxisTime() = 0;
    virtual bool IsTimeAxisShowedOnActiveView() const = 0;
    virtual void ConnectBreaksBetweenTransactions() = 0;
    virtual bool IsConnectingBreaksBetweenTransactionsDaysSupported() const = 0;
    virtual bool GetInfoIfConnectBreaksBetweenTransactions() const = 0;
    virtual void SynchronizeAllData() = 0;
    virtual void TurnOnOffOperationsOnData() = 0;
    virtual bool AreOperationOnData() const = 0;
    virtual bool AreOperationOnDataTurnOn() const = 0;
    // Nonzero when the interval can be changed; interval and multiplicity are the chart's.
    virtual int GetMaxIntervalMultiplicity(int& interval, int& multiplicity, bool forChange, int& count) const = 0;
    // The interval the user chose in the interval popup, applied by the next call below.
    virtual void SetChosenInterval(int interval) = 0;
    // Applies the chosen interval: the chart's data is requested again in it.
    virtual void ChangeRangeAndIntervalForRightRequests() = 0;
    virtual void SetNewMargins(const std::shared_ptr<ChartMargins>& margins) = 0;
    virtual ChartMargins GetMargins() const = 0;
    // Ignores a range that is not 0 <= begin < end <= 1 (fractions of a day).
    virtual void SetLinearScaleDayBeginEnd(double begin, double end) = 0;
    virtual void GetLinearScaleDayBeginEnd(double& begin, double& end) const = 0;

    // Series and chart type.
    virtual int GetChartType() const = 0;
    virtual void SetChartType(int type) = 0;
    virtual bool IsActiveSeriesMainAggregationSereis() const = 0;
    virtual void RemoveSelectedSeries() = 0;
    virtual bool IsSelectedSeries() const = 0;
    virtual QString GetActiveSeriesName() const = 0;
    virtual int GetHiddenSeriesCount() const = 0;
    virtual void SetBaseValueActiveSeries(double level) = 0;
    // 0 without a selected series.
    virtual double GetBaseValueActiveSeries() const = 0;
    virtual std::vector<std::pair<SeriesObj, bool>> GetListSeriesIdForActiveFormation() const = 0;
    virtual std::vector<std::pair<SeriesObj, bool>> GetListSeriesIdForFirstValidView() const = 0;
    virtual void AttachSerieToActiveFormation(const SeriesObj& series) = 0;
    virtual void ConnectSeriesWithActiveValueScale(const DSProp& series, int requestId, bool connect) = 0;
    // Hidden series, each with the text that describes where it was.
    virtual std::vector<std::pair<SeriesObj, QString>> GetDataHiddenSeries() const = 0;
    // Shows the hidden series again in a view of its own; answers that view's id.
    virtual int RevertCurrentSeries(const SeriesObj& series) = 0;
    virtual void RemoveSeriesFromView(const SeriesObj& series) = 0;
    virtual void RemoveRevertedView(int viewId) = 0;

    // Indicators and formulas.
    virtual void EditActivePointer() = 0;
    virtual bool IsActivePointerSerie() const = 0;
    // With text, the formula of the active series goes there.
    virtual bool IsActiveSerieKflExpr(QString* text) const = 0;

    // Records panel.
    virtual void ShowHideRecordsView() = 0;
    virtual bool IsShowedRecordsView() const = 0;
    virtual int GetActiveChartAssetCount() const = 0;
    virtual std::vector<ChartTransactionColumn> PrepareColumnsInformationForChartTransaction() const = 0;
    virtual void ChangeVisibilityTransactionColumn(int columnId, bool visible) = 0;

    // Styles: context 0 the window, 1 the active view, 2 the active element, 3 formations.
    virtual int GetActiveElementStyleId(int context) const = 0;
    virtual std::shared_ptr<StyleBase> GetAutoStyle(int context) const = 0;
    // The style of the context as it is drawn now: for formations a copy of the active
    // formation's style holding the values set on that formation; null when there is none.
    virtual std::shared_ptr<StyleBase> GetStyle(int context) const = 0;
    virtual ColorRef GetActiveViewBackgroundColor() const = 0;
    virtual void OnChangeStyle(int context, int styleId) = 0;
    virtual void OnCancelStyle() = 0;
    virtual void OnApplyStyle() = 0;
    virtual void ReCreateActiveChart() = 0;

    // Display parameters: a preview layer over the applied values, over the style's own.
    virtual void ChangeCbsParams(int context, int parameter, int value) = 0;
    virtual int GetCbsParams(int context, int parameter) const = 0;
    virtual void ApplyCbsParams() = 0;
    virtual void CancelCbsParams() = 0;
    virtual void CbsRestore(int context) = 0;
    virtual void CbsRestoreAll() = 0;
    virtual void RedrawDialogAfterStyleChanged(int context) = 0;

    // Formations.
    virtual bool HasFormations() const = 0;
    virtual bool IsFormationActive() const = 0;
    virtual FormationType GetActiveFormationType() const = 0;
    // 3 while a formation is active, else the context of the selection.
    virtual int GetActivateContext() const = 0;
    virtual SimpleValue GetActiveFormationParameter(FormationParam::Type type) const = 0;
    virtual void UpdateActiveFormationParameter(FormationParam::Type type, const SimpleValue& value) = 0;
    virtual void RemoveActiveFormation() = 0;
    virtual void DuplicateActiveFormation() = 0;
    virtual void RemoveAllFormations() = 0;
};
