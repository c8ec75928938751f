#include "core/mediator/AppMediator.h"

#include "core/engine/BLProvidersManager.h"
#include "core/engine/ConsumerManager.h"
#include "core/engine/PluginLifecycle.h"
#include "core/help/AppNewsProgram.h"
#include "core/mediator/AllSeries.h"
#include "core/mediator/AppImages.h"
#include "core/mediator/AppMessageIds.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/MediatorHelpHost.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "core/mediator/IMainFrame.h"
#include "core/mediator/IMediatorSettings.h"
#include "core/mediator/ModuleFaces.h"
#include "core/mediator/ModuleFileMatch.h"
#include "core/mediator/PrintDialog.h"
#include "core/mediator/SimpleMessagePopups.h"
#include "core/mediator/WndFramePoster.h"
#include "core/settings/DataVersionUpdater.h"
#include "core/settings/GeneralSettingsManager.h"
#include "platform/base/AppPaths.h"
#include "platform/base/AppVersionNumber.h"
#include "platform/base/Log.h"
#include "platform/base/LogBuffer.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/Asset.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/DetailsCons.h"
#include "platform/modules/KFLFasade.h"
#include "platform/modules/OffersConsumer.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/TableConsumer.h"
#include "platform/modules/TransListCons.h"
#include "platform/modules/TransactionsMonitorConsumer.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <chrono>
#include <thread>
#include <utility>

AppMediator* AppMediator::s_instance = nullptr;

namespace
{
const char* const kFile = "AppMediator";

QString ProductName()
{
    return QString::fromUtf8(AppPaths::kProductName);
}
}

AppMediator* AppMediator::Create(AppMediatorSetup setup)
{
    if (!s_instance)
        s_instance = new AppMediator(std::move(setup));
    return s_instance;
}

AppMediator* AppMediator::Instance()
{
    return s_instance;
}

void AppMediator::DestroyInstance()
{
    if (s_instance)
    {
        // The global settings go before anything else of the mediator.
        if (s_instance->m_setup.settings)
            s_instance->m_setup.settings->ReleaseGlobalSettings();
        delete s_instance;
    }
    s_instance = nullptr;
}

AppMediator::AppMediator(AppMediatorSetup setup)
    : m_seriesLock(QStringLiteral("AppMediator::SetDSProp"))
    , m_operationCountLock(QStringLiteral("AppMediator::OperationCount"))
    , m_setup(std::move(setup))
    , m_mainThreadId(std::this_thread::get_id())
{
    ConsumerManager::Hooks hooks;
    hooks.addSettingsGroup = [this](const std::shared_ptr<GeneralSettingsGroupManagerBase>& group) {
        if (m_setup.settings)
            m_setup.settings->AddLibraryGroup(group);
    };
    hooks.afterTableConsumer = [this] { MakeCloudModule(); };
    m_consumerManager = m_setup.factory->CreateConsumerManager(std::move(hooks));
    m_providersManager = std::make_shared<BLProvidersManager>([this](const QString& name) {
        if (m_setup.settings)
            m_setup.settings->SetDefaultProviderName(name);
    });
    m_chooseAssetChartParams = m_setup.factory->CreateChooseAssetChartParams();
    m_messagePopups = m_setup.popups ? m_setup.popups : std::make_shared<SimpleMessagePopups>();
    m_poster = m_setup.poster ? m_setup.poster : std::make_shared<WndFramePoster>();
}

AppMediator::~AppMediator()
{
    // Nothing that runs while the members go may reach the frame.
    m_frameHandle.store(WndHandle::None);
    m_frameReady.store(false);
    m_mainFrame = nullptr;
    if (m_printDialog)
    {
        m_printDialog->ForgetOwner();
        delete m_printDialog.data();
    }
}

