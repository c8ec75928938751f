// The application mediator's modules: the interfaces of the in-process modules, finding a
// module by name or by the file it opens, the modules' states in a desktop, and stopping and
// shutting down the plug-ins.

#include "core/mediator/AppMediator.h"

#include "core/engine/BLProvidersManager.h"
#include "core/engine/ConsumerManager.h"
#include "core/engine/PluginLifecycle.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "core/mediator/IMainFrame.h"
#include "core/mediator/ModuleFaces.h"
#include "core/mediator/ModuleFileMatch.h"
#include "core/settings/GeneralSettingsManager.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/DetailsCons.h"
#include "platform/modules/KFLFasade.h"
#include "platform/modules/OffersConsumer.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/TableConsumer.h"
#include "platform/modules/TransListCons.h"
#include "platform/modules/TransactionsMonitorConsumer.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"

#include <QFileInfo>
#include <QWidget>

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
                          QString::fromUtf8(AppPaths::kProductName), QStringLiteral("AppMediator::OpenFileByExtension"), __LINE__);
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
