#include "platform/modules/DDBaseDataObjectMime.h"

#include <QMimeData>
#include <QStringList>

namespace DDBaseDataObjectMime
{
std::unique_ptr<QMimeData> Pack(const DDBaseDataObject& object)
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

std::optional<DDBaseDataObject> Unpack(const QMimeData* data)
{
    if (!data || !data->hasFormat(kAlertArgFormat))
        return std::nullopt;
    const QStringList parts = QString::fromUtf8(data->data(kAlertArgFormat)).split(QLatin1Char('\n'));
    if (parts.size() != 4 || parts[0].isEmpty())
        return std::nullopt;
    bool ok = false;
    const std::uint32_t id = parts[1].toUInt(&ok);
    if (!ok)
        return std::nullopt;
    DDBaseDataObject object;
    object.SetupAlertArg(parts[0], id, parts[2], parts[3]);
    return object;
}
}
