#include "platform/base/ThreadSafeQueue.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

TEST(ThreadSafeQueueTest, TakesItemsOutInArrivalOrder)
{
    ThreadSafeQueue<std::unique_ptr<int>> queue;
    EXPECT_TRUE(queue.Empty());
    EXPECT_FALSE(queue.PopFront().has_value());
    for (int i = 1; i <= 3; ++i)
        queue.PushBack(std::make_unique<int>(i));
    EXPECT_EQ(queue.Size(), 3u);
    EXPECT_EQ(**queue.PopFront(), 1);
    EXPECT_EQ(**queue.PopFront(), 2);
    queue.Clear();
    EXPECT_TRUE(queue.Empty());
    EXPECT_FALSE(queue.PopFront().has_value());
}

TEST(ThreadSafeQueueTest, ConcurrentProducersAndConsumerLoseNothing)
{
    constexpr int kProducers = 4;
    constexpr int kItems = 5000;
    ThreadSafeQueue<int> queue;
    std::vector<std::thread> producers;
    for (int p = 0; p < kProducers; ++p)
    {
        producers.emplace_back([&queue, p] {
            for (int i = 0; i < kItems; ++i)
                queue.PushBack(p * kItems + i);
        });
    }
    std::vector<int> lastOfProducer(kProducers, -1);
    int taken = 0;
    bool ordered = true;
    while (taken < kProducers * kItems)
    {
        const std::optional<int> item = queue.PopFront();
        if (!item)
        {
            std::this_thread::yield();
            continue;
        }
        const int producer = *item / kItems;
        ordered = ordered && *item % kItems == lastOfProducer[producer] + 1;
        lastOfProducer[producer] = *item % kItems;
        ++taken;
    }
    for (std::thread& producer : producers)
        producer.join();
    EXPECT_TRUE(ordered);
    EXPECT_TRUE(queue.Empty());
}