bool AppMediator::Init()
{
    PluginBase::Init(this);
    if (!m_setup.settings)
        WriteInfo(ProductName(), QStringLiteral("AppMediator::Init"), __LINE__,
                  QStringLiteral("Program działa bez ustawień ogólnych: domyślnym dostawcą danych jest pierwszy wczytany."));
    else if (!m_setup.settings->CreateGlobalSettings())
    {
        WriteMediatorError("AppMediator::Init", __LINE__, QStringLiteral("Nie można utworzyć ustawień globalnych."));
        return false;
    }
    MakeCloudModule();
    if (!m_providersManager->Load())
        return false;
    InitSetAllSeries();
    if (!m_consumerManager->Load())
        return false;
    // The module libraries are loaded only now, so they get the set of all series here.
    m_consumerManager->InitAllSeries(GetAllSeries());

    if (m_setup.makeAlertModule)
        m_alertModule = m_setup.makeAlertModule();
    if (m_setup.makeSessionStatistics)
        m_sessionStatisticsModule = m_setup.makeSessionStatistics();
    m_ordersSheetManager = m_setup.factory->CreateOrdersSheetManager();

    if (m_setup.settings)
    {
        m_setup.settings->AddGroup(m_setup.settings->GetGlobalSettingsGroup());
        m_setup.settings->AddGroup(m_alertModule ? m_alertModule->GetGeneralSettingsGroup()
                                                 : m_setup.settings->GetLocalAlertsGroup());
        // The cloud account's defaults and contact data are seen and changed in "Opcje" too.
        if (std::shared_ptr<GeneralSettingsGroupManagerBase> cloud = m_cloudModule ? m_cloudModule->GetGeneralSettingsGroup() : nullptr)
            m_setup.settings->AddGroup(cloud);
    }
    if (!SelectDefaultProvider())
        return false;
    if (m_setup.settings)
        m_setup.settings->ApplyTimeSourceProvider();
    return true;
}

bool AppMediator::SelectDefaultProvider()
{
    const QString storedName = m_setup.settings ? m_setup.settings->GetDefaultProviderName() : QString();
    if (m_providersManager->SetDefaultProviderByName(storedName))
        return true;
    WriteMediatorError("AppMediator::Init", __LINE__,
                       QStringLiteral("Nie ma domyślnego dostawcy danych: w folderze \"%1\" nie wczytano żadnego dostawcy. "
                                      "Program kończy pracę.")
                           .arg(m_providersManager->GetFolderPath()));
    return false;
}

void AppMediator::MakeCloudModule()
{
    if (!m_cloudModule && m_setup.makeCloudModule)
        m_cloudModule = m_setup.makeCloudModule();
}

void AppMediator::WriteMediatorError(const char* where, int line, const QString& text)
{
    Log::WriteError(text, ProductName(), QString::fromLatin1(where), line);
}

bool AppMediator::IsMainThread() const
{
    return std::this_thread::get_id() == m_mainThreadId;
}

void AppMediator::SetMainFrame(IMainFrame* frame)
{
    m_mainFrame = frame;
    m_frameReady.store(frame != nullptr && frame->IsSessionLoaded());
    m_frameHandle.store(frame ? frame->GetFrameHandle() : WndHandle::None);
}

// Identity and folders

int AppMediator::GetProductKind()
{
    return m_setup.factory->GetProductKind();
}

bool AppMediator::IsNotProductKind4()
{
    return GetProductKind() != 4;
}

QString AppMediator::GetAppVersionNumber()
{
    return AppVersionNumber::Current().ToString();
}

QString AppMediator::GetProductName()
{
    return m_setup.factory->GetProductName();
}

QString AppMediator::GetAppDataFolder(const QString& subFolder)
{
    const QString folder = QDir(AppPaths::AppDataFolder()).filePath(subFolder);
    if (!QFileInfo::exists(folder) && !QDir().mkdir(folder))
        WriteMediatorError("AppMediator::GetAppDataFolder", __LINE__,
                           QStringLiteral("Nie można utworzyć folderu \"%1\".").arg(folder));
    return folder;
}

QString AppMediator::GetUserDocumentsFolder()
{
    const QString folder = QDir(AppPaths::DocumentsFolder()).filePath(GetProductName());
    AppPaths::EnsureFolder(folder);
    return folder;
}

QString AppMediator::GetInstallSettingsName()
{
    return AppPaths::InstallSettingsName();
}

std::shared_ptr<DataVersionUpdater> AppMediator::GetDataVersionUpdater()
{
    if (!m_dataVersionUpdater)
        m_dataVersionUpdater = m_setup.factory->CreateDataVersionUpdater();
    return m_dataVersionUpdater;
}

