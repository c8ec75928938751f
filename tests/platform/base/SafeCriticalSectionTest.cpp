#include "platform/base/SafeAutoLock.h"
#include "platform/base/SafeCriticalSection.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace
{
std::string HolderText(const SafeCriticalSection& section)
{
    const SafeCriticalSection::Holder holder = section.CurrentHolder();
    if (!holder.function)
        return "free";
    return std::string(holder.function) + " in " + holder.file;
}
}

TEST(SafeCriticalSectionTest, ReentersOnItsThreadAndTellsEveryThreadTheInnermostHolder)
{
    SafeCriticalSection section(QStringLiteral("Test::section"));
    EXPECT_EQ(section.Name(), QStringLiteral("Test::section"));
    EXPECT_EQ(HolderText(section), "free");
    {
        const SafeAutoLock outer(section, "Outer", "Outer.cpp");
        {
            const SafeAutoLock inner(section, "Inner", "Inner.cpp");
            EXPECT_EQ(HolderText(section), "Inner in Inner.cpp");
        }
        std::string seenElsewhere;
        std::thread([&] { seenElsewhere = HolderText(section); }).join();
        EXPECT_EQ(seenElsewhere, "Outer in Outer.cpp");
    }
    EXPECT_EQ(HolderText(section), "free");
}

TEST(SafeCriticalSectionTest, ContendingThreadsNeverLoseAnUpdate)
{
    constexpr int kThreads = 8;
    constexpr int kIncrements = 20000;
    SafeCriticalSection section(QStringLiteral("Test::counter"));
    long counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
    {
        threads.emplace_back([&] {
            for (int i = 0; i < kIncrements; ++i)
            {
                const SafeAutoLock outer(section, "Increment", "Test");
                const SafeAutoLock inner(section, "IncrementInner", "Test");
                ++counter;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(counter, long(kThreads) * kIncrements);
    EXPECT_EQ(HolderText(section), "free");
}
