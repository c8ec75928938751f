#pragma once
// What the orders-sheet suites share: orders and records made in one line, random books and
// the checks that compare row matrices, a provider that takes orders-sheet receivers and counts
// them, windows that count what their instance tells them, and a helper that runs the main
// thread's queued calls until a condition holds.

#include "orderssheet/engine/IOrdersSheetWindow.h"
#include "orderssheet/engine/ItemBasicData.h"
#include "orderssheet/engine/MatrixDataBufor.h"
#include "platform/modules/DataSheetItemBase.h"
#include "tests/support/FakeProvider.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace SheetTest
{
DataSheetItemBase Item(int side, double price, double volume, const std::string& id, const std::string& key = {});
ItemBasicData Record(int side, double price, double volume, const std::string& key, bool peg = false);

// A sell side at 11.0 (50), 10.0 (100, key "k1" before "k3" at 20) and one order without a
// limit price (5, key "k4"); the same orders on the buy side for side 1.
std::vector<ItemBasicData> SmallBook(int side);

// count orders of the side with what books hold at their edges: shared prices, orders without a
// limit price (both codes), a price that is no number, both zeros, a sheet price apart from the
// order price, repeated, empty, short, non-ASCII and dated keys, PEG orders.
std::vector<ItemBasicData> RandomBook(std::mt19937& random, int side, int count);

// Every row, cell, text (a null one too), key, time and index alike, and the same row found
// for each key.
void ExpectSameMatrix(const MatrixDataBufor& actual, const MatrixDataBufor& expected);

// The marks as the key index alone finds the previous rows: the reference of the faster walk.
void MarkByKeyIndex(MatrixDataBufor& fresh, const MatrixDataBufor& previous, int mode, std::uint64_t now);

// Made where DSProp.h is not included, whose precision type clashes with the list's.
std::shared_ptr<const AlertExprArgList> EmptyArgumentList();

// Runs the main thread's queued calls until done() or the timeout; done()'s last answer.
bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// A provider that takes orders-sheet receivers for any instrument, unless told to refuse.
class SheetProvider : public FakeProvider
{
public:
    SheetProvider();

    std::vector<DSProp> GetAssetSeries(const Asset&) const override { return series; }
    bool AddOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset&) override;
    bool RemoveOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset&) override;

    // The receiver added last and still there; null when none.
    IOrdersSheetReceiver* Receiver() const;
    int Adds() const { return m_adds.load(); }
    int Removes() const { return m_removes.load(); }

    std::vector<DSProp> series;
    std::atomic<bool> acceptsReceivers = true;

private:
    mutable std::mutex m_mutex;
    std::vector<IOrdersSheetReceiver*> m_receivers;
    std::atomic<int> m_adds = 0;
    std::atomic<int> m_removes = 0;
};

// What a window was told, kept beyond the window's deletion.
struct WindowLog
{
    std::atomic<int> newData = 0;
    std::atomic<int> argumentLists = 0;
    std::atomic<bool> deleted = false;
};

class CountingWindow : public IOrdersSheetWindow
{
public:
    CountingWindow(std::shared_ptr<WindowLog> log, bool hasHandle = true, int styleId = kNoStyleId);
    ~CountingWindow() override;

    bool HasWindowHandle() const override { return m_hasHandle; }
    void OnNewDataSetState() override;
    void PublishArgumentValues(const std::shared_ptr<const AlertExprArgList>& values) override;
    int GetStyleId() const override { return m_styleId; }

    // Runs on every new data state, on the main thread.
    std::function<void()> onNewData;

private:
    std::shared_ptr<WindowLog> m_log;
    bool m_hasHandle;
    int m_styleId;
};
}
