#include "TestSettingsGroup.h"

#include "core/settings/GeneralSettingsManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<unsigned> Walk(const GeneralSettingsManager& manager)
{
    std::vector<unsigned> ids;
    for (GeneralSettingsManager::CConstIterator it(manager); it.IsNotEnd(); it.Next())
    {
        EXPECT_EQ(it.Value()->GetGroupId(), it.Key());
        ids.push_back(it.Key());
    }
    return ids;
}
}

TEST(GeneralSettingsManagerTest, GroupsAreWalkedInAscendingIdOrder)
{
    GeneralSettingsManager manager;
    for (unsigned id : {11u, 0u, 10u, 3u})
        EXPECT_TRUE(manager.AddGroup(std::make_shared<TestSettingsGroup>(id)));
    EXPECT_EQ(Walk(manager), (std::vector<unsigned>{0, 3, 10, 11}));
}

TEST(GeneralSettingsManagerTest, FirstGroupOfAnIdStays)
{
    GeneralSettingsManager manager;
    auto first = std::make_shared<TestSettingsGroup>(3);
    auto again = std::make_shared<TestSettingsGroup>(3);
    EXPECT_TRUE(manager.AddGroup(first));
    EXPECT_FALSE(manager.AddGroup(again));
    EXPECT_FALSE(manager.AddGroup(nullptr));

    GeneralSettingsManager::CConstIterator it(manager);
    ASSERT_TRUE(it.IsNotEnd());
    EXPECT_EQ(it.Value(), first);
    it.Next();
    EXPECT_TRUE(it.IsEnd());
    EXPECT_EQ(again.use_count(), 1) << "the dropped group is not kept";
}

TEST(GeneralSettingsManagerTest, EmptyManagerGivesAnEmptyWalk)
{
    GeneralSettingsManager manager;
    GeneralSettingsManager::CConstIterator it(manager);
    EXPECT_TRUE(it.IsEnd());
    it.First();
    EXPECT_TRUE(it.IsEnd());
}

TEST(GeneralSettingsManagerTest, CopiedIteratorWalksOnItsOwn)
{
    GeneralSettingsManager manager;
    for (unsigned id : {0u, 10u})
        manager.AddGroup(std::make_shared<TestSettingsGroup>(id));
    GeneralSettingsManager::CConstIterator it(manager);
    GeneralSettingsManager::CConstIterator copy = it;
    it.Next();
    EXPECT_EQ(it.Key(), 10u);
    EXPECT_EQ(copy.Key(), 0u);
}
