#pragma once
// A dragged alert argument on its way between windows: the drag source packs the payload into
// the drag's data, and the alert editor unpacks it on the drop. One format for every source.

#include "platform/modules/DDBaseDataObject.h"

#include <QString>

#include <memory>
#include <optional>

class QMimeData;

namespace DDBaseDataObjectMime
{
inline const QString kAlertArgFormat = QStringLiteral("application/x-quorvanta-alert-argument");

// The argument with its source, id, name and description; the text is what a plain drop target sees.
std::unique_ptr<QMimeData> Pack(const DDBaseDataObject& object);
// None when the data carries no alert argument or a malformed one.
std::optional<DDBaseDataObject> Unpack(const QMimeData* data);
}
