#pragma once
// The application mediator as the application news and the version-information page reach it.

#include "core/help/IHelpHost.h"

class AppMediator;

class MediatorHelpHost : public IHelpHost
{
public:
    explicit MediatorHelpHost(AppMediator& mediator);

    QString GetProductName() override;
    QString GetInstallSettingsName() override;
    ProviderBase* GetRunningProvider(const QString& name) override;
    std::shared_ptr<DataVersionUpdater> GetDataVersionUpdater() override;
    void WriteWarning(const QString& module, const QString& where, int line, const QString& text) override;

private:
    AppMediator& m_mediator;
};
