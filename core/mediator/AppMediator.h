#pragma once
// The application mediator: the one object through which every part of the program and every
// module library reaches the application. It owns the edition factory, the consumer and provider
// managers and the in-process modules, keeps the set of all data series and the instrument of
// the active window, forwards to the main frame, its panels and module windows, and offers the
// services that work from any thread: the log, messages to the user, progress, the status bar
// and the ribbon context, handed to the main thread by posting to the main frame.
//
// One mediator lives from the application object's construction to its exit clean-up. The
// thread that makes it is the main thread. Worker threads never touch the main frame: they post
// to its window handle, which the mediator keeps beside the frame and clears before the frame
// goes, so a post that comes late is refused instead of reaching a destroyed window.

#include "core/crash/ICrashReportingHost.h"
#include "core/mediator/AppMediatorSetup.h"
#include "core/mediator/MessageBoxDetails.h"
#include "core/mediator/ProgressCounter.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/DSProp.h"
#include "platform/modules/IAppMediator.h"
#include "platform/ui/WindowMessage.h"

#include <QPointer>

#include <atomic>
#include <list>
#include <memory>
#include <set>
#include <vector>

class AppNewsProgram;
class BLProvidersManager;
class ChooseAssetChartParams;
class ConsumerManager;
class GalleryControl;
class IApplicationObject;
class IGenericModule;
class IInProcessOrdersSheet;
class IMainFrame;
class MediatorHelpHost;
class GeneralSettingsManager;
class PrintDialogBase;
class Q5Settings;
class QWidget;
class Settings;

class AppMediator : public IAppMediator, public ICrashReportingHost
{
public:
    static inline const QString kModulesStatesNode = QStringLiteral("ModulesStates");
    static inline const QString kDesktopExtension = QStringLiteral(".q4s");
    static constexpr int kPostRetryDelayMs = 50;
    // The instrument commands of RunAssetCommand.
    static constexpr std::uint32_t kAssetCommandDetails = 101;
    static constexpr std::uint32_t kAssetCommandOffers = 102;
    static constexpr std::uint32_t kAssetCommandTransList = 103;
    static constexpr std::uint32_t kAssetCommandOrdersSheet = 104;
    static constexpr std::uint32_t kAssetCommandTableAssets = 106;

    // Makes the mediator of the run on the calling thread, which becomes the main thread; when
    // one exists already it is answered and the setup is dropped.
    static AppMediator* Create(AppMediatorSetup setup);
    // Null before Create and after DestroyInstance.
    static AppMediator* Instance();
    // Releases the global settings first, then the mediator; harmless when there is none.
    static void DestroyInstance();

    // Loads the providers and the module libraries and makes the in-process modules; false when
    // no provider can be the default one (the reason is in the log).
    bool Init();

