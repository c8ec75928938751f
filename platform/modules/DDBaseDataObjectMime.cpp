#include "platform/modules/DDBaseDataObjectMime.h"

#include <QDrag>
#include <QMimeData>
#include <QStringList>
#include <QWidget>

namespace DDBaseDataObjectMime
{
std::unique_ptr<QMimeData> Pack(const DDBaseDataObject& object)
{
    if (!object.HasAlertArg())
        return nullptr;
    const AlertExprArgDesc& argument = object.GetAlertArgDescription();
    auto data = std::make_unique<QMimeData>();
    const QStringList lines = {argument.GetSourceModuleName(), QString::number(argument.GetBaseArgumentSourceID()),
                               argument.GetArgumentName(), argument.GetArgumentDescription(), argument.GetInstrument()};
    data->setData(kAlertArgFormat, lines.join(QLatin1Char('\n')).toUtf8());
    data->setText(argument.GetArgumentName() + QLatin1Char(' ') + argument.GetArgumentDescription());
    return data;
}

void RunDrag(QWidget& source, const DDBaseDataObject& object)
{
    std::unique_ptr<QMimeData> data = Pack(object);
    if (!data)
        return;
    source.window()->raise();
    source.window()->activateWindow();
    auto* drag = new QDrag(&source);
    drag->setMimeData(data.release());
    drag->exec(Qt::CopyAction);
}

std::optional<DDBaseDataObject> Unpack(const QMimeData* data)
{
    if (!data || !data->hasFormat(kAlertArgFormat))
        return std::nullopt;
    const QStringList parts = QString::fromUtf8(data->data(kAlertArgFormat)).split(QLatin1Char('\n'));
    // A fifth line names the instrument; four lines are an argument about no instrument.
    if ((parts.size() != 4 && parts.size() != 5) || parts[0].isEmpty())
        return std::nullopt;
    bool ok = false;
    const std::uint32_t id = parts[1].toUInt(&ok);
    if (!ok)
        return std::nullopt;
    DDBaseDataObject object;
    object.SetupAlertArg(AlertExprArgDesc(parts[0], id, parts[2], parts[3], parts.value(4)));
    return object;
}
}
