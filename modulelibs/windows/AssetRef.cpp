#include "modulelibs/windows/AssetRef.h"

#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/settings/Settings.h"

namespace
{
ProviderBase* DefaultProvider()
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    return mediator ? mediator->GetDefaultProvider() : nullptr;
}

std::optional<Asset> Known(ProviderBase& provider, const QString& ticker, const QString& market)
{
    for (const Asset& asset : provider.GetAllAssets())
        if (asset.GetShortName() == ticker && (market.isEmpty() || asset.GetMarket() == market))
            return asset;
    return std::nullopt;
}
}

void AssetRef::Save(const Asset& asset, Settings& node)
{
    node["Provider"] = asset.GetProvider() ? asset.GetProvider()->GetName() : QString();
    node["Ticker"] = asset.GetShortName();
    node["Isin"] = asset.GetIsin();
    node["Market"] = asset.GetMarket();
}

std::optional<Asset> AssetRef::Resolve(const Settings& node)
{
    ProviderBase* provider = DefaultProvider();
    const QString ticker = node["Ticker"].ToString();
    if (!provider || ticker.isEmpty() || node["Provider"].ToString() != provider->GetName())
        return std::nullopt;
    return Known(*provider, ticker, node["Market"].ToString());
}

std::optional<Asset> AssetRef::ForNewWindow(const Asset* given)
{
    ProviderBase* provider = DefaultProvider();
    if (!provider)
        return std::nullopt;
    if (given && !given->IsEmpty())
        if (std::optional<Asset> known = Known(*provider, given->GetShortName(), given->GetMarket()))
            return known;
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        if (const std::shared_ptr<Asset> active = mediator->GetActiveAsset())
            if (std::optional<Asset> known = Known(*provider, active->GetShortName(), active->GetMarket()))
                return known;
    const std::vector<Asset> all = provider->GetAllAssets();
    if (all.empty())
        return std::nullopt;
    return all.front();
}
