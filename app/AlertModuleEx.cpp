#include "app/AlertModuleEx.h"

#include "cloud/engine/CloudManager.h"
#include "core/mediator/AppMediator.h"
#include "core/settings/AlertsGeneralSettingsGroup.h"
#include "platform/base/Log.h"
#include "platform/modules/Asset.h"
#include "platform/modules/ProviderBase.h"

namespace
{
QString ProductName()
{
    return QStringLiteral("Quorvanta 4");
}
}

AlertModuleEx::AlertModuleEx()
    : m_settingsGroup(std::make_shared<AlertsGeneralSettingsGroup>(nullptr))
    , m_module(*this)
{
    if (m_module.HasWorker())
        Log::WriteInfo(QStringLiteral("Moduł alertów: wątek roboczy uruchomiony."), ProductName(),
                       QStringLiteral("AlertModuleEx::AlertModuleEx"), __LINE__);
}

AlertModuleEx::~AlertModuleEx()
{
    const bool hadWorker = m_module.HasWorker();
    m_module.StopThreads();
    if (hadWorker)
        Log::WriteInfo(QStringLiteral("Moduł alertów: wątek roboczy zatrzymany."), ProductName(),
                       QStringLiteral("AlertModuleEx::~AlertModuleEx"), __LINE__);
}

bool AlertModuleEx::SaveWindowToFile(QWidget*, const QString&, int, bool)
{
    return false;
}

bool AlertModuleEx::SaveWindowToQ5Format(QWidget*, const QString&, int, int)
{
    return false;
}

bool AlertModuleEx::OpenWindowFromFile(QWidget*, const QString& path, bool)
{
    Log::WriteWarning(QStringLiteral("Nie otwarto pliku \"%1\": program nie ma jeszcze okna alertów.").arg(path),
                      ProductName(), QStringLiteral("AlertModuleEx::OpenWindowFromFile"), __LINE__);
    return false;
}

void AlertModuleEx::SerialisePanelState(Settings& node)
{
    m_module.SerialisePanelState(node);
}

void AlertModuleEx::PostUnserialisePanelState(const Settings& node, QWidget*)
{
    m_module.PostUnserialisePanelState(node);
}

std::shared_ptr<GeneralSettingsGroupManagerBase> AlertModuleEx::GetGeneralSettingsGroup()
{
    return m_settingsGroup;
}

void AlertModuleEx::RemoveAlert(const QString& alertId)
{
    bool isNumber = false;
    const std::uint32_t id = alertId.toUInt(&isNumber);
    if (!isNumber || !m_module.RemoveIncompleteAlert(id))
        Log::WriteWarning(QStringLiteral("Moduł alertów: nie ma alertu o identyfikatorze \"%1\".").arg(alertId),
                          ProductName(), QStringLiteral("AlertModuleEx::RemoveAlert"), __LINE__);
}

bool AlertModuleEx::RemoveIncompleteAlerts()
{
    // The list answers false when it removed any.
    return !m_module.Alerts().RemoveIncompleteAlerts();
}

IAlertArgumentSource* AlertModuleEx::GetAlertArgumentSource(const QString& moduleName)
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator ? mediator->GetAlertArgumentSourceByName(moduleName) : nullptr;
}

int AlertModuleEx::GetProductKind()
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator ? mediator->GetProductKind() : 0;
}

std::optional<QStringList> AlertModuleEx::GetListedInstruments()
{
    AppMediator* mediator = AppMediator::Instance();
    ProviderBase* provider = mediator ? mediator->GetDefaultProvider() : nullptr;
    if (!provider)
        return std::nullopt;
    QStringList instruments;
    for (const Asset& asset : provider->GetAllAssets())
        instruments.append(asset.GetShortName());
    return instruments;
}

bool AlertModuleEx::CloudAlertExists(const QString& name)
{
    AppMediator* mediator = AppMediator::Instance();
    const auto* cloud = mediator ? dynamic_cast<const CloudManager*>(mediator->GetCloudModule()) : nullptr;
    return cloud && cloud->CloudAlertExists(name);
}

AlertPropsDefaults AlertModuleEx::GetNewAlertDefaults()
{
    const AlertsGeneralSettingsValues values = m_settingsGroup->GetValues();
    AlertPropsDefaults defaults;
    defaults.OnlyOnce = values.generateOnce;
    defaults.Synchronious = values.generateSynchroniously;
    defaults.Sound = values.informSound;
    defaults.Mail = values.informMail;
    defaults.Window = values.informWindow;
    return defaults;
}

bool AlertModuleEx::PostToMainFrame(unsigned message)
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator && mediator->PostMessageToPulpitFrame(message, 0, 0);
}
