#pragma once
// The consumer of the chart library: chart windows, the inspector, the ruler, the zoom tool and
// the drawing tools. What acts on the active chart window goes through its container of active
// objects, which the chart windows bring.

#include "platform/modules/Asset.h"
#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"

#include <functional>
#include <memory>
#include <vector>

class ActiveObjectsContainer;
class DataRequestParams;
class EditPtrCommand;
class KFLInvestStrategyDataProvidersIterator;
class ShowedRange;
class StyleBase;

// 0 line, 1 column, 2 bar, 3 candle.
using EChartType = int;
using ETimeAxisType = int;

class ChartConsumer : public ConsumerBase
{
public:
    // Opens a chart of the instrument in the panel view; false when none was opened.
    virtual bool OpenNewChart(QWidget* view, const Asset& asset, const std::shared_ptr<DataRequestParams>& request,
                              const std::shared_ptr<ShowedRange>& range, EChartType chartType,
                              ETimeAxisType timeAxisType) = 0;
    // The active chart window's objects; null when no chart window is active.
    virtual ActiveObjectsContainer* GetActiveObjects() = 0;
    virtual void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const = 0;
    // Calls back once for every chart window that runs.
    virtual void ListAllRunningCharts(const std::function<void(QWidget* chart)>& callback) const = 0;
    virtual std::shared_ptr<StyleBase> DefaultStyle() const = 0;
    virtual bool EditPtrParams(const std::shared_ptr<EditPtrCommand>& command) = 0;
    virtual std::shared_ptr<KFLInvestStrategyDataProvidersIterator>
    CreateKFLInvestStrategyDataProvidersIteartor(const QString& name) = 0;

    // The inspector window, its cross and its group in the general settings.
    virtual void TurnOnInspector(bool on, QWidget* view) = 0;
    virtual bool IsInspectorTurnOn() const = 0;
    virtual void ShowHideInspectorCross() = 0;
    virtual bool InspectorCrossVisible() const = 0;
    virtual void SetParentInspectorWindow(QWidget* view) = 0;
    virtual std::shared_ptr<GeneralSettingsGroupManagerBase> InspectorGeneralsettingsGroupObj() const = 0;

    virtual void SwitchRuler(QWidget* view) = 0;
    virtual bool IsRulerOn() const = 0;
    virtual void TurnOnZoomMode(bool on) = 0;
    virtual bool IsZommModeTurnOn() const = 0;
    // The drawing tool armed for the next click on a chart; 0 for none.
    virtual void FormationToTurnOn(int formationType) = 0;
    virtual int FormationToTurnOn() const = 0;
    // Whether the drawing-tool commands apply: a chart window is active.
    virtual bool FormationCommandEnabled() const = 0;
    // 0 free placement, 1 snapping to the series near the pointer, 2 on the series under it.
    virtual void DrawingMode(int mode) = 0;
    virtual int DrawingMode() const = 0;
    virtual void ShowLabelsOnFormations(int show) = 0;
    virtual int ShowLabelsOnFormations() const = 0;
    // The style new formations take.
    virtual void DefaultFormationStyle(int styleId) = 0;
    virtual int DefaultFormationStyle() const = 0;
    // The symbol the symbol tool places next.
    virtual void CurrentSymbolId(int symbolId) = 0;
    virtual int CurrentSymbolId() const = 0;
    virtual void UseDefaultParamsForTAPointers(bool useDefaults) = 0;
    virtual bool UseDefaultParamsForTAPointers() const = 0;

    // The chart windows' part of a panel exported to the next product generation.
    virtual bool CanSavePanelSettingsToQ5Format() const = 0;
    virtual bool SavePanelSettingsToQ5Format(Q5Settings& node) = 0;
    // A request of a chart window to reload its data while a session loads.
    virtual bool CheckUnserializationRequestChange(int value) = 0;
    virtual void ResetUnserializationRequestChange() = 0;
};
