#include "cloud/engine/CloudAlertsListRow.h"

#include "alerts/engine/AlertTexts.h"
#include "cloud/engine/CloudAlertData.h"

namespace
{
constexpr std::int32_t kStatusInvalid = -6;
}

CloudAlertsListRow::CloudAlertsListRow(const CloudAlertData& alert)
    : m_instrument(AlertTexts::InstrumentColumnText(alert.GetInstrument(), alert.instrumentFound))
    , m_name(alert.GetName())
    , m_active(IsActive(alert))
    , m_alertId(alert.id)
{
}

QString CloudAlertsListRow::GetColumnText(int column) const
{
    if (column == 0)
        return m_name;
    return column == 1 ? m_instrument : QString();
}

std::uint32_t CloudAlertsListRow::GetAlertId() const
{
    return static_cast<std::uint32_t>(m_alertId);
}

bool CloudAlertsListRow::IsInstrumentListed() const
{
    return true;
}

bool CloudAlertsListRow::IsAlertActive() const
{
    return m_active;
}

int CloudAlertsListRow::GetRowKind() const
{
    return kCloudRow;
}

bool CloudAlertsListRow::IsActive(const CloudAlertData& alert)
{
    return alert.status != kStatusInvalid && !alert.deletePending && alert.instrumentFound;
}
