#pragma once
// A moment of market data (a quote, a transaction, a statistics stamp) in local time, kept as
// the day count that files and the feed exchange (days since 1899-12-30, the fraction being the
// time of day). A default-made moment is invalid.

#include "platform/base/OleDate.h"

#include <QDateTime>
#include <QString>

#include <compare>

class NDateTime
{
public:
    NDateTime() = default;
    explicit NDateTime(const QDateTime& dateTime);
    explicit NDateTime(const OleDate& date);

    static NDateTime Now();
    // Today at midnight.
    static NDateTime GetCurrentDate();
    // Out of range or no number gives an invalid moment.
    static NDateTime FromDayCount(double days);

    bool IsValid() const { return m_date.IsValid(); }
    // Meaningless for an invalid moment.
    double ToDayCount() const { return m_date.Value(); }
    QDateTime ToQDateTime() const { return m_date.ToQDateTime(); }

    // "12:30:15"; empty for an invalid moment.
    QString FormatTime() const;
    // "2024-05-06 12:30:15"; empty for an invalid moment.
    QString FormatDateTime2() const;

    friend bool operator==(const NDateTime& a, const NDateTime& b) { return a.m_date == b.m_date; }
    // Invalid moments are unordered.
    friend std::partial_ordering operator<=>(const NDateTime& a, const NDateTime& b) { return a.m_date <=> b.m_date; }

private:
    OleDate m_date = OleDate::Invalid();
};
