#include "sessionstats/ui/StatisticsDragData.h"

#include <QMimeData>

namespace
{
const QString kSource = QStringLiteral("SessionStatistics");
}

namespace StatisticsDragData
{
std::unique_ptr<QMimeData> Asset(const QString& assetName)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(kAssetFormat, (kSource + QLatin1Char('\n') + assetName).toUtf8());
    data->setText(assetName);
    return data;
}
}