    // IAppMediator
    bool EditPtrParams(const std::shared_ptr<EditPtrCommand>& command) override;
    int GetProductKind() override;
    QString GetAppVersionNumber() override;
    bool ChooseAssetAndChartParams(Asset& asset) override;
    void UpdateQuickAddProvidersAssetsList(ProviderBase* provider) override;
    void ShowQuickAddInstrumentDlg(const QPoint& point, bool pointIsTop, QWidget* receiverWindow) override;
    void ShowQuickAddInstrumentDlgAtCursor(const QuickAddAssetReceiver& receiver, QWidget* window) override;
    Asset GetQuickAddChosenAsset() override;
    ProviderBase* GetRunningProvider(const QString& name) override;
    ProviderBase* GetProviders(std::vector<ProviderBase*>& providers) override;
    QString GetProductName() override;
    bool SaveAdditionalLogBuffer() override;
    void AddToAdditionalLog(const QString& module, const QString& where, int line, const QString& text) override;
    void WriteInfo(const QString& module, const QString& where, int line, const QString& text) override;
    void WriteWarning(const QString& module, const QString& where, int line, const QString& text) override;
    void WriteError(const QString& module, const QString& where, int line, const QString& text) override;
    void WriteErrorEx(const QString& module, const QString& where, int line, const std::exception& error) override;
    void ShowInfo(const QString& caption, const QString& text) override;
    void ShowWarning(const QString& caption, const QString& text) override;
    void ShowError(const QString& caption, const QString& text) override;
    int ShowMessageBox(const QString& caption, const QString& text, unsigned flags) override;
    void InitSetAllSeries() override;
    void SetAppIcon(QWidget* window) override;
    void RequestFrameRepaint() override;
    void SetAllSeries(const std::set<DSProp>& allSeries) override;
    void GetProvidersNames(std::vector<QString>& names) override;
    ModuleWndBase* GetActiveModuleWnd() override;
    void OnModuleWndActivate(ModuleWndBase* window, bool activated, bool preserveTabContext) override;
    void UpdateContextCaption() override;
    void UpdateRibbonContext(bool applyNow, const ::UpdateRibbonContext& context) override;
    ColorRef GetXtremeColor(int index) override;
    void BringAlertDefinitionDlgToTop() override;
    QString GetAppDataFolder(const QString& subFolder) override;
    QString GetUserDocumentsFolder() override;
    IAlertModule* GetAlertsInterface() override;
    IAlertArgumentSource* GetAlertArgumentSourceByName(const QString& moduleName) override;
    ISessionStatisticsModule* GetSessionStatisticsInterface() override;
    IGlobalSettings* GetGlobalSettingsObject() override;
    ProviderBase* GetDefaultProvider() override;
    bool OpenNewChart(const Asset& asset) override;
    CmdTarget* GetConsumerById(const ConsumerBase* consumer) override;
    bool IsCurrentPanelView(const QWidget* window) override;
    QWidget* GetCurrentPanelView() override;
    QWidget* GetActivePanelView() override;
    void SetActiveAsset(const std::shared_ptr<Asset>& asset) override;
    std::shared_ptr<Asset> GetActiveAsset() override;
    void ResetActiveAsset() override;
    Asset GetActiveAssetForActiveWindow() override;
    void SuspendActiveAssetTracking() override;
    void ResumeActiveAssetTracking() override;
    std::thread::id GetMainThreadId() const override;
    void UpdateStyleEditedWindowLayout(QWidget* window) override;
    std::uint32_t GetStyleEditModeMessageId() override;
    void AddOperationsToDoToProgress(unsigned count) override;
    void SetOperationsDidToProgress(unsigned count) override;
    void ShowLastQuoteTime(ProviderBase* provider) override;
    void ShowStatusBarPane(std::uint32_t key, std::intptr_t value) override;
    QString GetInstallSettingsName() override;
    bool RunAssetCommand(std::uint32_t commandId) override;
    void ShowTableStylePreview(const std::shared_ptr<StyleBase>& style) override;
    void ShowFormationStylePreview(const std::shared_ptr<StyleBase>& style) override;
    void ShowChartWindowStylePreview(const std::shared_ptr<StyleBase>& style) override;
    bool LoadIndexedPngImage(int index, QPixmap& image) override;
    bool LoadTogglePngImageA(int index, QPixmap& image) override;
    bool LoadIndexedPngImageOf4(int index, QPixmap& image) override;
    bool LoadTogglePngImageB(int index, QPixmap& image) override;
    void CollectPanelWindows(std::vector<QString>& names) override;
    void ActivateNamedWindowObject(const QString& name) override;
    void ShowPrintDialog(QWidget* window, const std::shared_ptr<IPrintSource>& source) override;
    std::shared_ptr<StyleBase> GetTableDefaultStyle() override;
    void SetApplicationState(const ApplicationState& state) override { m_applicationState = state; }
    ApplicationState GetApplicationState() override { return m_applicationState; }
    bool RedrawFilesGeneratorAfterStyleChange() override;
    bool IsMainFrameReady() override;
    void ForwardToDefaultProvider1(std::int64_t value) override;
    void ForwardToDefaultProvider2(std::int64_t value) override;
    void ListAllRunningCharts(const std::function<void(QWidget* chart)>& callback) override;
    std::shared_ptr<KFLInvestStrategyDataProvidersIterator>
    CreateKFLInvestStrategyDataProvidersIteartor(const QString& name) override;
    QWidget* FindPanelViewByName(const QString& name) override;
    void SetupCrashReporting(const QString& user, const QString& code) override;
    void RemoveAlert(const QString& alertId) override;
    void SetCloudServerNewIp(std::string address) override;
    bool UpgradeProviderSettings(Settings& providerSettings, const QString& providerName) override;
    std::shared_ptr<DataVersionUpdater> GetDataVersionUpdater() override;
    bool IsNotProductKind4() override;
    bool CheckUnserializationRequestChange(int value) override;

