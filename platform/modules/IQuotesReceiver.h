#pragma once
// The sink through which a provider delivers an instrument's quotes to a window: the current
// state on every change, each transaction, and the order book by price level. A provider calls
// it on its own thread; a receiver that wants only some of the three leaves the others as they are.

class Asset;
class CurrentState;
struct OrderBook;
struct Transaction;

class IQuotesReceiver
{
public:
    virtual ~IQuotesReceiver() = default;

    virtual void OnQuote(const Asset& asset, const CurrentState& state) {}
    virtual void OnTransaction(const Asset& asset, const Transaction& transaction) {}
    virtual void OnOrderBook(const Asset& asset, const OrderBook& book) {}
};
