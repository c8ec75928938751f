#include "app/AlertModuleEx.h"

#include "alerts/engine/AlertTexts.h"
#include "alerts/ui/AlertDefinitionDlg.h"
#include "alerts/ui/AlertsInfoWindowLink.h"
#include "alerts/ui/DeferredSoundPlayer.h"
#include "app/CloudAlertsCommandsQ4Classic.h"
#include "cloud/engine/CloudAlertManager.h"
#include "cloud/engine/CloudManager.h"
#include "cloud/ui/CloudAlertNotificationPopup.h"
#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IApplicationObject.h"
#include "core/settings/AlertsGeneralSettingsGroup.h"
#include "platform/base/Log.h"
#include "platform/modules/Asset.h"
#include "platform/modules/ProviderBase.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "workspace/ui/PulpitFrame.h"

#include <algorithm>

namespace
{
QString ProductName()
{
    return QStringLiteral("Quorvanta 4");
}

constexpr std::uint32_t kAlertsTabId = 265;

void SetAlertsTabCaption(const QString& caption)
{
    AppMediator* mediator = AppMediator::Instance();
    auto* frame = mediator ? dynamic_cast<PulpitFrame*>(mediator->GetMainFrame()) : nullptr;
    const std::shared_ptr<RibbonsFactory> ribbons = frame ? frame->GetRibbonsFactory() : nullptr;
    if (QuorvantaTab* tab = ribbons ? ribbons->FindTab(kAlertsTabId) : nullptr)
        tab->SetCaption(caption);
}

// The alerts window lives in a panel: the active one, or the current one when none is active.
QWidget* AlertsWindowParent()
{
    AppMediator* mediator = AppMediator::Instance();
    if (!mediator)
        return nullptr;
    if (QWidget* view = mediator->GetActivePanelView())
        return view;
    const IApplicationObject* application = mediator->GetApplicationObject();
    return application ? application->GetCurrentPanelView() : nullptr;
}
}

AlertModuleEx::AlertModuleEx()
    : m_settingsGroup(std::make_shared<AlertsGeneralSettingsGroup>(static_cast<IAlertsGeneralSettingsOwner*>(this)))
    , m_module(*this)
{
    m_module.SetAlertsWindowFactory([this](AlertModule& module, QWidget* parent) -> std::shared_ptr<IAlertsInfoWindow> {
        auto window = std::make_shared<AlertsInfoWindowLink>(module, this, SetAlertsTabCaption, AlertsWindowParent);
        if (window->Create(parent))
            return window;
        Log::WriteError(QStringLiteral("Nie utworzono okna alertów: nie ma panelu, w którym by się znalazło."),
                        ProductName(), QStringLiteral("AlertModuleEx::CreateAlertsWindow"), __LINE__);
        return nullptr;
    });
    m_module.SetAlertDefinitionDlgOpener([this](const std::shared_ptr<BLAlert>& alert) {
        return OpenAlertDefinitionDlg(alert);
    });
    // The defined-alerts grid handles cloud rows as the ribbon does: through the cloud alert manager.
    AlertModule::CloudRowOperations cloudRows;
    cloudRows.isEditable = [](std::uint32_t alertId) {
        const std::optional<ICloudAlertsCommands::CloudAlertState> alert =
            CloudAlertsCommandsQ4Classic().CheckIfAlertExist(alertId);
        return alert && alert->editable;
    };
    cloudRows.editSelected = [] {
        if (!CloudAlertsCommandsQ4Classic::Manager())
            return false;
        CloudAlertsCommandsQ4Classic().ShowDefinitionDlg();
        return true;
    };
    cloudRows.deleteSelected = [] { CloudAlertsCommandsQ4Classic().DeleteSelectedAlert(); };
    m_module.SetCloudRowOperations(std::move(cloudRows));
    m_module.SetArgumentDestroyedHandler([this](const AlertExprArgDesc& argument) {
        QMetaObject::invokeMethod(
            &m_mainThreadRelay,
            [this, argument] {
                if (m_definitionDlg)
                    m_definitionDlg->PostDeactivateArgUsageMsg(argument);
            },
            Qt::QueuedConnection);
    });
    if (m_module.HasWorker())
        Log::WriteInfo(QStringLiteral("Moduł alertów: wątek roboczy uruchomiony."), ProductName(),
                       QStringLiteral("AlertModuleEx::AlertModuleEx"), __LINE__);
}

