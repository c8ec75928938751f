#include "ribbon/popups/PopupBarButtonEx.h"

#include "platform/ui/Images.h"

#include <QPainter>

namespace
{
constexpr int kPadding = 2;

QPixmap Image(std::uint32_t id)
{
    return Images::Instance().Icon(id).pixmap(PopupBarButtonEx::kImageSize, PopupBarButtonEx::kImageSize);
}
}

PopupBarButtonEx::PopupBarButtonEx(std::uint32_t normalImageId, std::uint32_t hotImageId, QWidget* parent)
    : QAbstractButton(parent)
    , m_normal(Image(normalImageId))
    , m_hot(Image(hotImageId))
{
    setCursor(Qt::PointingHandCursor);
}

QSize PopupBarButtonEx::sizeHint() const
{
    return QSize(kImageSize, kImageSize) + QSize(2 * kPadding, 2 * kPadding);
}

const QPixmap& PopupBarButtonEx::CurrentImage() const
{
    return m_hovered || isDown() ? m_hot : m_normal;
}

void PopupBarButtonEx::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PopupBarButtonEx::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void PopupBarButtonEx::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& image = CurrentImage();
    const QSize size = image.deviceIndependentSize().toSize();
    painter.drawPixmap(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), image);
}
