#pragma once
// Turns the UTC date and time at the head of an order key into the local date and time texts
// of the orders mode. The zone's offset is kept for the span between its transitions, so a
// refresh of thousands of orders asks the time-zone database only a few times; the orders of
// one day share their date, which is read and written once.

#include <QString>
#include <QTimeZone>

#include <cstdint>
#include <string>
#include <string_view>

class OSLocalTime
{
public:
    // An invalid zone stands for the system's.
    explicit OSLocalTime(const QTimeZone& zone);

    // The texts "YYYY-MM-DD" and "hh:mm:ss" of the key's first 14 characters (year, month, day,
    // hour, minute, second in UTC); false, both texts untouched, for a shorter key or one that
    // names no valid moment. The time is written into the memory timeText holds.
    bool Format(std::string_view orderKey, QString& dateText, QString& timeText);

private:
    int OffsetAt(std::int64_t utcSeconds);
    // The text of a local day; empty for a day that is no valid date.
    const QString& DateText(std::int64_t localDay);

    QTimeZone m_zone;
    // The offset holds for UTC seconds in [m_from, m_until).
    bool m_hasOffset = false;
    int m_offset = 0;
    std::int64_t m_from = 0;
    std::int64_t m_until = 0;
    // The UTC date characters of the last key, and their day since 1970 when they name one.
    std::string m_utcDateText;
    bool m_utcDateValid = false;
    std::int64_t m_utcDay = 0;
    std::int64_t m_localDay = -1;
    QString m_localDateText;
};