bool AppMediator::UpgradeProviderSettings(Settings& providerSettings, const QString& providerName)
{
    const std::shared_ptr<DataVersionUpdater> updater = GetDataVersionUpdater();
    if (!updater || !updater->IsVersionChanged())
        return false;
    // Both steps run, whatever the first answers.
    const bool upgraded = updater->UpdateProviderSettings(providerSettings, providerName);
    return updater->UpdateOnLineProviderSettings(providerSettings, providerName) || upgraded;
}

void AppMediator::SetupCrashReporting(const QString& user, const QString& code)
{
    if (m_application)
        m_application->SetupCrashReporting(user, code);
}

// Log and messages

bool AppMediator::SaveAdditionalLogBuffer()
{
    return LogBuffer::SaveBufferContent();
}

void AppMediator::AddToAdditionalLog(const QString& module, const QString& where, int line, const QString& text)
{
    LogBuffer::AddLog(text, module, where, line);
}

void AppMediator::WriteInfo(const QString& module, const QString& where, int line, const QString& text)
{
    Log::WriteInfo(text, module, where, line);
}

void AppMediator::WriteWarning(const QString& module, const QString& where, int line, const QString& text)
{
    Log::WriteWarning(text, module, where, line);
}

void AppMediator::WriteError(const QString& module, const QString& where, int line, const QString& text)
{
    Log::WriteError(text, module, where, line);
}

void AppMediator::WriteErrorEx(const QString& module, const QString& where, int line, const std::exception& error)
{
    Log::WriteErrorEx(error, module, where, line);
}

void AppMediator::ShowInfo(const QString& caption, const QString& text)
{
    ShowOrQueue(caption, text, EMessageType::Information);
}

void AppMediator::ShowWarning(const QString& caption, const QString& text)
{
    ShowOrQueue(caption, text, EMessageType::Warning);
}

void AppMediator::ShowError(const QString& caption, const QString& text)
{
    ShowOrQueue(caption, text, EMessageType::Error);
}

void AppMediator::ShowOrQueue(const QString& caption, const QString& text, EMessageType type)
{
    // The severity only matters for the queue: on the main thread every popup looks the same.
    if (IsMainThread())
        ShowMessagePopup(caption, text);
    else
        AddMessageToShow(caption, text, type);
}

void AppMediator::AddMessageToShow(const QString& caption, const QString& text, EMessageType type)
{
    {
        SafeAutoLock lock(m_seriesLock, "AppMediator::AddMessageToShow", kFile);
        m_messagesToShow.push_back(std::make_shared<MessageBoxDetails>(caption, text, type));
    }
    PostMessageToPulpitFrame(WM_APP_SHOW_QUEUED_MESSAGES, 0, 0);
}

std::shared_ptr<MessageBoxDetails> AppMediator::GetFirstMessageToShow()
{
    SafeAutoLock lock(m_seriesLock, "AppMediator::GetFirstMessageToShow", kFile);
    if (m_messagesToShow.empty())
        return nullptr;
    std::shared_ptr<MessageBoxDetails> first = std::move(m_messagesToShow.front());
    m_messagesToShow.pop_front();
    return first;
}

void AppMediator::ShowQueuedMessages()
{
    while (const std::shared_ptr<MessageBoxDetails> message = GetFirstMessageToShow())
    {
        if (message->Text().isEmpty())
            continue;
        switch (message->Type())
        {
        case EMessageType::Information:
            ShowInfo(message->Caption(), message->Text());
            break;
        case EMessageType::Warning:
            ShowWarning(message->Caption(), message->Text());
            break;
        case EMessageType::Error:
            ShowError(message->Caption(), message->Text());
            break;
        }
    }
}

void AppMediator::ShowMessagePopup(const QString& caption, const QString& text)
{
    if (!m_messagePopups)
        return;
    QWidget* view = m_application ? m_application->GetCurrentPanelView() : nullptr;
    QRect anchor;
    if (view)
        anchor = QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
    else if (m_mainFrame)
        anchor = m_mainFrame->GetMdiClientScreenRect();
    else
        return;
    // The right and bottom edges as the system counts them: one past the last pixel.
    const QPoint point(anchor.x() + anchor.width() - 2, anchor.y() + anchor.height() - 2);
    m_messagePopups->ShowMessagePopup(view, point, caption.isEmpty() ? GetProductName() : caption, text);
}

void AppMediator::ReleaseMessagePopupManager()
{
    if (m_messagePopups)
        m_messagePopups->CloseAllPopups();
    m_messagePopups.reset();
}

