#include "SheetTestSupport.h"

#include "orderssheet/engine/OSDataGenerator.h"
#include "orderssheet/engine/OSLocalTime.h"
#include "orderssheet/engine/OSSheetMode.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using SheetTest::Record;
using SheetTest::SmallBook;

namespace
{
const OSAdditionalData kNoAdditional;

std::vector<double> Values(const MatrixDataBufor& matrix, int row)
{
    std::vector<double> values;
    for (const auto& cell : matrix.Row(row)->Cells())
        values.push_back(cell.value);
    return values;
}

std::vector<QString> Keys(const MatrixDataBufor& matrix)
{
    std::vector<QString> keys;
    for (const auto& row : matrix.Rows())
        keys.push_back(row.rowKey);
    return keys;
}

struct Generated
{
    MatrixDataBufor orders;
    MatrixDataBufor offers;
};

Generated Generate(int side, std::vector<ItemBasicData> records, const QTimeZone& zone = QTimeZone::utc())
{
    Generated generated;
    OSDataGenerator::SortRecords(records, side);
    OSDataGenerator(OSSheetMode::kOrders, side, records, kNoAdditional, generated.orders, zone).Generate();
    OSDataGenerator(OSSheetMode::kOffers, side, records, kNoAdditional, generated.offers, zone).Generate();
    return generated;
}
}

TEST(OSDataGeneratorTest, SortsFromTheWorstPriceWithSpecialsLastAndEarlierOrdersNearer)
{
    std::vector<ItemBasicData> records = SmallBook(0);
    records.push_back(Record(0, ItemBasicData::kSpecialPriceB, 1.0, "k0"));
    // Equal keys and a price that is no number still sort without harm.
    records.push_back(Record(0, 10.0, 1.0, "k1"));
    records.push_back(Record(0, std::nan(""), 1.0, "k9"));
    OSDataGenerator::SortRecords(records, 0);
    std::vector<std::string> keys;
    for (const ItemBasicData& record : records)
        keys.push_back(record.orderKey);
    EXPECT_EQ(keys, (std::vector<std::string>{"k2", "k3", "k1", "k1", "k9", "k4", "k0"}));
    MatrixDataBufor offers;
    OSDataGenerator(OSSheetMode::kOffers, 0, records, kNoAdditional, offers).GenerateForOffersMode();
    EXPECT_EQ(offers.RowCount(), 4u);

    std::vector<ItemBasicData> buys = SmallBook(1);
    OSDataGenerator::SortRecords(buys, 1);
    keys.clear();
    for (const ItemBasicData& record : buys)
        keys.push_back(record.orderKey);
    EXPECT_EQ(keys, (std::vector<std::string>{"k3", "k1", "k2", "k4"}));
}

TEST(OSDataGeneratorTest, OrdersMode)
{
    const Generated sell = Generate(0, SmallBook(0));
    ASSERT_EQ(sell.orders.RowCount(), 4u);
    EXPECT_EQ(Keys(sell.orders), (std::vector<QString>{"k2", "k3", "k1", "k4P"}));
    // number, order price, sheet price, volume, value, (date, time), volume sum, value sum, average
    EXPECT_EQ(Values(sell.orders, 0), (std::vector<double>{4, 11, 11, 50, 550, -1, -1, 175, 1750, 1750.0 / 170}));
    EXPECT_EQ(Values(sell.orders, 1), (std::vector<double>{3, 10, 10, 20, 200, -1, -1, 125, 1200, 10}));
    EXPECT_EQ(Values(sell.orders, 2), (std::vector<double>{2, 10, 10, 100, 1000, -1, -1, 105, 1000, 10}));
    EXPECT_EQ(Values(sell.orders, 3), (std::vector<double>{1, -20, -20, 5, -1, -1, -1, 5, -1, -1}));
    EXPECT_EQ(sell.orders.FindRow(QStringLiteral("k4P")), 3);
    EXPECT_EQ(sell.orders.Row(2)->rowIndex, 2);

    const Generated buy = Generate(1, SmallBook(1));
    EXPECT_EQ(Keys(buy.orders), (std::vector<QString>{"k3", "k1", "k2", "k4P"}));
    EXPECT_EQ(Values(buy.orders, 2), (std::vector<double>{2, 11, 11, 50, 550, -1, -1, 55, 550, 11}));
    EXPECT_EQ(Values(buy.orders, 0), (std::vector<double>{4, 10, 10, 20, 200, -1, -1, 175, 1750, 1750.0 / 170}));
}

