#include "sessionstats/engine/AssetStatisticsWrapper.h"

#include "platform/base/Number2String.h"

#include <utility>

namespace
{
int Precision(int column)
{
    return column == 1 || column == 2 ? 2 : 0;
}
}

QString AssetStatisticsWrapper::AssetName() const
{
    return m_instrument ? m_instrument->AssetName() : QString();
}

double AssetStatisticsWrapper::Value(int column) const
{
    if (!m_instrument)
        return 0.0;
    switch (column)
    {
    case 1:
        return m_instrument->change;
    case 2:
        return m_instrument->price;
    case 3:
        return m_instrument->turnover;
    case 4:
        return m_instrument->volume;
    case 5:
        return static_cast<double>(m_instrument->transactions);
    default:
        return 0.0;
    }
}

QString AssetStatisticsWrapper::Text(int column, const QFont* font, int width) const
{
    if (!m_instrument || column < 0 || column >= kColumns)
        return QString();
    if (column == 0)
        return m_instrument->AssetName();
    const double value = Value(column);
    if (!font)
        return Number2String::Format(value, Precision(column));
    return Number2String(QStringLiteral("%s"), *font, width, value, Precision(column), -1).Text();
}

bool AssetStatisticsWrapper::Precedes(const AssetStatisticsWrapper& first, const AssetStatisticsWrapper& second,
                                      int column)
{
    if (!second.m_instrument)
        return first.m_instrument != nullptr;
    if (!first.m_instrument)
        return false;
    switch (column)
    {
    case 0:
        return QString::compare(second.m_instrument->AssetName(), first.m_instrument->AssetName()) < 0;
    case 1:
    case 2:
    case 3:
    case 4:
        return first.Value(column) > second.Value(column);
    case 5:
        return first.m_instrument->transactions > second.m_instrument->transactions;
    default:
        return false;
    }
}

void AssetStatisticsWrapper::Clear()
{
    m_instrument.reset();
    m_changed = false;
}

void AssetStatisticsWrapper::Fill(std::shared_ptr<const AssetStatistics> instrument)
{
    m_instrument = std::move(instrument);
}

void AssetStatisticsWrapper::MarkChanged(std::uint32_t tick)
{
    m_changed = true;
    m_changeTime = tick;
}
