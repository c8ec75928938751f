#include "SheetTestSupport.h"

#include "tests/support/GuiTestApplication.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
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
