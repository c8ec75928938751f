#pragma once
// The handler of the "Zdefiniowane" grid: paints the rows of the defined-alerts list (local
// alerts, then cloud alerts with the cloud icon), greys out an alert that is inactive or whose
// instrument left the market, deletes the selected alert on Delete, opens it for editing on a
// double click, and keeps the ribbon's alerts tab on the selected alert. Main thread only.

#include "alerts/ui/AlertsInfoGridHandlerBase.h"

#include <QString>

class DefinedAlertsGridHandler : public AlertsInfoGridHandlerBase
{
public:
    static constexpr int kInactiveTextColor = 52;
    static constexpr int kCloudColumnNarrowing = 22;
    static constexpr int kCloudIconOffset = 26;
    static constexpr int kCloudIconSize = 16;

    using AlertsInfoGridHandlerBase::AlertsInfoGridHandlerBase;

    void DrawCell(QPainter& painter, int row, const QRect& rect) override;
    int CalcColumnWidth(int columnId) override;
    int OnKeyDown(int key) override;
    void OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers flags) override;
    void OnRowDoubleClick(int row, const QPoint& point) override;
    QString GetCellText(int row, int columnId) const override;

    // Selects the first row of the kind named so; false (nothing changes) when there is none.
    bool SelectRowByName(const QString& name, int kind);
    // The name of the selected row; empty when none.
    QString GetSelectedRowName() const;
    // The text colour of an alert's row: the style's while it is active and listed.
    static QColor TextColorOf(bool active, bool listed, const QColor& styleColor);
};
