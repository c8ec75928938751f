#include "cloud/engine/CloudManager.h"

#include "cloud/engine/CloudAlertManager.h"
#include "cloud/engine/CloudAlertsGeneralSettingsGroup.h"
#include "cloud/engine/CloudMessageManager.h"
#include "cloud/engine/CloudMessages.h"
#include "cloud/engine/CloudSettings.h"
#include "cloud/engine/CurlHttpClient.h"
#include "cloud/engine/ICloudAlertManager.h"
#include "platform/base/Log.h"

#include <QSettings>

#include <utility>

CloudManager& CloudManager::Instance()
{
    return *SharedInstance();
}

std::shared_ptr<CloudManager> CloudManager::SharedInstance()
{
    static const std::shared_ptr<CloudManager> instance = std::make_shared<CloudManager>(
        std::make_shared<CloudSettings>(
            CloudSettings::ConfiguredServerRest(QSettings(QStringLiteral("Kelvora"), QStringLiteral("Quorvanta 4")))),
        std::make_shared<CurlHttpClient>());
    return instance;
}

CloudManager::CloudManager(std::shared_ptr<CloudSettings> settings, std::shared_ptr<IHttpClient> client)
    : m_messageManager(std::make_shared<CloudMessageManager>(settings, std::move(client)))
    , m_settings(std::move(settings))
    , m_settingsGroup(std::make_shared<CloudAlertsGeneralSettingsGroup>(*m_messageManager))
{
}

CloudManager::~CloudManager()
{
    // The group refers to the message manager, whose worker calls the alert manager.
    m_settingsGroup.reset();
    m_alertManager.reset();
    m_settings.reset();
    m_messageManager.reset();
}

void CloudManager::SetMediator(std::shared_ptr<ICloudMediator> mediator)
{
    m_messageManager->SetMediator(std::move(mediator));
}

void CloudManager::SetAlertManager(std::shared_ptr<ICloudAlertManager> alertManager)
{
    m_alertManager = alertManager;
    m_messageManager->SetAlertManager(std::move(alertManager));
}

void CloudManager::SetMainWindow(std::shared_ptr<ICloudMainWindow> mainWindow)
{
    m_messageManager->SetMainWindow(std::move(mainWindow));
}

std::shared_ptr<CloudAlertsGeneralSettingsBase> CloudManager::GetGeneralSettingsBase() const
{
    return m_settingsGroup;
}

IGenericModule* CloudManager::GetCloudAlertManager()
{
    return dynamic_cast<IGenericModule*>(m_alertManager.get());
}

void CloudManager::ReleaseHttpThread()
{
    if (!m_messageManager->GetHttpThread())
        return;
    m_messageManager->ReleaseHttpThread();
    Log::WriteInfo(QStringLiteral("Chmura: wątek HTTP zatrzymany."), QStringLiteral("Quorvanta 4"),
                   QStringLiteral("CloudManager::ReleaseHttpThread"), __LINE__);
}

QWidget* CloudManager::GetAlertDefinitionDlg()
{
    const auto* alerts = dynamic_cast<const CloudAlertManager*>(m_alertManager.get());
    return alerts ? alerts->GetDefinitionDlg() : nullptr;
}

void CloudManager::SetWindowMessageHandler(std::function<bool(unsigned message)> handler)
{
    m_windowMessageHandler = std::move(handler);
}

bool CloudManager::PreTranslateMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (m_windowMessageHandler && m_windowMessageHandler(message))
        return true;
    if (!m_messageManager->PreTranslateMessage(message, wParam, lParam))
        return false;
    if (message == CloudMessages::kRestartHttpThread && m_messageManager->GetHttpThread())
        Log::WriteInfo(QStringLiteral("Chmura: wątek HTTP uruchomiony (%1).").arg(m_settings->GetServerRest()),
                       QStringLiteral("Quorvanta 4"), QStringLiteral("CloudManager::PreTranslateMessage"), __LINE__);
    return true;
}

void CloudManager::SetServerNewIp(std::string address)
{
    m_settings->SetServerNewIp(std::move(address));
    m_messageManager->SetServerChanged(true);
}

bool CloudManager::CloudAlertExists(const QString& name) const
{
    return m_alertManager && m_alertManager->CheckIfAlertExist(name);
}

std::shared_ptr<GeneralSettingsGroupManagerBase> CloudManager::GetGeneralSettingsGroup()
{
    return m_settingsGroup;
}
