#include "platform/base/Rect.h"

#include "platform/base/TextHelper.h"

#include <climits>
#include <utility>

void Rect::Normalize()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

bool Rect::Contains(const Point& point) const
{
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
}

QRect Rect::ToQRect() const
{
    return QRect(QPoint(left, top), QSize(Width(), Height()));
}

Rect Rect::FromQRect(const QRect& rect)
{
    return Rect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QString Rect::ToString() const
{
    return QStringLiteral("%1,%2,%3,%4").arg(left).arg(top).arg(right).arg(bottom);
}

std::optional<Rect> Rect::FromString(const QString& text)
{
    const auto values = TextHelper::ToIntList(text, 4);
    if (!values)
        return std::nullopt;
    const Rect rect{(*values)[0], (*values)[1], (*values)[2], (*values)[3]};
    // Width and height must be computable without overflow.
    const qint64 width = qint64(rect.right) - rect.left;
    const qint64 height = qint64(rect.bottom) - rect.top;
    if (width < INT_MIN || width > INT_MAX || height < INT_MIN || height > INT_MAX)
        return std::nullopt;
    return rect;
}
