#include "platform/ui/RegisteredMessages.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

TEST(RegisteredMessagesTest, EachNameHasOneIdForTheRun)
{
    const std::uint32_t updateRibbon = RegisteredMessages::Register(QStringLiteral("PulpitFrame_UpdateRibbon_message"));
    const std::uint32_t refresh = RegisteredMessages::Register(QStringLiteral("PulpitFrame_RefreshNotifyButtons_message"));

    EXPECT_GE(updateRibbon, RegisteredMessages::kFirstId);
    EXPECT_LE(updateRibbon, RegisteredMessages::kLastId);
    EXPECT_NE(updateRibbon, refresh);
    EXPECT_EQ(RegisteredMessages::Register(QStringLiteral("PulpitFrame_UpdateRibbon_message")), updateRibbon);
    EXPECT_EQ(RegisteredMessages::Name(refresh), QStringLiteral("PulpitFrame_RefreshNotifyButtons_message"));
    EXPECT_EQ(RegisteredMessages::Register(QString()), 0u);
    EXPECT_TRUE(RegisteredMessages::Name(1).isEmpty());
}

TEST(RegisteredMessagesTest, ThreadsRegisteringTheSameNamesAgree)
{
    constexpr int kThreads = 8;
    constexpr int kNames = 50;
    std::vector<std::vector<std::uint32_t>> seen(kThreads, std::vector<std::uint32_t>(kNames));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
    {
        threads.emplace_back([t, &seen] {
            // Each thread starts at another name.
            for (int i = 0; i < kNames; ++i)
            {
                const int name = (i + t * 7) % kNames;
                seen[t][name] = RegisteredMessages::Register(QStringLiteral("Dostawca%1").arg(name));
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();

    std::set<std::uint32_t> distinct;
    for (int name = 0; name < kNames; ++name)
    {
        for (int t = 1; t < kThreads; ++t)
            EXPECT_EQ(seen[t][name], seen[0][name]) << "name " << name;
        distinct.insert(seen[0][name]);
    }
    EXPECT_EQ(distinct.size(), std::size_t{kNames});
}
