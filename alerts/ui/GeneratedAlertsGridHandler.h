#pragma once
// The handler of the "Wygenerowane" grid: paints the history rows of the alert module (newest
// first), each with its side's image in the name column, a cloud event with the cloud icon,
// and a new row in the highlight font until its highlight is over. It paints only while its
// tab is shown. Main thread only.

#include "alerts/ui/AlertsInfoGridHandlerBase.h"

class GeneratedAlertsGridHandler : public AlertsInfoGridHandlerBase
{
public:
    static constexpr int kSellImage = 361;
    static constexpr int kBuyImage = 362;
    static constexpr int kSideImageSize = 16;

    using AlertsInfoGridHandlerBase::AlertsInfoGridHandlerBase;

    void DrawCell(QPainter& painter, int row, const QRect& rect) override;
    int CalcColumnWidth(int columnId) override;
    QString GetCellText(int row, int columnId) const override;
};
