#include "platform/toolkit/ReportGroupRow.h"

#include "platform/toolkit/ReportRecord.h"

ReportGroupRow::~ReportGroupRow() = default;

int ReportGroupRow::AddHeaderButton(const QIcon& icon, const QString& text, const QColor& textColor)
{
    m_buttons.push_back(HeaderButton{icon, text, textColor, {}, false});
    return GetHeaderButtonCount() - 1;
}

const ReportGroupRow::HeaderButton* ReportGroupRow::GetHeaderButton(int index) const
{
    return index >= 0 && index < GetHeaderButtonCount() ? &m_buttons[index] : nullptr;
}

ReportRecord* ReportGroupRow::GetRecord(int index) const
{
    return index >= 0 && index < GetRecordCount() ? m_records[index].get() : nullptr;
}
