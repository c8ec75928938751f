#pragma once
// A rectangle kept as left, top, right and bottom edges, right and bottom exclusive, the way
// the window positions and layouts of the program are stored and computed.

#include "platform/base/Point.h"
#include "platform/base/Size.h"

#include <QRect>
#include <QString>

#include <optional>

struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    Size GetSize() const { return Size{Width(), Height()}; }
    Point TopLeft() const { return Point{left, top}; }
    Point BottomRight() const { return Point{right, bottom}; }

    // True when the rectangle has no area (also when its edges are swapped).
    bool IsEmpty() const { return right <= left || bottom <= top; }
    // Swaps the edges so that left <= right and top <= bottom.
    void Normalize();
    // The left and top edges are inside, the right and bottom ones outside.
    bool Contains(const Point& point) const;

    QRect ToQRect() const;
    static Rect FromQRect(const QRect& rect);

    // Text form "left,top,right,bottom" used by the settings files.
    QString ToString() const;
    static std::optional<Rect> FromString(const QString& text);

    friend bool operator==(const Rect&, const Rect&) = default;
};
