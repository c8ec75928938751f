#include "platform/base/Size.h"

#include "platform/base/TextHelper.h"

QString Size::ToString() const
{
    return QStringLiteral("%1,%2").arg(cx).arg(cy);
}

std::optional<Size> Size::FromString(const QString& text)
{
    const auto values = TextHelper::ToIntList(text, 2);
    if (!values)
        return std::nullopt;
    return Size{(*values)[0], (*values)[1]};
}
