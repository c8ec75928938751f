#include "orderssheet/engine/OSReceiver.h"

#include "platform/base/SafeAutoLock.h"
#include "platform/modules/CurrentState.h"
#include "platform/modules/DataSheetItemBase.h"
#include "platform/modules/SeriesIds.h"

#include <cstdlib>

namespace
{
constexpr const char* kFile = "OSReceiver.cpp";

// The value of a present series that holds a number; null for a missing series, and for one
// present without a value (noValue tells which).
const ValueCS* NumericValue(const CurrentState& state, ESeriesID seriesId, bool& noValue)
{
    noValue = false;
    const ValueCS* value = state.Find(seriesId);
    if (!value)
        return nullptr;
    if (!value->HasValue())
    {
        noValue = true;
        return nullptr;
    }
    return value->IsNumeric() ? value : nullptr;
}
}

OSReceiver::OSReceiver() = default;

OSReceiver::~OSReceiver()
{
    // A provider call that is still under way ends before the sets go.
    const SafeAutoLock lock(m_lock, "OSReceiver::~OSReceiver", kFile);
}

std::shared_ptr<ItemBasicData> OSReceiver::MakeRecord(const DataSheetItemBase& item)
{
    auto record = std::make_shared<ItemBasicData>();
    record->side = item.GetSide();
    record->orderKey = item.GetOrderKey();
    record->orderId = item.GetOrderId();
    record->peg = item.IsPeg();
    record->sheetPrice = item.GetSheetPrice();
    record->orderPrice = item.GetOrderPrice();
    record->volume = item.GetVolume();
    return record;
}

OSReceiver::RecordSet* OSReceiver::SetOf(int side)
{
    if (side != DataSheetItemBase::kSupplySide && side != DataSheetItemBase::kDemandSide)
        return nullptr;
    return &m_sets[static_cast<std::size_t>(side)];
}

void OSReceiver::OnSetCountItems(int count)
{
    const SafeAutoLock lock(m_lock, "OSReceiver::OnSetCountItems", kFile);
    m_countComplete = count == 0;
    m_dataModified = true;
    m_expectedCount = count;
    m_receivedCount = 0;
    if (!m_sets[0].empty() || !m_sets[1].empty())
        m_allItemsDeleted = true;
    m_sets[0].clear();
    m_sets[1].clear();
}

void OSReceiver::OnSetNewItem(const DataSheetItemBase& item)
{
    const SafeAutoLock lock(m_lock, "OSReceiver::OnSetNewItem", kFile);
    ++m_receivedCount;
    m_dataModified = true;
    if (m_expectedCount <= m_receivedCount)
        m_countComplete = true;
    // An order of a side the book lacks still counts, or the count could never complete.
    if (RecordSet* records = SetOf(item.GetSide()))
        records->insert(MakeRecord(item));
}

void OSReceiver::OnUpdateItem(const DataSheetItemBase& item)
{
    const SafeAutoLock lock(m_lock, "OSReceiver::OnUpdateItem", kFile);
    m_dataModified = true;
    RecordSet* records = SetOf(item.GetSide());
    if (!records)
        return;
    const auto found = records->find(KeyOf(item));
    if (found == records->end())
    {
        records->insert(MakeRecord(item));
        return;
    }
    ItemBasicData& record = **found;
    record.sheetPrice = item.GetSheetPrice();
    record.orderPrice = item.GetOrderPrice();
    record.volume = item.GetVolume();
    record.peg = item.IsPeg();
    // The key is no part of the set order of a record with an id.
    if (!record.orderId.empty())
        record.orderKey = item.GetOrderKey();
}

void OSReceiver::OnDeleteItem(const DataSheetItemBase& item)
{
    const SafeAutoLock lock(m_lock, "OSReceiver::OnDeleteItem", kFile);
    m_dataModified = true;
    RecordSet* records = SetOf(item.GetSide());
    if (!records)
        return;
    const auto found = records->find(KeyOf(item));
    if (found == records->end())
        return;
    records->erase(found);
    // An order gone before the book was complete will never arrive.
    if (!m_countComplete)
    {
        --m_receivedCount;
        --m_expectedCount;
    }
}

void OSReceiver::OnDeletePage(const DataSheetItemBase& item)
{
    const SafeAutoLock lock(m_lock, "OSReceiver::OnDeletePage", kFile);
    const int side = item.GetSide();
    RecordSet* records = SetOf(side);
    if (!records)
        return;
    if (std::strtoll(item.GetOrderId().c_str(), nullptr, 10) == 0)
    {
        records->clear();
        m_dataModified = true;
        return;
    }
    const auto found = records->find(KeyOf(item));
    if (found == records->end())
        return;
    // Copied, since the boundary itself goes during the walk.
    const double boundaryPrice = (*found)->orderPrice;
    const std::string boundaryKey = (*found)->orderKey;
    const auto goes = [&](const ItemBasicData& record) {
        if (boundaryPrice < 0.0)
            return ItemBasicData::IsSpecialPrice(record.orderPrice) && record.orderKey <= boundaryKey;
        if (record.orderPrice == boundaryPrice)
            return record.orderKey <= boundaryKey;
        if (ItemBasicData::IsSpecialPrice(record.orderPrice))
            return true;
        return side == DataSheetItemBase::kDemandSide ? record.orderPrice > boundaryPrice
                                                      : record.orderPrice < boundaryPrice;
    };
    for (auto record = records->begin(); record != records->end();)
    {
        if ((*record)->side == side && goes(**record))
            record = records->erase(record);
        else
            ++record;
    }
    m_dataModified = true;
}

