#include "platform/toolkit/ReportRecord.h"

#include "platform/toolkit/ReportRecordItem.h"

ReportRecord::ReportRecord() = default;

ReportRecord::~ReportRecord()
{
    delete m_hosted;
}

ReportRecordItem* ReportRecord::AddItem(std::unique_ptr<ReportRecordItem> item)
{
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

ReportRecordItem* ReportRecord::GetItem(int column) const
{
    return column >= 0 && column < GetItemCount() ? m_items[column].get() : nullptr;
}

void ReportRecord::SetHostedWidget(QWidget* widget)
{
    if (widget != m_hosted)
        delete m_hosted;
    m_hosted = widget;
}
