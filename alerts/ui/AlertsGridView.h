#pragma once
// The row face of one grid of the alerts window, as the alert module's list models drive it:
// the model adds the columns and keeps the grid's row count in step with its rows (the handler
// paints each row from the model by index), and reads and moves the handler's selection. A
// removed row takes the selection with it to the row that follows, or to none. Main thread only.

#include "alerts/engine/IAlertsGridView.h"

#include <functional>

class AlertsInfoGridHandlerBase;
class TableCtrl;

class AlertsGridView : public IAlertsGridView
{
public:
    // Wide enough for an instrument's name with its field, a level or a time.
    static constexpr int kDefaultColumnWidth = 165;

    // isShown: whether the grid's tab is the one the user works in.
    AlertsGridView(TableCtrl& table, AlertsInfoGridHandlerBase& handler, std::function<bool()> isShown);

    void AddColumn(const QString& caption, int kind) override;
    void AppendRow() override;
    void InsertRow(int index) override;
    void RemoveRow(int index) override;
    void RemoveAllRows() override;
    int GetSelectedRow() const override;
    void SelectRow(int index) override;
    bool IsHandlerActive() const override;

private:
    void SetRowCount(int count);

    TableCtrl& m_table;
    AlertsInfoGridHandlerBase& m_handler;
    std::function<bool()> m_isShown;
};
