#pragma once
// The sink through which a provider delivers the order book of one instrument, order by order,
// to an orders sheet. A provider calls it on its own thread: first the number of orders of a
// complete book followed by that many new orders, then changes as they happen, and the
// instrument's current state whenever it changes.

class Asset;
class CurrentState;
class DataSheetItemBase;
class NDateTime;

class IOrdersSheetReceiver
{
public:
    virtual ~IOrdersSheetReceiver() = default;

    // A complete book of count orders follows; what the receiver held before is gone.
    virtual void OnSetCountItems(int count) = 0;
    virtual void OnSetNewItem(const DataSheetItemBase& item) = 0;
    virtual void OnUpdateItem(const DataSheetItemBase& item) = 0;
    virtual void OnDeleteItem(const DataSheetItemBase& item) = 0;
    // Removes the head of one side of the book up to and including the given order.
    virtual void OnDeletePage(const DataSheetItemBase& item) = 0;
    virtual void OnSetExtraData(const CurrentState& state) = 0;
    // A new trading session began; a receiver that keeps nothing per session ignores it.
    virtual void OnSessionChange(const Asset& asset, const NDateTime& time) {}
};
