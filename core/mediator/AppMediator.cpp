#include "core/mediator/AppMediator.h"

#include "core/engine/BLProvidersManager.h"
#include "core/engine/ConsumerManager.h"
#include "core/help/AppNewsProgram.h"
#include "core/mediator/AppImages.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/IMainFrame.h"
#include "core/mediator/MediatorHelpHost.h"
#include "core/mediator/PrintDialogBase.h"
#include "core/mediator/SimpleMessagePopups.h"
#include "core/mediator/WndFramePoster.h"
#include "core/settings/DataVersionUpdater.h"
#include "platform/base/AppPaths.h"
#include "platform/base/AppVersionNumber.h"
#include "platform/base/Log.h"
#include "platform/modules/PluginBase.h"
#include "platform/settings/Settings.h"

#include <QDir>
#include <QFileInfo>

AppMediator* AppMediator::s_instance = nullptr;

namespace
{
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
