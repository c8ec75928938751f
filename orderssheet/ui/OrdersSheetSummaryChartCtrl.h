#pragma once
// The summary chart of an orders-sheet window: bars of all orders and lines of the real orders
// for the number, value and average value of the orders, supply upwards and demand downwards
// on a fixed -1..1 scale without axes, in the colours of the sheet's style. Hovering a point
// shows its figure. Made by the sheet's panes; main thread only.

#include "orderssheet/ui/OSSummaryChartData.h"

#include <QWidget>

#include <optional>
#include <utility>

class OrdersSheetSettings;

class OrdersSheetSummaryChartCtrl : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kChartWidth = 123;

    explicit OrdersSheetSummaryChartCtrl(QWidget* parent = nullptr);

    // The settings whose style gives the colours (not owned; null: the default colours).
    void SetSettings(const OrdersSheetSettings* settings);
    void Update(const OSSummaryValues& supply, const OSSummaryValues& demand);
    const OSSummaryChartData& GetData() const { return m_data; }

    // Where a point is drawn in a chart of the given size (the middle of its bar).
    static QPointF PointPosition(const QSize& size, int point, double share);
    // The series and point under a position, bars and lines alike; nothing when none.
    std::optional<std::pair<int, int>> HitTest(const QPoint& position) const;
    // The tooltip of the point; empty without settings.
    QString TooltipFor(int series, int point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QColor StyleColour(int parameter, const QColor& fallback) const;

    const OrdersSheetSettings* m_settings = nullptr;
    OSSummaryChartData m_data;
};
