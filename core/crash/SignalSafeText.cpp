#include "core/crash/SignalSafeText.h"

#include <cerrno>
#include <unistd.h>

namespace
{
struct CivilDate
{
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// The proleptic Gregorian date of a day count since 1970-01-01, in integers only.
CivilDate CivilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}
}

SignalSafeText::SignalSafeText(char* buffer, std::size_t capacity)
    : m_buffer(buffer)
    , m_capacity(capacity)
{
    if (m_capacity > 0)
        m_buffer[0] = '\0';
}

void SignalSafeText::Append(const char* text)
{
    Append(text, Length(text));
}

void SignalSafeText::Append(const char* text, std::size_t length)
{
    if (m_capacity == 0)
        return;
    for (std::size_t i = 0; i < length && m_length + 1 < m_capacity; ++i)
        m_buffer[m_length++] = text[i];
    m_buffer[m_length] = '\0';
}

void SignalSafeText::AppendUnsigned(std::uint64_t value, int minimumDigits)
{
    char digits[24];
    int count = 0;
    do
    {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0 && count < 20);
    while (count < minimumDigits && count < 20)
        digits[count++] = '0';
    char ordered[24];
    for (int i = 0; i < count; ++i)
        ordered[i] = digits[count - 1 - i];
    Append(ordered, static_cast<std::size_t>(count));
}

void SignalSafeText::AppendSigned(std::int64_t value)
{
    if (value < 0)
    {
        Append("-", 1);
        AppendUnsigned(static_cast<std::uint64_t>(-(value + 1)) + 1);
        return;
    }
    AppendUnsigned(static_cast<std::uint64_t>(value));
}

void SignalSafeText::AppendHex(std::uintptr_t value)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    char digits[2 * sizeof(std::uintptr_t)];
    int count = 0;
    do
    {
        digits[count++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    char ordered[2 + 2 * sizeof(std::uintptr_t)] = {'0', 'x'};
    for (int i = 0; i < count; ++i)
        ordered[2 + i] = digits[count - 1 - i];
    Append(ordered, static_cast<std::size_t>(2 + count));
}

void SignalSafeText::AppendUtcTime(std::int64_t secondsSinceEpoch, bool compact)
{
    std::int64_t days = secondsSinceEpoch / 86400;
    std::int64_t secondsOfDay = secondsSinceEpoch % 86400;
    if (secondsOfDay < 0)
    {
        secondsOfDay += 86400;
        --days;
    }
    const CivilDate date = CivilFromDays(days);
    AppendSigned(date.year);
    if (!compact)
        Append("-");
    AppendUnsigned(date.month, 2);
    if (!compact)
        Append("-");
    AppendUnsigned(date.day, 2);
    Append(compact ? "-" : " ");
    AppendUnsigned(static_cast<std::uint64_t>(secondsOfDay / 3600), 2);
    if (!compact)
        Append(":");
    AppendUnsigned(static_cast<std::uint64_t>(secondsOfDay / 60 % 60), 2);
    if (!compact)
        Append(":");
    AppendUnsigned(static_cast<std::uint64_t>(secondsOfDay % 60), 2);
}

bool SignalSafeText::WriteAll(int fd, const char* data, std::size_t length)
{
    while (length > 0)
    {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

std::size_t SignalSafeText::Length(const char* text)
{
    std::size_t length = 0;
    while (text[length] != '\0')
        ++length;
    return length;
}
