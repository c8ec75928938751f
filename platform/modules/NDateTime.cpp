#include "platform/modules/NDateTime.h"

#include <QDate>

NDateTime::NDateTime(const QDateTime& dateTime)
    : m_date(OleDate::FromQDateTime(dateTime))
{
}

NDateTime::NDateTime(const OleDate& date)
    : m_date(date)
{
}

NDateTime NDateTime::Now()
{
    return NDateTime(OleDate::Now());
}

NDateTime NDateTime::GetCurrentDate()
{
    return NDateTime(OleDate(QDate::currentDate()));
}

NDateTime NDateTime::FromDayCount(double days)
{
    return NDateTime(OleDate(days));
}

QString NDateTime::FormatTime() const
{
    return IsValid() ? m_date.ToQTime().toString(QStringLiteral("HH:mm:ss")) : QString();
}

QString NDateTime::FormatDateTime2() const
{
    return IsValid() ? m_date.ToQDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}
