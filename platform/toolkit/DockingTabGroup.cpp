#include "platform/toolkit/DockingTabGroup.h"

#include "platform/toolkit/DockingPane.h"

DockingTabGroup::DockingTabGroup()
{
    setTabPosition(QTabWidget::South);
    setDocumentMode(true);
}

void DockingTabGroup::AddPane(DockingPane* pane)
{
    addTab(pane, pane->GetTitle());
    connect(pane, &DockingPane::TitleChanged, this, &DockingTabGroup::OnTitleChanged);
}

void DockingTabGroup::RemovePane(DockingPane* pane)
{
    const int index = indexOf(pane);
    if (index < 0)
        return;
    disconnect(pane, &DockingPane::TitleChanged, this, &DockingTabGroup::OnTitleChanged);
    removeTab(index);
    pane->setParent(nullptr);
    UpdateGroupVisibility();
}

std::vector<DockingPane*> DockingTabGroup::Panes() const
{
    std::vector<DockingPane*> panes;
    for (int index = 0; index < count(); ++index)
        panes.push_back(static_cast<DockingPane*>(widget(index)));
    return panes;
}

void DockingTabGroup::ShowPane(DockingPane* pane, bool show)
{
    const int index = indexOf(pane);
    if (index < 0)
        return;
    setTabVisible(index, show);
    if (show)
        setCurrentIndex(index);
    UpdateGroupVisibility();
}

bool DockingTabGroup::IsPaneShown(const DockingPane* pane) const
{
    const int index = indexOf(const_cast<DockingPane*>(pane));
    return index >= 0 && isTabVisible(index);
}

void DockingTabGroup::Select(DockingPane* pane)
{
    const int index = indexOf(pane);
    if (index >= 0 && isTabVisible(index))
        setCurrentIndex(index);
}

void DockingTabGroup::OnTitleChanged(DockingPane* pane)
{
    const int index = indexOf(pane);
    if (index >= 0)
        setTabText(index, pane->GetTitle());
}

void DockingTabGroup::UpdateGroupVisibility()
{
    bool anyShown = false;
    for (int index = 0; index < count(); ++index)
        anyShown = anyShown || isTabVisible(index);
    setVisible(anyShown);
}
