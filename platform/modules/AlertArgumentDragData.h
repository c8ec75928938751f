#pragma once
// What a drag of an alert argument carries between windows: the lines of the argument's source
// module, argument id, name and description, then its instrument (empty for an argument about
// no instrument). The first four lines are those every argument drag has carried, so a reader
// of those still reads them.

#include <QString>

#include <memory>

class DDBaseDataObject;
class QMimeData;

namespace AlertArgumentDragData
{
inline const QString kFormat = QStringLiteral("application/x-quorvanta-alert-argument");

// Null when the object carries no alert argument.
std::unique_ptr<QMimeData> ToMimeData(const DDBaseDataObject& object);
}
