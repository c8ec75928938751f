#include "platform/base/OleDate.h"

#include <QLocale>

#include <cmath>

namespace
{
constexpr qint64 kMillisecondsPerDay = 86400000;

QDate Epoch()
{
    return QDate(1899, 12, 30);
}
}

OleDate::OleDate(double value)
    : m_value(value)
    , m_status(std::isfinite(value) && value >= kMinValue && value < kMaxValue ? Status::Valid : Status::Invalid)
{
}

OleDate::OleDate(const QDate& date, const QTime& time)
{
    if (!date.isValid() || date.year() < 100 || date.year() > 9999)
    {
        m_status = Status::Invalid;
        return;
    }
    const qint64 days = Epoch().daysTo(date);
    const double fraction = time.isValid() ? double(time.msecsSinceStartOfDay()) / kMillisecondsPerDay : 0.0;
    m_value = days >= 0 ? double(days) + fraction : double(days) - fraction;
}

OleDate OleDate::FromQDateTime(const QDateTime& dateTime)
{
    return dateTime.isValid() ? OleDate(dateTime.date(), dateTime.time()) : Invalid();
}

OleDate OleDate::Invalid()
{
    OleDate date;
    date.m_status = Status::Invalid;
    return date;
}

OleDate OleDate::Now()
{
    return FromQDateTime(QDateTime::currentDateTime());
}

void OleDate::Split(qint64& days, qint64& milliseconds) const
{
    const double whole = std::trunc(m_value);
    days = qint64(whole);
    milliseconds = std::llround(std::abs(m_value - whole) * kMillisecondsPerDay);
    // Rounding up to the next midnight moves forward in time, before the epoch as after it.
    if (milliseconds >= kMillisecondsPerDay)
    {
        milliseconds -= kMillisecondsPerDay;
        ++days;
    }
}

QDate OleDate::ToQDate() const
{
    if (!IsValid())
        return QDate();
    qint64 days = 0;
    qint64 milliseconds = 0;
    Split(days, milliseconds);
    return Epoch().addDays(days);
}

QTime OleDate::ToQTime() const
{
    if (!IsValid())
        return QTime();
    qint64 days = 0;
    qint64 milliseconds = 0;
    Split(days, milliseconds);
    return QTime::fromMSecsSinceStartOfDay(int(milliseconds));
}

QDateTime OleDate::ToQDateTime() const
{
    return IsValid() ? QDateTime(ToQDate(), ToQTime()) : QDateTime();
}

QString OleDate::ToString() const
{
    return IsValid() ? QString::number(m_value, 'g', QLocale::FloatingPointShortest) : QString();
}

OleDate OleDate::FromString(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? OleDate(value) : Invalid();
}

double OleDate::Linear() const
{
    const double whole = std::trunc(m_value);
    return whole + std::abs(m_value - whole);
}

bool operator==(const OleDate& a, const OleDate& b)
{
    if (!a.IsValid() || !b.IsValid())
        return a.IsValid() == b.IsValid();
    return a.Linear() == b.Linear();
}

std::partial_ordering operator<=>(const OleDate& a, const OleDate& b)
{
    if (!a.IsValid() || !b.IsValid())
        return std::partial_ordering::unordered;
    return a.Linear() <=> b.Linear();
}
