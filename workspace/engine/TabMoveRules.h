#pragma once
// Which way a screen tab may move in the tab strip. The strip's last item is the new-screen tab
// when the strip has one; it never moves and nothing moves past it. With no tab under the
// mouse the moves are offered (and then do nothing).

#include <optional>

class TabMoveRules
{
public:
    static bool CanMoveTowardsStart(std::optional<int> hitIndex);
    static bool CanMoveTowardsEnd(std::optional<int> hitIndex, int count, bool hasNewTab);
    // The index a tab must be below to move towards the end; none when no tab can.
    static std::optional<int> TowardsEndLimit(int count, bool hasNewTab);
};
