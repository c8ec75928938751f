#include "AlertsFakes.h"

#include "alerts/engine/GeneratedAlertsSoundThread.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
QString File(unsigned side)
{
    return side == 1 ? QStringLiteral("buy.wav") : QStringLiteral("sell.wav");
}
}

TEST(GeneratedAlertsSoundThreadTest, RequestsDuringASoundAreNotQueuedButTheNewestOneFollows)
{
    auto player = std::make_shared<FakeSoundPlayer>();
    GeneratedAlertsSoundThread sounds(player, &File);
    player->Hold();
    sounds.Play(1);
    ASSERT_TRUE(player->WaitForStarted(1));
    // From two threads, as the worker and the main thread both ask for sounds.
    std::thread([&sounds] { sounds.Play(1); }).join();
    sounds.Play(0);
    player->Release();
    ASSERT_TRUE(player->WaitForPlayed(2));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(player->Played(), (QStringList{QStringLiteral("buy.wav"), QStringLiteral("sell.wav")}));

    // Idle again: the next request plays at once; stopping ends a long sound.
    player->Hold();
    sounds.Play(1);
    ASSERT_TRUE(player->WaitForStarted(3));
    const auto start = std::chrono::steady_clock::now();
    sounds.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(sounds.IsRunning());
    // A stopped thread starts again on the next request.
    sounds.Play(0);
    EXPECT_TRUE(player->WaitForPlayed(4));
}
