#pragma once
// What the general command target reaches when a command comes or the ribbon asks for a
// command's state: the main frame's state, the module libraries' consumers and the in-process
// modules, the dialogs, and the program's own operations. The program's host reaches them
// through the application mediator and its main frame; every getter answers null for a part
// the program runs without. Main thread only.

#include <QString>

#include <optional>
#include <vector>

class AppFilesGeneratorConsumer;
class ApplicationStylesContainer;
class ChartConsumer;
class ChooseAssetChartParams;
class CmdUI;
class DetailsCons;
class GalleryControl;
class IGenericModule;
class IInProcessOrdersSheet;
class ISessionStatisticsModule;
class IStyleEditModeHandler;
class KFLFasade;
class ModuleWndBase;
class MultiDataConsumer;
class ObjectWithStyle;
class OffersConsumer;
class QWidget;
class TableConsumer;
class TransactionsMonitorConsumer;
class TransListCons;

class IGeneralCommandsHost
{
public:
    virtual ~IGeneralCommandsHost() = default;

    // The main frame.
    virtual bool IsVersionInfoPanelActive() const = 0;
    virtual ModuleWndBase* GetActiveModuleWnd() const = 0;
    // The parent of every new module window; null when there is no panel.
    virtual QWidget* GetActivePanelView() const = 0;
    virtual int GetScreensLimit() const = 0;
    // The module windows of the active panel view, in their order.
    virtual std::vector<ModuleWndBase*> GetActiveViewModuleWindows() const = 0;
    virtual void OnUpdateCloseAllWindows(CmdUI& cmdUI) = 0;
    // The ribbon shows no module's tabs.
    virtual void ApplyEmptyRibbonContext() = 0;
    virtual void ReselectRibbonTab() = 0;
    // Nothing without a ribbon.
    virtual std::optional<bool> IsRibbonMinimized() const = 0;
    virtual void MinimizeRibbon(bool minimize) = 0;
    virtual GalleryControl* FindApplicationStylesGallery() const = 0;

    // The modules.
    virtual ChartConsumer* GetChartConsumer() const = 0;
    virtual TableConsumer* GetTableConsumer() const = 0;
    virtual DetailsCons* GetDetailsConsumer() const = 0;
    virtual OffersConsumer* GetOffersConsumer() const = 0;
    virtual TransListCons* GetTransListConsumer() const = 0;
    virtual TransactionsMonitorConsumer* GetTransactionsMonitorConsumer() const = 0;
    virtual MultiDataConsumer* GetMultiDataConsumer() const = 0;
    virtual AppFilesGeneratorConsumer* GetFilesGeneratorConsumer() const = 0;
    virtual ChooseAssetChartParams* GetChooseAssetChartParams() const = 0;
    virtual IInProcessOrdersSheet* GetOrdersSheetManager() const = 0;
    // False when the orders sheet has no window of its own to show (the command then reports).
    virtual bool ShowOrdersSheetWindow(QWidget* view) = 0;
    virtual ISessionStatisticsModule* GetSessionStatistics() const = 0;
    // The statistics window's style; null while there is no such window.
    virtual ObjectWithStyle* GetSessionStatisticsStyle() const = 0;
    // The alerts window and new local alerts; without them the commands stay disabled.
    virtual bool HasAlertsWindow() const = 0;
    virtual void ToggleAlertsWindow() = 0;
    virtual bool IsAlertsWindowVisible() const = 0;
    virtual void NewAlert() = 0;
    virtual KFLFasade* GetFormulaLanguage() const = 0;
    // The chart library's automatic tests; without them their command stays disabled.
    virtual bool HasAutomaticTests() const = 0;
    virtual void ToggleAutomaticTests() = 0;
    virtual bool IsAutomaticTestsVisible() const = 0;
    virtual IStyleEditModeHandler* GetStyleEditModeHandler() const = 0;
    virtual ApplicationStylesContainer* GetApplicationStyles() const = 0;
    // Makes the cloud's manager when it is not there yet.
    virtual void MakeCloudManager() = 0;

    // Dialogs.
    virtual bool AskYesNo(const QString& text) = 0;
    // The module's window file to save; false when cancelled.
    virtual bool ShowSaveWindowFileDialog(const IGenericModule& module, QString& path, bool& secondFilter) = 0;
    virtual bool ShowOpenWindowFileDialog(const IGenericModule& module, QString& path) = 0;

    // The program's own operations.
    virtual void ShowOptions() = 0;
    virtual void ShowHelp() = 0;
    virtual void CheckForUpdates() = 0;
    virtual void CloseApplication() = 0;
    virtual void NotifyEscapeCommand() = 0;
    virtual void SaveDesktop() = 0;
    virtual void OpenDesktop() = 0;
    virtual void SaveDesktopToQ5Format() = 0;
    // Whether the window can be printed, and its print.
    virtual bool CanPrint(ModuleWndBase& window) const = 0;
    virtual void Print(ModuleWndBase& window) = 0;
};
