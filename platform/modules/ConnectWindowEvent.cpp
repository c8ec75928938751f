#include "platform/modules/ConnectWindowEvent.h"

#include <QVariant>

QEvent::Type ConnectWindowEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

int ConnectWindowEvent::WindowIdOf(QWidget* window)
{
    // A number of the program's own, given on first use: asking the system for a window handle
    // would turn the window into a native one, which then covers its siblings (the frames
    // around the module windows) whatever their stacking order.
    static const char* const kIdProperty = "q4WindowId";
    static int lastId = 0;
    if (window == nullptr)
        return 0;
    const QVariant id = window->property(kIdProperty);
    if (id.isValid())
        return id.toInt();
    lastId = lastId == 0x7FFFFFFF ? 1 : lastId + 1;
    window->setProperty(kIdProperty, lastId);
    return lastId;
}

ConnectWindowEvent::ConnectWindowEvent(std::uint32_t message, int windowId, QWidget* window)
    : QEvent(EventType())
    , m_message(message)
    , m_windowId(windowId)
    , m_window(window)
{
}
