#pragma once
// An application mediator for tests: it keeps every log line and message it is given, counts
// the reports of a provider's last quote time, and keeps the module window it was told is
// active. It has no providers, modules, images, frame, panels or data-version updater. Any
// thread may call it.

#include "platform/modules/Asset.h"
#include "platform/modules/IAppMediator.h"

#include <QStringList>

#include <atomic>
#include <mutex>
#include <thread>

class FakeAppMediator : public IAppMediator
{
public:
    bool EditPtrParams(const std::shared_ptr<EditPtrCommand>&) override { return false; }
    int GetProductKind() override { return 1; }
    QString GetAppVersionNumber() override { return QStringLiteral("4.2.210.1"); }
    bool ChooseAssetAndChartParams(Asset&) override { return false; }
    void UpdateQuickAddProvidersAssetsList(ProviderBase*) override {}
    void ShowQuickAddInstrumentDlg(const QPoint&, bool, QWidget*) override {}
    void ShowQuickAddInstrumentDlgAtCursor(const QuickAddAssetReceiver&, QWidget*) override {}
    Asset GetQuickAddChosenAsset() override { return {}; }
    ProviderBase* GetRunningProvider(const QString&) override { return nullptr; }
    ProviderBase* GetProviders(std::vector<ProviderBase*>&) override { return nullptr; }
    QString GetProductName() override { return QStringLiteral("Quorvanta 4"); }

    bool SaveAdditionalLogBuffer() override { return false; }
    void AddToAdditionalLog(const QString& module, const QString& where, int line, const QString& text) override
    {
        Keep(QStringLiteral("ADDITIONAL|%1|%2|%3").arg(module, where, text));
    }
    void WriteInfo(const QString& module, const QString& where, int line, const QString& text) override
    {
        Keep(QStringLiteral("INFO|%1|%2|%3").arg(module, where, text));
    }
    void WriteWarning(const QString& module, const QString& where, int line, const QString& text) override
    {
        Keep(QStringLiteral("WARNING|%1|%2|%3").arg(module, where, text));
    }
    void WriteError(const QString& module, const QString& where, int line, const QString& text) override
    {
        Keep(QStringLiteral("ERROR|%1|%2|%3").arg(module, where, text));
    }
    void WriteErrorEx(const QString& module, const QString& where, int line, const std::exception& error) override
    {
        Keep(QStringLiteral("ERROR|%1|%2|%3").arg(module, where, QString::fromUtf8(error.what())));
    }
    void ShowInfo(const QString& caption, const QString& text) override { Keep(QStringLiteral("SHOW|") + text); }
    void ShowWarning(const QString& caption, const QString& text) override { Keep(QStringLiteral("SHOW|") + text); }
    void ShowError(const QString& caption, const QString& text) override { Keep(QStringLiteral("SHOW|") + text); }
    int ShowMessageBox(const QString& caption, const QString& text, unsigned flags) override
    {
        Keep(QStringLiteral("BOX|") + text);
        return messageBoxAnswer;
    }

    void InitSetAllSeries() override {}
    void SetAppIcon(QWidget*) override {}
    void RequestFrameRepaint() override {}
    void SetAllSeries(const std::set<DSProp>&) override {}
    void GetProvidersNames(std::vector<QString>&) override {}
    ModuleWndBase* GetActiveModuleWnd() override { return activeModuleWnd.load(); }
    void OnModuleWndActivate(ModuleWndBase* window, bool activated, bool) override
    {
        if (activated)
            activeModuleWnd.store(window);
        else if (activeModuleWnd.load() == window)
            activeModuleWnd.store(nullptr);
    }
    void UpdateContextCaption() override {}
    void UpdateRibbonContext(bool, const ::UpdateRibbonContext&) override {}
    ColorRef GetXtremeColor(int) override { return ColorRef(); }
    void BringAlertDefinitionDlgToTop() override {}
    QString GetAppDataFolder(const QString&) override { return {}; }
    QString GetUserDocumentsFolder() override { return {}; }
    IAlertModule* GetAlertsInterface() override { return nullptr; }
    IAlertArgumentSource* GetAlertArgumentSourceByName(const QString&) override { return nullptr; }
    ISessionStatisticsModule* GetSessionStatisticsInterface() override { return nullptr; }
    IGlobalSettings* GetGlobalSettingsObject() override { return nullptr; }
    ProviderBase* GetDefaultProvider() override { return nullptr; }
    bool OpenNewChart(const Asset&) override { return false; }
    CmdTarget* GetConsumerById(const ConsumerBase*) override { return nullptr; }
    bool IsCurrentPanelView(const QWidget* window) override { return window == nullptr; }
    QWidget* GetCurrentPanelView() override { return nullptr; }
    QWidget* GetActivePanelView() override { return nullptr; }

