#include "alerts/engine/BLAlertsListRow.h"

#include "alerts/engine/AlertTexts.h"
#include "alerts/engine/AlertsListManager.h"

BLAlertsListRow::BLAlertsListRow(const AlertsListManager& alerts, std::uint32_t alertId)
    : m_alerts(alerts)
    , m_alertId(alertId)
{
}

QString BLAlertsListRow::GetColumnText(int column) const
{
    if (column == 0)
        return m_name;
    if (column == 1)
        return AlertTexts::InstrumentColumnText(m_instrument, m_listed);
    return QString();
}

void BLAlertsListRow::Refresh()
{
    m_instrument = m_alerts.GetAlertStringParam(m_alertId, AlertsListManager::eAssociatedArgName);
    m_name = m_alerts.GetAlertStringParam(m_alertId, AlertsListManager::eName);
    m_listed = m_alerts.IsLocalAlertEditable(m_alertId);
    m_active = m_alerts.GetAlertBoolParam(m_alertId, AlertsListManager::eActive);
}
