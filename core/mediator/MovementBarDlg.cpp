#include "core/mediator/MovementBarDlg.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

MovementBarDlg::MovementBarDlg(QWidget* owner, Services services)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , Wnd(this)
    , m_owner(owner)
    , m_services(std::move(services))
{
    if (!m_services.setOpacity)
        m_services.setOpacity = [this](double opacity) { setWindowOpacity(opacity); };
    if (!m_services.cursorPos)
        m_services.cursorPos = [] { return QCursor::pos(); };
    if (!m_services.leftButtonDown)
        m_services.leftButtonDown = [] { return QApplication::mouseButtons().testFlag(Qt::LeftButton); };
    setObjectName(QStringLiteral("MovementBarDlg"));
    setCursor(Qt::SizeAllCursor);
    setMouseTracking(true);
    SetAlpha(0);
    SetTimer(kFadeTimer, 50);
}

void MovementBarDlg::SetAlpha(int alpha)
{
    m_alpha = std::clamp(alpha, 0, 255);
    m_services.setOpacity(m_alpha / 255.0);
}

void MovementBarDlg::PlaceAbove(const QRect& topRow)
{
    // Not attached while placing, or the move would drag the popup along.
    m_attached = false;
    m_dragging = false;
    setGeometry(topRow.left(), topRow.top() - kHeight, topRow.width(), kHeight);
    m_attached = true;
}

void MovementBarDlg::OnTimer(std::uint32_t id)
{
    if (id != kFadeTimer || !isVisible())
        return;
    const bool inside = geometry().contains(m_services.cursorPos());
    SetAlpha(inside ? std::min(m_alpha + kAlphaStep, kMaxAlpha) : std::max(m_alpha - kAlphaStep, 0));
    if (isActiveWindow() && !m_services.leftButtonDown())
        GiveFocusToOwner();
}

void MovementBarDlg::GiveFocusToOwner()
{
    if (!m_owner)
        return;
    m_owner->activateWindow();
    m_owner->setFocus(Qt::OtherFocusReason);
}

void MovementBarDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, palette().color(QPalette::Highlight).lighter(160));
    gradient.setColorAt(1, palette().color(QPalette::Highlight));
    painter.fillRect(rect(), gradient);
}

void MovementBarDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_lastCursor = m_services.cursorPos();
    m_dragging = true;
    grabMouse();
}

void MovementBarDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (!event->buttons().testFlag(Qt::LeftButton))
    {
        if (m_dragging)
            releaseMouse();
        m_dragging = false;
        return;
    }
    if (!m_dragging)
        return;
    const QPoint cursor = m_services.cursorPos();
    move(pos() + (cursor - m_lastCursor));
    m_lastCursor = cursor;
}

void MovementBarDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    releaseMouse();
    m_dragging = false;
    GiveFocusToOwner();
}

void MovementBarDlg::mouseDoubleClickEvent(QMouseEvent*)
{
}

void MovementBarDlg::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (m_attached && m_owner)
        m_owner->move(x(), y() + kHeight);
}

void MovementBarDlg::keyPressEvent(QKeyEvent* event)
{
    const bool ok = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!ok && event->key() != Qt::Key_Escape)
    {
        QWidget::keyPressEvent(event);
        return;
    }
    m_dragging = false;
    const std::function<void()>& answer = ok ? m_services.ok : m_services.cancel;
    if (answer)
        answer();
}
