#include "SheetTestSupport.h"

#include "orderssheet/engine/OSChangeMarking.h"
#include "tests/support/GuiTestApplication.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iterator>
#include <string>
#include <thread>

namespace SheetTest
{
DataSheetItemBase Item(int side, double price, double volume, const std::string& id, const std::string& key)
{
    return DataSheetItemBase(side, price, price, volume, false, id, key.empty() ? id : key);
}

ItemBasicData Record(int side, double price, double volume, const std::string& key, bool peg)
{
    ItemBasicData record;
    record.side = side;
    record.orderKey = key;
    record.orderId = key;
    record.peg = peg;
    record.sheetPrice = price;
    record.orderPrice = price;
    record.volume = volume;
    return record;
}

std::vector<ItemBasicData> SmallBook(int side)
{
    return {Record(side, 10.0, 100.0, "k1"), Record(side, 11.0, 50.0, "k2"), Record(side, 10.0, 20.0, "k3"),
            Record(side, ItemBasicData::kSpecialPriceA, 5.0, "k4")};
}

std::vector<ItemBasicData> RandomBook(std::mt19937& random, int side, int count)
{
    static const double kPrices[] = {10.0,  10.5, 11.0, 9.75, 0.0, -0.0, ItemBasicData::kSpecialPriceA,
                                     ItemBasicData::kSpecialPriceB, std::nan("")};
    static const char* const kKeys[] = {"",  "k1", "k2", "20240506091500/0001", "20240506091500/0002",
                                        "20241301000000/0003", "20240331010000", "z\xc3\xb3\xc5\x82w"};
    const auto pick = [&random](auto& values) { return values[random() % std::size(values)]; };
    std::vector<ItemBasicData> records;
    for (int i = 0; i < count; ++i)
    {
        // Mostly plain priced orders with keys of their own, so that the edges meet plain rows.
        const double price = random() % 3 == 0 ? pick(kPrices) : 9.0 + static_cast<int>(random() % 40) * 0.05;
        std::string key = random() % 4 == 0 ? pick(kKeys) : "2024050609" + std::to_string(1000 + random() % 9000);
        ItemBasicData record = Record(side, price, 1.0 + static_cast<double>(random() % 500), key, random() % 5 == 0);
        if (random() % 6 == 0)
            record.sheetPrice = pick(kPrices);
        if (random() % 7 == 0)
            record.orderId.clear();
        records.push_back(record);
    }
    return records;
}

void ExpectSameMatrix(const MatrixDataBufor& actual, const MatrixDataBufor& expected)
{
    ASSERT_EQ(actual.RowCount(), expected.RowCount());
    for (int i = 0; i < static_cast<int>(expected.RowCount()); ++i)
    {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const MatrixDataBufor::RowDataBufor& a = *actual.Row(i);
        const MatrixDataBufor::RowDataBufor& e = *expected.Row(i);
        EXPECT_EQ(a.rowKey, e.rowKey);
        EXPECT_EQ(a.rowKey.isNull(), e.rowKey.isNull());
        EXPECT_EQ(a.rowIndex, e.rowIndex);
        EXPECT_EQ(a.peg, e.peg);
        EXPECT_EQ(a.timeLastChange, e.timeLastChange);
        ASSERT_EQ(a.Cells().size(), e.Cells().size());
        for (std::size_t cell = 0; cell < e.Cells().size(); ++cell)
        {
            SCOPED_TRACE(testing::Message() << "cell " << cell);
            const double value = a.Cells()[cell].value;
            const double expectedValue = e.Cells()[cell].value;
            EXPECT_TRUE(value == expectedValue || (std::isnan(value) && std::isnan(expectedValue)))
                << value << " " << expectedValue;
            EXPECT_EQ(std::signbit(value), std::signbit(expectedValue));
            EXPECT_EQ(a.Cells()[cell].state, e.Cells()[cell].state);
            EXPECT_EQ(a.Text(cell), e.Text(cell));
            EXPECT_EQ(a.Text(cell).isNull(), e.Text(cell).isNull());
        }
        EXPECT_EQ(actual.FindRow(e.rowKey), expected.FindRow(e.rowKey));
    }
    EXPECT_EQ(actual.HasUniqueKeyIndex(), expected.HasUniqueKeyIndex());
}

void MarkByKeyIndex(MatrixDataBufor& fresh, const MatrixDataBufor& previous, int mode, std::uint64_t now)
{
    for (MatrixDataBufor::RowDataBufor& row : fresh.Rows())
    {
        if (const MatrixDataBufor::RowDataBufor* before = previous.Row(previous.FindRow(row.rowKey)))
            OSChangeMarking::MarkRow(row, *before, mode, now);
        else
            OSChangeMarking::MarkNewRow(row, mode, now);
    }
}

bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs)
{
    GuiTestApplication::Ensure();
    QElapsedTimer timer;
    timer.start();
    while (!done())
    {
        if (timer.elapsed() > timeoutMs)
            return done();
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

SheetProvider::SheetProvider()
    : FakeProvider(QStringLiteral("SheetProvider"))
{
}

bool SheetProvider::AddOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset&)
{
    std::lock_guard lock(m_mutex);
    if (!acceptsReceivers.load() || std::find(m_receivers.begin(), m_receivers.end(), receiver) != m_receivers.end())
        return false;
    m_receivers.push_back(receiver);
    ++m_adds;
    return true;
}

bool SheetProvider::RemoveOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset&)
{
    std::lock_guard lock(m_mutex);
    const auto found = std::find(m_receivers.begin(), m_receivers.end(), receiver);
    if (found == m_receivers.end())
        return false;
    m_receivers.erase(found);
    ++m_removes;
    return true;
}

IOrdersSheetReceiver* SheetProvider::Receiver() const
{
    std::lock_guard lock(m_mutex);
    return m_receivers.empty() ? nullptr : m_receivers.back();
}

CountingWindow::CountingWindow(std::shared_ptr<WindowLog> log, bool hasHandle, int styleId)
    : m_log(std::move(log))
    , m_hasHandle(hasHandle)
    , m_styleId(styleId)
{
}

CountingWindow::~CountingWindow()
{
    m_log->deleted.store(true);
}

void CountingWindow::OnNewDataSetState()
{
    ++m_log->newData;
    if (onNewData)
        onNewData();
}

void CountingWindow::PublishArgumentValues(const std::shared_ptr<const AlertExprArgList>& values)
{
    if (values)
        ++m_log->argumentLists;
}
}
