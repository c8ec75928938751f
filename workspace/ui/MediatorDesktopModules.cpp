#include "workspace/ui/MediatorDesktopModules.h"

#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IInProcessAlertModule.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/IGenericModule.h"
#include "platform/modules/TableConsumer.h"
#include "platform/settings/Settings.h"

MediatorDesktopModules::MediatorDesktopModules(AppMediator& mediator)
    : m_mediator(mediator)
{
}

IGenericModule* MediatorDesktopModules::GetModuleByName(const QString& name) const
{
    return m_mediator.GetModuleByName(name);
}

void MediatorDesktopModules::SerialiseModulesStates(Settings& session)
{
    m_mediator.SerialiseModulesStates(session);
}

void MediatorDesktopModules::SerialiseModulesStatesToQ5Format(Q5Settings& session)
{
    m_mediator.SerialiseModulesStatesToQ5Format(session);
}

void MediatorDesktopModules::UnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates)
{
    m_mediator.UnserialiseModulesStates(consumers, modulesStates);
}

void MediatorDesktopModules::PostUnserialiseModulesStates(const Settings& consumers, const Settings& modulesStates,
                                                          QWidget* activeView)
{
    m_mediator.PostUnserialiseModulesStates(consumers, modulesStates, activeView);
}

void MediatorDesktopModules::BeginDesktopLoad(const Settings& modulesStates)
{
    // A desktop of an older layout, or one saved before any alert existed, holds no alerts:
    // the module keeps its own rather than lose them for good at the next save.
    if (IInProcessAlertModule* alerts = m_mediator.GetAlertModule())
    {
        if (alerts->StateHoldsAlerts(modulesStates[alerts->GetModuleName()]))
            alerts->ClearAll();
        else
            Log::WriteInfo(QStringLiteral("Wczytywany pulpit nie zawiera alertów: zdefiniowane alerty pozostają bez zmian."),
                           QString::fromLatin1(AppPaths::kProductName), QStringLiteral("MediatorDesktopModules::BeginDesktopLoad"),
                           __LINE__);
    }
    if (ChartConsumer* charts = m_mediator.GetConsumerManager()->GetChartConsumer())
        charts->ResetUnserializationRequestChange();
}

void MediatorDesktopModules::EndDesktopLoad()
{
    m_mediator.UpdateConnectedWindowsData();
}

void MediatorDesktopModules::AfterDesktopLoaded()
{
    if (TableConsumer* tables = m_mediator.GetConsumerManager()->GetTableConsumer())
        tables->Refresh();
    if (IInProcessAlertModule* alerts = m_mediator.GetAlertModule())
        alerts->RemoveIncompleteAlerts();
}

void MediatorDesktopModules::NotifySessionLoaded(QWidget* activeView)
{
    m_mediator.GetConsumerManager()->NotifySessionLoaded(activeView);
    for (IGenericModule* module : m_mediator.SessionModules())
        module->OnSessionLoaded(activeView);
}

bool MediatorDesktopModules::CanSavePanelSettingsToQ5Format() const
{
    const ChartConsumer* charts = m_mediator.GetConsumerManager()->GetChartConsumer();
    return charts && charts->CanSavePanelSettingsToQ5Format();
}

bool MediatorDesktopModules::SavePanelSettingsToQ5Format(Q5Settings& node)
{
    ChartConsumer* charts = m_mediator.GetConsumerManager()->GetChartConsumer();
    return charts && charts->SavePanelSettingsToQ5Format(node);
}