    void SetActiveAsset(const std::shared_ptr<Asset>&) override {}
    std::shared_ptr<Asset> GetActiveAsset() override { return {}; }
    void ResetActiveAsset() override {}
    Asset GetActiveAssetForActiveWindow() override { return {}; }
    void SuspendActiveAssetTracking() override {}
    void ResumeActiveAssetTracking() override {}

    std::thread::id GetMainThreadId() const override { return m_mainThread; }
    void UpdateStyleEditedWindowLayout(QWidget*) override {}
    std::uint32_t GetStyleEditModeMessageId() override { return 0; }
    void AddOperationsToDoToProgress(unsigned) override {}
    void SetOperationsDidToProgress(unsigned) override {}
    void ShowLastQuoteTime(ProviderBase* provider) override
    {
        lastQuoteTimeProvider.store(provider);
        ++lastQuoteTimeReports;
    }
    void ShowStatusBarPane(std::uint32_t, std::intptr_t) override {}
    QString GetInstallSettingsName() override { return QStringLiteral("InstallSettings"); }
    bool RunAssetCommand(std::uint32_t) override { return false; }
    void ShowTableStylePreview(const std::shared_ptr<StyleBase>&) override {}
    void ShowFormationStylePreview(const std::shared_ptr<StyleBase>&) override {}
    void ShowChartWindowStylePreview(const std::shared_ptr<StyleBase>&) override {}

    bool LoadIndexedPngImage(int, QPixmap&) override { return false; }
    bool LoadTogglePngImageA(int, QPixmap&) override { return false; }
    bool LoadIndexedPngImageOf4(int, QPixmap&) override { return false; }
    bool LoadTogglePngImageB(int, QPixmap&) override { return false; }
    void CollectPanelWindows(std::vector<QString>& names) override { names.clear(); }
    void ActivateNamedWindowObject(const QString&) override {}
    void ShowPrintDialog(QWidget*, const std::shared_ptr<IPrintSource>&) override {}
    std::shared_ptr<StyleBase> GetTableDefaultStyle() override { return nullptr; }
    bool RedrawFilesGeneratorAfterStyleChange() override { return false; }
    bool IsMainFrameReady() override { return false; }

    void ForwardToDefaultProvider1(std::int64_t) override {}
    void ForwardToDefaultProvider2(std::int64_t) override {}
    void ListAllRunningCharts(const std::function<void(QWidget*)>&) override {}
    std::shared_ptr<KFLInvestStrategyDataProvidersIterator> CreateKFLInvestStrategyDataProvidersIteartor(const QString&) override
    {
        return nullptr;
    }
    QWidget* FindPanelViewByName(const QString&) override { return nullptr; }
    void SetupCrashReporting(const QString&, const QString&) override {}
    void RemoveAlert(const QString&) override {}
    void SetCloudServerNewIp(std::string) override {}
    bool UpgradeProviderSettings(Settings&, const QString&) override { return false; }
    std::shared_ptr<DataVersionUpdater> GetDataVersionUpdater() override { return {}; }
    bool IsNotProductKind4() override { return true; }
    bool PostMessageToPulpitFrame(std::uint32_t, std::uintptr_t, std::intptr_t) override { return false; }
    void SetApplicationState(const ApplicationState&) override {}
    ApplicationState GetApplicationState() override { return {}; }
    bool CheckUnserializationRequestChange(int) override { return false; }

    QStringList Lines() const
    {
        std::lock_guard lock(m_mutex);
        return m_lines;
    }

    int messageBoxAnswer = 1;
    std::atomic<ProviderBase*> lastQuoteTimeProvider = nullptr;
    std::atomic<int> lastQuoteTimeReports = 0;
    std::atomic<ModuleWndBase*> activeModuleWnd = nullptr;

private:
    void Keep(const QString& line)
    {
        std::lock_guard lock(m_mutex);
        m_lines.append(line);
    }

    const std::thread::id m_mainThread = std::this_thread::get_id();
    mutable std::mutex m_mutex;
    QStringList m_lines;
};
