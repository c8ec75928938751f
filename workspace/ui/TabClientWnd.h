#pragma once
// The main frame's area of screens: a strip of tabs, one per panel (screen), and the panel of
// the selected tab under it. The strip's last tab is the new-screen tab ("+") when the frame
// shows one: it sends its command and is never selected. While a style is edited the client is
// locked: no panel is activated, added or cycled to and the tabs take no clicks. The tabs stand
// at the top, left, bottom or right ("PulpitTab" 0 to 3). Main thread only.

#include "workspace/ui/SingleWorkspaceEx.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <vector>

class ITabClientOwner;
class ModuleWndBase;
class PanelFrame;
class PanelView;
class QBoxLayout;
class QStackedWidget;

class TabClientWnd : public QWidget
{
    Q_OBJECT

public:
    explicit TabClientWnd(QWidget* parent = nullptr);
    ~TabClientWnd() override;

    void Attach(ITabClientOwner* owner) { m_owner = owner; }
    ITabClientOwner* GetOwner() const { return m_owner; }
    SingleWorkspaceEx& GetWorkspace() const { return *m_workspace; }
    // The area the panels fill.
    QWidget* GetClientArea() const;

    // The workspace-button flags; the bit kNoCloseButtonFlag hides the tabs' close buttons.
    void SetFlags(std::uint32_t flags);
    std::uint32_t GetFlags() const { return m_flags; }
    // The new-screen tab is disabled while the edition allows no further screen.
    void ShowNewWindowTab(bool show, std::uint32_t commandId);
    bool HasNewWindowTab() const { return m_newWindowTab; }
    std::uint32_t GetNewWindowCommand() const { return m_newWindowCommand; }
    // 0 top, 1 left, 2 bottom, 3 right; other values are taken as 0.
    void SetTabPosition(int position);
    int GetTabPosition() const { return m_tabPosition; }
    void ShowWorkspace(bool show);
    // Print mode turns the tabs off.
    void EnableWorkspaces(bool enable);

    void SetStyleEditLock(bool locked) { m_styleEditLock = locked; }
    bool IsStyleEditLocked() const { return m_styleEditLock; }
    bool IsTabActionAllowed() const { return !m_styleEditLock; }

    // Whether the owner's screen limit allows one screen more than there are.
    bool CanAddScreen() const;
    // A new screen's tab before the new-screen tab; false, and nothing added, while locked.
    bool AddItem(PanelFrame* panel);
    // The screen is going: style editing ends first, then its tab goes.
    void RemoveItem(PanelFrame* panel);
    // Selects the screen's tab; false while locked or for a panel without a tab.
    bool ActivateItem(PanelFrame* panel);
    // The next screen after the selected one, the first after the last; false while locked.
    bool ActivateNext();

    // Items are the tabs, the new-screen tab included (it is the last).
    int GetItemCount() const;
    // The index of the tab at the point (the strip's coordinates); -1 when none.
    int HitTest(const QPoint& point) const;
    QRect GetItemRect(int index) const;
    QString GetItemCaption(int index) const;
    // Null for the new-screen tab or an index out of range.
    PanelFrame* GetItemWindow(int index) const;
    int GetSelectedItem() const;
    bool IsNewWindowTab(int index) const;
    // Moves a screen's tab; false for the new-screen tab or a place beyond the screens.
    bool Move(int from, int to);

    // The screens in tab order, and the one selected.
    std::vector<PanelFrame*> GetPanels() const;
    PanelFrame* GetActivePanel() const;
    // The view of the screen with the name (its view's title); null when none.
    PanelView* FindPanelViewByName(const QString& name) const;
    // The module windows of every screen, or of the screens on show only.
    std::vector<ModuleWndBase*> GetModuleWindows(bool shownScreensOnly) const;
    void UpdateFrameTitles();
    // The area the panels fill, in screen coordinates.
    QRect GetClientScreenRect() const;

signals:
    // The selected screen changed (either may be null).
    void itemActivated(PanelFrame* activated, PanelFrame* deactivated);

private:
    int ScreenCount() const;
    void OnCurrentChanged(int index);
    void OnPanelTitleChanged(PanelFrame* panel);
    void RemoveTabOf(const QObject* panel);
    void ApplyCloseButtons();
    void ApplyNewWindowTabState();

    ITabClientOwner* m_owner = nullptr;
    SingleWorkspaceEx* m_workspace = nullptr;
    QStackedWidget* m_stack = nullptr;
    QBoxLayout* m_layout = nullptr;
    QPointer<PanelFrame> m_activePanel;
    std::uint32_t m_flags = 0;
    bool m_newWindowTab = false;
    std::uint32_t m_newWindowCommand = 0;
    int m_tabPosition = 0;
    bool m_styleEditLock = false;
    // While tabs are added, moved or removed the selection changes are the program's own.
    bool m_changingTabs = false;
};
