#include "platform/ui/PopupWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>

PopupWindow::PopupWindow(QWidget* owner, Behaviour behaviour)
    : QWidget(owner, behaviour == Behaviour::Grabbing
                         ? Qt::Popup | Qt::FramelessWindowHint
                         : Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , Wnd(this)
{
    if (behaviour == Behaviour::Passive)
        setAttribute(Qt::WA_ShowWithoutActivating);
}

void PopupWindow::ShowAtAnchor(const QRect& anchor)
{
    const QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    const QSize size = sizeHint().expandedTo(minimumSize()).expandedTo(this->size());
    const QRect workArea = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size);
    move(PlaceAtAnchor(anchor, size, workArea));
    resize(size);
    show();
    raise();
}

void PopupWindow::CloseAfter(int milliseconds)
{
    QTimer::singleShot(milliseconds, this, &QWidget::close);
}

QPoint PopupWindow::PlaceAtAnchor(const QRect& anchor, const QSize& size, const QRect& workArea)
{
    // Edges past the last pixel, as the placement rule compares them.
    const int anchorRight = anchor.x() + anchor.width();
    const int anchorBottom = anchor.y() + anchor.height();
    const int areaRight = workArea.x() + workArea.width();
    const int areaBottom = workArea.y() + workArea.height();
    const int x = anchor.x() + size.width() < areaRight ? anchor.x() : anchorRight - size.width();
    const int y = anchorBottom + size.height() < areaBottom ? anchorBottom : anchor.y() - size.height();
    return {std::max(x, workArea.x()), std::max(y, workArea.y())};
}

void PopupWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key())
    {
    case Qt::Key_Escape:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Menu:
        event->accept();
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PopupWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    emit popupShown(frameGeometry());
}

void PopupWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit popupClosed();
}
