#include "platform/toolkit/TableCellText.h"

#include <QFontMetrics>
#include <QPainter>

namespace TableCellText
{
Qt::Alignment FromRowAlignment(int alignment)
{
    switch (alignment)
    {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QString Draw(QPainter& painter, const QRect& cell, const QString& text, Qt::Alignment alignment, int margin)
{
    const QRect inner = cell.adjusted(margin, 0, -margin, 0);
    if (inner.width() <= 0 || text.isEmpty())
        return {};
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, inner.width());
    painter.drawText(inner, static_cast<int>(alignment | Qt::AlignVCenter | Qt::TextSingleLine), shown);
    return shown;
}
}
