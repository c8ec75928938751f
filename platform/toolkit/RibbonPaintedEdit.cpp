#include "platform/toolkit/RibbonPaintedEdit.h"

#include "platform/toolkit/RibbonEditControl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

RibbonPaintedEdit::RibbonPaintedEdit(RibbonEditControl& control, QWidget* parent)
    : QWidget(parent)
    , m_control(&control)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void RibbonPaintedEdit::paintEvent(QPaintEvent*)
{
    if (!m_control || !m_control->GetCustomPainter())
        return;
    QPainter painter(this);
    m_control->GetCustomPainter()->Draw(painter, *m_control, rect());
}

void RibbonPaintedEdit::mouseMoveEvent(QMouseEvent* event)
{
    if (m_control)
    {
        m_control->SetMousePosition(event->position().toPoint());
        setCursor(m_control->MouseOverTrackArea() && m_control->GetEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    update();
}

void RibbonPaintedEdit::leaveEvent(QEvent*)
{
    if (m_control)
        m_control->SetMousePosition(std::nullopt);
    update();
}

void RibbonPaintedEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_control && m_control->GetEnabled() && m_control->MouseOverTrackArea())
        StartTyping();
}

void RibbonPaintedEdit::StartTyping()
{
    if (m_typing)
        return;
    m_typing = new QLineEdit(this);
    m_typing->setText(m_control->GetEditText());
    m_typing->setGeometry(m_control->GetMouseTrackArea().intersected(rect()).adjusted(0, 1, 40, -1));
    m_typing->installEventFilter(this);
    connect(m_typing, &QLineEdit::returnPressed, this, [this] { StopTyping(true); });
    m_control->SetFocused(true);
    m_typing->show();
    m_typing->setFocus();
    m_typing->selectAll();
}

void RibbonPaintedEdit::StopTyping(bool commit)
{
    if (!m_typing)
        return;
    QLineEdit* typing = m_typing;
    m_typing = nullptr;
    typing->removeEventFilter(this);
    typing->hide();
    typing->deleteLater();
    if (!m_control)
        return;
    m_control->SetFocused(false);
    if (commit)
        m_control->CommitText(typing->text());
    update();
}

bool RibbonPaintedEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_typing)
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        {
            StopTyping(false);
            return true;
        }
        if (event->type() == QEvent::FocusOut)
            StopTyping(m_control && m_typing && m_typing->text() != m_control->GetEditText());
    }
    return QWidget::eventFilter(watched, event);
}
