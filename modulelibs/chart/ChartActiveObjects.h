#pragma once
// The container of a chart window's active objects: every operation the ribbon and the drawing
// tools call on the chart, carried out on the window's document, with the window repainting or
// fetching data as the change needs. Main thread only.

#include "modulelibs/chart/ChartDocument.h"
#include "platform/modules/ActiveObjectsContainer.h"

class IChartHost;

class ChartActiveObjects : public ActiveObjectsContainer
{
public:
    ChartActiveObjects(ChartDocument& document, IChartHost& host);


    bool IsSelectedChart() const override { return true; }
    bool IsSelectedView() const override;
    void AddNewView() override;
    void RemoveSelectedView() override;
    bool CanRemoveView() const override;
    void ZoomPercentChart(bool zoomIn) override;
    void AddOperationResetZoomDate() override;
    bool IsActiveChartZoom() const override;

    void RevertAxicValueChanges() override;
    bool MinOrMaxActiveValueScaleWasChanged() const override;
    bool ValueScaleProp(int* first, bool* second) const override;
    void ChangeGivenScaleValueTypeToLinear() override;
    void ConnectActiveSeriesWithRightScaleValueActiveView() override;
    void IsActiveSeriesConnectedWithRightAxisValue(bool* possible, bool* connected) const override;
    void SetMinMaxAxisValue(double minimum, double maximum) override;
    bool GetMinMaxFromAxisValue(QString& minimum, QString& maximum) const override;
    void TurnOnOffOperationBeginningPercentScaleValueForActiveScaleValue() override;
    bool CanSetReferencePercenAxisValue() const override;
    bool IsTurnOnReferencePercentScaleValueForActiveScaleValue() const override;

    void ChangeActiveChartDataRange() override;
    int GetAxisTimeType() const override;
    void ChangeAxisTimeType(int type) override;
    bool AllAssetsHasTheSameInterval() const override { return true; }
    bool AreAtTwoOneAssetsWithNTickInterval() const override { return false; }
    bool IsAtLestOneAssetWithNTickInterval() const override;
    void ShowHideAxisTime() override;
    bool IsTimeAxisShowedOnActiveView() const override;
    void ConnectBreaksBetweenTransactions() override;
    bool IsConnectingBreaksBetweenTransactionsDaysSupported() const override;
    bool GetInfoIfConnectBreaksBetweenTransactions() const override;
    void SynchronizeAllData() override;
    // The simulated feed adjusts no prices, so there is nothing to turn on.
    void TurnOnOffOperationsOnData() override {}
    bool AreOperationOnData() const override { return false; }
    bool AreOperationOnDataTurnOn() const override { return false; }
    int GetMaxIntervalMultiplicity(int& interval, int& multiplicity, bool forChange, int& count) const override;
    void SetChosenInterval(int interval) override { m_chosenInterval = interval; }
    void ChangeRangeAndIntervalForRightRequests() override;
    void SetNewMargins(const std::shared_ptr<ChartMargins>& margins) override;
    ChartMargins GetMargins() const override;
    void SetLinearScaleDayBeginEnd(double begin, double end) override;
    void GetLinearScaleDayBeginEnd(double& begin, double& end) const override;

    int GetChartType() const override;
    void SetChartType(int type) override;
    bool IsActiveSeriesMainAggregationSereis() const override;
    void RemoveSelectedSeries() override;
    bool IsSelectedSeries() const override;
    QString GetActiveSeriesName() const override;
    int GetHiddenSeriesCount() const override;
    void SetBaseValueActiveSeries(double level) override;
    double GetBaseValueActiveSeries() const override;
    std::vector<std::pair<SeriesObj, bool>> GetListSeriesIdForActiveFormation() const override;
    std::vector<std::pair<SeriesObj, bool>> GetListSeriesIdForFirstValidView() const override;
    void AttachSerieToActiveFormation(const SeriesObj& series) override;
    void ConnectSeriesWithActiveValueScale(const DSProp& series, int requestId, bool connect) override;
    std::vector<std::pair<SeriesObj, QString>> GetDataHiddenSeries() const override;
    int RevertCurrentSeries(const SeriesObj& series) override;
    void RemoveSeriesFromView(const SeriesObj& series) override;
    void RemoveRevertedView(int viewId) override;

    void EditActivePointer() override;
    bool IsActivePointerSerie() const override;
    // No series of a chart is written in the formula language.
    bool IsActiveSerieKflExpr(QString* text) const override { return false; }

    void ShowHideRecordsView() override;
    bool IsShowedRecordsView() const override;
    int GetActiveChartAssetCount() const override { return 1; }
    std::vector<ChartTransactionColumn> PrepareColumnsInformationForChartTransaction() const override;
    void ChangeVisibilityTransactionColumn(int columnId, bool visible) override;

    int GetActiveElementStyleId(int context) const override;
    // The chart library brings no styles of its own; the application's style kinds do.
    // The style the context is drawn in: the chart window style, the selected (else the price)
    // series' element style, or the active formation's style.
    std::shared_ptr<StyleBase> GetAutoStyle(int context) const override;
    std::shared_ptr<StyleBase> GetStyle(int context) const override;
    ColorRef GetActiveViewBackgroundColor() const override;
    void OnChangeStyle(int context, int styleId) override;
    void OnCancelStyle() override;
    void OnApplyStyle() override;
    void ReCreateActiveChart() override;

    void ChangeCbsParams(int context, int parameter, int value) override;
    int GetCbsParams(int context, int parameter) const override;
    void ApplyCbsParams() override;
    void CancelCbsParams() override;
    void CbsRestore(int context) override;
    void CbsRestoreAll() override;
    void RedrawDialogAfterStyleChanged(int context) override;

    bool HasFormations() const override;
    bool IsFormationActive() const override;
    FormationType GetActiveFormationType() const override;
    int GetActivateContext() const override;
    SimpleValue GetActiveFormationParameter(FormationParam::Type type) const override;
    void UpdateActiveFormationParameter(FormationParam::Type type, const SimpleValue& value) override;
    void RemoveActiveFormation() override;
    void DuplicateActiveFormation() override;
    void RemoveAllFormations() override;

    // The series as the galleries name it.
    static SeriesObj ToSeriesObj(const ChartDocument& document, int seriesId);
    static QString SeriesName(const ChartDocument& document, int seriesId);

private:
    ChartView* SelectedView() const;
    ChartSeries* SelectedSeries() const;
    ChartFormation* ActiveFormation() const;
    // The active formation's text size one step larger or smaller, or its style's again
    // (kStyleValue); false for another value or with no active formation.
    bool ChangeFormationFont(int command);
    // A view for a series taken out of the others; its id.
    int AddView();

    ChartDocument& m_document;
    IChartHost& m_host;
    int m_chosenInterval = 0;
};
