#include "SettingsFixture.h"
#include "TestSettingsGroup.h"

#include "core/settings/GeneralSettingsManager.h"

#include <gtest/gtest.h>

#include <map>
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

namespace
{
struct Registration
{
    bool library;
    unsigned id;
};

struct OrderCase
{
    const char* name;
    std::vector<Registration> registrations;
    std::map<unsigned, int> kept;  // id -> index of the registration whose group stays
    int refusals;                  // library groups refused, each logged
};

void PrintTo(const OrderCase& test, std::ostream* out)
{
    *out << test.name;
}

class GeneralSettingsManagerOrderTest : public SettingsFixture, public ::testing::WithParamInterface<OrderCase>
{
};

class GeneralSettingsManagerLogTest : public SettingsFixture
{
};
}

// The module libraries load before the program registers its own groups; the program's groups
// still take their ids, and a library's group under a taken id is refused and logged.
TEST_P(GeneralSettingsManagerOrderTest, TheProgramsGroupsComeFirstWhateverTheLoadOrder)
{
    const OrderCase& c = GetParam();
    GeneralSettingsManager manager;
    std::vector<std::shared_ptr<TestSettingsGroup>> groups;
    for (const Registration& registration : c.registrations)
    {
        groups.push_back(std::make_shared<TestSettingsGroup>(registration.id));
        if (registration.library)
            manager.AddLibraryGroup(groups.back());
        else
            manager.AddGroup(groups.back());
    }

    std::map<unsigned, int> kept;
    for (GeneralSettingsManager::CConstIterator it(manager); it.IsNotEnd(); it.Next())
        for (std::size_t i = 0; i < groups.size(); ++i)
            if (groups[i] == it.Value())
                kept[it.Key()] = static_cast<int>(i);
    EXPECT_EQ(kept, c.kept);
    EXPECT_EQ(LogText().count(QStringLiteral("Pominięto grupę ustawień ogólnych")), c.refusals) << LogText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralSettingsManagerOrderTest,
    ::testing::Values(
        OrderCase{"LibraryZeroAndTenBeforeTheProgram",
                  {{true, 0}, {true, 10}, {true, 12}, {false, 0}, {false, 10}},
                  {{0, 3}, {10, 4}, {12, 2}},
                  2},
        OrderCase{"LibraryAfterTheProgram", {{false, 0}, {false, 10}, {true, 10}, {true, 0}}, {{0, 0}, {10, 1}}, 2},
        OrderCase{"TwoLibrariesOneId", {{true, 12}, {true, 12}, {false, 0}}, {{0, 2}, {12, 0}}, 1},
        OrderCase{"ProgramGroupAgain", {{false, 3}, {false, 3}}, {{3, 0}}, 0}),
    [](const ::testing::TestParamInfo<OrderCase>& info) { return std::string(info.param.name); });

TEST_F(GeneralSettingsManagerLogTest, TheSameLibraryGroupOfferedAgainIsNotAFault)
{
    GeneralSettingsManager manager;
    auto group = std::make_shared<TestSettingsGroup>(12);
    EXPECT_TRUE(manager.AddLibraryGroup(group));
    EXPECT_FALSE(manager.AddLibraryGroup(group));
    EXPECT_FALSE(manager.AddLibraryGroup(nullptr));
    EXPECT_FALSE(LogText().contains(QStringLiteral("Pominięto")));
}
