#include "platform/modules/AlertArgumentDragData.h"

#include "platform/modules/DDBaseDataObject.h"

#include <QMimeData>

namespace AlertArgumentDragData
{
std::unique_ptr<QMimeData> ToMimeData(const DDBaseDataObject& object)
{
    if (!object.HasAlertArg())
        return nullptr;
    const AlertExprArgDesc& argument = object.GetAlertArgDescription();
    auto data = std::make_unique<QMimeData>();
    const QStringList lines = {argument.GetSourceModuleName(), QString::number(argument.GetBaseArgumentSourceID()),
                               argument.GetArgumentName(), argument.GetArgumentDescription(), argument.GetInstrument()};
    data->setData(kFormat, lines.join(QLatin1Char('\n')).toUtf8());
    data->setText(argument.GetArgumentName() + QLatin1Char(' ') + argument.GetArgumentDescription());
    return data;
}
}
