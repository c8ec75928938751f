#include "platform/toolkit/StatusBarPane.h"

#include <QPainter>

#include <algorithm>

namespace
{
constexpr int kTextMargin = 4;
}

StatusBarPane::StatusBarPane(std::uint32_t id, QWidget* parent)
    : QWidget(parent)
    , m_id(id)
{
}

void StatusBarPane::SetText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    if (m_width == 0)
        updateGeometry();
    update();
}

void StatusBarPane::SetWidth(int width)
{
    m_width = std::max(width, 0);
    if (m_width > 0)
        setFixedWidth(m_width);
    else
    {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
    }
    updateGeometry();
}

void StatusBarPane::SetStyle(std::uint32_t style)
{
    m_style = style;
    update();
}

void StatusBarPane::SetChild(QWidget* child)
{
    m_child = child;
    if (child == nullptr)
        return;
    child->setParent(this);
    child->setGeometry(rect());
    child->show();
}

QSize StatusBarPane::sizeHint() const
{
    const int height = fontMetrics().height() + 2;
    if (m_width > 0)
        return {m_width, height};
    // A text's ink may reach a pixel past its advance; without that pixel the text is elided.
    const QFontMetrics metrics = fontMetrics();
    const int textWidth = std::max(metrics.horizontalAdvance(m_text), metrics.boundingRect(m_text).right() + 1);
    return {textWidth + 2 * kTextMargin + 1, height};
}

void StatusBarPane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if ((m_style & kStyleNoBorders) == 0)
    {
        QColor line = palette().color(QPalette::WindowText);
        line.setAlpha(70);
        painter.setPen(line);
        painter.drawLine(0, 2, 0, height() - 3);
    }
    Draw(painter, rect());
}

void StatusBarPane::resizeEvent(QResizeEvent* event)
{
    if (m_child)
        m_child->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void StatusBarPane::Draw(QPainter& painter, const QRect& rect) const
{
    if (m_text.isEmpty())
        return;
    const QRect textRect = rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(m_text, Qt::ElideRight, textRect.width()));
}
