#pragma once
// A date and time kept as the settings store it: days since 1899-12-30 as a double, the
// fraction being the time of day. Before the epoch the whole part counts days back while the
// fraction still counts forward from midnight (-1.25 is 1899-12-29 06:00), so values compare
// by the moment they stand for, not by the raw double. Dates outside the years 100..9999 and
// values that are no number are invalid.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <compare>

class OleDate
{
public:
    enum class Status
    {
        Valid,
        Invalid,
    };

    static constexpr double kMinValue = -657434.0;   // 0100-01-01 00:00
    static constexpr double kMaxValue = 2958466.0;   // 10000-01-01 00:00, excluded

    // 1899-12-30 00:00.
    OleDate() = default;
    explicit OleDate(double value);
    // A valid date with an invalid time stands for that date's midnight.
    explicit OleDate(const QDate& date, const QTime& time = QTime(0, 0));
    static OleDate FromQDateTime(const QDateTime& dateTime);
    static OleDate Invalid();
    // The local date and time now.
    static OleDate Now();

    Status GetStatus() const { return m_status; }
    bool IsValid() const { return m_status == Status::Valid; }
    // The raw stored value; meaningless for an invalid date.
    double Value() const { return m_value; }

    // Empty / invalid results for an invalid date. Times are rounded to milliseconds.
    QDate ToQDate() const;
    QTime ToQTime() const;
    QDateTime ToQDateTime() const;

    // The value as C-locale text, exact on reading back; empty for an invalid date.
    QString ToString() const;
    // Text that is no number or out of range gives an invalid date.
    static OleDate FromString(const QString& text);

    friend bool operator==(const OleDate& a, const OleDate& b);
    // Invalid dates are unordered.
    friend std::partial_ordering operator<=>(const OleDate& a, const OleDate& b);

private:
    // Days on one line with the time of day, so that dates before the epoch order correctly.
    double Linear() const;
    // Whole days since the epoch and milliseconds into that day.
    void Split(qint64& days, qint64& milliseconds) const;

    double m_value = 0.0;
    Status m_status = Status::Valid;
};
