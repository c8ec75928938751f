#include "workspace/engine/TabMoveRules.h"

#include <gtest/gtest.h>

TEST(TabMoveRulesTest, TheFirstScreenNeverMovesTowardsTheStartNorTheLastTowardsTheEnd)
{
    const struct
    {
        std::optional<int> hit;
        int count;
        bool newTab;
        bool towardsStart;
        bool towardsEnd;
    } cases[] = {
        // Three screens and the new-screen tab.
        {0, 4, true, false, true},
        {1, 4, true, true, true},
        {2, 4, true, true, false},
        // The same screens without the new-screen tab.
        {2, 3, false, true, false},
        {1, 3, false, true, true},
        // One screen: it stays where it is.
        {0, 2, true, false, false},
        {0, 1, false, false, false},
        // With no tab under the mouse the moves are offered.
        {std::nullopt, 4, true, true, true},
        {std::nullopt, 0, false, true, true},
    };
    for (const auto& item : cases)
    {
        EXPECT_EQ(TabMoveRules::CanMoveTowardsStart(item.hit), item.towardsStart) << item.hit.value_or(-1);
        EXPECT_EQ(TabMoveRules::CanMoveTowardsEnd(item.hit, item.count, item.newTab), item.towardsEnd)
            << item.hit.value_or(-1) << " of " << item.count;
    }
}

TEST(TabMoveRulesTest, TheLimitTowardsTheEndLeavesTheNewScreenTabLast)
{
    EXPECT_EQ(TabMoveRules::TowardsEndLimit(4, true), 2);
    EXPECT_EQ(TabMoveRules::TowardsEndLimit(4, false), 3);
    EXPECT_EQ(TabMoveRules::TowardsEndLimit(1, true), std::nullopt);
    EXPECT_EQ(TabMoveRules::TowardsEndLimit(0, false), std::nullopt);
}
