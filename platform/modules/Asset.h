#pragma once
// An instrument of a data provider: its codes and names, the market it is traded on, what data
// the provider delivers for it, and the provider itself (not owned: providers live in their
// libraries for the whole run). Instruments are values; two instruments are the same when their
// provider, market, ticker and ISIN are.

#include "platform/modules/AssetParams.h"

#include <QString>

#include <compare>
#include <cstddef>
#include <optional>

class ProviderBase;

class Asset
{
public:
    Asset() = default;
    Asset(ProviderBase* provider, QString isin, QString shortName, QString longName, QString market,
          std::optional<AssetParams> params = std::nullopt);

    bool IsProviderSet() const { return m_provider != nullptr; }
    ProviderBase* GetProvider() const { return m_provider; }
    void SetProvider(ProviderBase* provider) { m_provider = provider; }

    const QString& GetIsin() const { return m_isin; }
    // The ticker.
    const QString& GetShortName() const { return m_shortName; }
    const QString& GetLongName() const { return m_longName; }
    const QString& GetMarket() const { return m_market; }
    // Empty when the provider did not say what it delivers for the instrument.
    const std::optional<AssetParams>& GetAssetParams() const { return m_params; }

    // An instrument without ticker and ISIN names nothing.
    bool IsEmpty() const { return m_shortName.isEmpty() && m_isin.isEmpty(); }

    friend bool operator==(const Asset& a, const Asset& b);
    friend std::strong_ordering operator<=>(const Asset& a, const Asset& b);

private:
    ProviderBase* m_provider = nullptr;
    QString m_isin;
    QString m_shortName;
    QString m_longName;
    QString m_market;
    std::optional<AssetParams> m_params;
};

// Hashes what equality compares, for the maps that find an instrument on every tick.
struct AssetHash
{
    std::size_t operator()(const Asset& asset) const noexcept;
};
