#pragma once
// The orders of one simulated instrument, by price in ticks. After every transaction the book
// follows the price: orders the price crossed leave, the ten levels next to it on each side are
// kept filled, and a few orders come, change or go at random. So the best bid is always below
// the best ask, both sides keep at least kRequiredLevels levels, and none reaches further than
// kMaxDistance ticks from the last price.

#include "platform/modules/OrderBook.h"
#include "providers/simfeed/SimInstrument.h"
#include "providers/simfeed/SimOrderEvent.h"

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class SimRandom;

class SimOrderBook
{
public:
    static constexpr int kRequiredLevels = 10;
    static constexpr int kMaxDistance = 16;

    explicit SimOrderBook(const SimInstrument& instrument);

    // Moves the book to the last price; appends every change of an order to events.
    void Reprice(std::int64_t lastTicks, SimRandom& random, std::vector<SimOrderEvent>& events);

    // Best levels first, at most maxLevels a side.
    OrderBook Levels(int maxLevels) const;
    // Every order: the supply from the best price, then the demand from the best price.
    std::vector<DataSheetItemBase> Orders() const;
    std::size_t OrderCount() const;

private:
    struct Order
    {
        std::uint64_t id = 0;
        double volume = 0.0;
    };
    using Level = std::vector<Order>;
    using Bids = std::map<std::int64_t, Level, std::greater<>>;
    using Asks = std::map<std::int64_t, Level>;

    DataSheetItemBase Item(int side, std::int64_t ticks, const Order& order) const;
    void AddOrder(int side, std::int64_t ticks, SimRandom& random, std::vector<SimOrderEvent>& events);
    void ChangeAtRandom(std::int64_t lastTicks, SimRandom& random, std::vector<SimOrderEvent>& events);
    template <typename Side>
    void EraseLevel(Side& side, typename Side::iterator level, int sideCode, std::vector<SimOrderEvent>& events);

    const SimInstrument& m_instrument;
    Bids m_bids;
    Asks m_asks;
    std::uint64_t m_nextOrderId = 1;
};
