#include "workspace/ui/FrameEscapeFilter.h"

#include "platform/ui/Wnd.h"

#include <QApplication>
#include <QKeyEvent>

FrameEscapeFilter::FrameEscapeFilter(WndHandle frame, std::uint32_t commandId)
    : m_frame(frame)
    , m_commandId(commandId)
{
}

bool FrameEscapeFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // A key travels from the focus widget (the active window without one) up to its parents:
    // only its first delivery counts.
    QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool firstDelivery = first ? watched == first : static_cast<QWidget*>(watched)->isWindow();
    if (key->key() == Qt::Key_Escape && !key->isAutoRepeat() && firstDelivery)
        Wnd::PostMessage(m_frame, WM_COMMAND, MakeCommandWParam(m_commandId), 0);
    return false;
}
