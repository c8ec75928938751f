#pragma once
// One cloud alert in the defined-alerts list, beside the local alerts' rows.

#include "alerts/engine/IAlertListRow.h"

class CloudAlertData;

class CloudAlertsListRow : public IAlertListRow
{
public:
    explicit CloudAlertsListRow(const CloudAlertData& alert);

    QString GetColumnText(int column) const override;
    // The row's fields are taken when the grid makes it; the grid makes new rows on a reload.
    void Refresh() override {}
    std::uint32_t GetAlertId() const override;
    bool IsInstrumentListed() const override;
    bool IsAlertActive() const override;
    int GetRowKind() const override;

    // Inactive while its deletion waits, its instrument is unknown or the server says -6.
    static bool IsActive(const CloudAlertData& alert);

private:
    QString m_instrument;
    QString m_name;
    bool m_active;
    std::int32_t m_alertId;
};
