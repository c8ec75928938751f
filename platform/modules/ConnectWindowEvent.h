#pragma once
// The request to a quote table to take a module window among those that follow its selected
// instrument (kConnect) or to let it go (kDisconnect). The ribbon posts it to the table's
// widget; the window travels as a guarded pointer, so a window closed before the event arrives
// is neither connected nor touched. Main thread only.

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <cstdint>

class ConnectWindowEvent : public QEvent
{
public:
    static constexpr std::uint32_t kConnect = 0x8004;
    static constexpr std::uint32_t kDisconnect = 0x8005;

    // One registered type for the whole process.
    static QEvent::Type EventType();
    // The value that names a window in the connection messages and in ConnectedWindowData.
    static int WindowIdOf(QWidget* window);

    ConnectWindowEvent(std::uint32_t message, int windowId, QWidget* window);

    std::uint32_t Message() const { return m_message; }
    int WindowId() const { return m_windowId; }
    QWidget* Window() const { return m_window.data(); }

private:
    std::uint32_t m_message;
    int m_windowId;
    QPointer<QWidget> m_window;
};
