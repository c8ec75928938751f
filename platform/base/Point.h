#pragma once
// A point in device units, as the window and drawing code of the program passes it around.

#include <QPoint>

struct Point
{
    int x = 0;
    int y = 0;

    QPoint ToQPoint() const { return QPoint(x, y); }
    static Point FromQPoint(const QPoint& point) { return Point{point.x(), point.y()}; }

    friend bool operator==(const Point&, const Point&) = default;
};