TEST(OSDataGeneratorTest, OffersModeMergesTheSpecialsIntoOneLastLine)
{
    std::vector<ItemBasicData> book = SmallBook(0);
    book.push_back(Record(0, ItemBasicData::kSpecialPriceB, 3.0, "k5"));
    const Generated sell = Generate(0, book);
    EXPECT_EQ(Keys(sell.offers), (std::vector<QString>{"11.000000", "10.000000", "-100.000000"}));
    // number, orders, price, volume, value, volume sum, value sum, average
    EXPECT_EQ(Values(sell.offers, 0), (std::vector<double>{3, 1, 11, 50, 550, 178, 1750, 1750.0 / 170}));
    EXPECT_EQ(Values(sell.offers, 1), (std::vector<double>{2, 2, 10, 120, 1200, 128, 1200, 10}));
    EXPECT_EQ(Values(sell.offers, 2), (std::vector<double>{1, 2, -100, 8, -1, 8, -1, -1}));
    EXPECT_EQ(sell.offers.FindRow(QStringLiteral("-100.000000")), 2);

    const Generated buy = Generate(1, SmallBook(1));
    EXPECT_EQ(Keys(buy.offers), (std::vector<QString>{"10.000000", "11.000000", "-100.000000"}));
    EXPECT_EQ(Values(buy.offers, 0), (std::vector<double>{3, 2, 10, 120, 1200, 175, 1750, 1750.0 / 170}));
    EXPECT_EQ(Values(buy.offers, 1), (std::vector<double>{2, 1, 11, 50, 550, 55, 550, 11}));
    EXPECT_EQ(Values(buy.offers, 2), (std::vector<double>{1, 1, -100, 5, -1, 5, -1, -1}));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(buy.offers.Row(row)->rowIndex, row);
}

TEST(OSDataGeneratorTest, EmptyAndSpecialOnlySides)
{
    const Generated none = Generate(0, {});
    EXPECT_EQ(none.orders.RowCount(), 0u);
    EXPECT_EQ(none.offers.RowCount(), 0u);

    const Generated specials = Generate(1, {Record(1, -20.0, 4.0, "a"), Record(1, -100.0, 6.0, "b")});
    ASSERT_EQ(specials.orders.RowCount(), 2u);
    EXPECT_EQ(Values(specials.orders, 0), (std::vector<double>{2, -100, -100, 6, -1, -1, -1, 10, -1, -1}));
    EXPECT_EQ(specials.orders.Row(0)->rowKey, QStringLiteral("bP"));
    ASSERT_EQ(specials.offers.RowCount(), 1u);
    EXPECT_EQ(Values(specials.offers, 0), (std::vector<double>{1, 2, -100, 10, -1, 10, -1, -1}));
}

TEST(OSDataGeneratorTest, SummaryAndCurrentValue)
{
    std::vector<ItemBasicData> records = SmallBook(0);
    OSDataGenerator::SortRecords(records, 0);
    MatrixDataBufor matrix;
    PriceLevelSet levels(0);
    levels.Add(1, std::make_shared<PriceLevelElement>(0, 0.05f));
    OSDataGenerator generator(OSSheetMode::kOrders, 0, records, {0, 0, 10.0, -1.0, true}, matrix);
    generator.Generate();
    generator.ComputeSummary(levels);
    EXPECT_EQ(generator.GetOrderCount(), 4);
    EXPECT_EQ(generator.GetTotalValue(), 1750.0);
    EXPECT_EQ(levels.Find(1)->GetCount(), 2);
    EXPECT_EQ(levels.Find(1)->GetSpecialCount(), 1);

    struct Case
    {
        double value3;
        double value4;
        double value;
        bool alternative;
    };
    const Case cases[] = {
        {12.5, -1.0, 12.5, false},
        {12.5, 13.0, 12.5, false},
        {-1.0, 13.0, 13.0, true},
        {-1.0, -1.0, -1.0, false},
        // A theoretical opening price zeroes the last price: the opening price shows, not 0.
        {0.0, 13.0, 13.0, true},
        {0.0, -1.0, -1.0, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.value3 << " " << c.value4);
        std::vector<ItemBasicData> none;
        OSDataGenerator current(OSSheetMode::kOffers, 0, none, {0, 0, c.value3, c.value4, true}, matrix);
        current.ComputeCurrentValue();
        ASSERT_NE(current.GetCurrentValueRecord(), nullptr);
        EXPECT_EQ(current.GetCurrentValueRecord()->value, c.value);
        EXPECT_EQ(current.GetCurrentValueRecord()->alternative, c.alternative);
    }
    std::vector<ItemBasicData> none;
    EXPECT_EQ(OSDataGenerator(OSSheetMode::kOrders, 1, none, kNoAdditional, matrix).GetCurrentValueRecord(), nullptr);
}

