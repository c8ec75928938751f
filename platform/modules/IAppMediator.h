#pragma once
// The application as module libraries, plug-ins and the in-process modules reach it: its
// identity and folders, the log and the additional log buffer, messages to the user, progress,
// the data providers and the set of all data series, the instrument of the active window, the
// modules, the application's images, and the main frame with its panels and module windows.
// The log, message, progress and provider-time operations, and those of the frame's operations
// that say so, may be called from any thread; the others belong to the main thread.
//
// The operations keep the order in which the system lists them.

#include "platform/base/ColorRef.h"
#include "platform/modules/ApplicationState.h"

#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

class Asset;
class CmdTarget;
class ConsumerBase;
class DataRequestParams;
class DataVersionUpdater;
class DSProp;
class EditPtrCommand;
class IAlertArgumentSource;
class IAlertModule;
class IGlobalSettings;
class IPrintSource;
class ISessionStatisticsModule;
class KFLInvestStrategyDataProvidersIterator;
class ModuleWndBase;
class ProviderBase;
class QPixmap;
class QPoint;
class QWidget;
class Settings;
class ShowedRange;
class StyleBase;
class UpdateRibbonContext;

// Told the instrument chosen in the quick-add popup, with the window that asked for it.
using QuickAddAssetReceiver = std::function<void(QWidget* window, const Asset& asset)>;

class IAppMediator
{
public:
    virtual ~IAppMediator() = default;

    // The chart library edits a drawing tool's parameters; false without the chart library.
    virtual bool EditPtrParams(const std::shared_ptr<EditPtrCommand>& command) = 0;
    // 1 in this edition.
    virtual int GetProductKind() = 0;
    // "4.2.210.1".
    virtual QString GetAppVersionNumber() = 0;
    // Lets the user choose an instrument into asset; false when none was chosen.
    virtual bool ChooseAssetAndChartParams(Asset& asset) = 0;
    // The quick-add instrument popup. Any thread: the provider's instrument list is read again.
    virtual void UpdateQuickAddProvidersAssetsList(ProviderBase* provider) = 0;
    // Shows the popup at the screen point for the receiver window, which is sent
    // WM_QUICK_ADD_ASSET_CHOSEN when the user chose; nothing without a receiver window.
    virtual void ShowQuickAddInstrumentDlg(const QPoint& point, bool pointIsTop, QWidget* receiverWindow) = 0;
    // Shows the popup at the mouse cursor; the receiver is called with the window and the instrument.
    virtual void ShowQuickAddInstrumentDlgAtCursor(const QuickAddAssetReceiver& receiver, QWidget* window) = 0;
    // The instrument chosen last for a receiver window.
    virtual Asset GetQuickAddChosenAsset() = 0;
    // The provider of that name (ignoring case) while it runs; null otherwise.
    virtual ProviderBase* GetRunningProvider(const QString& name) = 0;
    // Appends every loaded provider in load order; answers the default one (null when none).
    virtual ProviderBase* GetProviders(std::vector<ProviderBase*>& providers) = 0;
    // "Quorvanta 4".
    virtual QString GetProductName() = 0;

    // Writes the additional log buffer to its file; false when it could not.
    virtual bool SaveAdditionalLogBuffer() = 0;
    virtual void AddToAdditionalLog(const QString& module, const QString& where, int line, const QString& text) = 0;
    // module is the caller's name, where its class and operation ("SimFeed::Step").
    virtual void WriteInfo(const QString& module, const QString& where, int line, const QString& text) = 0;
    virtual void WriteWarning(const QString& module, const QString& where, int line, const QString& text) = 0;
    virtual void WriteError(const QString& module, const QString& where, int line, const QString& text) = 0;
    virtual void WriteErrorEx(const QString& module, const QString& where, int line, const std::exception& error) = 0;

    // A message popup; off the main thread the message waits until the main thread shows it.
    virtual void ShowInfo(const QString& caption, const QString& text) = 0;
    virtual void ShowWarning(const QString& caption, const QString& text) = 0;
    virtual void ShowError(const QString& caption, const QString& text) = 0;
    // A modal message box answering the button pressed; -1 off the main thread (nothing shown).
    virtual int ShowMessageBox(const QString& caption, const QString& text, unsigned flags) = 0;

