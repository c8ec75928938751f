#pragma once
// Docking panes that share one place as tabs, each tab titled by its pane. A pane the user hid
// loses its tab until it is shown again; the group is hidden while no tab is left.

#include <QTabWidget>

#include <vector>

class DockingPane;

class DockingTabGroup : public QTabWidget
{
    Q_OBJECT

public:
    DockingTabGroup();

    void AddPane(DockingPane* pane);
    // Takes the pane out (it is left without a parent).
    void RemovePane(DockingPane* pane);
    std::vector<DockingPane*> Panes() const;
    void ShowPane(DockingPane* pane, bool show);
    bool IsPaneShown(const DockingPane* pane) const;
    void Select(DockingPane* pane);

private:
    void OnTitleChanged(DockingPane* pane);
    void UpdateGroupVisibility();
};
