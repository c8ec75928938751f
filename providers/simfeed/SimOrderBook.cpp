#include "providers/simfeed/SimOrderBook.h"

#include "providers/simfeed/SimRandom.h"

#include <QByteArray>

namespace
{
std::string OrderText(std::uint64_t id)
{
    // Zero-padded, so that the text order is the order of arrival.
    return QByteArray::number(static_cast<qulonglong>(id)).rightJustified(12, '0').toStdString();
}

template <typename Side>
void AppendLevels(const Side& side, int maxLevels, const SimInstrument& instrument, std::vector<OrderBookLevel>& out)
{
    for (auto level = side.begin(); level != side.end() && static_cast<int>(out.size()) < maxLevels; ++level)
    {
        OrderBookLevel entry;
        entry.price = instrument.Price(level->first);
        entry.count = static_cast<int>(level->second.size());
        for (const auto& order : level->second)
            entry.volume += order.volume;
        out.push_back(entry);
    }
}
}

SimOrderBook::SimOrderBook(const SimInstrument& instrument)
    : m_instrument(instrument)
{
}

DataSheetItemBase SimOrderBook::Item(int side, std::int64_t ticks, const Order& order) const
{
    const double price = m_instrument.Price(ticks);
    const std::string text = OrderText(order.id);
    return DataSheetItemBase(side, price, price, order.volume, false, text, text);
}

void SimOrderBook::AddOrder(int side, std::int64_t ticks, SimRandom& random, std::vector<SimOrderEvent>& events)
{
    const Order order{m_nextOrderId++, static_cast<double>(random.NextInt(1, 200) * 10)};
    if (side == DataSheetItemBase::kDemandSide)
        m_bids[ticks].push_back(order);
    else
        m_asks[ticks].push_back(order);
    events.push_back({SimOrderEvent::Kind::New, Item(side, ticks, order)});
}

template <typename Side>
void SimOrderBook::EraseLevel(Side& side, typename Side::iterator level, int sideCode, std::vector<SimOrderEvent>& events)
{
    for (const Order& order : level->second)
        events.push_back({SimOrderEvent::Kind::Delete, Item(sideCode, level->first, order)});
    side.erase(level);
}

void SimOrderBook::ChangeAtRandom(std::int64_t lastTicks, SimRandom& random, std::vector<SimOrderEvent>& events)
{
    const int side = random.Chance(50) ? DataSheetItemBase::kDemandSide : DataSheetItemBase::kSupplySide;
    const std::int64_t distance = random.NextInt(1, kMaxDistance);
    const std::int64_t ticks = side == DataSheetItemBase::kDemandSide ? lastTicks - distance : lastTicks + distance;
    Level* level = nullptr;
    if (side == DataSheetItemBase::kDemandSide)
    {
        if (const auto found = m_bids.find(ticks); found != m_bids.end())
            level = &found->second;
    }
    else if (const auto found = m_asks.find(ticks); found != m_asks.end())
    {
        level = &found->second;
    }

    const std::int64_t action = random.NextInt(0, 2);
    if (!level || action == 0)
    {
        AddOrder(side, ticks, random, events);
    }
    else if (action == 1)
    {
        Order& order = level->front();
        order.volume = static_cast<double>(random.NextInt(1, 200) * 10);
        events.push_back({SimOrderEvent::Kind::Update, Item(side, ticks, order)});
    }
    else
    {
        events.push_back({SimOrderEvent::Kind::Delete, Item(side, ticks, level->back())});
        level->pop_back();
        if (level->empty())
        {
            if (side == DataSheetItemBase::kDemandSide)
                m_bids.erase(ticks);
            else
                m_asks.erase(ticks);
        }
    }
}

void SimOrderBook::Reprice(std::int64_t lastTicks, SimRandom& random, std::vector<SimOrderEvent>& events)
{
    // The transaction took every order at or beyond its price.
    while (!m_bids.empty() && m_bids.begin()->first >= lastTicks)
        EraseLevel(m_bids, m_bids.begin(), DataSheetItemBase::kDemandSide, events);
    while (!m_asks.empty() && m_asks.begin()->first <= lastTicks)
        EraseLevel(m_asks, m_asks.begin(), DataSheetItemBase::kSupplySide, events);

    const std::int64_t changes = random.NextInt(0, 2);
    for (std::int64_t i = 0; i < changes; ++i)
        ChangeAtRandom(lastTicks, random, events);

    while (!m_bids.empty() && std::prev(m_bids.end())->first < lastTicks - kMaxDistance)
        EraseLevel(m_bids, std::prev(m_bids.end()), DataSheetItemBase::kDemandSide, events);
    while (!m_asks.empty() && std::prev(m_asks.end())->first > lastTicks + kMaxDistance)
        EraseLevel(m_asks, std::prev(m_asks.end()), DataSheetItemBase::kSupplySide, events);

    for (std::int64_t distance = 1; distance <= kRequiredLevels; ++distance)
    {
        if (!m_bids.contains(lastTicks - distance))
            for (std::int64_t n = random.NextInt(1, 3); n > 0; --n)
                AddOrder(DataSheetItemBase::kDemandSide, lastTicks - distance, random, events);
        if (!m_asks.contains(lastTicks + distance))
            for (std::int64_t n = random.NextInt(1, 3); n > 0; --n)
                AddOrder(DataSheetItemBase::kSupplySide, lastTicks + distance, random, events);
    }
}

OrderBook SimOrderBook::Levels(int maxLevels) const
{
    OrderBook book;
    AppendLevels(m_bids, maxLevels, m_instrument, book.bids);
    AppendLevels(m_asks, maxLevels, m_instrument, book.asks);
    return book;
}

std::vector<DataSheetItemBase> SimOrderBook::Orders() const
{
    std::vector<DataSheetItemBase> orders;
    orders.reserve(OrderCount());
    for (const auto& [ticks, level] : m_asks)
        for (const Order& order : level)
            orders.push_back(Item(DataSheetItemBase::kSupplySide, ticks, order));
    for (const auto& [ticks, level] : m_bids)
        for (const Order& order : level)
            orders.push_back(Item(DataSheetItemBase::kDemandSide, ticks, order));
    return orders;
}

std::size_t SimOrderBook::OrderCount() const
{
    std::size_t count = 0;
    for (const auto& entry : m_asks)
        count += entry.second.size();
    for (const auto& entry : m_bids)
        count += entry.second.size();
    return count;
}
