#pragma once
// The Qt event that carries a posted window message to the window's owner thread.

#include "platform/ui/WindowMessage.h"

#include <QEvent>

class WindowMessageEvent : public QEvent
{
public:
    explicit WindowMessageEvent(WindowMessage message);

    static QEvent::Type EventType();

    const WindowMessage& Message() const { return m_message; }

private:
    WindowMessage m_message;
};
