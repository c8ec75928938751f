#include "SheetTestSupport.h"

#include "orderssheet/engine/OSSheetMode.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "platform/modules/PluginBase.h"
#include "tests/support/FakeAppMediator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

using SheetTest::Record;
using SheetTest::SmallBook;

namespace
{
constexpr int kOrders = OSSheetMode::kOrders;
constexpr int kOffers = OSSheetMode::kOffers;

OSAdditionalData Additional(double price)
{
    return {0.0, 0.0, price, -1.0, true};
}

class TableDataSetOrdersSheetTest : public ::testing::Test
{
protected:
    TableDataSetOrdersSheetTest()
    {
        for (TableDataSetOrdersSheet* dataSet : {supply, demand})
            dataSet->SetTickSource([this] { return ++ticks; });
    }

    // Both sides of the book, each refreshed.
    void Refresh(std::vector<ItemBasicData> records, const OSAdditionalData& additional = Additional(10.0))
    {
        for (TableDataSetOrdersSheet* dataSet : {supply, demand})
        {
            dataSet->SetBasicDataArray(records);
            ASSERT_TRUE(dataSet->ActualizeData(additional));
        }
    }

    static std::vector<ItemBasicData> BothSides()
    {
        std::vector<ItemBasicData> records = SmallBook(0);
        for (ItemBasicData record : SmallBook(1))
        {
            record.orderKey += "b";
            records.push_back(record);
        }
        return records;
    }

    SheetTest::SheetProvider provider;
    std::shared_ptr<Asset> asset = std::make_shared<Asset>(&provider, QStringLiteral("PLTEST000001"),
                                                           QStringLiteral("TEST"), QStringLiteral("Test"),
                                                           QStringLiteral("GPW"));
    OrdersSheetAssetInstance instance{asset};
    TableDataSetOrdersSheet* supply = instance.GetDataSet(0);
    TableDataSetOrdersSheet* demand = instance.GetDataSet(1);
    std::atomic<std::uint64_t> ticks = 1000;
};
}

TEST_F(TableDataSetOrdersSheetTest, KeepsItsOwnSideAndShowsTheDemandBottomUp)
{
    Refresh(BothSides());
    EXPECT_EQ(supply->GetRowCount(kOrders), 4);
    EXPECT_EQ(demand->GetRowCount(kOrders), 4);
    EXPECT_EQ(demand->GetRowCount(kOffers), 3);
    EXPECT_EQ(instance.GetDataSet(7), demand);

    EXPECT_EQ(supply->GetRowKey(0, kOrders), QStringLiteral("k2"));
    EXPECT_EQ(supply->GetRowKey(3, kOrders), QStringLiteral("k4P"));
    // The demand matrix runs k3b, k1b, k2b, k4bP; its table shows it from the bottom.
    EXPECT_EQ(demand->GetRowKey(0, kOrders), QStringLiteral("k4bP"));
    EXPECT_EQ(demand->GetRowKey(3, kOrders), QStringLiteral("k3b"));
    EXPECT_EQ(demand->GetRowIdxForRowKey(QStringLiteral("k4bP"), kOrders), 3);
    EXPECT_EQ(demand->GetRowIdxForRowKey(QString(), kOrders), -1);
    EXPECT_EQ(demand->GetRowKey(0, kOffers), QStringLiteral("-100.000000"));
    EXPECT_EQ(demand->GetRowKey(2, 5), QStringLiteral("10.000000"));

    const OSTableColumns orders;
    EXPECT_EQ(demand->GetCellValue(1, 3, orders), 50.0);
    EXPECT_EQ(supply->GetCellValue(1, 3, orders), 20.0);
    EXPECT_EQ(supply->GetCellValue(4, 3, orders), -1.0);
    EXPECT_EQ(supply->GetCellValue(0, 10, orders), -1.0);
    EXPECT_EQ(demand->GetCellValue(-2, 3, orders), -1.0);
    EXPECT_EQ(demand->GetCellState(9, 3, kOrders), MatrixDataBufor::eUnchanged);
    EXPECT_TRUE(demand->GetCellSpecialValue(9, 5, kOrders).isEmpty());
    EXPECT_TRUE(demand->GetRowKey(-1, kOrders).isEmpty());
    EXPECT_EQ(supply->GetRowKind(-1), 2);
    EXPECT_EQ(supply->GetRowKind(0), 1);
}

TEST_F(TableDataSetOrdersSheetTest, AnOrderOfNeitherSideIsKeptByBoth)
{
    Refresh({Record(0, 10.0, 1.0, "a"), Record(1, 9.0, 1.0, "b"), Record(2, 9.5, 1.0, "c")});
    EXPECT_EQ(supply->GetRowKeys(), (QSet<QString>{"a", "c", "10.000000", "9.500000"}));
    EXPECT_EQ(demand->GetRowKeys(), (QSet<QString>{"b", "c", "9.000000", "9.500000"}));
}

