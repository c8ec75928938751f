#include "platform/toolkit/PropertyGridItemTime.h"

#include "platform/toolkit/PropertyGridStrings.h"

PropertyGridItemTime::PropertyGridItemTime(QString caption, const OleDate& value, bool withSeconds)
    : PropertyGridItemDate(std::move(caption), value), m_withSeconds(withSeconds)
{
    RefreshText();
}

QStringList PropertyGridItemTime::AcceptedFormats() const
{
    if (m_withSeconds)
        return {QStringLiteral("HH:mm:ss"), QStringLiteral("HH:mm")};
    return {QStringLiteral("HH:mm"), QStringLiteral("HH:mm:ss")};
}

OleDate PropertyGridItemTime::ValueOf(const QDateTime& value) const
{
    const QDate day = GetDate().IsValid() ? GetDate().ToQDate() : OleDate().ToQDate();
    QTime time = value.time();
    if (!m_withSeconds)
        time = QTime(time.hour(), time.minute());
    return OleDate(day, time);
}

std::uint32_t PropertyGridItemTime::BadTextMessage() const
{
    return PropertyGridStrings::kBadTime;
}
