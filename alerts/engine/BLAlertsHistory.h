#pragma once
// The generated-alerts history behind the "Wygenerowane" tab of the alerts window: one row per
// generated local alert and per cloud alert event, newest first, without a limit. Held by the
// alert module for the whole run; the tab's grid view is attached while the window exists.
//
// Every operation holds "BLAlertsHistory::BLGeneratedAlertsGrid". AddRow and AddRows come
// where generated alerts are announced (off the main thread) and change the model only: the
// rows they add wait at the top until the main thread's SyncGridView puts them into the view
// (the window calls it on its redraw timer), so that no view is ever touched off the main
// thread. Everything else runs on the main thread.

#include "alerts/engine/IGeneratedAlertListRow.h"
#include "platform/base/OleDate.h"
#include "platform/base/SafeCriticalSection.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

class IAlertsGridView;

class BLAlertsHistory
{
public:
    BLAlertsHistory() = default;
    virtual ~BLAlertsHistory() = default;
    BLAlertsHistory(const BLAlertsHistory&) = delete;
    BLAlertsHistory& operator=(const BLAlertsHistory&) = delete;

    // A generated local alert at the top.
    void AddRow(std::uint32_t alertId, const QString& name, const QString& instrument, int precision,
                const OleDate& time, unsigned side, double value);
    // Generated local alerts at the top in one hold of the lock, oldest first: the last ends topmost.
    void AddRows(const std::vector<std::shared_ptr<IGeneratedAlertListRow>>& rows);
    // Main thread: the rows added since the last call go into the view at the top; the selected
    // row stays selected under them while the view's handler is active. Returns how many.
    int SyncGridView();
    // Main thread. A view gets the columns and every row, newest first; null detaches.
    void SetAndInitGridView(IAlertsGridView* view);
    void ResetGridViewRef() { SetAndInitGridView(nullptr); }
    void RemoveAlertRows(std::uint32_t alertId);
    void RemoveAllRows();
    // Cloud event rows leave the model (and the view when attached).
    void ClearCloudAlertsEvents();
    // The rows of the cloud alert events, in the events' order: the first ends at the top.
    void RefreshCloudAlertsEvents(const std::vector<std::shared_ptr<IGeneratedAlertListRow>>& rows);

    // Every row, newest first (the rows not yet in the view included).
    std::size_t GetRowCount() const;
    std::shared_ptr<IGeneratedAlertListRow> GetRow(std::size_t index) const;
    // The row shown at a view index; empty outside the view's rows.
    std::shared_ptr<IGeneratedAlertListRow> GetViewRow(int viewIndex) const;

private:
    // Caller holds the lock and has a view; puts every model row into the emptied view.
    void RefillView();

    mutable SafeCriticalSection m_lock{QStringLiteral("BLAlertsHistory::BLGeneratedAlertsGrid")};
    std::deque<std::shared_ptr<IGeneratedAlertListRow>> m_rows;
    IAlertsGridView* m_view = nullptr;
    // Rows at the top of the model that the view does not have yet.
    int m_pendingRows = 0;
};
