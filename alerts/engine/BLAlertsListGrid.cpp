#include "alerts/engine/BLAlertsListGrid.h"

#include "alerts/engine/BLAlertsListRow.h"
#include "alerts/engine/IAlertsGridView.h"
#include "platform/base/SafeAutoLock.h"

namespace
{
constexpr const char* kFile = "BLAlertsListGrid.cpp";
}

BLAlertsListGrid::BLAlertsListGrid(const AlertsListManager& alerts)
    : m_alerts(alerts)
{
}

void BLAlertsListGrid::AddRow(std::uint32_t alertId)
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::AddRow", kFile);
    auto row = std::make_shared<BLAlertsListRow>(m_alerts, alertId);
    row->Refresh();
    // Local rows stay before the cloud rows; looked for from the end, where the few cloud rows
    // lie, so that loading thousands of alerts does not walk every row each time.
    auto at = m_rows.end();
    while (at != m_rows.begin() && (*(at - 1))->GetRowKind() == IAlertListRow::kCloudRow)
        --at;
    const int index = static_cast<int>(at - m_rows.begin());
    m_rows.insert(at, std::move(row));
    if (m_view)
    {
        if (index == static_cast<int>(m_rows.size()) - 1)
            m_view->AppendRow();
        else
            m_view->InsertRow(index);
    }
}

void BLAlertsListGrid::RefreshAllRows()
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::RefreshAllRows", kFile);
    for (const std::shared_ptr<IAlertListRow>& row : m_rows)
        row->Refresh();
}

void BLAlertsListGrid::RefreshRow(int index)
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::RefreshRow", kFile);
    if (index >= 0 && index < static_cast<int>(m_rows.size()))
        m_rows[static_cast<std::size_t>(index)]->Refresh();
}

void BLAlertsListGrid::RemoveRow(int index)
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::RemoveRow", kFile);
    if (index < 0 || index >= static_cast<int>(m_rows.size()))
        return;
    if (m_view)
        m_view->RemoveRow(index);
    m_rows.erase(m_rows.begin() + index);
}

void BLAlertsListGrid::RemoveAllRows()
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::RemoveAllRows", kFile);
    if (m_view)
        m_view->RemoveAllRows();
    m_rows.clear();
}

std::uint32_t BLAlertsListGrid::RowSourceAlertId(int index) const
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::RowSourceAlertId", kFile);
    if (!m_view || index < 0 || index >= static_cast<int>(m_rows.size()))
        return 0xFFFFFFFF;
    return m_rows[static_cast<std::size_t>(index)]->GetAlertId();
}

int BLAlertsListGrid::GetRowIdxForAlert(std::uint32_t alertId) const
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::GetRowIdxForAlert", kFile);
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i]->GetRowKind() == IAlertListRow::kLocalRow && m_rows[i]->GetAlertId() == alertId)
            return static_cast<int>(i);
    return -1;
}

int BLAlertsListGrid::GetRowIdxForAlert(const QString& name, int kind) const
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::GetRowIdxForAlert", kFile);
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i]->GetRowKind() == kind && m_rows[i]->GetColumnText(0) == name)
            return static_cast<int>(i);
    return -1;
}

void BLAlertsListGrid::SetAndInitGridView(IAlertsGridView* view)
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::SetAndInitGridView", kFile);
    m_view = view;
    if (!m_view)
        return;
    m_view->AddColumn(QStringLiteral("Nazwa"), 2);
    m_view->AddColumn(QStringLiteral("Walor"), 2);
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_view->AppendRow();
}

void BLAlertsListGrid::RefreshCloudAlerts(const std::vector<std::shared_ptr<IAlertListRow>>& cloudRows)
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::RefreshCloudAlerts", kFile);
    QString selectedName;
    if (m_view)
    {
        const int selected = m_view->GetSelectedRow();
        if (selected >= 0 && selected < static_cast<int>(m_rows.size()) && m_view->IsHandlerActive()
            && m_rows[static_cast<std::size_t>(selected)]->GetRowKind() == IAlertListRow::kCloudRow)
            selectedName = m_rows[static_cast<std::size_t>(selected)]->GetColumnText(0);
    }
    for (int i = static_cast<int>(m_rows.size()) - 1; i >= 0; --i)
    {
        if (m_rows[static_cast<std::size_t>(i)]->GetRowKind() != IAlertListRow::kCloudRow)
            continue;
        if (m_view)
            m_view->RemoveRow(i);
        m_rows.erase(m_rows.begin() + i);
    }
    for (const std::shared_ptr<IAlertListRow>& row : cloudRows)
    {
        m_rows.push_back(row);
        if (m_view)
        {
            m_view->AppendRow();
            if (!selectedName.isEmpty() && row->GetColumnText(0) == selectedName)
                m_view->SelectRow(static_cast<int>(m_rows.size()) - 1);
        }
    }
}

std::size_t BLAlertsListGrid::GetRowCount() const
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::GetRowCount", kFile);
    return m_rows.size();
}

std::optional<BLAlertsListGrid::RowInfo> BLAlertsListGrid::GetRowInfo(int index) const
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::GetRowInfo", kFile);
    if (index < 0 || index >= static_cast<int>(m_rows.size()))
        return std::nullopt;
    const IAlertListRow& row = *m_rows[static_cast<std::size_t>(index)];
    return RowInfo{row.GetAlertId(),         row.GetRowKind(),         row.GetColumnText(0),
                   row.GetColumnText(1),     row.IsInstrumentListed(), row.IsAlertActive()};
}

int BLAlertsListGrid::GetSelectedRow() const
{
    const SafeAutoLock lock(m_lock, "BLAlertsListGrid::GetSelectedRow", kFile);
    return m_view ? m_view->GetSelectedRow() : -1;
}
