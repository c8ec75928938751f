#include "core/mediator/MediatorHelpHost.h"

#include "core/mediator/AppMediator.h"

MediatorHelpHost::MediatorHelpHost(AppMediator& mediator)
    : m_mediator(mediator)
{
}

QString MediatorHelpHost::GetProductName()
{
    return m_mediator.GetProductName();
}

QString MediatorHelpHost::GetInstallSettingsName()
{
    return m_mediator.GetInstallSettingsName();
}

ProviderBase* MediatorHelpHost::GetRunningProvider(const QString& name)
{
    return m_mediator.GetRunningProvider(name);
}

std::shared_ptr<DataVersionUpdater> MediatorHelpHost::GetDataVersionUpdater()
{
    return m_mediator.GetDataVersionUpdater();
}

void MediatorHelpHost::WriteWarning(const QString& module, const QString& where, int line, const QString& text)
{
    m_mediator.WriteWarning(module, where, line, text);
}
