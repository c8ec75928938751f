#include "platform/toolkit/ReportRecordItem.h"

#include "platform/toolkit/TableCellText.h"

#include <QPainter>

namespace
{
constexpr int kTextMargin = 4;
}

ReportRecordItem::ReportRecordItem(const QString& caption) : m_caption(caption)
{
}

ReportRecordItem::~ReportRecordItem()
{
    delete m_control;
}

void ReportRecordItem::SetControl(QWidget* control)
{
    if (control != m_control)
        delete m_control;
    m_control = control;
}

void ReportRecordItem::Draw(QPainter& painter, const QRect& cell, bool selected) const
{
    TableCellText::Draw(painter, cell, m_caption, Qt::AlignLeft, kTextMargin);
}

bool ReportRecordItem::OnEditDone(const QString& text)
{
    m_caption = text;
    return true;
}
