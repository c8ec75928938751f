#pragma once
// A local alert as a row of the defined-alerts list: its name, its instrument (with the note
// when the instrument's source is gone) and whether it is active, read from the alert list.

#include "alerts/engine/IAlertListRow.h"

class AlertsListManager;

class BLAlertsListRow : public IAlertListRow
{
public:
    BLAlertsListRow(const AlertsListManager& alerts, std::uint32_t alertId);

    QString GetColumnText(int column) const override;
    // Takes the alert list's lock (the grid's lock comes first).
    void Refresh() override;
    std::uint32_t GetAlertId() const override { return m_alertId; }
    bool IsInstrumentListed() const override { return m_listed; }
    bool IsAlertActive() const override { return m_active; }
    int GetRowKind() const override { return kLocalRow; }

private:
    QString m_instrument;
    QString m_name;
    bool m_listed = true;
    bool m_active = false;
    const AlertsListManager& m_alerts;
    const std::uint32_t m_alertId;
};