TEST(OSDataGeneratorTest, LocalDateAndTimeOfTheOrderKey)
{
    struct Case
    {
        const char* key;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {"20240331005959/0001", "2024-03-31", "01:59:59"},
        {"20240331010000/0002", "2024-03-31", "03:00:00"},
        {"20241027005959", "2024-10-27", "02:59:59"},
        {"20241027010000", "2024-10-27", "02:00:00"},
        {"20241231233000", "2025-01-01", "00:30:00"},
        {"2024033100595", "", ""},
        {"20241301000000", "", ""},
        {"20240230120000", "", ""},
        {"00000101120000", "", ""},
        {"2024010124000x", "", ""},
        {"abcdefghijklmn", "", ""},
        {"20240101235959", "2024-01-02", "00:59:59"},
        {"19691231230000", "1970-01-01", "00:00:00"},
    };
    OSLocalTime warsaw(QTimeZone("Europe/Warsaw"));
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.key);
        QString date;
        QString time;
        EXPECT_EQ(warsaw.Format(c.key, date, time), *c.date != '\0');
        EXPECT_EQ(date, QString::fromLatin1(c.date));
        EXPECT_EQ(time, QString::fromLatin1(c.time));
    }

    const Generated generated = Generate(0, {Record(0, 10.0, 1.0, "20240331010000/0002"), Record(0, 11.0, 1.0, "short")},
                                         QTimeZone("Europe/Warsaw"));
    EXPECT_EQ(generated.orders.Row(1)->Text(5), QStringLiteral("2024-03-31"));
    EXPECT_EQ(generated.orders.Row(1)->Text(6), QStringLiteral("03:00:00"));
    EXPECT_TRUE(generated.orders.Row(0)->Text(5).isEmpty());
    EXPECT_TRUE(generated.orders.Row(0)->Text(6).isEmpty());
}

TEST(OSDataGeneratorTest, SortsAsAStableSortByPriceAndDescendingKey)
{
    std::mt19937 random(17);
    for (int round = 0; round < 200; ++round)
    {
        const int side = round % 2;
        std::vector<ItemBasicData> records = SheetTest::RandomBook(random, side, 1 + round % 60);
        std::vector<ItemBasicData> expected = records;
        std::stable_sort(expected.begin(), expected.end(), [side](const ItemBasicData& a, const ItemBasicData& b) {
            const auto special = [](double price) { return ItemBasicData::IsSpecialPrice(price) || std::isnan(price); };
            if (special(a.orderPrice) != special(b.orderPrice))
                return special(b.orderPrice);
            if (!special(a.orderPrice) && a.orderPrice != b.orderPrice)
                return side == 0 ? a.orderPrice > b.orderPrice : a.orderPrice < b.orderPrice;
            return a.orderKey > b.orderKey;
        });
        OSDataGenerator::SortRecords(records, side);
        // Compared by their texts and bits: a price that is no number equals nothing.
        const auto identity = [](const std::vector<ItemBasicData>& sorted) {
            std::vector<std::tuple<std::string, std::string, bool, std::uint64_t, std::uint64_t, double>> fields;
            for (const ItemBasicData& r : sorted)
                fields.emplace_back(r.orderKey, r.orderId, r.peg, std::bit_cast<std::uint64_t>(r.orderPrice),
                                    std::bit_cast<std::uint64_t>(r.sheetPrice), r.volume);
            return fields;
        };
        ASSERT_EQ(identity(records), identity(expected)) << "round " << round;
    }
}

