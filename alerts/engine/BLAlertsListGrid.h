#pragma once
// The defined-alerts list behind the "Zdefiniowane" tab of the alerts window: a row per local
// alert in the order the alerts were added, then a row per cloud alert in the cloud's order.
// Held by the alert module for the whole run; the tab's grid view is attached while the window
// exists. Changing an alert refreshes its row in place.
//
// Every operation holds "BLAlertsListGrid::BLAlertsListGrid"; a row's refresh then takes the
// alert list's lock (grid first, then list). RefreshAllRows also comes on the alerts worker
// thread and never touches the view; everything else runs on the main thread. Rows are read
// through GetRowInfo, a copy taken under the lock.

#include "alerts/engine/IAlertListRow.h"
#include "platform/base/SafeCriticalSection.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

class AlertsListManager;
class IAlertsGridView;

class BLAlertsListGrid
{
public:
    struct RowInfo
    {
        std::uint32_t alertId = 0;
        int kind = IAlertListRow::kLocalRow;
        QString name;
        QString instrument;  // with the note of a delisted instrument
        bool listed = true;
        bool active = false;
    };

    explicit BLAlertsListGrid(const AlertsListManager& alerts);
    virtual ~BLAlertsListGrid() = default;
    BLAlertsListGrid(const BLAlertsListGrid&) = delete;
    BLAlertsListGrid& operator=(const BLAlertsListGrid&) = delete;

    void AddRow(std::uint32_t alertId);
    void RefreshAllRows();
    void RefreshRow(int index);
    void RemoveRow(int index);
    void RemoveAllRows();
    // The alert of the view's row; -1 without a view or outside the rows, so that nothing acts
    // on a selected alert while the alerts window does not exist.
    std::uint32_t RowSourceAlertId(int index) const;
    // The first local row of the alert; -1 when none.
    int GetRowIdxForAlert(std::uint32_t alertId) const;
    // The first row of the kind whose name is that; -1 when none.
    int GetRowIdxForAlert(const QString& name, int kind) const;
    // A view gets the columns and every row; null detaches.
    void SetAndInitGridView(IAlertsGridView* view);
    void ResetGridViewRef() { SetAndInitGridView(nullptr); }
    // Replaces the cloud rows with these, window or not; with a view, the selected cloud row
    // stays selected by its name.
    void RefreshCloudAlerts(const std::vector<std::shared_ptr<IAlertListRow>>& cloudRows);

    std::size_t GetRowCount() const;
    std::optional<RowInfo> GetRowInfo(int index) const;
    // The view's selected row; -1 without a view.
    int GetSelectedRow() const;

private:
    mutable SafeCriticalSection m_lock{QStringLiteral("BLAlertsListGrid::BLAlertsListGrid")};
    std::deque<std::shared_ptr<IAlertListRow>> m_rows;
    IAlertsGridView* m_view = nullptr;
    const AlertsListManager& m_alerts;
};