void OSReceiver::OnSetExtraData(const CurrentState& state)
{
    const SafeAutoLock lock(m_lock, "OSReceiver::OnSetExtraData", kFile);
    bool noValue = false;
    if (const ValueCS* price = NumericValue(state, SeriesIds::kPrice, noValue))
    {
        m_additionalData.value3 = price->GetDouble();
        m_additionalData.value4 = 0.0;
    }
    else if (noValue)
    {
        m_additionalData.value3 = -1.0;
    }
    if (const ValueCS* open = NumericValue(state, SeriesIds::kTheoreticalOpen, noValue))
    {
        m_additionalData.value4 = open->GetDouble();
        m_additionalData.value3 = 0.0;
    }
    else if (noValue)
    {
        m_additionalData.value4 = -1.0;
    }
    // A limit without a value is 0.0, so the fixed price levels wait for a price instead of
    // counting against a stale one.
    if (const ValueCS* lower = NumericValue(state, SeriesIds::kLowerLimit, noValue))
        m_additionalData.value1 = lower->GetDouble();
    else if (noValue)
        m_additionalData.value1 = 0.0;
    if (const ValueCS* upper = NumericValue(state, SeriesIds::kUpperLimit, noValue))
        m_additionalData.value2 = upper->GetDouble();
    else if (noValue)
        m_additionalData.value2 = 0.0;
    m_dataModified = true;
    m_additionalData.changed = true;
}

bool OSReceiver::IfItemsCountComplete() const
{
    const SafeAutoLock lock(m_lock, "OSReceiver::IfItemsCountComplete", kFile);
    return m_countComplete;
}

bool OSReceiver::WhetherDataModified() const
{
    const SafeAutoLock lock(m_lock, "OSReceiver::WhetherDataModified", kFile);
    return m_dataModified;
}

bool OSReceiver::IfAllItemsAreDeleted() const
{
    const SafeAutoLock lock(m_lock, "OSReceiver::IfAllItemsAreDeleted", kFile);
    return m_allItemsDeleted;
}

OSAdditionalData OSReceiver::GetAdditionalDataRef() const
{
    const SafeAutoLock lock(m_lock, "OSReceiver::GetAdditionalDataRef", kFile);
    return m_additionalData;
}

void OSReceiver::GetBasicDataArray(std::vector<ItemBasicData>& records) const
{
    const SafeAutoLock lock(m_lock, "OSReceiver::GetBasicDataArray", kFile);
    records.reserve(records.size() + m_sets[0].size() + m_sets[1].size());
    for (const RecordSet& set : m_sets)
        for (const auto& record : set)
            records.push_back(*record);
}

void OSReceiver::ResetDataState()
{
    const SafeAutoLock lock(m_lock, "OSReceiver::ResetDataState", kFile);
    m_additionalData.changed = false;
    m_dataModified = false;
    m_allItemsDeleted = false;
}

OSAdditionalData OSReceiver::TakeDataForRefresh(std::array<std::vector<ItemBasicData>, 2>& sides)
{
    const SafeAutoLock lock(m_lock, "OSReceiver::TakeDataForRefresh", kFile);
    for (std::size_t side = 0; side < sides.size(); ++side)
    {
        std::vector<ItemBasicData>& records = sides[side];
        records.resize(m_sets[side].size());
        auto target = records.begin();
        for (const auto& record : m_sets[side])
            *target++ = *record;
    }
    const OSAdditionalData additional = GetAdditionalDataRef();
    ResetDataState();
    return additional;
}

int OSReceiver::GetExpectedCount() const
{
    const SafeAutoLock lock(m_lock, "OSReceiver::GetExpectedCount", kFile);
    return m_expectedCount;
}

int OSReceiver::GetReceivedCount() const
{
    const SafeAutoLock lock(m_lock, "OSReceiver::GetReceivedCount", kFile);
    return m_receivedCount;
}

Asset OSReceiver::GetAsset() const
{
    const SafeAutoLock lock(m_lock, "OSReceiver::GetAsset", kFile);
    return m_asset;
}

void OSReceiver::SetAsset(const Asset& asset)
{
    const SafeAutoLock lock(m_lock, "OSReceiver::SetAsset", kFile);
    m_asset = asset;
}

bool OSReceiver::IsSubscribed() const
{
    const SafeAutoLock lock(m_lock, "OSReceiver::IsSubscribed", kFile);
    return m_subscribed;
}

void OSReceiver::SetSubscribed(bool subscribed)
{
    const SafeAutoLock lock(m_lock, "OSReceiver::SetSubscribed", kFile);
    m_subscribed = subscribed;
}
