#include "ribbon/popups/PopupBarBase.h"

#include "ribbon/RibbonLog.h"

#include <QMouseEvent>

PopupBarBase::PopupBarBase(IPopupAreaObserver& areaObserver, QWidget* owner)
    : PopupWindow(owner, Behaviour::Grabbing)
    , m_areaObserver(areaObserver)
{
    setMouseTracking(true);
}

bool PopupBarBase::ShowAtAnchor(const QRect& anchor)
{
    if (!CreatePopupWindow())
    {
        qCWarning(lcRibbon) << "PopupBarBase: the popup's window could not be made";
        return false;
    }
    PopupWindow::ShowAtAnchor(anchor);
    m_areaObserver.OnPopupAreaShown(frameGeometry());
    OnPopupShown();
    return true;
}

void PopupBarBase::OnPopupShown()
{
}

void PopupBarBase::OnMouseMoveInside(const QPoint&)
{
}

void PopupBarBase::OnButtonDownInside(Qt::MouseButton, const QPoint&)
{
}

void PopupBarBase::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (rect().contains(point))
        OnMouseMoveInside(point);
    else
        OnMouseMessageOutside(event->type());
}

void PopupBarBase::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (rect().contains(point))
        OnButtonDownInside(event->button(), point);
    else
        PopupWindow::mousePressEvent(event);
}

void PopupBarBase::hideEvent(QHideEvent* event)
{
    PopupWindow::hideEvent(event);
    m_areaObserver.OnPopupAreaClosed();
    ResetHotItem();
}
