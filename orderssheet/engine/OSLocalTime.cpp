#include "orderssheet/engine/OSLocalTime.h"

#include "orderssheet/engine/OSText.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <algorithm>
#include <limits>

namespace
{
constexpr std::size_t kDateTimeLength = 14;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr qint64 kUnixEpochJulianDay = 2440588;

// atoi of a field: leading blanks, a sign, then the digits up to the first other character.
int ReadField(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    int value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = value * 10 + (text[at] - '0');
    return negative ? -value : value;
}

// printf's "%.<digits>d": at least that many digits, after the sign.
char* AppendNumber(char* out, int value, int digits)
{
    if (value < 0)
    {
        *out++ = '-';
        value = -value;
    }
    // Written from the right into a field as wide as the number or digits.
    int width = 1;
    for (int rest = value / 10; rest != 0; rest /= 10)
        ++width;
    width = std::max(width, digits);
    for (int at = width - 1; at >= 0; --at, value /= 10)
        out[at] = static_cast<char>('0' + value % 10);
    return out + width;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}
}

OSLocalTime::OSLocalTime(const QTimeZone& zone)
    : m_zone(zone.isValid() ? zone : QTimeZone::systemTimeZone())
{
}

int OSLocalTime::OffsetAt(std::int64_t utcSeconds)
{
    if (m_hasOffset && utcSeconds >= m_from && utcSeconds < m_until)
        return m_offset;
    const QDateTime at = QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc());
    m_offset = m_zone.offsetFromUtc(at);
    m_from = std::numeric_limits<std::int64_t>::min();
    m_until = std::numeric_limits<std::int64_t>::max();
    if (m_zone.hasTransitions())
    {
        // The transition at this very second counts as before it.
        const QTimeZone::OffsetData previous = m_zone.previousTransition(at.addSecs(1));
        const QTimeZone::OffsetData next = m_zone.nextTransition(at);
        if (previous.atUtc.isValid())
            m_from = previous.atUtc.toSecsSinceEpoch();
        if (next.atUtc.isValid())
            m_until = next.atUtc.toSecsSinceEpoch();
    }
    m_hasOffset = true;
    return m_offset;
}

const QString& OSLocalTime::DateText(std::int64_t localDay)
{
    if (localDay == m_localDay && !m_localDateText.isEmpty())
        return m_localDateText;
    m_localDay = localDay;
    m_localDateText.clear();
    const QDate date = QDate::fromJulianDay(localDay + kUnixEpochJulianDay);
    if (!date.isValid())
        return m_localDateText;
    char buffer[32];
    char* end = AppendNumber(buffer, date.year(), 4);
    *end++ = '-';
    end = AppendNumber(end, date.month(), 2);
    *end++ = '-';
    end = AppendNumber(end, date.day(), 2);
    m_localDateText = QString::fromLatin1(buffer, end - buffer);
    return m_localDateText;
}

bool OSLocalTime::Format(std::string_view orderKey, QString& dateText, QString& timeText)
{
    if (orderKey.size() < kDateTimeLength)
        return false;
    const std::string_view utcDateText = orderKey.substr(0, 8);
    if (utcDateText != m_utcDateText)
    {
        const QDate utcDate(ReadField(utcDateText.substr(0, 4)), ReadField(utcDateText.substr(4, 2)),
                            ReadField(utcDateText.substr(6, 2)));
        m_utcDateText.assign(utcDateText);
        m_utcDateValid = utcDate.isValid();
        // An invalid date has no day number to count from.
        m_utcDay = m_utcDateValid ? utcDate.toJulianDay() - kUnixEpochJulianDay : 0;
    }
    const int hour = ReadField(orderKey.substr(8, 2));
    const int minute = ReadField(orderKey.substr(10, 2));
    const int second = ReadField(orderKey.substr(12, 2));
    if (!m_utcDateValid || !QTime::isValid(hour, minute, second))
        return false;
    const std::int64_t utcSeconds = m_utcDay * kSecondsPerDay + hour * 3600 + minute * 60 + second;
    const std::int64_t localSeconds = utcSeconds + OffsetAt(utcSeconds);
    const std::int64_t localDay = FloorDiv(localSeconds, kSecondsPerDay);
    const int secondOfDay = static_cast<int>(localSeconds - localDay * kSecondsPerDay);
    const QString& localDateText = DateText(localDay);
    if (localDateText.isEmpty())
        return false;
    // The rows of one day share their date text.
    if (!dateText.isSharedWith(localDateText) && dateText != localDateText)
        dateText = localDateText;

    char buffer[16];
    char* end = AppendNumber(buffer, secondOfDay / 3600, 2);
    *end++ = ':';
    end = AppendNumber(end, secondOfDay / 60 % 60, 2);
    *end++ = ':';
    end = AppendNumber(end, secondOfDay % 60, 2);
    OSText::AssignLatin1(timeText, std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
    return true;
}