int AppMediator::ShowMessageBox(const QString& caption, const QString& text, unsigned flags)
{
    if (!IsMainThread())
        return -1;
    // The question icon only where the caller chose none: added to another icon it would make a third.
    if ((flags & MB_ICONMASK) == 0)
        flags |= MB_ICONQUESTION;
    const int answer = DialogServices::ShowMessageBox(caption.isEmpty() ? GetProductName() : caption, text, flags);
    if (m_mainFrame)
        if (QWidget* active = m_mainFrame->GetActiveModuleWnd())
            active->setFocus();
    return answer;
}

bool AppMediator::PostMessageToPulpitFrame(std::uint32_t message, WParam wParam, LParam lParam)
{
    const WndHandle frame = m_frameHandle.load();
    if (frame == WndHandle::None)
    {
        WriteMediatorError("AppMediator::PostMessageToPulpitFrame", __LINE__,
                           QStringLiteral("Nie można wysłać komunikatu (%1, %2, %3) do okna pulpitu - brak okna.")
                               .arg(message)
                               .arg(static_cast<qulonglong>(wParam))
                               .arg(static_cast<qlonglong>(lParam)));
        return false;
    }
    QString reason;
    if (m_poster->Post(frame, message, wParam, lParam, reason))
        return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPostRetryDelayMs));
    if (m_poster->Post(frame, message, wParam, lParam, reason))
        return true;
    WriteMediatorError("AppMediator::PostMessageToPulpitFrame", __LINE__,
                       QStringLiteral("Nie można wysłać komunikatu (%1, %2, %3) do okna pulpitu. %4")
                           .arg(message)
                           .arg(static_cast<qulonglong>(wParam))
                           .arg(static_cast<qlonglong>(lParam))
                           .arg(reason));
    return false;
}

// Progress

void AppMediator::AddOperationsToDoToProgress(unsigned count)
{
    if (m_frameHandle.load() == WndHandle::None)
        return;
    {
        SafeAutoLock lock(m_operationCountLock, "AppMediator::AddOperationsToDoToProgress", kFile);
        m_progress.AddToDo(count);
    }
    ManageProgress();
}

void AppMediator::SetOperationsDidToProgress(unsigned count)
{
    if (m_frameHandle.load() == WndHandle::None)
        return;
    {
        SafeAutoLock lock(m_operationCountLock, "AppMediator::SetOperationsDidToProgress", kFile);
        m_progress.AddDone(count);
    }
    ManageProgress();
}

void AppMediator::ManageProgress()
{
    if (m_frameHandle.load() == WndHandle::None)
        return;
    std::optional<int> percentage;
    {
        SafeAutoLock lock(m_operationCountLock, "AppMediator::ManageProgress", kFile);
        percentage = m_progress.Percentage();
        if (!percentage)
            m_progress.Reset();
    }
    // Posted after the lock is released, so a retry never holds up the other counting threads.
    if (!IsMainThread())
        PostMessageToPulpitFrame(WM_APP_PROGRESS, percentage ? static_cast<WParam>(*percentage) : 0, percentage ? 1 : 0);
    else if (!m_mainFrame)
        return;
    else if (percentage)
    {
        m_mainFrame->ShowProgress(true);
        m_mainFrame->SetProgressPosition(*percentage);
    }
    else
        m_mainFrame->ResetProgress();
}

// Providers and data series

ProviderBase* AppMediator::GetRunningProvider(const QString& name)
{
    ProviderBase* provider = m_providersManager->FindProvider(name);
    return provider && provider->IsRunning() ? provider : nullptr;
}

ProviderBase* AppMediator::GetProviders(std::vector<ProviderBase*>& providers)
{
    const std::vector<ProviderBase*>& loaded = m_providersManager->GetProviders();
    providers.insert(providers.end(), loaded.begin(), loaded.end());
    return m_providersManager->GetDefaultProvider();
}

void AppMediator::GetProvidersNames(std::vector<QString>& names)
{
    const std::vector<QString> loaded = m_providersManager->GetProvidersNames();
    names.insert(names.end(), loaded.begin(), loaded.end());
}

ProviderBase* AppMediator::GetDefaultProvider()
{
    return m_providersManager->GetDefaultProvider();
}

