#include "alerts/ui/AlertArgumentDrop.h"

#include "platform/modules/DDBaseDataObjectMime.h"

#include <QDragEnterEvent>
#include <QDropEvent>

namespace AlertArgumentDrop
{
void Enter(QDragEnterEvent* event)
{
    if (DDBaseDataObjectMime::Unpack(event->mimeData()))
        event->acceptProposedAction();
}

void Move(QDragMoveEvent* event, const CanDrop& canDrop)
{
    if (DDBaseDataObjectMime::Unpack(event->mimeData()) && canDrop(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void Drop(QDropEvent* event, const CanDrop& canDrop, const OnDrop& onDrop)
{
    const std::optional<DDBaseDataObject> object = DDBaseDataObjectMime::Unpack(event->mimeData());
    if (canDrop(event->position().toPoint()) && onDrop(object ? &*object : nullptr))
        event->acceptProposedAction();
    else
        event->ignore();
}
}
