#pragma once
// What a drag of an instrument from a statistics grid carries, under the source name
// "SessionStatistics". The overall bar's alert arguments travel in the shared argument format.

#include <QString>

#include <memory>

class QMimeData;

namespace StatisticsDragData
{
inline const QString kAssetFormat = QStringLiteral("application/x-quorvanta-dataseries-asset");

std::unique_ptr<QMimeData> Asset(const QString& assetName);
}
