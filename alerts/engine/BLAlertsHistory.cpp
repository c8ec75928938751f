#include "alerts/engine/BLAlertsHistory.h"

#include "alerts/engine/BLGeneratedAlertDescription.h"
#include "alerts/engine/IAlertsGridView.h"
#include "platform/base/SafeAutoLock.h"

#include <algorithm>

namespace
{
constexpr const char* kFile = "BLAlertsHistory.cpp";
}

void BLAlertsHistory::AddRow(std::uint32_t alertId, const QString& name, const QString& instrument, int precision,
                             const OleDate& time, unsigned side, double value)
{
    AddRows({std::make_shared<BLGeneratedAlertDescription>(name, instrument, value, precision, side, alertId, time)});
}

void BLAlertsHistory::AddRows(const std::vector<std::shared_ptr<IGeneratedAlertListRow>>& rows)
{
    const SafeAutoLock lock(m_lock, "BLAlertsHistory::AddRows", kFile);
    for (const std::shared_ptr<IGeneratedAlertListRow>& row : rows)
        m_rows.push_front(row);
    if (m_view)
        m_pendingRows += static_cast<int>(rows.size());
}

int BLAlertsHistory::SyncGridView()
{
    const SafeAutoLock lock(m_lock, "BLAlertsHistory::SyncGridView", kFile);
    if (!m_view || m_pendingRows == 0)
        return 0;
    const int added = m_pendingRows;
    const int selected = m_view->GetSelectedRow();
    for (int i = 0; i < added; ++i)
        m_view->InsertRow(0);
    m_pendingRows = 0;
    if (selected != -1 && m_view->IsHandlerActive())
        m_view->SelectRow(selected + added);
    return added;
}

void BLAlertsHistory::SetAndInitGridView(IAlertsGridView* view)
{
    const SafeAutoLock lock(m_lock, "BLAlertsHistory::SetAndInitGridView", kFile);
    m_view = view;
    m_pendingRows = 0;
    if (!m_view)
        return;
    for (const char* caption : {"Nazwa", "Walor", "Wartość", "Czas"})
        m_view->AddColumn(QString::fromUtf8(caption), 2);
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_view->AppendRow();
}

void BLAlertsHistory::RefillView()
{
    m_view->RemoveAllRows();
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_view->AppendRow();
    m_pendingRows = 0;
}

void BLAlertsHistory::RemoveAlertRows(std::uint32_t alertId)
{
    const SafeAutoLock lock(m_lock, "BLAlertsHistory::RemoveAlertRows", kFile);
    const auto removed = std::remove_if(m_rows.begin(), m_rows.end(),
                                        [alertId](const auto& row) { return row->GetAlertId() == alertId; });
    if (removed == m_rows.end())
        return;
    m_rows.erase(removed, m_rows.end());
    if (m_view)
        RefillView();
}

void BLAlertsHistory::RemoveAllRows()
{
    const SafeAutoLock lock(m_lock, "BLAlertsHistory::RemoveAllRows", kFile);
    if (m_view)
        m_view->RemoveAllRows();
    m_rows.clear();
    m_pendingRows = 0;
}

void BLAlertsHistory::ClearCloudAlertsEvents()
{
    // Always from the model: the cloud link clears and refreshes on every answer, window or not.
    const SafeAutoLock lock(m_lock, "BLAlertsHistory::ClearCloudAlertsEvents", kFile);
    std::erase_if(m_rows, [](const auto& row) { return row->IsCloudRow(); });
    if (m_view)
        RefillView();
}

void BLAlertsHistory::RefreshCloudAlertsEvents(const std::vector<std::shared_ptr<IGeneratedAlertListRow>>& rows)
{
    const SafeAutoLock lock(m_lock, "BLAlertsHistory::RefreshCloudAlertsEvents", kFile);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        m_rows.push_front(*row);
    if (m_view)
    {
        const int selected = m_view->GetSelectedRow();
        RefillView();
        if (selected != -1)
            m_view->SelectRow(selected + static_cast<int>(rows.size()));
    }
}

std::size_t BLAlertsHistory::GetRowCount() const
{
    const SafeAutoLock lock(m_lock, "BLAlertsHistory::GetRowCount", kFile);
    return m_rows.size();
}

std::shared_ptr<IGeneratedAlertListRow> BLAlertsHistory::GetRow(std::size_t index) const
{
    const SafeAutoLock lock(m_lock, "BLAlertsHistory::GetRow", kFile);
    return index < m_rows.size() ? m_rows[index] : nullptr;
}

std::shared_ptr<IGeneratedAlertListRow> BLAlertsHistory::GetViewRow(int viewIndex) const
{
    const SafeAutoLock lock(m_lock, "BLAlertsHistory::GetViewRow", kFile);
    const std::size_t index = static_cast<std::size_t>(viewIndex) + static_cast<std::size_t>(m_pendingRows);
    return viewIndex >= 0 && index < m_rows.size() ? m_rows[index] : nullptr;
}