    // Rebuilds the set of all data series from the standard series and the providers' own,
    // and hands it to the module libraries.
    virtual void InitSetAllSeries() = 0;
    // The application's icon on the window.
    virtual void SetAppIcon(QWidget* window) = 0;
    // Any thread: the status bar is repainted.
    virtual void RequestFrameRepaint() = 0;
    virtual void SetAllSeries(const std::set<DSProp>& allSeries) = 0;
    // Appends every loaded provider's name in load order.
    virtual void GetProvidersNames(std::vector<QString>& names) = 0;

    // The module window the user works in; null when none.
    virtual ModuleWndBase* GetActiveModuleWnd() = 0;
    // A module window was activated (activated true) or deactivated; preserveTabContext keeps
    // the level of ribbon tab the user chose last.
    virtual void OnModuleWndActivate(ModuleWndBase* window, bool activated, bool preserveTabContext) = 0;
    // The active window's caption on its contextual tabs changed; ignored off the main thread.
    virtual void UpdateContextCaption() = 0;
    // Any thread; nothing until the main frame is ready. On the main thread with applyNow the
    // context is applied at once; otherwise the frame is asked to follow its active window and
    // the context is dropped.
    virtual void UpdateRibbonContext(bool applyNow, const ::UpdateRibbonContext& context) = 0;
    // The colour of a toolkit colour index in the current look.
    virtual ColorRef GetXtremeColor(int index) = 0;
    virtual void BringAlertDefinitionDlgToTop() = 0;

    // The user's application-data folder of the product with the sub-folder, created when missing.
    virtual QString GetAppDataFolder(const QString& subFolder) = 0;
    virtual QString GetUserDocumentsFolder() = 0;

    // Null while the module is not there.
    virtual IAlertModule* GetAlertsInterface() = 0;
    virtual IAlertArgumentSource* GetAlertArgumentSourceByName(const QString& moduleName) = 0;
    virtual ISessionStatisticsModule* GetSessionStatisticsInterface() = 0;
    virtual IGlobalSettings* GetGlobalSettingsObject() = 0;
    virtual ProviderBase* GetDefaultProvider() = 0;
    // A chart of the instrument in the active panel view, with the parameters the chooser gives;
    // false when none was opened.
    virtual bool OpenNewChart(const Asset& asset) = 0;
    // The command target of the consumer's windows; null when it has none or is unknown.
    virtual CmdTarget* GetConsumerById(const ConsumerBase* consumer) = 0;

    // True when the window is the current panel view; null is when there is none.
    virtual bool IsCurrentPanelView(const QWidget* window) = 0;
    // The view of the current panel; null when none.
    virtual QWidget* GetCurrentPanelView() = 0;
    // The panel view activated last, where new module windows open; null when none.
    virtual QWidget* GetActivePanelView() = 0;

    // The instrument of the active window, kept only while tracking is on and only when it names
    // an instrument of a provider.
    virtual void SetActiveAsset(const std::shared_ptr<Asset>& asset) = 0;
    // Empty when none is kept.
    virtual std::shared_ptr<Asset> GetActiveAsset() = 0;
    virtual void ResetActiveAsset() = 0;
    // The kept instrument while the main frame has an active module window; else an empty one.
    virtual Asset GetActiveAssetForActiveWindow() = 0;
    virtual void SuspendActiveAssetTracking() = 0;
    virtual void ResumeActiveAssetTracking() = 0;

    virtual std::thread::id GetMainThreadId() const = 0;

    // When the window's style is being edited, it is centred again in its panel.
    virtual void UpdateStyleEditedWindowLayout(QWidget* window) = 0;
    // The message a module window gets before its style is edited.
    virtual std::uint32_t GetStyleEditModeMessageId() = 0;

