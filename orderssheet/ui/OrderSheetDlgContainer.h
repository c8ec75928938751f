#pragma once
// The pane of one side's summary in an orders-sheet window: it hosts the SummaryInfoDlg, shows
// all of it, a bit more than half of it or none of it as the pane's height allows (side 0 at
// the bottom, side 1 at the top), and fills it with the side's totals and price level.
// Main thread only.

#include "orderssheet/engine/OSSummaryValues.h"
#include "orderssheet/ui/OrdersSheetPaneData.h"

#include <QWidget>

class SummaryInfoDlg;

class OrderSheetDlgContainer : public QWidget
{
    Q_OBJECT

public:
    // Null settings in the pane data raise InvalidArgException.
    OrderSheetDlgContainer(int side, const OrdersSheetPaneData& paneData, QWidget* parent = nullptr);

    // How many halves of the summary fit into the height (0..2); 0 without a summary height.
    static int PartCount(int height, int summaryHeight);
    // The host's height for a part count.
    static int HostHeight(int parts, int summaryHeight);

    void UpdateSummary(int groupKind, const OSSummaryValues& summary);
    // The price level the heading names from now on.
    void SetPriceLevel(int kind, double fraction);
    // The number as the column kind's precisions write it (each outside 0..6 read as 0).
    QString FormatValue(double value, int columnKind) const;

    SummaryInfoDlg* GetSummary() const { return m_summary; }
    QWidget* GetHost() const { return m_host; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Layout();

    const int m_side;
    OrdersSheetPaneData m_paneData;
    QWidget* m_host = nullptr;
    SummaryInfoDlg* m_summary = nullptr;
    int m_summaryHeight = 0;
    int m_lastPartCount = 0;
};
