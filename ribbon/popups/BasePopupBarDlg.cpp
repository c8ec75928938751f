#include "ribbon/popups/BasePopupBarDlg.h"

#include "ribbon/popups/PopupBarBackground.h"

#include <QChildEvent>
#include <QPainter>

BasePopupBarDlg::BasePopupBarDlg(QWidget* parent)
    : QWidget(parent)
{
}

QRect BasePopupBarDlg::ChildGradientRect(const QWidget* child) const
{
    if (child == nullptr || child->parentWidget() != this)
        return {};
    const QPoint dialogTop = child->mapFrom(this, QPoint(0, 0));
    return {0, dialogTop.y(), child->width(), height()};
}

bool BasePopupBarDlg::DrawChildBackground(QWidget* child, QPainter& painter)
{
    const QRect band = ChildGradientRect(child);
    if (band.isEmpty())
        return false;
    DrawPopupBarBackground(band, painter);
    return true;
}

bool BasePopupBarDlg::event(QEvent* event)
{
    // Children that fill their own background get the dialog's band before they paint.
    if (event->type() == QEvent::ChildAdded)
    {
        // The child may still be under construction: only its QObject part is safe to use.
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
            child->installEventFilter(this);
    }
    else if (event->type() == QEvent::ChildRemoved)
    {
        if (QObject* child = static_cast<QChildEvent*>(event)->child())
            child->removeEventFilter(this);
    }
    return QWidget::event(event);
}

bool BasePopupBarDlg::eventFilter(QObject* watched, QEvent* event)
{
    auto* child = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && child && child->autoFillBackground())
    {
        QPainter painter(child);
        DrawChildBackground(child, painter);
    }
    return QWidget::eventFilter(watched, event);
}

void BasePopupBarDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawPopupBarBackground(rect(), painter);
}