void AppMediator::ForwardToDefaultProvider1(std::int64_t value)
{
    if (ProviderBase* provider = GetDefaultProvider())
        provider->TakeForwardedValue1(value);
}

void AppMediator::ForwardToDefaultProvider2(std::int64_t value)
{
    if (ProviderBase* provider = GetDefaultProvider())
        provider->TakeForwardedValue2(value);
}

void AppMediator::ShowLastQuoteTime(ProviderBase* provider)
{
    if (!provider || !m_setup.settings || !m_setup.settings->IsTimeSourceProvider(provider) ||
        m_frameHandle.load() == WndHandle::None)
        return;
    if (!IsMainThread())
        PostMessageToPulpitFrame(WM_APP_LAST_QUOTE_TIME, reinterpret_cast<WParam>(provider), 0);
    else if (m_mainFrame)
        m_mainFrame->ShowLastQuoteTime(provider);
}

void AppMediator::InitSetAllSeries()
{
    std::set<DSProp> allSeries = AllSeries::Build(m_providersManager->GetProviders());
    {
        SafeAutoLock lock(m_seriesLock, "AppMediator::InitSetAllSeries", kFile);
        m_allSeries = allSeries;
    }
    m_consumerManager->InitAllSeries(allSeries);
}

void AppMediator::SetAllSeries(const std::set<DSProp>& allSeries)
{
    SafeAutoLock lock(m_seriesLock, "AppMediator::SetAllSeries", kFile);
    m_allSeries = allSeries;
}

std::set<DSProp> AppMediator::GetAllSeries() const
{
    SafeAutoLock lock(m_seriesLock, "AppMediator::GetAllSeries", kFile);
    return m_allSeries;
}

// The instrument of the active window

void AppMediator::SetActiveAsset(const std::shared_ptr<Asset>& asset)
{
    if (m_activeAssetTracking && asset && asset->IsProviderSet() && !asset->IsEmpty())
        m_activeAsset = asset;
}

std::shared_ptr<Asset> AppMediator::GetActiveAsset()
{
    return m_activeAsset;
}

void AppMediator::ResetActiveAsset()
{
    m_activeAsset.reset();
}

Asset AppMediator::GetActiveAssetForActiveWindow()
{
    if (m_mainFrame && m_mainFrame->GetActiveModuleWnd() && m_activeAsset)
        return *m_activeAsset;
    return Asset();
}

void AppMediator::SuspendActiveAssetTracking()
{
    m_activeAssetTracking = false;
}

void AppMediator::ResumeActiveAssetTracking()
{
    m_activeAssetTracking = true;
}

std::thread::id AppMediator::GetMainThreadId() const
{
    return m_mainThreadId;
}

// Images

bool AppMediator::LoadIndexedPngImage(int index, QPixmap& image)
{
    return AppImages::Load(AppImages::IndexedPngImageId(index), image);
}

bool AppMediator::LoadTogglePngImageA(int index, QPixmap& image)
{
    return AppImages::Load(AppImages::TogglePngImageAId(index), image);
}

bool AppMediator::LoadIndexedPngImageOf4(int index, QPixmap& image)
{
    return AppImages::Load(AppImages::IndexedPngImageOf4Id(index), image);
}

bool AppMediator::LoadTogglePngImageB(int index, QPixmap& image)
{
    return AppImages::Load(AppImages::TogglePngImageBId(index), image);
}

// Modules

IAlertModule* AppMediator::GetAlertsInterface()
{
    return m_alertModule ? m_alertModule->GetAlertsInterface() : nullptr;
}

ISessionStatisticsModule* AppMediator::GetSessionStatisticsInterface()
{
    return m_sessionStatisticsModule ? m_sessionStatisticsModule->GetSessionStatisticsInterface() : nullptr;
}

IAlertArgumentSource* AppMediator::GetAlertArgumentSourceByName(const QString& moduleName)
{
    if (ConsumerBase* consumer = m_consumerManager->FindModuleByName(moduleName))
        return ModuleFaces::AlertArgumentSource(consumer);
    if (m_sessionStatisticsModule && moduleName == m_sessionStatisticsModule->GetModuleName())
        return m_sessionStatisticsModule->GetAlertArgumentSource();
    if (m_ordersSheetManager && moduleName == m_ordersSheetManager->GetModuleName())
        return m_ordersSheetManager->GetAlertArgumentSource();
    return nullptr;
}

