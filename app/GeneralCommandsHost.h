#pragma once
// The general commands' reach in the running program: the application mediator, its main frame
// and the module libraries' consumers. A part the program runs without answers null, and an
// operation it cannot do is written to the log.

#include "app/IGeneralCommandsHost.h"

#include <memory>

class AlertModule;
class CmdTargetGeneralProcessor;

class GeneralCommandsHost : public IGeneralCommandsHost
{
public:
    // The standard edition's processor, from the mediator's edition factory.
    static std::shared_ptr<CmdTargetGeneralProcessor> CreateProcessor();

    bool IsVersionInfoPanelActive() const override;
    ModuleWndBase* GetActiveModuleWnd() const override;
    QWidget* GetActivePanelView() const override;
    int GetScreensLimit() const override;
    std::vector<ModuleWndBase*> GetActiveViewModuleWindows() const override;
    void OnUpdateCloseAllWindows(CmdUI& cmdUI) override;
    void ApplyEmptyRibbonContext() override;
    void ReselectRibbonTab() override;
    std::optional<bool> IsRibbonMinimized() const override;
    void MinimizeRibbon(bool minimize) override;
    GalleryControl* FindApplicationStylesGallery() const override;

    ChartConsumer* GetChartConsumer() const override;
    TableConsumer* GetTableConsumer() const override;
    DetailsCons* GetDetailsConsumer() const override;
    OffersConsumer* GetOffersConsumer() const override;
    TransListCons* GetTransListConsumer() const override;
    TransactionsMonitorConsumer* GetTransactionsMonitorConsumer() const override;
    MultiDataConsumer* GetMultiDataConsumer() const override;
    AppFilesGeneratorConsumer* GetFilesGeneratorConsumer() const override;
    ChooseAssetChartParams* GetChooseAssetChartParams() const override;
    IInProcessOrdersSheet* GetOrdersSheetManager() const override;
    bool ShowOrdersSheetWindow(QWidget* view) override;
    ISessionStatisticsModule* GetSessionStatistics() const override;
    ObjectWithStyle* GetSessionStatisticsStyle() const override;
    bool HasAlertsWindow() const override;
    void ToggleAlertsWindow() override;
    bool IsAlertsWindowVisible() const override;
    void NewAlert() override;
    KFLFasade* GetFormulaLanguage() const override;
    bool HasAutomaticTests() const override { return false; }
    void ToggleAutomaticTests() override;
    bool IsAutomaticTestsVisible() const override { return false; }
    IStyleEditModeHandler* GetStyleEditModeHandler() const override;
    ApplicationStylesContainer* GetApplicationStyles() const override;
    void MakeCloudManager() override;

    bool AskYesNo(const QString& text) override;
    bool ShowSaveWindowFileDialog(const IGenericModule& module, QString& path, bool& secondFilter) override;
    bool ShowOpenWindowFileDialog(const IGenericModule& module, QString& path) override;

    void ShowOptions() override;
    void ShowHelp() override;
    void CheckForUpdates() override;
    void CloseApplication() override;
    void NotifyEscapeCommand() override;
    void SaveDesktop() override;
    void OpenDesktop() override;
    void SaveDesktopToQ5Format() override;
    bool CanPrint(ModuleWndBase& window) const override;
    void Print(ModuleWndBase& window) override;

    // The local alerts engine of the run; null without the alert module.
    AlertModule* GetAlertModule() const;
};
