// The application mediator's providers and data series, and the instrument of the active
// window that the ribbon and the module windows follow.

#include "core/mediator/AppMediator.h"

#include "core/engine/BLProvidersManager.h"
#include "core/mediator/AllSeries.h"
#include "core/mediator/AppMessageIds.h"
#include "core/mediator/IMainFrame.h"
#include "platform/base/AppPaths.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/Asset.h"
#include "platform/modules/ProviderBase.h"

#include <thread>

namespace
{
const char* const kFile = "AppMediator";
}

// Providers and data series

ProviderBase* AppMediator::GetRunningProvider(const QString& name)
{
    ProviderBase* provider = m_providersManager->FindProvider(name);
    return provider && provider->IsRunning() ? provider : nullptr;
}

ProviderBase* AppMediator::GetProviders(std::vector<ProviderBase*>& providers)
{
    const std::vector<ProviderBase*>& loaded = m_providersManager->GetProviders();
    providers.insert(providers.end(), loaded.begin(), loaded.end());
    return m_providersManager->GetDefaultProvider();
}

void AppMediator::GetProvidersNames(std::vector<QString>& names)
{
    const std::vector<QString> loaded = m_providersManager->GetProvidersNames();
    names.insert(names.end(), loaded.begin(), loaded.end());
}

ProviderBase* AppMediator::GetDefaultProvider()
{
    return m_providersManager->GetDefaultProvider();
}

void AppMediator::ForwardToDefaultProvider1(std::int64_t value)
{
    if (ProviderBase* provider = GetDefaultProvider())
        provider->TakeForwardedValue1(value);
}

void AppMediator::ForwardToDefaultProvider2(std::int64_t value)
{
    if (ProviderBase* provider = GetDefaultProvider())
        provider->TakeForwardedValue2(value);
}

void AppMediator::ShowLastQuoteTime(ProviderBase* provider)
{
    if (!provider || !m_setup.settings || !m_setup.settings->IsTimeSourceProvider(provider) ||
        m_frameHandle.load() == WndHandle::None)
        return;
    if (!IsMainThread())
        PostMessageToPulpitFrame(WM_APP_LAST_QUOTE_TIME, reinterpret_cast<WParam>(provider), 0);
    else if (m_mainFrame)
        m_mainFrame->ShowLastQuoteTime(provider);
}

void AppMediator::InitSetAllSeries()
{
    std::set<DSProp> allSeries = AllSeries::Build(m_providersManager->GetProviders());
    {
        SafeAutoLock lock(m_seriesLock, "AppMediator::InitSetAllSeries", kFile);
        m_allSeries = allSeries;
    }
    m_consumerManager->InitAllSeries(allSeries);
}

void AppMediator::SetAllSeries(const std::set<DSProp>& allSeries)
{
    SafeAutoLock lock(m_seriesLock, "AppMediator::SetAllSeries", kFile);
    m_allSeries = allSeries;
}

std::set<DSProp> AppMediator::GetAllSeries() const
{
    SafeAutoLock lock(m_seriesLock, "AppMediator::GetAllSeries", kFile);
    return m_allSeries;
}

// The instrument of the active window

void AppMediator::SetActiveAsset(const std::shared_ptr<Asset>& asset)
{
    if (m_activeAssetTracking && asset && asset->IsProviderSet() && !asset->IsEmpty())
        m_activeAsset = asset;
}

std::shared_ptr<Asset> AppMediator::GetActiveAsset()
{
    return m_activeAsset;
}

void AppMediator::ResetActiveAsset()
{
    m_activeAsset.reset();
}

Asset AppMediator::GetActiveAssetForActiveWindow()
{
    if (m_mainFrame && m_mainFrame->GetActiveModuleWnd() && m_activeAsset)
        return *m_activeAsset;
    return Asset();
}

void AppMediator::SuspendActiveAssetTracking()
{
    m_activeAssetTracking = false;
}

void AppMediator::ResumeActiveAssetTracking()
{
    m_activeAssetTracking = true;
}

std::thread::id AppMediator::GetMainThreadId() const
{
    return m_mainThreadId;
}
