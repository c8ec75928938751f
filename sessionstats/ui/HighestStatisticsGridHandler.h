#pragma once
// The handler of a top-ten grid: paints each row in its kind's text style with the change
// highlight, sizes rows and columns from that style's font, tells how many rows hold an
// instrument, and drags the instrument of the cursor's row. Main thread only.

#include "sessionstats/ui/SessionStatisticsGridHandlerBase.h"

#include <memory>

class AssetStatistics;
class HighestGridObject;
class QMimeData;

class HighestStatisticsGridHandler : public SessionStatisticsGridHandlerBase
{
public:
    using SessionStatisticsGridHandlerBase::SessionStatisticsGridHandlerBase;

    void SetDataObject(HighestGridObject* object) { m_object = object; }
    HighestGridObject* GetDataObject() const { return m_object; }

    void DrawCell(QPainter& painter, int row, const QRect& rect) override;
    int GetRowHeight(int row) override;
    int CalcColumnWidth(int columnId) override;
    void OnViewChanged() override;
    void OnBeginDrag() override;

    // -1 without a data object; else the rows up to the last one that holds an instrument.
    int GetFilledRowCount() const;
    // Null for a row that holds none.
    std::shared_ptr<const AssetStatistics> GetRowAsset(int row) const;
    // What a drag of the row's instrument carries; null when the row holds none.
    std::unique_ptr<QMimeData> MakeDragData(int row) const;

private:
    HighestGridObject* m_object = nullptr;
};
