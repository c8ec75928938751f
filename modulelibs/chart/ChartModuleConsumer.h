#pragma once
// The chart library's consumer. Its windows come with the chart command target; until then no
// chart is open. The switches of the chart tools (inspector, its cross, ruler, zoom, the armed
// drawing tool, default indicator parameters) are the consumer's own and travel with the session.

#include "modulelibs/common/ModuleConsumer.h"
#include "platform/modules/ChartConsumer.h"

class ChartModuleConsumer : public ModuleConsumer<ChartConsumer>
{
public:
    ChartModuleConsumer();

    bool OpenNewChart(QWidget* view, const Asset& asset, const std::shared_ptr<DataRequestParams>& request,
                      const std::shared_ptr<ShowedRange>& range, EChartType chartType,
                      ETimeAxisType timeAxisType) override;
    ActiveObjectsContainer* GetActiveObjects() override { return nullptr; }
    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override {}
    void ListAllRunningCharts(const std::function<void(QWidget* chart)>& callback) const override {}
    std::shared_ptr<StyleBase> DefaultStyle() const override { return {}; }
    bool EditPtrParams(const std::shared_ptr<EditPtrCommand>& command) override { return false; }
    std::shared_ptr<KFLInvestStrategyDataProvidersIterator>
    CreateKFLInvestStrategyDataProvidersIteartor(const QString& name) override
    {
        return {};
    }

    void TurnOnInspector(bool on, QWidget* view) override { m_inspector = on; }
    bool IsInspectorTurnOn() const override { return m_inspector; }
    void ShowHideInspectorCross() override { m_inspectorCross = !m_inspectorCross; }
    bool InspectorCrossVisible() const override { return m_inspectorCross; }
    void SetParentInspectorWindow(QWidget* view) override {}
    std::shared_ptr<GeneralSettingsGroupManagerBase> InspectorGeneralsettingsGroupObj() const override { return {}; }

    void SwitchRuler(QWidget* view) override { m_ruler = !m_ruler; }
    bool IsRulerOn() const override { return m_ruler; }
    void TurnOnZoomMode(bool on) override { m_zoom = on; }
    bool IsZommModeTurnOn() const override { return m_zoom; }
    void FormationToTurnOn(int formationType) override { m_formationToTurnOn = formationType; }
    int FormationToTurnOn() const override { return m_formationToTurnOn; }
    void UseDefaultParamsForTAPointers(bool useDefaults) override { m_defaultPointerParams = useDefaults; }
    bool UseDefaultParamsForTAPointers() const override { return m_defaultPointerParams; }

    // No chart is open, so a panel has no chart settings to export.
    bool CanSavePanelSettingsToQ5Format() const override { return false; }
    bool SavePanelSettingsToQ5Format(Q5Settings& node) override { return false; }
    bool CheckUnserializationRequestChange(int value) override { return false; }
    void ResetUnserializationRequestChange() override {}

protected:
    void SaveState(Settings& node) const override;
    void LoadState(const Settings& node) override;

private:
    bool m_inspector = false;
    bool m_inspectorCross = true;
    bool m_ruler = false;
    bool m_zoom = false;
    int m_formationToTurnOn = 0;
    bool m_defaultPointerParams = false;
};
