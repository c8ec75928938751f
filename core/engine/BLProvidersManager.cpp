#include "core/engine/BLProvidersManager.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/PluginApi.h"
#include "platform/modules/ProviderBase.h"

#include <utility>

BLProvidersManager::BLProvidersManager(DefaultNameWriter writeDefaultName)
    : AssembliesManager(QStringLiteral("Providers"))
    , m_writeDefaultName(std::move(writeDefaultName))
{
}

BLProvidersManager::~BLProvidersManager()
{
    // The base frees the libraries next; a provider still at work would run code that is gone.
    if (!m_shutDown)
    {
        StopWork();
        ShutDown();
    }
}

bool BLProvidersManager::Load()
{
    LoadAssemblies(FindLibraries());
    ResolveProviders();
    return true;
}

void BLProvidersManager::ResolveProviders()
{
    Resolve(kProviderExport, "BLProvidersManager::ResolveProviders",
            [this](const Library& library, void* symbol, QString& reason) {
                ProviderBase* provider = reinterpret_cast<GetProviderFunction>(symbol)();
                if (!provider)
                {
                    reason = QStringLiteral("nie dała dostawcy danych");
                    return false;
                }
                const QString name = provider->GetName();
                // Providers are chosen and stored by name, and their settings stores are named after them.
                if (FindProvider(name))
                {
                    reason = QStringLiteral("dostawca danych o nazwie %1 już jest").arg(name);
                    return false;
                }
                if (!provider->AcceptSettingsManager(AddSettingsManager(name)))
                {
                    reason = QStringLiteral("dostawca danych %1 odmówił pracy").arg(name);
                    return false;
                }
                m_providers.push_back(provider);
                Log::WriteInfo(QStringLiteral("Wczytano dostawcę danych %1 z \"%2\".").arg(name, library.path),
                               QString::fromUtf8(AppPaths::kProductName),
                               QStringLiteral("BLProvidersManager::ResolveProviders"), __LINE__);
                return true;
            });
}

void BLProvidersManager::StopWork()
{
    for (ProviderBase* provider : m_providers)
        provider->StopWork();
}

void BLProvidersManager::ShutDown()
{
    for (ProviderBase* provider : m_providers)
        provider->ShutDown();
    m_shutDown = true;
}

ProviderBase* BLProvidersManager::FindProvider(const QString& name) const
{
    for (ProviderBase* provider : m_providers)
        if (provider->GetName().compare(name, Qt::CaseInsensitive) == 0)
            return provider;
    return nullptr;
}

bool BLProvidersManager::SetDefaultProviderByName(const QString& name)
{
    if (m_providers.empty())
        return false;
    ProviderBase* provider = FindProvider(name);
    SetDefaultProvider(provider ? provider : m_providers.front());
    return true;
}

void BLProvidersManager::SetDefaultProvider(ProviderBase* provider)
{
    if (provider == m_defaultProvider)
        return;
    const QString previousName = m_defaultProvider ? m_defaultProvider->GetName() : QString();
    const QString name = provider ? provider->GetName() : QString();
    m_defaultProvider = provider;
    if (previousName.compare(name, Qt::CaseInsensitive) != 0 && m_writeDefaultName)
        m_writeDefaultName(name);
}

std::vector<QString> BLProvidersManager::GetProvidersNames() const
{
    std::vector<QString> names;
    for (const ProviderBase* provider : m_providers)
        names.push_back(provider->GetName());
    return names;
}
