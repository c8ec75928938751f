#pragma once
// The drop side of a dragged alert argument, shared by the windows of the alert definition
// dialog that take one: a drag carrying an argument is offered where the window says it may
// land, and the window takes the argument on the drop.

#include <functional>

class DDBaseDataObject;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QPoint;

namespace AlertArgumentDrop
{
using CanDrop = std::function<bool(const QPoint& point)>;
using OnDrop = std::function<bool(const DDBaseDataObject* object)>;

void Enter(QDragEnterEvent* event);
void Move(QDragMoveEvent* event, const CanDrop& canDrop);
void Drop(QDropEvent* event, const CanDrop& canDrop, const OnDrop& onDrop);
}