AlertModuleEx::~AlertModuleEx()
{
    // The dialog's copy gives its arguments back through the engine, which must still be there.
    delete m_definitionDlg.data();
    const bool hadWorker = m_module.HasWorker();
    m_module.StopThreads();
    CloudAlertNotificationPopup::CloseAll();
    if (hadWorker)
        Log::WriteInfo(QStringLiteral("Moduł alertów: wątek roboczy zatrzymany."), ProductName(),
                       QStringLiteral("AlertModuleEx::~AlertModuleEx"), __LINE__);
}

QWidget* AlertModuleEx::GetShownAlertDefinitionDlg()
{
    return m_definitionDlg && m_definitionDlg->IsShown() ? m_definitionDlg.data() : nullptr;
}

bool AlertModuleEx::OpenAlertDefinitionDlg(const std::shared_ptr<BLAlert>& alert)
{
    if (m_definitionDlg && m_definitionDlg->IsShown())
    {
        m_definitionDlg->raise();
        m_definitionDlg->ForceActivate();
        return true;
    }
    QWidget* parent = AlertsWindowParent();
    if (!parent)
    {
        Log::WriteError(QStringLiteral("Nie otwarto definicji alertu: nie ma panelu, w którym by się znalazła."),
                        ProductName(), QStringLiteral("AlertModuleEx::OpenAlertDefinitionDlg"), __LINE__);
        return false;
    }
    if (!m_definitionDlg)
        m_definitionDlg = new AlertDefinitionDlg(m_module, parent);
    else if (m_definitionDlg->parentWidget() != parent)
        m_definitionDlg->setParent(parent);
    m_definitionDlg->SetAlert(alert);
    // At the panel's right edge, clear of the windows on its left that the user drags operands from.
    m_definitionDlg->move(std::max(0, parent->width() - m_definitionDlg->width() - 20), 20);
    m_definitionDlg->Show();
    return true;
}

bool AlertModuleEx::SaveWindowToFile(QWidget* window, const QString& path, int, bool)
{
    return m_module.SaveWindowToFile(window, path);
}

bool AlertModuleEx::SaveWindowToQ5Format(QWidget* window, const QString& path, int, int)
{
    return m_module.SaveWindowToQ5Format(window, path);
}

bool AlertModuleEx::OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel)
{
    return m_module.OpenWindowFromFile(parent, path, fromPanel);
}

void AlertModuleEx::SerialisePanelState(Settings& node)
{
    m_module.SerialisePanelState(node);
}

void AlertModuleEx::PostUnserialisePanelState(const Settings& node, QWidget*)
{
    m_module.PostUnserialisePanelState(node);
    RestoreCloudRows();
}

void AlertModuleEx::ClearAll()
{
    m_module.ClearAll();
    RestoreCloudRows();
}

void AlertModuleEx::RestoreCloudRows()
{
    if (CloudAlertManager* cloud = CloudAlertsCommandsQ4Classic::Manager())
        cloud->RefreshCloudRows();
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

void AlertModuleEx::BroadcastGeneratedAlert(const std::shared_ptr<GeneratedAlertInfo>& alert)
{
    AppMediator* mediator = AppMediator::Instance();
    if (ConsumerManager* consumers = mediator ? mediator->GetConsumerManager() : nullptr)
        consumers->BroadcastGeneratedAlert(alert);
}

void AlertModuleEx::ShowAlertNotification(const QString& name, const QString& argumentName, const QString& valueText,
                                          unsigned side, bool cloudEvent)
{
    CloudAlertNotificationPopup::ShowNotification(name, argumentName, valueText, side == 1 ? 1 : 0, cloudEvent);
}

AlertsGeneralSettingsValues AlertModuleEx::GetNotificationSettings()
{
    return m_settingsGroup->GetValues();
}

std::shared_ptr<ISoundPlayer> AlertModuleEx::CreateSoundPlayer()
{
    return std::make_shared<DeferredSoundPlayer>();
}
