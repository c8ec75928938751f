#pragma once
// The id of a group of instruments (an index, a market segment) that a window can hold as a whole.

#include <QString>

#include <compare>

struct AssetsGroupId
{
    QString id;

    friend bool operator==(const AssetsGroupId& a, const AssetsGroupId& b) = default;
    friend std::strong_ordering operator<=>(const AssetsGroupId& a, const AssetsGroupId& b)
    {
        const int result = QString::compare(a.id, b.id);
        return result < 0 ? std::strong_ordering::less : result > 0 ? std::strong_ordering::greater : std::strong_ordering::equal;
    }
};
