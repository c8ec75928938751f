#include "modulelibs/chart/ChartFeed.h"

#include <QCoreApplication>
#include <QObject>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace
{

// The drains are queued calls, so the test needs an event loop of its own.
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

Transaction Numbered(std::uint64_t id)
{
    Transaction transaction;
    transaction.id = id;
    transaction.price = 100.0 + static_cast<double>(id % 7);
    transaction.volume = 1.0;
    return transaction;
}

// Two provider threads deliver while the main thread drains: every transaction arrives once, in
// each thread's order, and drains run only on the target's thread.
TEST(ChartFeedTest, TransactionsFromProviderThreadsReachTheMainThreadOnceInOrder)
{
    EnsureApplication();
    constexpr std::uint64_t kPerThread = 20000;
    QObject target;
    std::vector<Transaction> received;
    std::atomic<bool> drainedElsewhere = false;
    const std::thread::id mainThread = std::this_thread::get_id();
    ChartFeed feed(&target, [&](std::vector<Transaction> transactions) {
        if (std::this_thread::get_id() != mainThread)
            drainedElsewhere = true;
        received.insert(received.end(), transactions.begin(), transactions.end());
    });

    std::atomic<int> running = 2;
    auto deliver = [&](std::uint64_t first) {
        for (std::uint64_t id = first; id < first + kPerThread; ++id)
            feed.OnTransaction(Asset(), Numbered(id));
        --running;
    };
    std::thread one(deliver, 0);
    std::thread two(deliver, kPerThread);
    while (running.load() > 0)
        QCoreApplication::processEvents();
    one.join();
    two.join();
    QCoreApplication::processEvents();

    EXPECT_FALSE(drainedElsewhere.load());
    ASSERT_EQ(received.size(), 2 * kPerThread);
    std::uint64_t lastOfOne = 0;
    std::uint64_t lastOfTwo = kPerThread;
    std::vector<bool> seen(2 * kPerThread, false);
    for (const Transaction& transaction : received)
    {
        ASSERT_FALSE(seen[transaction.id]);
        seen[transaction.id] = true;
        std::uint64_t& last = transaction.id < kPerThread ? lastOfOne : lastOfTwo;
        EXPECT_GE(transaction.id, last);
        last = transaction.id;
    }
}

// Stopping drops what waited: a chart that starts again does not receive the old ticks.
TEST(ChartFeedTest, StopDropsWaitingTransactionsAndAnotherDeliveryPostsAgain)
{
    EnsureApplication();
    QObject target;
    int drained = 0;
    ChartFeed feed(&target, [&](std::vector<Transaction> transactions) { drained += static_cast<int>(transactions.size()); });
    std::thread provider([&] { feed.OnTransaction(Asset(), Numbered(1)); });
    provider.join();
    feed.Stop();
    QCoreApplication::processEvents();
    EXPECT_EQ(drained, 0);

    std::thread again([&] { feed.OnTransaction(Asset(), Numbered(2)); });
    again.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(drained, 1);
}

}
