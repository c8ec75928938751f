#pragma once
// A dragged alert argument on its way between windows: the drag source packs the payload into
// the drag's data, and the alert editor unpacks it on the drop. One format for every source.

#include "platform/modules/DDBaseDataObject.h"

#include <QString>

#include <memory>
#include <optional>

class QMimeData;
class QWidget;

namespace DDBaseDataObjectMime
{
inline const QString kAlertArgFormat = QStringLiteral("application/x-quorvanta-alert-argument");

// The argument's lines: source, id, name, description and instrument (empty for an argument about
// no instrument); the text is what a plain drop target sees. Null when the object carries no argument.
std::unique_ptr<QMimeData> Pack(const DDBaseDataObject& object);
// Drags the object's argument out of source; nothing when it carries none. The source's main window
// comes up first, so the drop can land on its windows.
void RunDrag(QWidget& source, const DDBaseDataObject& object);
// None when the data carries no alert argument or a malformed one.
std::optional<DDBaseDataObject> Unpack(const QMimeData* data);
}
