#include "platform/modules/Asset.h"

#include <QHashFunctions>

#include <functional>
#include <utility>

namespace
{
std::strong_ordering CompareText(const QString& a, const QString& b)
{
    const int result = QString::compare(a, b);
    return result < 0 ? std::strong_ordering::less : result > 0 ? std::strong_ordering::greater : std::strong_ordering::equal;
}
}

Asset::Asset(ProviderBase* provider, QString isin, QString shortName, QString longName, QString market,
             std::optional<AssetParams> params)
    : m_provider(provider)
    , m_isin(std::move(isin))
    , m_shortName(std::move(shortName))
    , m_longName(std::move(longName))
    , m_market(std::move(market))
    , m_params(params)
{
}

std::size_t AssetHash::operator()(const Asset& asset) const noexcept
{
    return qHashMulti(0, asset.GetProvider(), asset.GetMarket(), asset.GetShortName(), asset.GetIsin());
}

bool operator==(const Asset& a, const Asset& b)
{
    return a.m_provider == b.m_provider && a.m_market == b.m_market && a.m_shortName == b.m_shortName
        && a.m_isin == b.m_isin;
}

std::strong_ordering operator<=>(const Asset& a, const Asset& b)
{
    if (const auto byTicker = CompareText(a.m_shortName, b.m_shortName); byTicker != 0)
        return byTicker;
    if (const auto byMarket = CompareText(a.m_market, b.m_market); byMarket != 0)
        return byMarket;
    if (const auto byIsin = CompareText(a.m_isin, b.m_isin); byIsin != 0)
        return byIsin;
    if (a.m_provider == b.m_provider)
        return std::strong_ordering::equal;
    return std::less<const ProviderBase*>()(a.m_provider, b.m_provider) ? std::strong_ordering::less
                                                                         : std::strong_ordering::greater;
}