TEST_F(TableDataSetOrdersSheetTest, CurrentValueRow)
{
    Refresh(BothSides(), Additional(10.5));
    struct Case
    {
        const char* name;
        int mode;
        bool orderPriceShown;
        bool priceShown;
        int column;
        double value;
    };
    const Case cases[] = {
        {"orders, order price shown", kOrders, true, true, 1, 10.5},
        {"orders, order price shown, sheet price", kOrders, true, true, 2, -1.0},
        {"orders, order price hidden", kOrders, false, true, 2, 10.5},
        {"orders, order price hidden, order price", kOrders, false, true, 1, -1.0},
        {"offers, price shown", kOffers, true, true, 2, 10.5},
        {"offers, price shown, other column", kOffers, true, true, 1, -1.0},
        {"offers, price hidden", kOffers, true, false, 2, -1.0},
        {"orders, volume", kOrders, true, true, 3, -1.0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        OSTableColumns columns;
        columns.mode = c.mode;
        columns.visibleKinds.set(1, c.orderPriceShown);
        columns.visibleKinds.set(2, c.priceShown);
        EXPECT_EQ(supply->GetCellValue(-1, c.column, columns), c.value);
        EXPECT_EQ(demand->GetCellValue(-1, c.column, columns), -1.0);
    }
    EXPECT_EQ(supply->GetCurrentValueRecord()->value, 10.5);
    EXPECT_FALSE(demand->GetCurrentValueRecord().has_value());
    EXPECT_EQ(demand->GetCellState(-1, 1, kOrders), MatrixDataBufor::eUnchanged);
    EXPECT_FALSE(demand->HasRowAnyChangesValues(-1, kOrders));
}

TEST_F(TableDataSetOrdersSheetTest, AWindowsDataSetWithoutInstanceAnswersDefaults)
{
    TableDataSetOrdersSheet own(0, nullptr);
    EXPECT_EQ(own.GetCellValue(-1, 1, OSTableColumns()), -1.0);
    EXPECT_FALSE(own.HasRowAnyChangesValues(-1, kOrders));
    EXPECT_EQ(own.GetRowCount(kOrders), 0);
    EXPECT_EQ(own.GetCellState(0, 0, kOrders), MatrixDataBufor::eUnchanged);
    FakeAppMediator mediator;
    PluginBase::Init(&mediator);
    EXPECT_FALSE(own.ActualizeData(Additional(10.0)));
    PluginBase::NullifyAppMediator();
    EXPECT_EQ(mediator.Lines().size(), 1);
}

TEST_F(TableDataSetOrdersSheetTest, ARefreshWithoutProviderKeepsTheOutputAndLogs)
{
    Refresh(BothSides());
    FakeAppMediator mediator;
    PluginBase::Init(&mediator);
    asset->SetProvider(nullptr);
    std::vector<ItemBasicData> none;
    supply->SetBasicDataArray(none);
    EXPECT_FALSE(supply->ActualizeData(Additional(10.0)));
    PluginBase::NullifyAppMediator();
    EXPECT_EQ(supply->GetRowCount(kOrders), 4);
    EXPECT_EQ(mediator.Lines(),
              QStringList{QStringLiteral("ERROR|Quorvanta 4|TableDataSetOrdersSheet::ActualizeData|Invalid object state!")});
}

TEST_F(TableDataSetOrdersSheetTest, RowKeysOfBothMatrices)
{
    Refresh(BothSides());
    EXPECT_EQ(supply->GetRowKeys(), (QSet<QString>{"k1", "k2", "k3", "k4P", "10.000000", "11.000000", "-100.000000"}));
    const QSet<QString> all = instance.GetRowKeys();
    EXPECT_EQ(all.size(), 11);
    EXPECT_TRUE(all.contains(QStringLiteral("k4bP")));
    EXPECT_TRUE(all.contains(QStringLiteral("k4P")));
}

TEST_F(TableDataSetOrdersSheetTest, MarksChangesOnlyWhenSwitchedOnAndClearsThemOnRequest)
{
    Refresh(BothSides(), Additional(10.0));
    std::vector<ItemBasicData> changed = BothSides();
    changed[0].volume = 150.0;    // k1 on the supply side
    Refresh(changed, Additional(10.5));
    // Unmarked rows stay new, with no time, so the table clears them at once.
    EXPECT_EQ(supply->GetCellState(2, 3, kOrders), MatrixDataBufor::eNew);
    EXPECT_EQ(supply->GetRowTimeLastUpdate(2, kOrders), 0u);
    // The current value is marked whatever the switch.
    EXPECT_EQ(supply->GetCellState(-1, 0, kOrders), MatrixDataBufor::eRose);
    EXPECT_TRUE(supply->HasRowAnyChangesValues(-1, kOrders));
    const std::uint64_t valueTime = supply->GetRowTimeLastUpdate(-1, kOrders);
    EXPECT_GT(valueTime, 1000u);

    supply->SetChangeMarking(true);
    changed[0].volume = 120.0;
    Refresh(changed, Additional(10.5));
    EXPECT_EQ(supply->GetRowKey(2, kOrders), QStringLiteral("k1"));
    EXPECT_EQ(supply->GetCellState(2, 3, kOrders), MatrixDataBufor::eFell);
    EXPECT_EQ(supply->GetCellState(2, 0, kOrders), MatrixDataBufor::eUnchanged);
    EXPECT_TRUE(supply->HasRowAnyChangesValues(2, kOrders));
    EXPECT_GT(supply->GetRowTimeLastUpdate(2, kOrders), valueTime);
    EXPECT_FALSE(supply->HasRowAnyChangesValues(0, kOrders));
    // The price line of 10.0 fell with it.
    EXPECT_EQ(supply->GetCellState(1, 3, kOffers), MatrixDataBufor::eFell);
    EXPECT_EQ(supply->GetRowTimeLastUpdate(-1, kOrders), valueTime);

    supply->ResetRowChanges(2, kOrders);
    supply->ResetRowChanges(-1, kOrders);
    EXPECT_FALSE(supply->HasRowAnyChangesValues(2, kOrders));
    EXPECT_FALSE(supply->HasRowAnyChangesValues(-1, kOrders));
    EXPECT_EQ(supply->GetRowTimeLastUpdate(-1, kOrders), valueTime);
}

TEST_F(TableDataSetOrdersSheetTest, PegAndTextsOfOrders)
{
    std::vector<ItemBasicData> records = {Record(0, 10.0, 1.0, "20240506070809", true), Record(0, 11.0, 1.0, "x")};
    supply->SetTimeZone(QTimeZone::utc());
    supply->SetBasicDataArray(records);
    ASSERT_TRUE(supply->ActualizeData(Additional(10.0)));
    EXPECT_TRUE(supply->GetIfRowIsPEGOrder(1, kOrders));
    EXPECT_FALSE(supply->GetIfRowIsPEGOrder(1, kOffers));
    EXPECT_FALSE(supply->GetIfRowIsPEGOrder(0, kOrders));
    EXPECT_FALSE(supply->GetIfRowIsPEGOrder(-1, kOrders));
    EXPECT_EQ(supply->GetCellSpecialValue(1, 5, kOrders), QStringLiteral("2024-05-06"));
    EXPECT_EQ(supply->GetCellSpecialValue(1, 6, kOrders), QStringLiteral("07:08:09"));
    EXPECT_TRUE(supply->GetCellSpecialValue(1, 4, kOrders).isEmpty());
}

TEST_F(TableDataSetOrdersSheetTest, PriceLevelsOfTheSummary)
{
    auto element = std::make_shared<PriceLevelElement>(0, 0.05f);
    instance.AddPriceLevel(4, element);
    EXPECT_THROW(instance.AddPriceLevel(5, nullptr), std::invalid_argument);
    Refresh(BothSides(), Additional(10.0));
    const OSSummaryValues supplySummary = supply->GetSummaryValues(4);
    EXPECT_EQ(supplySummary.orderCount, 4);
    EXPECT_EQ(supplySummary.totalValue, 1750.0);
    EXPECT_EQ(supplySummary.count, 2);
    EXPECT_EQ(supplySummary.specialCount, 1);
    EXPECT_EQ(supplySummary.value, 1200.0);
    EXPECT_EQ(demand->GetSummaryValues(4).count, 3);
    EXPECT_EQ(demand->GetSummaryValues(9), (OSSummaryValues{1750.0, 4, 0, 0, 0.0, 0.0}));

    // The window changes its band; the next refresh counts with it.
    element->Set(0, 0.2f);
    Refresh(BothSides(), Additional(10.0));
    EXPECT_EQ(supply->GetSummaryValues(4).count, 3);
    instance.RemovePriceLevel(4);
    Refresh(BothSides(), Additional(10.0));
    EXPECT_EQ(supply->GetSummaryValues(4).count, 0);
}

TEST_F(TableDataSetOrdersSheetTest, ReadersSeeWholeOutputsWhileRefreshesSwapThem)
{
    std::atomic<bool> stop = false;
    std::thread refresher([&] {
        for (int i = 0; i < 300; ++i)
        {
            std::vector<ItemBasicData> records;
            for (int k = 0; k < 5 + i % 20; ++k)
                records.push_back(Record(k % 2, 10.0 + k % 7, 1.0 + i, "key" + std::to_string(k)));
            supply->SetBasicDataArray(records);
            supply->ActualizeData(Additional(10.0 + i % 3));
            supply->SetChangeMarking(true);
        }
        stop.store(true);
    });
    const OSTableColumns columns;
    while (!stop.load())
    {
        const SafeAutoLock lock(instance.GetLock(), "ReadersSeeWholeOutputs", "TableDataSetOrdersSheetTest");
        const int rows = supply->GetRowCount(kOrders);
        for (int row = -1; row < rows; ++row)
        {
            EXPECT_FALSE(supply->GetRowKey(row, kOrders).isEmpty() && row >= 0);
            supply->GetCellValue(row, 3, columns);
            if (supply->HasRowAnyChangesValues(row, kOrders))
                supply->ResetRowChanges(row, kOrders);
        }
    }
    refresher.join();
}