    // Progress on the status bar: operations announced, then operations finished (they add up).
    virtual void AddOperationsToDoToProgress(unsigned count) = 0;
    virtual void SetOperationsDidToProgress(unsigned count) = 0;
    // The provider's last quote time changed; shown when it is the application's time source.
    virtual void ShowLastQuoteTime(ProviderBase* provider) = 0;
    // Any thread: shows (value non-zero) or hides the status bar's notify pane of the key;
    // nothing for key 0.
    virtual void ShowStatusBarPane(std::uint32_t key, std::intptr_t value) = 0;
    // "InstallSettings".
    virtual QString GetInstallSettingsName() = 0;
    // The instrument commands on the active instrument: 101 details, 102 offers, 103
    // transactions, 104 orders sheet, 106 the current table's instruments. True for these ids
    // (even when nothing opened), false for any other.
    virtual bool RunAssetCommand(std::uint32_t commandId) = 0;
    // The style editor on the style, titled for its kind.
    virtual void ShowTableStylePreview(const std::shared_ptr<StyleBase>& style) = 0;
    virtual void ShowFormationStylePreview(const std::shared_ptr<StyleBase>& style) = 0;
    virtual void ShowChartWindowStylePreview(const std::shared_ptr<StyleBase>& style) = 0;

    // The application's images by index; false, and the pixmap untouched, for an index outside
    // the operation's table.
    virtual bool LoadIndexedPngImage(int index, QPixmap& image) = 0;
    virtual bool LoadTogglePngImageA(int index, QPixmap& image) = 0;
    virtual bool LoadIndexedPngImageOf4(int index, QPixmap& image) = 0;
    virtual bool LoadTogglePngImageB(int index, QPixmap& image) = 0;

    // Replaces the list with the names of the active window's named objects; empty while the
    // edition allows one screen.
    virtual void CollectPanelWindows(std::vector<QString>& names) = 0;
    // Hands the active window its named object of that name (case-sensitive).
    virtual void ActivateNamedWindowObject(const QString& name) = 0;
    // The one print dialog of the program over the source, in the current panel view; the
    // window is activated again when the dialog closes.
    virtual void ShowPrintDialog(QWidget* window, const std::shared_ptr<IPrintSource>& source) = 0;
    // The quote tables' default style; empty without the table library.
    virtual std::shared_ptr<StyleBase> GetTableDefaultStyle() = 0;
    // The application state that modules set and the main frame follows; main thread.
    virtual void SetApplicationState(const ApplicationState& state) = 0;
    virtual ApplicationState GetApplicationState() = 0;
    virtual bool RedrawFilesGeneratorAfterStyleChange() = 0;
    // Whether the main frame has a session loaded; false without a frame.
    virtual bool IsMainFrameReady() = 0;

    // Values passed on to the default provider; nothing without one.
    virtual void ForwardToDefaultProvider1(std::int64_t value) = 0;
    virtual void ForwardToDefaultProvider2(std::int64_t value) = 0;
    // The chart library's operations on its running charts and strategies.
    virtual void ListAllRunningCharts(const std::function<void(QWidget* chart)>& callback) = 0;
    virtual std::shared_ptr<KFLInvestStrategyDataProvidersIterator>
    CreateKFLInvestStrategyDataProvidersIteartor(const QString& name) = 0;
    // The panel view of the screen with the name; null when none.
    virtual QWidget* FindPanelViewByName(const QString& name) = 0;
    // The user and code that crash reports carry from now on.
    virtual void SetupCrashReporting(const QString& user, const QString& code) = 0;
    // Removes one local alert by its id.
    virtual void RemoveAlert(const QString& alertId) = 0;
    virtual void SetCloudServerNewIp(std::string address) = 0;
    // Once the data version changed: the one-time upgrades of a provider's settings node, for
    // the provider libraries to call; false when nothing was changed.
    virtual bool UpgradeProviderSettings(Settings& providerSettings, const QString& providerName) = 0;
    // The data-version updater of the run, made on the first call and then kept; null when the
    // edition has none.
    virtual std::shared_ptr<DataVersionUpdater> GetDataVersionUpdater() = 0;
    virtual bool IsNotProductKind4() = 0;
    virtual bool CheckUnserializationRequestChange(int value) = 0;

    // Posts a window message to the main frame from any thread, where a plug-in would post to
    // the program's main window by its handle; false (logged) when there is no frame to take it.
    virtual bool PostMessageToPulpitFrame(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};
