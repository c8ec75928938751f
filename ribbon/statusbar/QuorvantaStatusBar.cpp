#include "ribbon/statusbar/QuorvantaStatusBar.h"

#include "ribbon/statusbar/NotifyStatusBarPane.h"

#include <QProgressBar>

#include <algorithm>

QuorvantaStatusBar::QuorvantaStatusBar(QWidget* parent)
    : StatusBarBase(parent)
{
}

bool QuorvantaStatusBar::AddProgressPane()
{
    StatusBarPane* pane = AddIndicator(ID_INDICATOR_PROGRESS);
    if (pane == nullptr)
        return false;
    pane->SetWidth(kProgressPaneWidth);
    pane->SetStyle(pane->GetStyle() | StatusBarPane::kStyleNoBorders);
    auto* progress = new QProgressBar;
    progress->setTextVisible(false);
    progress->setRange(kProgressMinimum, kProgressMaximum);
    progress->setValue(kProgressMinimum);
    pane->SetChild(progress);
    pane->SetCustomizationVisible(false);
    m_progress = progress;
    return true;
}

void QuorvantaStatusBar::SetProgressPos(int position)
{
    // The bar ignores values outside its range; the pane shows the nearest end instead.
    if (m_progress)
        m_progress->setValue(std::clamp(position, kProgressMinimum, kProgressMaximum));
}

bool QuorvantaStatusBar::AddInfoPane()
{
    StatusBarPane* pane = AddIndicator(ID_INDICATOR_INFO);
    if (pane == nullptr)
        return false;
    pane->SetCustomizationVisible(false);
    pane->hide();
    return true;
}

void QuorvantaStatusBar::SetInfoText(const QString& text)
{
    StatusBarPane* pane = FindPane(ID_INDICATOR_INFO);
    if (pane == nullptr)
        return;
    pane->SetText(text);
    pane->setVisible(!text.isEmpty());
}

NotifyStatusBarPane* QuorvantaStatusBar::AddNotifyPane(INotifySource* source)
{
    auto pane = std::make_unique<NotifyStatusBarPane>(++m_lastNotifyPaneId, source);
    if (!pane->LoadImages())
        return nullptr;
    pane->SetWidth(kNotifyPaneWidth);
    pane->SetStyle(pane->GetStyle() | StatusBarPane::kStyleNoBorders);
    pane->SetCustomizationVisible(false);
    auto* added = static_cast<NotifyStatusBarPane*>(AddPane(std::move(pane)));
    if (added)
        m_notifyPanes.emplace_back(added);
    return added;
}

std::vector<NotifyStatusBarPane*> QuorvantaStatusBar::GetNotifyPanes() const
{
    std::vector<NotifyStatusBarPane*> panes;
    for (const QPointer<NotifyStatusBarPane>& pane : m_notifyPanes)
    {
        if (pane)
            panes.push_back(pane);
    }
    return panes;
}

int QuorvantaStatusBar::OnToolHitTest(const QPoint& point, QString& text) const
{
    const auto* notifyPane = qobject_cast<const NotifyStatusBarPane*>(HitTestPane(point));
    if (notifyPane == nullptr)
        return StatusBarBase::OnToolHitTest(point, text);
    const QString tooltip = notifyPane->GetSourceTooltip();
    if (tooltip.isEmpty())
        return -1;
    text = tooltip;
    return static_cast<int>(notifyPane->GetID());
}
