#include "platform/modules/ConnectWindowEvent.h"

QEvent::Type ConnectWindowEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

int ConnectWindowEvent::WindowIdOf(QWidget* window)
{
    return window ? static_cast<int>(window->winId() & 0x7FFFFFFF) : 0;
}

ConnectWindowEvent::ConnectWindowEvent(std::uint32_t message, int windowId, QWidget* window)
    : QEvent(EventType())
    , m_message(message)
    , m_windowId(windowId)
    , m_window(window)
{
}
