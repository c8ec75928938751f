#include "platform/toolkit/StatusBarBase.h"

#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

StatusBarBase::StatusBarBase(QWidget* parent)
    : QStatusBar(parent)
    , Wnd(this)
{
}

StatusBarPane* StatusBarBase::AddIndicator(std::uint32_t id, int index)
{
    return AddPane(std::make_unique<StatusBarPane>(id), index);
}

StatusBarPane* StatusBarBase::AddPane(std::unique_ptr<StatusBarPane> pane, int index)
{
    if (!pane || (pane->GetID() != kSeparatorId && FindPane(pane->GetID()) != nullptr))
        return nullptr;
    std::erase_if(m_panes, [](const QPointer<StatusBarPane>& known) { return known.isNull(); });
    const int count = static_cast<int>(m_panes.size());
    const int position = index < 0 || index > count ? count : index;
    StatusBarPane* added = pane.release();
    insertPermanentWidget(position, added, added->GetID() == kSeparatorId ? 1 : 0);
    m_panes.insert(m_panes.begin() + position, added);
    return added;
}

StatusBarPane* StatusBarBase::FindPane(std::uint32_t id) const
{
    for (const QPointer<StatusBarPane>& pane : m_panes)
    {
        if (pane && pane->GetID() == id)
            return pane;
    }
    return nullptr;
}

int StatusBarBase::GetPaneCount() const
{
    return static_cast<int>(std::count_if(m_panes.begin(), m_panes.end(),
                                          [](const QPointer<StatusBarPane>& pane) { return !pane.isNull(); }));
}

StatusBarPane* StatusBarBase::GetPane(int index) const
{
    int position = 0;
    for (const QPointer<StatusBarPane>& pane : m_panes)
    {
        if (pane && position++ == index)
            return pane;
    }
    return nullptr;
}

StatusBarPane* StatusBarBase::HitTestPane(const QPoint& point) const
{
    for (const QPointer<StatusBarPane>& pane : m_panes)
    {
        if (pane && !pane->isHidden() && pane->geometry().contains(point))
            return pane;
    }
    return nullptr;
}

int StatusBarBase::OnToolHitTest(const QPoint& point, QString& text) const
{
    const StatusBarPane* pane = HitTestPane(point);
    if (pane == nullptr || pane->GetTooltip().isEmpty())
        return -1;
    text = pane->GetTooltip();
    return static_cast<int>(pane->GetID());
}

bool StatusBarBase::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
    {
        const auto* help = static_cast<QHelpEvent*>(event);
        QString text;
        if (OnToolHitTest(help->pos(), text) < 0)
        {
            QToolTip::hideText();
            event->ignore();
        }
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QStatusBar::event(event);
}
