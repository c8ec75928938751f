#pragma once
// The icon that marks a cloud row in both alerts grids: a light one on a dark background (red
// below 200), a dark one otherwise.

#include <QColor>

inline constexpr int kCloudIconOnDark = 1446;
inline constexpr int kCloudIconOnLight = 1505;

inline int CloudIconId(const QColor& background)
{
    return background.red() < 200 ? kCloudIconOnDark : kCloudIconOnLight;
}