IGlobalSettings* AppMediator::GetGlobalSettingsObject()
{
    return m_setup.settings ? m_setup.settings->GetGlobalSettingsObject() : nullptr;
}

CmdTarget* AppMediator::GetConsumerById(const ConsumerBase* consumer)
{
    return m_consumerManager->GetCmdTarget(consumer);
}

void AppMediator::RemoveAlert(const QString& alertId)
{
    if (m_alertModule)
        m_alertModule->RemoveAlert(alertId);
}

void AppMediator::SetCloudServerNewIp(std::string address)
{
    if (m_cloudModule)
        m_cloudModule->SetServerNewIp(std::move(address));
    else
        WriteMediatorError("AppMediator::SetCloudServerNewIp", __LINE__,
                           QStringLiteral("Nie zmieniono adresu serwera chmury: program nie ma modułu chmury."));
}

IGenericModule* AppMediator::GetModuleByName(const QString& name) const
{
    if (ConsumerBase* consumer = m_consumerManager->FindModuleByName(name))
        return consumer;
    IGenericModule* cloudAlerts = m_cloudModule ? m_cloudModule->GetCloudAlertManager() : nullptr;
    for (IGenericModule* module : {static_cast<IGenericModule*>(m_ordersSheetManager.get()),
                                   static_cast<IGenericModule*>(m_alertModule.get()), cloudAlerts,
                                   static_cast<IGenericModule*>(m_sessionStatisticsModule.get())})
        if (module && module->GetModuleName() == name)
            return module;
    return nullptr;
}

std::vector<IGenericModule*> AppMediator::GetAllModules() const
{
    std::vector<IGenericModule*> modules;
    for (ConsumerBase* consumer : m_consumerManager->GetConsumers())
        modules.push_back(consumer);
    IGenericModule* cloudAlerts = m_cloudModule ? m_cloudModule->GetCloudAlertManager() : nullptr;
    for (IGenericModule* module : {static_cast<IGenericModule*>(m_ordersSheetManager.get()),
                                   static_cast<IGenericModule*>(m_alertModule.get()), cloudAlerts,
                                   static_cast<IGenericModule*>(m_sessionStatisticsModule.get())})
        if (module)
            modules.push_back(module);
    return modules;
}

void AppMediator::GetWindowFileModules(std::vector<IGenericModule*>& modules) const
{
    const ConsumerManager& consumers = *m_consumerManager;
    for (IGenericModule* module : {static_cast<IGenericModule*>(consumers.GetTableConsumer()),
                                   static_cast<IGenericModule*>(consumers.GetDetailsConsumer()),
                                   static_cast<IGenericModule*>(consumers.GetTransListConsumer()),
                                   static_cast<IGenericModule*>(consumers.GetOffersConsumer()),
                                   static_cast<IGenericModule*>(consumers.GetChartConsumer()),
                                   static_cast<IGenericModule*>(m_ordersSheetManager.get()),
                                   static_cast<IGenericModule*>(m_sessionStatisticsModule.get()),
                                   static_cast<IGenericModule*>(consumers.GetTransactionsMonitorConsumer())})
        if (module)
            modules.push_back(module);
}

bool AppMediator::OpenFileByExtension(const QString& path, bool asDesktop)
{
    // Only the file name's ending counts: every window-file extension of the program begins
    // like the desktop's, and a folder's name must not decide either.
    const QString fileName = QFileInfo(path).fileName();
    if (asDesktop)
        return fileName.endsWith(kDesktopExtension) && m_mainFrame && m_mainFrame->LoadSession(path) == 1;

    IGenericModule* module = nullptr;
    if (m_ordersSheetManager && ModuleFileMatch::Claims(*m_ordersSheetManager, fileName))
        module = m_ordersSheetManager.get();
    else if (m_sessionStatisticsModule && ModuleFileMatch::Claims(*m_sessionStatisticsModule, fileName))
        module = m_sessionStatisticsModule.get();
    else
        module = m_consumerManager->FindModuleByFileExtension(path);
    if (!module)
    {
        Log::WriteWarning(QStringLiteral("Nie otwarto pliku \"%1\": żaden moduł nie otwiera plików z takim rozszerzeniem.").arg(path),
                          ProductName(), QStringLiteral("AppMediator::OpenFileByExtension"), __LINE__);
        return false;
    }
    QWidget* activeView = m_application ? m_application->GetActivePanelView() : nullptr;
    return module->OpenWindowFromFile(activeView, path, true);
}

