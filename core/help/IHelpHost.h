#pragma once
// What the application news and the version-information page need of the application mediator.
// The mediator's operations of the same names answer.

#include <QString>

#include <memory>

class DataVersionUpdater;
class ProviderBase;

class IHelpHost
{
public:
    virtual ~IHelpHost() = default;

    // "Quorvanta 4".
    virtual QString GetProductName() = 0;
    // "InstallSettings".
    virtual QString GetInstallSettingsName() = 0;
    // The provider of that name while it runs; null otherwise.
    virtual ProviderBase* GetRunningProvider(const QString& name) = 0;
    virtual std::shared_ptr<DataVersionUpdater> GetDataVersionUpdater() = 0;
    virtual void WriteWarning(const QString& module, const QString& where, int line, const QString& text) = 0;
};
