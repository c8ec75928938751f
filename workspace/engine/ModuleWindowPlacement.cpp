#include "workspace/engine/ModuleWindowPlacement.h"

#include <algorithm>
#include <utility>

QRect ModuleWindowPlacement::OuterOf(const QRect& client) const
{
    return client.adjusted(-m_margins.border, -m_margins.border - m_margins.caption, m_margins.border,
                           m_margins.border);
}

QRect ModuleWindowPlacement::ClientOf(const QRect& outer) const
{
    return outer.adjusted(m_margins.border, m_margins.border + m_margins.caption, -m_margins.border,
                          -m_margins.border);
}

QSize ModuleWindowPlacement::OuterSizeIn(const QSize& natural, const QRect& area) const
{
    const QSize minimum = OuterOf(QRect(QPoint(0, 0), MinimumClient())).size();
    const QSize wanted = OuterOf(QRect(QPoint(0, 0), natural.expandedTo(MinimumClient()))).size();
    return wanted.boundedTo(area.size()).expandedTo(minimum.boundedTo(area.size()));
}

QRect ModuleWindowPlacement::PlaceNew(const QSize& natural, const QRect& area, const std::vector<QRect>& taken) const
{
    const QSize size = OuterSizeIn(natural, area);
    // A free spot touches the area's edge or another window's right or bottom side.
    std::vector<int> xs{area.left()};
    std::vector<int> ys{area.top()};
    for (const QRect& other : taken)
    {
        xs.push_back(other.right() + 1);
        ys.push_back(other.bottom() + 1);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    for (const int y : ys)
    {
        for (const int x : xs)
        {
            const QRect candidate(QPoint(x, y), size);
            if (!area.contains(candidate))
                continue;
            if (std::none_of(taken.begin(), taken.end(), [&](const QRect& other) { return other.intersects(candidate); }))
                return ClientOf(candidate);
        }
    }
    // No free spot: one caption lower and right per window there, starting over where a step
    // would push the window out of the area.
    const int step = m_margins.caption;
    const int roomX = area.width() - size.width();
    const int roomY = area.height() - size.height();
    const int offset = step * static_cast<int>(taken.size());
    const int dx = roomX > 0 ? offset % (roomX + 1) : 0;
    const int dy = roomY > 0 ? offset % (roomY + 1) : 0;
    return ClientOf(QRect(area.topLeft() + QPoint(dx, dy), size));
}

QRect ModuleWindowPlacement::ClampMoved(const QRect& outer, const QRect& area) const
{
    const int reach = std::min(kReachableCaption, outer.width());
    const int left = std::clamp(outer.left(), area.left() - outer.width() + reach, area.right() + 1 - reach);
    const int top = std::clamp(outer.top(), area.top(), std::max(area.top(), area.bottom() + 1 - m_margins.caption -
                                                                                  m_margins.border));
    return outer.translated(left - outer.left(), top - outer.top());
}
