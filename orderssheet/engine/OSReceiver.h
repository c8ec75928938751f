#pragma once
// The sink through which the provider delivers one instrument's order book to the orders
// sheets: two sets of orders (one per side), the instrument's additional figures, and the flags
// that tell the processing thread whether the book is complete and what changed since its last
// refresh. The provider calls the IOrdersSheetReceiver operations on its own threads, the
// processing thread the queries; each runs whole under "OSReceiver::LockReceiver", which is
// innermost: nothing is called out while it is held.
//
// Records are ordered by their order id, and those without an id by their order key, before
// every record with one; prices play no part, the row generator orders by price.

#include "orderssheet/engine/ItemBasicData.h"
#include "orderssheet/engine/OSAdditionalData.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/Asset.h"
#include "platform/modules/DataSheetItemBase.h"
#include "platform/modules/IOrdersSheetReceiver.h"

#include <array>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

class OSReceiver : public IOrdersSheetReceiver
{
public:
    OSReceiver();
    ~OSReceiver() override;
    OSReceiver(const OSReceiver&) = delete;
    OSReceiver& operator=(const OSReceiver&) = delete;

    // Provider threads.
    void OnSetCountItems(int count) override;
    void OnSetNewItem(const DataSheetItemBase& item) override;
    void OnUpdateItem(const DataSheetItemBase& item) override;
    void OnDeleteItem(const DataSheetItemBase& item) override;
    void OnDeletePage(const DataSheetItemBase& item) override;
    void OnSetExtraData(const CurrentState& state) override;

    // Processing thread.
    bool IfItemsCountComplete() const;
    bool WhetherDataModified() const;
    bool IfAllItemsAreDeleted() const;
    OSAdditionalData GetAdditionalDataRef() const;
    // Appends every record of side 0, then every record of side 1, each in set order.
    void GetBasicDataArray(std::vector<ItemBasicData>& records) const;
    // Clears the modified, additional-data-changed and all-deleted flags; the count stays.
    void ResetDataState();
    // The book and the additional data for a refresh, with the flags cleared in the same hold,
    // so a change that arrives meanwhile raises them again for the next refresh. Each side's
    // records replace those of its vector, in set order; they are assigned over, so vectors
    // kept from refresh to refresh need no new memory for their texts.
    OSAdditionalData TakeDataForRefresh(std::array<std::vector<ItemBasicData>, 2>& sides);

    int GetExpectedCount() const;
    int GetReceivedCount() const;

    Asset GetAsset() const;
    void SetAsset(const Asset& asset);
    bool IsSubscribed() const;
    void SetSubscribed(bool subscribed);

private:
    // The identity of a record within its set.
    struct RecordKey
    {
        std::string_view orderId;
        std::string_view orderKey;
    };

    // Records without an order id come first, so that ids and keys are never compared with
    // each other: a strict weak order however the provider mixes them.
    struct RecordOrder
    {
        using is_transparent = void;

        static bool Less(const RecordKey& a, const RecordKey& b)
        {
            if (a.orderId.empty() != b.orderId.empty())
                return a.orderId.empty();
            return a.orderId.empty() ? a.orderKey < b.orderKey : a.orderId < b.orderId;
        }
        static RecordKey KeyOf(const std::shared_ptr<ItemBasicData>& record)
        {
            return {record->orderId, record->orderKey};
        }
        static RecordKey KeyOf(const RecordKey& key) { return key; }

        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const
        {
            return Less(KeyOf(a), KeyOf(b));
        }
    };

    using RecordSet = std::set<std::shared_ptr<ItemBasicData>, RecordOrder>;

    static RecordKey KeyOf(const DataSheetItemBase& item) { return {item.GetOrderId(), item.GetOrderKey()}; }
    static std::shared_ptr<ItemBasicData> MakeRecord(const DataSheetItemBase& item);
    // The set of the item's side; null for a side the book does not have.
    RecordSet* SetOf(int side);

    mutable SafeCriticalSection m_lock{QStringLiteral("OSReceiver::LockReceiver")};
    bool m_countComplete = false;
    bool m_allItemsDeleted = false;
    int m_expectedCount = -1;
    int m_receivedCount = 0;
    OSAdditionalData m_additionalData;
    Asset m_asset;
    bool m_dataModified = false;
    bool m_subscribed = false;
    std::array<RecordSet, 2> m_sets;
};
