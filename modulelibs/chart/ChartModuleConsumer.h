#pragma once
// The chart library's consumer: it opens chart windows in panels (new, or from window files),
// saves them to files and to the next generation's format, answers for the active chart through
// its container of active objects, and keeps the switches of the chart tools (inspector, its
// cross, ruler, zoom, the armed drawing tool, default indicator parameters), which travel with
// the session. Main thread only.

#include "modulelibs/common/ModuleConsumer.h"
#include "platform/modules/ChartConsumer.h"

#include <QPointer>

#include <functional>
#include <vector>

class ChartWindow;
class ChartDocument;

class ChartModuleConsumer : public ModuleConsumer<ChartConsumer>
{
public:
    // Asks the user for a whole number; false when declined.
    using NumberAsker = std::function<bool(QWidget* parent, const QString& title, const QString& label, int value,
                                           int minimum, int maximum, int& result)>;

    ChartModuleConsumer();

    bool OpenNewChart(QWidget* view, const Asset& asset, const std::shared_ptr<DataRequestParams>& request,
                      const std::shared_ptr<ShowedRange>& range, EChartType chartType,
                      ETimeAxisType timeAxisType) override;
    ActiveObjectsContainer* GetActiveObjects() override;
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override {}
    void ListAllRunningCharts(const std::function<void(QWidget* chart)>& callback) const override;
    // The chart window style every chart window is drawn with.
    std::shared_ptr<StyleBase> DefaultStyle() const override;
    bool EditPtrParams(const std::shared_ptr<EditPtrCommand>& command) override { return false; }
    std::shared_ptr<KFLInvestStrategyDataProvidersIterator>
    CreateKFLInvestStrategyDataProvidersIteartor(const QString& name) override
    {
        return {};
    }

    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override;
    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override;
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override;
    void Refresh() override;
    void ShutDown() override;

    void TurnOnInspector(bool on, QWidget* view) override;
    bool IsInspectorTurnOn() const override { return m_inspector; }
    void ShowHideInspectorCross() override;
    bool InspectorCrossVisible() const override { return m_inspectorCross; }
    void SetParentInspectorWindow(QWidget* view) override {}
    std::shared_ptr<GeneralSettingsGroupManagerBase> InspectorGeneralsettingsGroupObj() const override { return {}; }

    void SwitchRuler(QWidget* view) override { m_ruler = !m_ruler; }
    bool IsRulerOn() const override { return m_ruler; }
    void TurnOnZoomMode(bool on) override { m_zoom = on; }
    bool IsZommModeTurnOn() const override { return m_zoom; }
    void FormationToTurnOn(int formationType) override { m_formationToTurnOn = formationType; }
    int FormationToTurnOn() const override { return m_formationToTurnOn; }
    bool FormationCommandEnabled() const override { return ActiveChart() != nullptr; }
    void DrawingMode(int mode) override { m_drawingMode = mode; }
    int DrawingMode() const override { return m_drawingMode; }
    void ShowLabelsOnFormations(int show) override { m_formationLabels = show != 0; }
    int ShowLabelsOnFormations() const override { return m_formationLabels ? 1 : 0; }
    void DefaultFormationStyle(int styleId) override { m_defaultFormationStyle = styleId; }
    int DefaultFormationStyle() const override { return m_defaultFormationStyle; }
    void CurrentSymbolId(int symbolId) override { m_currentSymbol = symbolId; }
    int CurrentSymbolId() const override { return m_currentSymbol; }
    void UseDefaultParamsForTAPointers(bool useDefaults) override { m_defaultPointerParams = useDefaults; }
    bool UseDefaultParamsForTAPointers() const override { return m_defaultPointerParams; }

    // A panel's charts travel in the next generation's format through their window files.
    bool CanSavePanelSettingsToQ5Format() const override { return false; }
    bool SavePanelSettingsToQ5Format(Q5Settings& node) override { return false; }
    bool CheckUnserializationRequestChange(int value) override { return false; }
    void ResetUnserializationRequestChange() override {}

    // The chart windows' side.
    void OnChartCreated(ChartWindow* chart);
    void OnChartDestroyed(ChartWindow* chart);
    void SetActiveChart(ChartWindow* chart);
    ChartWindow* ActiveChart() const;
    // The selection in the active chart changed: the ribbon follows it.
    void SelectionChanged();
    bool AskNumber(QWidget* parent, const QString& title, const QString& label, int value, int minimum, int maximum,
                   int& result) const;
    // Tests answer the questions themselves; empty puts the dialog back.
    void SetNumberAsker(NumberAsker asker) { m_numberAsker = std::move(asker); }

protected:
    void SaveState(Settings& node) const override;
    void LoadState(const Settings& node) override;

private:
    ChartWindow* OpenDocument(QWidget* view, ChartDocument document);
    void RepaintCharts() const;

    bool m_inspector = false;
    bool m_inspectorCross = true;
    bool m_ruler = false;
    bool m_zoom = false;
    int m_formationToTurnOn = 0;
    int m_drawingMode = 0;
    bool m_formationLabels = false;
    int m_defaultFormationStyle = 0;
    // The up arrow of the symbols container.
    int m_currentSymbol = 1;
    bool m_defaultPointerParams = false;
    std::vector<ChartWindow*> m_charts;
    QPointer<ChartWindow> m_activeChart;
    NumberAsker m_numberAsker;
};