void AppMediator::UpdateConnectedWindowsData()
{
    std::vector<ConnectedWindowData> windows;
    if (m_ordersSheetManager)
        m_ordersSheetManager->CollectWindowsData(windows);
    m_consumerManager->CollectWindowsData(windows);
    if (TableConsumer* tables = m_consumerManager->GetTableConsumer())
        tables->UpdateConnectedWindowData(windows);
}

void AppMediator::ReleaseModules()
{
    // The statistics worker delivers into the alert module: it stops before the module goes.
    if (m_sessionStatisticsModule)
        m_sessionStatisticsModule->Shutdown();
    m_alertModule.reset();
    m_sessionStatisticsModule.reset();
    m_ordersSheetManager.reset();
}

std::vector<IGenericModule*> AppMediator::SessionModules() const
{
    std::vector<IGenericModule*> modules;
    for (IGenericModule* module : {static_cast<IGenericModule*>(m_alertModule.get()),
                                   static_cast<IGenericModule*>(m_sessionStatisticsModule.get()),
                                   static_cast<IGenericModule*>(m_ordersSheetManager.get())})
        if (module)
            modules.push_back(module);
    return modules;
}

void AppMediator::SerialiseModulesStates(Settings& session)
{
    Settings& states = session[kModulesStatesNode];
    m_consumerManager->SerialiseStates(states);
    for (IGenericModule* module : SessionModules())
        module->SerialisePanelState(states[module->GetModuleName()]);
    if (KFLFasade* formula = m_setup.formulaLanguage)
    {
        formula->NotifySaveModuleState();
        if (IGenericModule* module = formula->Module())
            module->SerialisePanelState(states[module->GetModuleName()]);
    }
}

void AppMediator::SerialiseModulesStatesToQ5Format(Q5Settings& session)
{
    Q5Settings& states = session[kModulesStatesNode.toStdString()];
    m_consumerManager->SerialiseStatesToQ5Format(states);
    // The next generation keeps no alert module state.
    for (IGenericModule* module : {static_cast<IGenericModule*>(m_sessionStatisticsModule.get()),
                                   static_cast<IGenericModule*>(m_ordersSheetManager.get())})
        if (module)
            module->SerialisePanelStateToQ5Format(states[module->GetQ5ModuleName().toStdString()]);
}

void AppMediator::UnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates)
{
    m_consumerManager->UnserialiseStates(consumers);
    if (!modulesStates.IsValid())
        return;
    std::vector<IGenericModule*> modules = SessionModules();
    if (m_setup.formulaLanguage && m_setup.formulaLanguage->Module())
        modules.push_back(m_setup.formulaLanguage->Module());
    for (IGenericModule* module : modules)
        module->UnserialisePanelState(modulesStates[module->GetModuleName()]);
}

void AppMediator::PostUnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates, QWidget* activeView)
{
    m_consumerManager->PostUnserialiseStates(consumers, activeView);
    if (!modulesStates.IsValid())
        return;
    for (IGenericModule* module : SessionModules())
        module->PostUnserialisePanelState(modulesStates[module->GetModuleName()], activeView);
    if (m_application && m_application->IsExtendedMode() && m_ordersSheetManager && m_setup.settings)
        if (std::shared_ptr<GeneralSettingsGroupManagerBase> group = m_ordersSheetManager->GetGeneralSettingsGroup())
            m_setup.settings->AddGroup(group);
    if (m_setup.formulaLanguage)
        if (IGenericModule* module = m_setup.formulaLanguage->Module())
            module->PostUnserialisePanelState(modulesStates[module->GetModuleName()], activeView);
}

void AppMediator::StopPlugins()
{
    PluginLifecycle::StopWork(*m_providersManager, *m_consumerManager);
}

void AppMediator::ShutDownPlugins()
{
    PluginLifecycle::ShutDown(*m_providersManager, *m_consumerManager);
}

bool AppMediator::IsExtendedMode() const
{
    return m_application != nullptr && m_application->IsExtendedMode();
}

GeneralSettingsManager* AppMediator::GetGeneralSettingsManager() const
{
    return m_setup.settings ? &m_setup.settings->GetGeneralSettingsManager() : nullptr;
}
