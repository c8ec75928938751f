#include "workspace/engine/TabMoveRules.h"

bool TabMoveRules::CanMoveTowardsStart(std::optional<int> hitIndex)
{
    return !hitIndex || *hitIndex > 0;
}

bool TabMoveRules::CanMoveTowardsEnd(std::optional<int> hitIndex, int count, bool hasNewTab)
{
    if (!hitIndex || count <= 0)
        return true;
    const std::optional<int> limit = TowardsEndLimit(count, hasNewTab);
    return limit && *hitIndex < *limit;
}

std::optional<int> TabMoveRules::TowardsEndLimit(int count, bool hasNewTab)
{
    if (hasNewTab)
        return count >= 2 ? std::optional<int>(count - 2) : std::nullopt;
    return count >= 1 ? std::optional<int>(count - 1) : std::nullopt;
}
