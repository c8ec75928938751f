#include "sessionstats/ui/StatisticsDragData.h"

#include "platform/modules/DDBaseDataObject.h"

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

std::unique_ptr<QMimeData> AlertArgument(const DDBaseDataObject& object)
{
    const AlertExprArgDesc& argument = object.GetAlertArgDescription();
    auto data = std::make_unique<QMimeData>();
    data->setData(kAlertArgFormat, QStringLiteral("%1\n%2\n%3\n%4")
                                       .arg(argument.GetSourceModuleName())
                                       .arg(argument.GetBaseArgumentSourceID())
                                       .arg(argument.GetArgumentName(), argument.GetArgumentDescription())
                                       .toUtf8());
    data->setText(argument.GetArgumentName() + QLatin1Char(' ') + argument.GetArgumentDescription());
    return data;
}
}
