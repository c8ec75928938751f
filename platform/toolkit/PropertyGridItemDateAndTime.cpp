#include "platform/toolkit/PropertyGridItemDateAndTime.h"

#include "platform/toolkit/PropertyGridStrings.h"

PropertyGridItemDateAndTime::PropertyGridItemDateAndTime(QString caption, const OleDate& value)
    : PropertyGridItemDate(std::move(caption), value)
{
    RefreshText();
}

QStringList PropertyGridItemDateAndTime::AcceptedFormats() const
{
    return {QStringLiteral("yyyy-MM-dd HH:mm:ss"), QStringLiteral("yyyy-MM-dd HH:mm")};
}

OleDate PropertyGridItemDateAndTime::ValueOf(const QDateTime& value) const
{
    return OleDate::FromQDateTime(value);
}

std::uint32_t PropertyGridItemDateAndTime::BadTextMessage() const
{
    return PropertyGridStrings::kBadDateTime;
}
