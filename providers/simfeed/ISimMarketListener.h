#pragma once
// What the simulated market tells whoever steps it.

#include <cstddef>
#include <vector>

class CurrentState;
class NDateTime;
struct SimOrderEvent;
struct Transaction;

class ISimMarketListener
{
public:
    virtual ~ISimMarketListener() = default;

    // A new trading day began; every instrument starts again from its last price.
    virtual void OnSessionChange(const NDateTime& time) = 0;
    // One tick of an instrument: its transaction, the changes of its order book and its new state.
    virtual void OnInstrumentTick(std::size_t instrument, const Transaction& transaction,
                                  const std::vector<SimOrderEvent>& orderEvents, const CurrentState& state) = 0;
};
