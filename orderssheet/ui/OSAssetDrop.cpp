#include "orderssheet/ui/OSAssetDrop.h"

#include "platform/modules/DDBaseDataObjectMime.h"
#include "platform/modules/ProviderBase.h"
#include "sessionstats/ui/StatisticsDragData.h"

#include <QMimeData>

namespace OSAssetDrop
{
QString AssetName(const QMimeData* data)
{
    if (!data)
        return QString();
    // Source name, then the instrument's name.
    if (data->hasFormat(StatisticsDragData::kAssetFormat))
    {
        const QStringList lines = QString::fromUtf8(data->data(StatisticsDragData::kAssetFormat)).split(QLatin1Char('\n'));
        return lines.size() == 2 ? lines[1].trimmed() : QString();
    }
    if (const std::optional<DDBaseDataObject> object = DDBaseDataObjectMime::Unpack(data))
        return object->GetAlertArgDescription().GetInstrument();
    return QString();
}

std::optional<Asset> Find(ProviderBase* provider, const QString& name)
{
    if (!provider || name.isEmpty())
        return std::nullopt;
    const std::vector<Asset> assets = provider->GetAllAssets();
    for (const auto same : {&Asset::GetLongName, &Asset::GetShortName})
    {
        for (const Asset& asset : assets)
        {
            if ((asset.*same)() != name)
                continue;
            Asset found = asset;
            if (!found.GetProvider())
                found.SetProvider(provider);
            return found;
        }
    }
    return std::nullopt;
}
}
