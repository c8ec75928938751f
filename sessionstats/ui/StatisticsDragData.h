#pragma once
// What a drag from the session statistics carries: an instrument of a grid, or an alert
// argument of the overall bar, each under the source name "SessionStatistics".

#include "platform/modules/DDBaseDataObjectMime.h"

#include <QString>

#include <memory>

class DDBaseDataObject;
class QMimeData;

namespace StatisticsDragData
{
inline const QString kAssetFormat = QStringLiteral("application/x-quorvanta-dataseries-asset");
inline const QString kAlertArgFormat = DDBaseDataObjectMime::kAlertArgFormat;

std::unique_ptr<QMimeData> Asset(const QString& assetName);
std::unique_ptr<QMimeData> AlertArgument(const DDBaseDataObject& object);
}
