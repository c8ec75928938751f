#pragma once
// The data providers of the "Providers" folder, in load order, and the default one. Each
// provider gets a settings store named after it and works once it accepts it. The manager
// never deletes a provider; before it frees their libraries it makes sure every provider has
// stopped and shut down, so no provider thread outlives its code.

#include "core/engine/AssembliesManager.h"

#include <QString>

#include <functional>
#include <vector>

class ProviderBase;

class BLProvidersManager : public AssembliesManager
{
public:
    // Stores the default provider's name in the global settings whenever it changes.
    using DefaultNameWriter = std::function<void(const QString& name)>;

    explicit BLProvidersManager(DefaultNameWriter writeDefaultName = {});
    ~BLProvidersManager() override;

    bool Load() override;
    void StopWork() override;
    void ShutDown() override;

    // The first provider with the name, ignoring case; null when none.
    ProviderBase* FindProvider(const QString& name) const;
    // The provider with the name (ignoring case), else the first one, becomes the default;
    // false when no provider is loaded.
    bool SetDefaultProviderByName(const QString& name);
    // Makes the provider the default; its name is stored only when it differs (ignoring case)
    // from the previous default's, so choosing the same provider again writes nothing.
    void SetDefaultProvider(ProviderBase* provider);
    ProviderBase* GetDefaultProvider() const { return m_defaultProvider; }
    const std::vector<ProviderBase*>& GetProviders() const { return m_providers; }
    std::vector<QString> GetProvidersNames() const;

private:
    void ResolveProviders();

    DefaultNameWriter m_writeDefaultName;
    std::vector<ProviderBase*> m_providers;
    ProviderBase* m_defaultProvider = nullptr;
    bool m_shutDown = false;
};
