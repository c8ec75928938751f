#include "platform/ui/WindowMessageEvent.h"

#include <utility>

WindowMessageEvent::WindowMessageEvent(WindowMessage message)
    : QEvent(EventType())
    , m_message(std::move(message))
{
}

QEvent::Type WindowMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}