TEST(OSDataGeneratorTest, OfferLinesAreThoseOfAMapByPrice)
{
    // The lines as a map by price (a price that is no number last) adds them up, the records
    // taken from the best price on.
    struct Line
    {
        double orders = 0.0;
        double price = 0.0;
        double volume = 0.0;
        double value = 0.0;
        double cumulativeVolume = 0.0;
        double cumulativeValue = 0.0;
        double average = 0.0;
    };
    const auto byPrice = [](double a, double b) { return std::isnan(b) ? !std::isnan(a) : a < b; };
    std::mt19937 random(23);
    for (int round = 0; round < 200; ++round)
    {
        SCOPED_TRACE(testing::Message() << "round " << round);
        const int side = round % 2;
        std::vector<ItemBasicData> records = SheetTest::RandomBook(random, side, round % 50);
        OSDataGenerator::SortRecords(records, side);
        std::map<double, Line, decltype(byPrice)> lines(byPrice);
        double volume = 0.0;
        double value = 0.0;
        double specialVolume = 0.0;
        for (auto record = records.rbegin(); record != records.rend(); ++record)
        {
            const bool special = ItemBasicData::IsSpecialPrice(record->sheetPrice);
            const double price = special ? ItemBasicData::kSpecialPriceB : record->sheetPrice;
            Line& line = lines[price];
            line.price = price;
            line.orders += 1.0;
            line.volume += record->volume;
            volume += record->volume;
            if (special)
            {
                specialVolume += record->volume;
            }
            else
            {
                line.value += record->sheetPrice * record->volume;
                value += record->sheetPrice * record->volume;
                line.cumulativeValue = value;
            }
            line.cumulativeVolume = volume;
            if (volume - specialVolume != 0.0)
                line.average = line.cumulativeValue / (volume - specialVolume);
        }

        MatrixDataBufor offers;
        OSDataGenerator(OSSheetMode::kOffers, side, records, kNoAdditional, offers).GenerateForOffersMode();
        ASSERT_EQ(offers.RowCount(), lines.size());
        std::vector<const Line*> shown;
        for (const auto& entry : lines)
            shown.push_back(&entry.second);
        // The supply shows its highest price first; the demand its lowest first, specials last.
        if (side == 0)
            std::reverse(shown.begin(), shown.end());
        else
            std::stable_partition(shown.begin(), shown.end(),
                                  [](const Line* line) { return !ItemBasicData::IsSpecialPrice(line->price); });
        for (std::size_t row = 0; row < shown.size(); ++row)
        {
            const Line& line = *shown[row];
            const bool special = ItemBasicData::IsSpecialPrice(line.price);
            char key[512];
            std::snprintf(key, sizeof(key), "%f", line.price);
            const std::vector<double> expected = {static_cast<double>(shown.size() - row), line.orders, line.price,
                                                  line.volume, special ? -1.0 : line.value, line.cumulativeVolume,
                                                  special ? -1.0 : line.cumulativeValue, special ? -1.0 : line.average};
            const std::vector<double> values = Values(offers, static_cast<int>(row));
            for (std::size_t cell = 0; cell < expected.size(); ++cell)
                EXPECT_TRUE(values[cell] == expected[cell] || (std::isnan(values[cell]) && std::isnan(expected[cell])))
                    << "row " << row << " cell " << cell << ": " << values[cell] << " " << expected[cell];
            EXPECT_EQ(offers.Row(static_cast<int>(row))->rowKey, QString::fromLatin1(key)) << "row " << row;
        }
    }
}

TEST(OSDataGeneratorTest, AMatrixMadeOverAnOlderOneIsANewOne)
{
    std::mt19937 random(29);
    // Kept from round to round, as a data set keeps its outputs, also over the other mode's rows.
    MatrixDataBufor kept[2];
    for (int round = 0; round < 300; ++round)
    {
        SCOPED_TRACE(testing::Message() << "round " << round);
        const int side = static_cast<int>(random() % 2);
        const int mode = random() % 2 == 0 ? OSSheetMode::kOrders : OSSheetMode::kOffers;
        MatrixDataBufor& reused = kept[random() % 4 == 0 ? 1 : 0];
        std::vector<ItemBasicData> records = SheetTest::RandomBook(random, side, static_cast<int>(random() % 40));
        OSDataGenerator::SortRecords(records, side);
        std::vector<ItemBasicData> copy = records;
        MatrixDataBufor fresh;
        const QTimeZone zone("Europe/Warsaw");
        OSDataGenerator(mode, side, records, kNoAdditional, fresh, zone).Generate();
        OSDataGenerator(mode, side, copy, kNoAdditional, reused, zone).Generate();
        SheetTest::ExpectSameMatrix(reused, fresh);
    }
}
