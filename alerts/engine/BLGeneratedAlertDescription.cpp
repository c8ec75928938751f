#include "alerts/engine/BLGeneratedAlertDescription.h"

#include "alerts/engine/AlertTexts.h"

BLGeneratedAlertDescription::BLGeneratedAlertDescription(const QString& name, const QString& instrument, double value,
                                                         int precision, unsigned side, std::uint32_t alertId,
                                                         const OleDate& time)
    : m_instrument(instrument)
    , m_valueText(AlertTexts::FormatAlertArgumentValue(value, precision))
    , m_name(name)
    , m_timeText(AlertTexts::FormatTime(time))
    , m_value(value)
    , m_precision(precision)
    , m_side(side)
    , m_alertId(alertId)
{
}

QString BLGeneratedAlertDescription::GetColumnText(int column) const
{
    switch (column)
    {
    case 0:
        return m_name;
    case 1:
        return m_instrument;
    case 2:
        return m_valueText;
    case 3:
        return m_timeText;
    default:
        return QString();
    }
}

bool BLGeneratedAlertDescription::IsHighlightOver(std::chrono::steady_clock::time_point now)
{
    if (!m_firstShown)
    {
        m_firstShown = now;
        return false;
    }
    return now - *m_firstShown > kHighlightTime;
}
