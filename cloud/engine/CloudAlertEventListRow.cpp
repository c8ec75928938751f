#include "cloud/engine/CloudAlertEventListRow.h"

#include "alerts/engine/AlertTexts.h"
#include "platform/base/Number2String.h"

#include <utility>

CloudAlertEventListRow::CloudAlertEventListRow(std::int32_t alertId, double price, QString alertName,
                                               QString instrument, std::int64_t time, std::int32_t precision,
                                               std::int32_t side)
    : m_alertId(alertId), m_price(price), m_alertName(std::move(alertName)), m_instrument(std::move(instrument)),
      m_time(time), m_precision(precision), m_side(side)
{
}

bool CloudAlertEventListRow::IsNameColumn(int column) const
{
    return column == 0;
}

QString CloudAlertEventListRow::GetName() const
{
    return GetColumnText(0);
}

QString CloudAlertEventListRow::GetColumnText(int column) const
{
    switch (column)
    {
    case 0:
        return m_alertName;
    case 1:
        return m_instrument;
    case 2:
        return AlertTexts::FormatAlertArgumentValue(m_price, m_precision);
    case 3:
        return FormatTime(m_time, QDateTime::currentDateTime());
    default:
        return {};
    }
}

int CloudAlertEventListRow::GetColumnAlignment(int column) const
{
    return column == 2 || column == 3 ? 2 : 0;
}

int CloudAlertEventListRow::GetAlertType() const
{
    if (m_side == 0)
        return 1;
    return m_side == 1 ? 0 : 2;
}

QString CloudAlertEventListRow::GetDisplayText(int column) const
{
    if (column == 2)
        return Number2String::Format(m_price, m_precision);
    return GetColumnText(column);
}

std::uint32_t CloudAlertEventListRow::GetAlertId() const
{
    return static_cast<std::uint32_t>(m_alertId);
}

bool CloudAlertEventListRow::IsCloudRow() const
{
    return true;
}

bool CloudAlertEventListRow::IsHighlightOver(std::chrono::steady_clock::time_point now)
{
    if (!m_highlightStart)
    {
        m_highlightStart = now;
        return false;
    }
    return now - *m_highlightStart > kHighlightTime;
}

QString CloudAlertEventListRow::FormatTime(std::int64_t time, const QDateTime& now)
{
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(time).toLocalTime();
    // The whole date is compared: an event of the same day of an earlier month shows its date.
    if (moment.date() == now.toLocalTime().date())
        return moment.toString(QStringLiteral("HH:mm:ss"));
    return moment.toString(QStringLiteral("yyyy-MM-dd"));
}