    // The parts of the application (main thread).
    std::shared_ptr<Quorvanta4FactoryBase> GetFactory() const { return m_setup.factory; }
    // Null when the program runs without general settings.
    GeneralSettingsManager* GetGeneralSettingsManager() const;
    ConsumerManager* GetConsumerManager() const { return m_consumerManager.get(); }
    BLProvidersManager* GetProvidersManager() const { return m_providersManager.get(); }
    ICloudModule* GetCloudModule() const { return m_cloudModule.get(); }
    IInProcessAlertModule* GetAlertModule() const { return m_alertModule.get(); }
    // Null while the program has no style editing.
    IStyleEditModeHandler* GetStyleEditModeHandler() const { return m_setup.styleEditMode.get(); }
    KFLFasade* GetFormulaLanguage() const { return m_setup.formulaLanguage; }
    // Null while the edition has no chooser of new charts' parameters.
    ChooseAssetChartParams* GetChooseAssetChartParams() const { return m_chooseAssetChartParams.get(); }
    IInProcessOrdersSheet* GetOrdersSheetManager() const { return m_ordersSheetManager.get(); }
    void SetApplicationObject(IApplicationObject* application) { m_application = application; }
    IApplicationObject* GetApplicationObject() const { return m_application; }
    // Whether the program runs with "--extended"; false before the application object is set.
    bool IsExtendedMode() const;
    // The frame is set once it is made and cleared before it is destroyed.
    void SetMainFrame(IMainFrame* frame);
    IMainFrame* GetMainFrame() const { return m_mainFrame; }
    // The frame tells whenever its session-loaded flag changes, so other threads can ask.
    void SetMainFrameReady(bool ready) { m_frameReady.store(ready); }
    // A copy of the set of all data series, safe from any thread.
    std::set<DSProp> GetAllSeries() const;

    // Main thread, on WM_APP_SHOW_QUEUED_MESSAGES: shows every queued message in order.
    void ShowQueuedMessages();
    // Shows or hides the progress after a change, and on the frame's timer.
    void ManageProgress();
    // Closes every message popup and shows no more (the frame is closing).
    void ReleaseMessagePopupManager();
    // Any thread. Retries once after kPostRetryDelayMs, then logs the loss; false when lost.
    bool PostMessageToPulpitFrame(std::uint32_t message, WParam wParam, LParam lParam) override;

    // The modules (main thread).
    // A consumer's module (name ignoring case), else an in-process module's (exact name).
    IGenericModule* GetModuleByName(const QString& name) const;
    // Every module: the consumers', then the in-process ones that are there.
    std::vector<IGenericModule*> GetAllModules() const;
    // Appends the modules whose window files the user opens and saves, in the order the file
    // dialogs list them; the files generator is not among them.
    void GetWindowFileModules(std::vector<IGenericModule*>& modules) const;
    // asDesktop: a desktop file (".q4s") that the main frame loads; otherwise a window file of the
    // module whose extension ends the file name, opened in the active panel view.
    bool OpenFileByExtension(const QString& path, bool asDesktop);
    // Tells the quote tables which windows they can follow.
    void UpdateConnectedWindowsData();
    // The frame is closing: the alert, session statistics and orders-sheet modules go.
    void ReleaseModules();

