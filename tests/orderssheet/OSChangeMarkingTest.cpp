#include "SheetTestSupport.h"

#include "orderssheet/engine/OSChangeMarking.h"
#include "orderssheet/engine/OSDataGenerator.h"
#include "orderssheet/engine/OSSheetMode.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace
{
using Row = MatrixDataBufor::RowDataBufor;

// One row per key, each cell value from the list.
MatrixDataBufor Matrix(const std::vector<QString>& keys, const std::vector<double>& values)
{
    MatrixDataBufor matrix;
    matrix.MakeRows(keys.size(), values.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
    {
        Row& row = matrix.Rows()[i];
        row.rowKey = keys[i];
        row.rowIndex = static_cast<int>(i);
        for (std::size_t cell = 0; cell < values.size(); ++cell)
            row.Cells()[cell].value = values[cell];
    }
    matrix.RebuildKeyIndex();
    return matrix;
}

std::vector<int> States(const MatrixDataBufor& matrix, int row = 0)
{
    std::vector<int> states;
    for (const auto& cell : matrix.Row(row)->Cells())
        states.push_back(cell.state);
    return states;
}

std::vector<double> OrdersRow(double orderPrice, double volume)
{
    return {1, orderPrice, orderPrice, volume, orderPrice * volume, -1, -1, volume, orderPrice * volume, orderPrice};
}
}

TEST(OSChangeMarkingTest, ARiseLastsWithItsFirstTimeUntilCleared)
{
    const MatrixDataBufor first = Matrix({"a"}, OrdersRow(10, 5));
    MatrixDataBufor second = Matrix({"a"}, OrdersRow(12, 5));
    OSChangeMarking::MarkMatrix(second, first, OSSheetMode::kOrders, 100);
    EXPECT_EQ(States(second), (std::vector<int>{3, 1, 1, 3, 1, 3, 3, 3, 3, 3}));
    EXPECT_EQ(second.Row(0)->timeLastChange, 100u);

    MatrixDataBufor third = Matrix({"a"}, OrdersRow(12, 5));
    OSChangeMarking::MarkMatrix(third, second, OSSheetMode::kOrders, 200);
    EXPECT_EQ(States(third), States(second));
    EXPECT_EQ(third.Row(0)->timeLastChange, 100u);

    // Cleared by the table: the next unchanged refresh shows nothing.
    for (auto& cell : third.Rows()[0].Cells())
        cell.state = MatrixDataBufor::eUnchanged;
    MatrixDataBufor fourth = Matrix({"a"}, OrdersRow(12, 5));
    OSChangeMarking::MarkMatrix(fourth, third, OSSheetMode::kOrders, 300);
    EXPECT_EQ(States(fourth), std::vector<int>(10, 3));

    MatrixDataBufor fifth = Matrix({"a"}, OrdersRow(12, 4));
    OSChangeMarking::MarkMatrix(fifth, fourth, OSSheetMode::kOrders, 400);
    EXPECT_EQ(States(fifth), (std::vector<int>{3, 3, 3, 2, 2, 3, 3, 3, 3, 3}));
    EXPECT_EQ(fifth.Row(0)->timeLastChange, 400u);
}

TEST(OSChangeMarkingTest, NewRowsAndRowsThatCannotBeCompared)
{
    const MatrixDataBufor empty;
    MatrixDataBufor orders = Matrix({"a"}, OrdersRow(10, 5));
    OSChangeMarking::MarkMatrix(orders, empty, OSSheetMode::kOrders, 50);
    EXPECT_EQ(States(orders), std::vector<int>(10, 0));
    EXPECT_EQ(orders.Row(0)->timeLastChange, 50u);

    // A new order stays new while nothing changes.
    MatrixDataBufor again = Matrix({"a"}, OrdersRow(10, 5));
    OSChangeMarking::MarkMatrix(again, orders, OSSheetMode::kOrders, 60);
    EXPECT_EQ(States(again), std::vector<int>(10, 0));
    EXPECT_EQ(again.Row(0)->timeLastChange, 50u);

    MatrixDataBufor offers = Matrix({"10.000000"}, {1, 2, 10, 5, 50, 5, 50, 10});
    OSChangeMarking::MarkMatrix(offers, empty, OSSheetMode::kOffers, 70);
    EXPECT_EQ(States(offers), (std::vector<int>{3, 1, 3, 1, 1, 3, 3, 3}));

    MatrixDataBufor shorter = Matrix({"10.000000"}, {1, 3, 10});
    OSChangeMarking::MarkMatrix(shorter, offers, OSSheetMode::kOffers, 80);
    EXPECT_EQ(States(shorter), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(shorter.Row(0)->timeLastChange, 0u);
}

TEST(OSChangeMarkingTest, CurrentValue)
{
    struct Case
    {
        const char* name;
        AdditonalRowData previous;
        double value;
        int state;
        std::uint64_t time;
    };
    const Case cases[] = {
        {"rise", {10.0, false, 3, 0}, 12.0, MatrixDataBufor::eRose, 500},
        {"fall", {12.0, false, 3, 0}, 10.0, MatrixDataBufor::eFell, 500},
        {"equal keeps a mark", {12.0, false, 1, 40}, 12.0, MatrixDataBufor::eRose, 40},
        {"equal without a mark", {12.0, false, 3, 40}, 12.0, MatrixDataBufor::eUnchanged, 0},
        {"no previous value", {-1.0, false, 3, 0}, 12.0, MatrixDataBufor::eUnchanged, 0},
        {"no previous value keeps a mark", {-1.0, false, 2, 30}, 12.0, MatrixDataBufor::eFell, 30},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        AdditonalRowData stored;
        stored.value = c.value;
        OSChangeMarking::UpdateCellChangeState(stored, c.previous, 500);
        EXPECT_EQ(stored.state, c.state);
        EXPECT_EQ(stored.timeChange, c.time);
    }
}

TEST(OSChangeMarkingTest, TheWalkFindsThePreviousRowsTheKeyIndexFinds)
{
    std::mt19937 random(31);
    for (int round = 0; round < 300; ++round)
    {
        SCOPED_TRACE(testing::Message() << "round " << round);
        const int side = round % 2;
        const int mode = round % 4 < 2 ? OSSheetMode::kOrders : OSSheetMode::kOffers;
        std::vector<ItemBasicData> book = SheetTest::RandomBook(random, side, static_cast<int>(random() % 40));
        // Keys of their own in most rounds: the walk needs them, and repeated keys go to the index.
        if (round % 3 != 0)
            for (std::size_t i = 0; i < book.size(); ++i)
                book[i].orderKey += "#" + std::to_string(i);
        std::vector<ItemBasicData> sorted = book;
        OSDataGenerator::SortRecords(sorted, side);
        MatrixDataBufor previous;
        OSDataGenerator(mode, side, sorted, OSAdditionalData(), previous).Generate();
        // Earlier marks, some cleared by the table.
        for (MatrixDataBufor::RowDataBufor& row : previous.Rows())
        {
            for (auto& cell : row.Cells())
                cell.state = static_cast<int>(random() % 4);
            row.timeLastChange = random() % 3 == 0 ? 0 : 10 + random() % 50;
        }
        // The next book: some orders gone, some new, some changed, the rest as they were.
        std::vector<ItemBasicData> next;
        for (const ItemBasicData& record : book)
        {
            if (random() % 8 == 0)
                continue;
            next.push_back(record);
            if (random() % 5 == 0)
                next.back().volume += 1.0;
        }
        for (ItemBasicData& record : SheetTest::RandomBook(random, side, static_cast<int>(random() % 6)))
            next.insert(next.begin() + static_cast<std::ptrdiff_t>(random() % (next.size() + 1)), record);
        OSDataGenerator::SortRecords(next, side);
        MatrixDataBufor walked;
        OSDataGenerator(mode, side, next, OSAdditionalData(), walked).Generate();
        MatrixDataBufor indexed = walked;

        OSChangeMarking::MarkMatrix(walked, previous, mode, 100);
        SheetTest::MarkByKeyIndex(indexed, previous, mode, 100);
        SheetTest::ExpectSameMatrix(walked, indexed);
    }
}
