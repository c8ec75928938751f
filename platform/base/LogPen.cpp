#include "platform/base/LogPen.h"

#include <QtEndian>

#include <array>

namespace
{
constexpr std::array<Qt::PenStyle, 7> kQtStyles = {
    Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
    Qt::SolidLine,  // inside-frame pens are drawn solid
};
}

std::optional<QPen> LogPen::ToQPen() const
{
    const std::optional<QColor> color = lopnColor.ToQColor();
    if (lopnStyle >= kQtStyles.size() || !color)
        return std::nullopt;
    QPen pen(*color);
    pen.setStyle(kQtStyles[lopnStyle]);
    pen.setWidth(qMax(0, lopnWidth.x));
    return pen;
}

LogPen LogPen::FromQPen(const QPen& pen)
{
    LogPen logPen;
    switch (pen.style())
    {
    case Qt::DashLine: logPen.lopnStyle = kStyleDash; break;
    case Qt::DotLine: logPen.lopnStyle = kStyleDot; break;
    case Qt::DashDotLine: logPen.lopnStyle = kStyleDashDot; break;
    case Qt::DashDotDotLine: logPen.lopnStyle = kStyleDashDotDot; break;
    case Qt::NoPen: logPen.lopnStyle = kStyleNull; break;
    default: logPen.lopnStyle = kStyleSolid; break;
    }
    logPen.lopnWidth = Point{qRound(pen.widthF()), 0};
    logPen.lopnColor = ColorRef::FromQColor(pen.color()).value_or(ColorRef());
    return logPen;
}

QByteArray LogPen::ToBytes() const
{
    QByteArray bytes(kByteSize, '\0');
    char* data = bytes.data();
    qToLittleEndian(lopnStyle, data);
    qToLittleEndian(qint32(lopnWidth.x), data + 4);
    qToLittleEndian(qint32(lopnWidth.y), data + 8);
    qToLittleEndian(lopnColor.Value(), data + 12);
    return bytes;
}

std::optional<LogPen> LogPen::FromBytes(const QByteArray& bytes)
{
    if (bytes.size() != kByteSize)
        return std::nullopt;
    const char* data = bytes.constData();
    LogPen logPen;
    logPen.lopnStyle = qFromLittleEndian<quint32>(data);
    logPen.lopnWidth = Point{qFromLittleEndian<qint32>(data + 4), qFromLittleEndian<qint32>(data + 8)};
    logPen.lopnColor = ColorRef(qFromLittleEndian<quint32>(data + 12));
    return logPen;
}
