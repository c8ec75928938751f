#include "workspace/ui/NoteCtrl.h"

#include "workspace/ui/ITextReceiver.h"

#include <QKeyEvent>

NoteCtrl::NoteCtrl()
{
    setFrame(false);
    hide();
}

bool NoteCtrl::ShowNote(const QPoint& point, const QString& caption, const QRect& rect, bool editMode,
                        ITextReceiver* receiver, QWidget* parent)
{
    if (parent == nullptr)
        return false;
    if (parentWidget() != parent)
        setParent(parent);
    m_receiver = receiver;
    setReadOnly(!editMode);
    setText(caption);
    setGeometry(rect.isValid() ? rect : QRect(point, QSize(120, fontMetrics().height() + 4)));
    show();
    raise();
    selectAll();
    setFocus(Qt::OtherFocusReason);
    return true;
}

void NoteCtrl::HideNote()
{
    m_receiver = nullptr;
    hide();
}

void NoteCtrl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key())
    {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Finish(true);
        return;
    case Qt::Key_Escape:
        Finish(false);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void NoteCtrl::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A click elsewhere takes the name as typed, as leaving a caption editor does.
    if (isVisible())
        Finish(true);
}

void NoteCtrl::Finish(bool accepted)
{
    // Hiding moves the focus away, which would finish a second time.
    if (m_finishing)
        return;
    m_finishing = true;
    ITextReceiver* receiver = m_receiver;
    const QString typed = text();
    m_receiver = nullptr;
    hide();
    if (receiver && !isReadOnly())
    {
        const bool valid = accepted && receiver->ValidateText(typed);
        receiver->ReceiveText(typed, valid);
    }
    m_finishing = false;
}