    // The states of the modules in a session: the node "ModulesStates" of the session.
    void SerialiseModulesStates(Settings& session);
    void SerialiseModulesStatesToQ5Format(Q5Settings& session);
    // consumers: the consumers' part of the session; modulesStates: its "ModulesStates" node.
    // An invalid modulesStates leaves the in-process modules as they are.
    void UnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates);
    void PostUnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates, QWidget* activeView);
    // The in-process modules that are there (alerts, session statistics, orders sheet), in the
    // order the session lists them.
    std::vector<IGenericModule*> SessionModules() const;

    // The application news: the news program runs when the news provider has news (main thread).
    void RunAppNewsProgram();
    // Whether the program's version changed since the last run; false when that cannot be told.
    bool IsProgramVersionChanged();
    // The version-information page, which this edition opens in the user's browser.
    void ShowVersionInfoPage();
    // The ribbon's gallery of the user's own formula-language indicators, filled anew.
    void FillUserIndicatorsGallery(GalleryControl& gallery);

    // The plug-ins' end, providers before consumers in each step.
    void StopPlugins();
    void ShutDownPlugins();

private:
    explicit AppMediator(AppMediatorSetup setup);
    ~AppMediator() override;

    bool IsMainThread() const;
    // The frame while its window is there; worker threads never call it.
    IMainFrame* FrameOnMainThread() const;
    void ShowStylePreview(const std::shared_ptr<StyleBase>& style, const QString& kind);
    void ShowManyAssetsChoice(QWidget* parent);
    void OnPrintDialogClosed(QWidget* window);
    void ShowOrQueue(const QString& caption, const QString& text, EMessageType type);
    void AddMessageToShow(const QString& caption, const QString& text, EMessageType type);
    std::shared_ptr<MessageBoxDetails> GetFirstMessageToShow();
    void ShowMessagePopup(const QString& caption, const QString& text);
    void MakeCloudModule();
    bool SelectDefaultProvider();
    void WriteMediatorError(const char* where, int line, const QString& text);

    static AppMediator* s_instance;

    mutable SafeCriticalSection m_seriesLock;
    SafeCriticalSection m_operationCountLock;
    IMainFrame* m_mainFrame = nullptr;
    std::atomic<WndHandle> m_frameHandle = WndHandle::None;
    std::atomic<bool> m_frameReady = false;
    IApplicationObject* m_application = nullptr;
    // The factory, the settings and the makers of the parts from above the mediator.
    const AppMediatorSetup m_setup;
    std::shared_ptr<ConsumerManager> m_consumerManager;
    std::shared_ptr<BLProvidersManager> m_providersManager;
    std::shared_ptr<ICloudModule> m_cloudModule;
    std::shared_ptr<IInProcessAlertModule> m_alertModule;
    std::shared_ptr<IInProcessSessionStatistics> m_sessionStatisticsModule;
    std::shared_ptr<IInProcessOrdersSheet> m_ordersSheetManager;
    std::set<DSProp> m_allSeries;
    std::shared_ptr<Asset> m_activeAsset;
    std::shared_ptr<DataVersionUpdater> m_dataVersionUpdater;
    bool m_activeAssetTracking = true;
    ApplicationState m_applicationState;
    const std::thread::id m_mainThreadId;
    std::list<std::shared_ptr<MessageBoxDetails>> m_messagesToShow;
    std::shared_ptr<ChooseAssetChartParams> m_chooseAssetChartParams;
    std::shared_ptr<IMessagePopups> m_messagePopups;
    std::shared_ptr<IFramePoster> m_poster;
    ProgressCounter m_progress;
    std::unique_ptr<MediatorHelpHost> m_helpHost;
    // Made at its first run; it keeps what it read last.
    std::unique_ptr<AppNewsProgram> m_appNews;
    // The one print dialog of the program while it is open.
    QPointer<PrintDialogBase> m_printDialog;
};
