#include "alerts/ui/AssociatedAlertComboBox.h"

#include <QKeyEvent>

void AssociatedAlertComboBox::SelectByText(const QString& text)
{
    const int index = findText(text, Qt::MatchExactly);
    setCurrentIndex(index >= 0 ? index : (count() > 0 ? 0 : -1));
}

bool AssociatedAlertComboBox::IsPassedKey(int key)
{
    switch (key)
    {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

void AssociatedAlertComboBox::keyPressEvent(QKeyEvent* event)
{
    if (IsPassedKey(event->key()))
        QComboBox::keyPressEvent(event);
    else
        event->accept();
}

void AssociatedAlertComboBox::keyReleaseEvent(QKeyEvent* event)
{
    if (IsPassedKey(event->key()))
        QComboBox::keyReleaseEvent(event);
    else
        event->accept();
}
