#include "orderssheet/engine/OSDataGenerator.h"

#include "orderssheet/engine/OSLocalTime.h"
#include "orderssheet/engine/OSSheetMode.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace
{
// One price line of the offers mode while the orders are summed up.
struct SOfferData
{
    double orderCount = 0.0;
    double price = 0.0;
    double value = 0.0;
    double volume = 0.0;
    double averagePrice = 0.0;
    double cumulativeValue = 0.0;
    double cumulativeVolume = 0.0;
};

// A price that is no number sorts with the orders without a limit price, so the order stays
// strict whatever the provider sends.
bool SortsAsSpecial(double price)
{
    return ItemBasicData::IsSpecialPrice(price) || std::isnan(price);
}

// Prices in ascending order, with a price that is no number after all others.
struct PriceOrder
{
    bool operator()(double a, double b) const { return std::isnan(b) ? !std::isnan(a) : a < b; }
};

// printf's "%f" of the price.
QString PriceKey(double price)
{
    char buffer[64];
    const char* end = std::to_chars(buffer, buffer + sizeof(buffer), price, std::chars_format::fixed, 6).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

// The key as the system's 8-bit text; plain ASCII, as keys are, is widened directly.
QString KeyText(const std::string& key)
{
    const bool ascii = std::all_of(key.begin(), key.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const auto size = static_cast<qsizetype>(key.size());
    return ascii ? QString::fromLatin1(key.data(), size) : QString::fromLocal8Bit(key.data(), size);
}

void SetValue(MatrixDataBufor::RowDataBufor& row, int cell, double value)
{
    row.Cells()[static_cast<std::size_t>(cell)].value = value;
}
}

OSDataGenerator::OSDataGenerator(int mode, int side, std::vector<ItemBasicData>& records,
                                 const OSAdditionalData& additional, MatrixDataBufor& target,
                                 const QTimeZone& timeZone)
    : m_side(side)
    , m_mode(mode)
    , m_records(records)
    , m_additional(additional)
    , m_target(target)
    , m_timeZone(timeZone)
{
    if (side == 0)
        m_currentValue = std::make_shared<AdditonalRowData>();
}

void OSDataGenerator::SortRecords(std::vector<ItemBasicData>& records, int side)
{
    std::sort(records.begin(), records.end(), [side](const ItemBasicData& a, const ItemBasicData& b) {
        const bool aSpecial = SortsAsSpecial(a.orderPrice);
        const bool bSpecial = SortsAsSpecial(b.orderPrice);
        if (aSpecial != bSpecial)
            return bSpecial;
        if (!aSpecial && a.orderPrice != b.orderPrice)
            return side == 0 ? a.orderPrice > b.orderPrice : a.orderPrice < b.orderPrice;
        // Strictly descending, so that equal keys stay a strict weak order.
        return a.orderKey > b.orderKey;
    });
}

void OSDataGenerator::Generate()
{
    if (OSSheetMode::IsOrders(m_mode))
        GenerateForOrdersMode();
    else
        GenerateForOffersMode();
}

void OSDataGenerator::GenerateForOrdersMode()
{
    const int count = static_cast<int>(m_records.size());
    m_target.MakeRows(m_records.size(), OSSheetMode::kOrdersCellCount);
    OSLocalTime localTime(m_timeZone);
    double cumulativeVolume = 0.0;
    double cumulativeValue = 0.0;
    double specialVolume = 0.0;
    for (int i = count - 1; i >= 0; --i)
    {
        const ItemBasicData& record = m_records[static_cast<std::size_t>(i)];
        MatrixDataBufor::RowDataBufor& row = m_target.Rows()[static_cast<std::size_t>(i)];
        row.rowKey = KeyText(record.orderKey);
        const bool limitPrice = record.sheetPrice >= 0.0;
        SetValue(row, 2, record.sheetPrice);
        if (limitPrice)
        {
            SetValue(row, 4, record.sheetPrice * record.volume);
        }
        else
        {
            specialVolume += record.volume;
            row.rowKey += QLatin1Char('P');
        }
        SetValue(row, 1, record.orderPrice);
        row.rowIndex = i;
        row.peg = record.peg;
        SetValue(row, 3, record.volume);
        localTime.Format(record.orderKey, row.Cells()[5].text, row.Cells()[6].text);
        cumulativeVolume += record.volume;
        SetValue(row, 7, cumulativeVolume);
        if (limitPrice)
        {
            cumulativeValue += record.sheetPrice * record.volume;
            SetValue(row, 8, cumulativeValue);
            if (cumulativeVolume - specialVolume != 0.0)
                SetValue(row, 9, cumulativeValue / (cumulativeVolume - specialVolume));
        }
        SetValue(row, 0, count - i);
    }
    m_target.RebuildKeyIndex();
}

void OSDataGenerator::GenerateForOffersMode()
{
    std::reverse(m_records.begin(), m_records.end());
    std::map<double, SOfferData, PriceOrder> lines;
    double cumulativeValue = 0.0;
    double cumulativeVolume = 0.0;
    double specialVolume = 0.0;
    for (const ItemBasicData& record : m_records)
    {
        // Every order without a limit price stands in one line.
        const double key = record.sheetPrice == ItemBasicData::kSpecialPriceA ? ItemBasicData::kSpecialPriceB
                                                                              : record.sheetPrice;
        SOfferData& line = lines.try_emplace(key).first->second;
        line.price = key;
        line.orderCount += 1.0;
        line.volume += record.volume;
        if (ItemBasicData::IsSpecialPrice(record.sheetPrice))
        {
            specialVolume += record.volume;
        }
        else
        {
            line.value += record.sheetPrice * record.volume;
            cumulativeValue += record.sheetPrice * record.volume;
            line.cumulativeValue = cumulativeValue;
        }
        cumulativeVolume += record.volume;
        line.cumulativeVolume = cumulativeVolume;
        if (cumulativeVolume - specialVolume != 0.0)
            line.averagePrice = line.cumulativeValue / (cumulativeVolume - specialVolume);
    }

    const int lineCount = static_cast<int>(lines.size());
    m_target.MakeRows(lines.size(), OSSheetMode::kOffersCellCount);
    int counter = 0;
    int specialLines = 0;
    for (const auto& [key, line] : lines)
    {
        // The supply shows its highest price first and its line 1 last.
        int index = lineCount - 1 - counter;
        int number = counter + 1;
        if (m_side != 0)
        {
            if (ItemBasicData::IsSpecialPrice(line.price))
                index = lineCount - specialLines++ - 1;
            else
                index = counter - specialLines;
            number = lineCount - index;
        }
        MatrixDataBufor::RowDataBufor& row = m_target.Rows()[static_cast<std::size_t>(index)];
        SetValue(row, 0, number);
        SetValue(row, 1, line.orderCount);
        SetValue(row, 2, line.price);
        SetValue(row, 3, line.volume);
        SetValue(row, 5, line.cumulativeVolume);
        if (!ItemBasicData::IsSpecialPrice(line.price))
        {
            SetValue(row, 4, line.value);
            SetValue(row, 6, line.cumulativeValue);
            SetValue(row, 7, line.averagePrice);
        }
        row.rowKey = PriceKey(line.price);
        row.rowIndex = index;
        ++counter;
    }
    m_target.RebuildKeyIndex();
}

void OSDataGenerator::ComputeSummary(PriceLevelSet& levels)
{
    levels.Reset();
    levels.Compute(m_records, m_additional);
    m_orderCount = static_cast<int>(m_records.size());
    m_totalValue = 0.0;
    for (const ItemBasicData& record : m_records)
        if (!ItemBasicData::IsSpecialPrice(record.sheetPrice))
            m_totalValue += record.sheetPrice * record.volume;
}

void OSDataGenerator::ComputeCurrentValue()
{
    if (!m_currentValue)
        return;
    if (m_additional.value3 < 0.0 && m_additional.value4 < 0.0)
    {
        m_currentValue->value = MatrixDataBufor::kNoValue;
        return;
    }
    // The last price is zeroed when a theoretical opening price arrives, so only a positive
    // one is current; otherwise the fallback value shows.
    if (m_additional.value3 > 0.0)
    {
        m_currentValue->value = m_additional.value3;
        return;
    }
    m_currentValue->alternative = true;
    if (m_additional.value4 >= 0.0)
        m_currentValue->value = m_additional.value4;
}
