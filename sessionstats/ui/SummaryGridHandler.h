#pragma once
// The handler of the summary grid: each row is two halves (rises or falls on the left,
// turnover or transactions on the right), each painted in its kind's text style with its own
// slot's highlight; header rows carry the halves' titles in the bold header font. Main thread
// only.

#include "sessionstats/ui/SessionStatisticsGridHandlerBase.h"

#include <memory>

class QMimeData;
class SummaryGridObject;

class SummaryGridHandler : public SessionStatisticsGridHandlerBase
{
public:
    using SessionStatisticsGridHandlerBase::SessionStatisticsGridHandlerBase;

    void SetDataObject(SummaryGridObject* object) { m_object = object; }

    void DrawCell(QPainter& painter, int row, const QRect& rect) override;
    int GetRowHeight(int row) override;
    int CalcColumnWidth(int columnId) override;
    void OnViewChanged() override;
    void OnBeginDrag() override;

    // The instrument of the cursor's half of a data row whose halves both hold one; null otherwise.
    std::unique_ptr<QMimeData> MakeDragData(int row) const;

private:
    SummaryGridObject* m_object = nullptr;
};
