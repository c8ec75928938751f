#include "charts/ui/FormationsNumericValueEditControlPainter.h"

#include "platform/toolkit/RibbonLayout.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>

FormationsNumericValueEditControlPainter::FormationsNumericValueEditControlPainter(int valueWidth)
    : m_valueWidth(valueWidth)
{
}

QRect FormationsNumericValueEditControlPainter::ValueRect(const QRect& rect) const
{
    return QRect(rect.left() + 3, rect.top(), m_valueWidth, rect.height());
}

QRect FormationsNumericValueEditControlPainter::CaptionRect(const QRect& rect) const
{
    return QRect(rect.left() + m_valueWidth + 6, rect.top(), std::max(rect.width() - m_valueWidth - 6, 0), rect.height());
}

QString FormationsNumericValueEditControlPainter::ValueText(const RibbonEditControl& control)
{
    return control.GetEditText().isEmpty() ? QStringLiteral("-") : control.GetEditText();
}

bool FormationsNumericValueEditControlPainter::Hovered(const RibbonEditControl& control)
{
    return control.GetEnabled() && control.MouseOverTrackArea();
}

void FormationsNumericValueEditControlPainter::Draw(QPainter& painter, RibbonEditControl& control, const QRect& rect)
{
    const QPalette palette = QApplication::palette();
    const QPalette::ColorGroup group = control.GetEnabled() ? QPalette::Active : QPalette::Disabled;
    const QRect value = ValueRect(rect);
    painter.save();
    painter.setPen(palette.color(group, QPalette::WindowText));
    painter.drawText(CaptionRect(rect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     RibbonLayout::DisplayText(control.GetCaption()));
    // The value is drawn as a link: underlined while the mouse is over it.
    QFont font = painter.font();
    font.setUnderline(Hovered(control));
    painter.setFont(font);
    painter.setPen(palette.color(group, control.GetEnabled() ? QPalette::Link : QPalette::WindowText));
    painter.setClipRect(value);
    painter.drawText(value, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ValueText(control));
    painter.restore();
    control.UpdateMouseTrackArea(value);
}
