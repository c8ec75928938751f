#pragma once
// One instrument's figures in the statistics of a trading session.

#include <QString>

#include <cstdint>
#include <utility>

class AssetStatistics
{
public:
    AssetStatistics() = default;
    AssetStatistics(QString name, double change, double price, double turnover, double volume,
                    std::uint32_t transactions)
        : change(change)
        , price(price)
        , turnover(turnover)
        , volume(volume)
        , transactions(transactions)
        , m_name(std::move(name))
    {
    }

    const QString& AssetName() const { return m_name; }

    double change = 0.0;       // in percent against the reference price
    double price = 0.0;
    double turnover = 0.0;
    double volume = 0.0;
    std::uint32_t transactions = 0;

private:
    QString m_name;
};
