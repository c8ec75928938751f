#include "platform/base/SafeAutoLock.h"
#include "platform/base/SafeCriticalSection.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>
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

TEST(SafeCriticalSectionTest, AnotherThreadNeverSeesOneSitesFunctionWithAnothersFile)
{
    SafeCriticalSection section(QStringLiteral("Test::sites"));
    std::atomic<bool> done = false;
    std::vector<std::thread> holders;
    for (const auto& [function, file] : {std::pair("First", "First.cpp"), std::pair("Second", "Second.cpp")})
    {
        holders.emplace_back([&section, &done, function, file] {
            while (!done.load())
            {
                const SafeAutoLock outer(section, function, file);
                const SafeAutoLock inner(section, "Inner", "Inner.cpp");
            }
        });
    }
    int mismatched = 0;
    for (int i = 0; i < 200000; ++i)
    {
        const std::string seen = HolderText(section);
        if (seen != "free" && seen != "First in First.cpp" && seen != "Second in Second.cpp"
            && seen != "Inner in Inner.cpp")
            ++mismatched;
    }
    done = true;
    for (std::thread& thread : holders)
        thread.join();
    EXPECT_EQ(mismatched, 0);
    EXPECT_EQ(HolderText(section), "free");
}
