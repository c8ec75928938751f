#include "orderssheet/engine/OSDataGenerator.h"

#include "orderssheet/engine/OSLocalTime.h"
#include "orderssheet/engine/OSSheetMode.h"
#include "orderssheet/engine/OSText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace
{
constexpr std::size_t kDateCell = MatrixDataBufor::RowDataBufor::kFirstTextCell;
constexpr std::size_t kTimeCell = kDateCell + 1;

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

// Every order without a limit price stands in one line.
double LineKey(const ItemBasicData& record)
{
    return record.sheetPrice == ItemBasicData::kSpecialPriceA ? ItemBasicData::kSpecialPriceB : record.sheetPrice;
}

// Numbers the offer line of each record: lines in ascending order of their prices, as a map by
// price keeps them. The records come sorted by price, so their keys mostly need no sorting.
std::size_t NumberLines(const std::vector<ItemBasicData>& records, std::vector<std::uint32_t>& lineOf)
{
    struct Entry
    {
        double key;
        std::uint32_t record;
    };
    // Kept by the thread, as is every scratch vector of a refresh: a block freed at the top of
    // the heap goes back to the system, and each refresh would fault its pages in again.
    thread_local std::vector<Entry> entries;
    entries.resize(records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        entries[i] = {LineKey(records[i]), static_cast<std::uint32_t>(i)};
    const auto byKey = [](const Entry& a, const Entry& b) { return PriceOrder()(a.key, b.key); };
    if (!std::is_sorted(entries.begin(), entries.end(), byKey))
        std::sort(entries.begin(), entries.end(), byKey);
    lineOf.resize(records.size());
    std::uint32_t line = 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        if (i > 0 && byKey(entries[i - 1], entries[i]))
            ++line;
        lineOf[entries[i].record] = line;
    }
    return entries.empty() ? 0 : line + 1;
}

// printf's "%f" of the price; DBL_MAX has 309 digits before the point.
void SetPriceKey(QString& target, double price)
{
    char buffer[512];
    const char* end = std::to_chars(buffer, buffer + sizeof(buffer), price, std::chars_format::fixed, 6).ptr;
    OSText::AssignLatin1(target, std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

// The key as the system's 8-bit text, then the suffix; plain ASCII, as keys are, is widened
// directly.
void SetKeyText(QString& target, const std::string& key, std::string_view suffix)
{
    const bool ascii = std::all_of(key.begin(), key.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
    {
        OSText::AssignLatin1(target, key, suffix);
        return;
    }
    target = QString::fromLocal8Bit(key.data(), static_cast<qsizetype>(key.size()))
             + QLatin1StringView(suffix.data(), static_cast<qsizetype>(suffix.size()));
}

// A cell without a text has a null one, as in a new row.
void ClearText(QString* text)
{
    if (text && !text->isNull())
        *text = QString();
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
    // Small entries are sorted, and each record then moves once to its place.
    struct Entry
    {
        // Negated on side 0, so that both sides sort ascending.
        double price;
        std::uint32_t index;
        bool special;
    };
    thread_local std::vector<Entry> entries;
    entries.resize(records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
    {
        const double price = records[i].orderPrice;
        entries[i] = {side == 0 ? -price : price, static_cast<std::uint32_t>(i), SortsAsSpecial(price)};
    }
    std::sort(entries.begin(), entries.end(), [&records](const Entry& a, const Entry& b) {
        if (a.special != b.special)
            return b.special;
        if (!a.special && a.price != b.price)
            return a.price < b.price;
        // Strictly descending, so that equal keys stay a strict weak order; they keep the
        // receiver's order among themselves.
        const int keys = records[a.index].orderKey.compare(records[b.index].orderKey);
        return keys != 0 ? keys > 0 : a.index < b.index;
    });
    // Position i takes the record at entries[i].index: each cycle of that permutation is walked
    // once, and a walked position points at itself.
    for (std::size_t start = 0; start < entries.size(); ++start)
    {
        if (entries[start].index == start)
            continue;
        ItemBasicData held = std::move(records[start]);
        std::size_t position = start;
        for (;;)
        {
            const std::size_t from = entries[position].index;
            entries[position].index = static_cast<std::uint32_t>(position);
            if (from == start)
            {
                records[position] = std::move(held);
                break;
            }
            records[position] = std::move(records[from]);
            position = from;
        }
    }
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
    m_target.ReuseRows(m_records.size(), OSSheetMode::kOrdersCellCount);
    OSLocalTime localTime(m_timeZone);
    double cumulativeVolume = 0.0;
    double cumulativeValue = 0.0;
    double specialVolume = 0.0;
    for (int i = count - 1; i >= 0; --i)
    {
        const ItemBasicData& record = m_records[static_cast<std::size_t>(i)];
        MatrixDataBufor::RowDataBufor& row = m_target.Rows()[static_cast<std::size_t>(i)];
        row.Reset(OSSheetMode::kOrdersCellCount);
        const bool limitPrice = record.sheetPrice >= 0.0;
        SetKeyText(row.rowKey, record.orderKey, limitPrice ? "" : "P");
        SetValue(row, 2, record.sheetPrice);
        if (limitPrice)
            SetValue(row, 4, record.sheetPrice * record.volume);
        else
            specialVolume += record.volume;
        SetValue(row, 1, record.orderPrice);
        row.rowIndex = i;
        row.peg = record.peg;
        SetValue(row, 3, record.volume);
        QString* date = row.TextOf(kDateCell);
        QString* time = row.TextOf(kTimeCell);
        if (!localTime.Format(record.orderKey, *date, *time))
        {
            ClearText(date);
            ClearText(time);
        }
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
    thread_local std::vector<std::uint32_t> lineOf;
    thread_local std::vector<SOfferData> lines;
    lines.assign(NumberLines(m_records, lineOf), SOfferData());
    double cumulativeValue = 0.0;
    double cumulativeVolume = 0.0;
    double specialVolume = 0.0;
    for (std::size_t i = 0; i < m_records.size(); ++i)
    {
        const ItemBasicData& record = m_records[i];
        const double key = LineKey(record);
        SOfferData& line = lines[lineOf[i]];
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
    m_target.ReuseRows(lines.size(), OSSheetMode::kOffersCellCount);
    int counter = 0;
    int specialLines = 0;
    for (const SOfferData& line : lines)
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
        row.Reset(OSSheetMode::kOffersCellCount);
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
        ClearText(row.TextOf(kDateCell));
        ClearText(row.TextOf(kTimeCell));
        SetPriceKey(row.rowKey, line.price);
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
