#include "platform/ui/QtMenuTracker.h"

QAction* QtMenuTracker::Exec(QMenu& menu, const QPoint& screenPos)
{
    return menu.exec(screenPos);
}
