#pragma once
// The ribbon model: tabs with their groups and controls, the selected tab, contextual tab
// headers, the system button with its menu, the controls at the right end of the tab row and
// the minimised state. It runs without a view, so tests drive it headless; a view shows it
// through IRibbonBarSite and hands it the mouse. Controls reach the frame's command routing
// through the command bars that own the ribbon. Main thread only.

#include "platform/toolkit/RibbonContextHeader.h"
#include "platform/ui/MenuItem.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <vector>

class CmdTarget;
class CommandBars;
class IRibbonBarSite;
class RibbonControl;
class RibbonPopupBar;
class RibbonTabBase;
class RibbonTabControl;

class RibbonBarBase : public QObject
{
    Q_OBJECT

public:
    RibbonBarBase();
    ~RibbonBarBase() override;

    const QString& GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }

    CommandBars* GetCommandBars() const { return m_commandBars; }
    void SetCommandBars(CommandBars* commandBars) { m_commandBars = commandBars; }
    // The frame's command routing; null before the ribbon belongs to command bars.
    CmdTarget* GetCommandTarget() const;

    RibbonTabControl& GetTabControl() const { return *m_tabControl; }
    // A plain tab at the index (past the end: at the end).
    RibbonTabBase* InsertTab(int index, const QString& caption, std::uint32_t id);
    int GetTabCount() const;
    RibbonTabBase* GetTab(int index) const;
    RibbonTabBase* FindTab(std::uint32_t id) const;
    RibbonTabBase* GetSelectedTab() const;
    // False, and the selection unchanged, for a hidden tab or one of another ribbon.
    bool SetCurrentTab(RibbonTabBase* tab);
    // The headers of the shown contextual tabs, left to right.
    std::vector<RibbonContextHeader> GetContextHeaders() const;

    // The control of the id on any tab, in the right-aligned row or the system button, popups
    // included; null when none.
    RibbonControl* FindControl(std::uint32_t id) const;

    RibbonControl* AddSystemButton(std::uint32_t id);
    RibbonControl* GetSystemButton() const { return m_systemButton.get(); }
    void SetSystemMenu(const MenuTable& menu) { m_systemMenu = menu; }
    const MenuTable& GetSystemMenu() const { return m_systemMenu; }
    // Shows the system menu under the system button and runs the chosen command.
    void TrackSystemMenu();

    RibbonControl* AddRightAlignedControl(int type, std::uint32_t id, const QString& caption = QString());
    const std::vector<std::unique_ptr<RibbonControl>>& GetRightAlignedControls() const { return m_rightAligned; }

    // A minimised ribbon shows its tab row only.
    bool IsRibbonMinimized() const { return m_minimized; }
    void SetRibbonMinimized(bool minimized);

    // Asks the update-UI handlers of the controls on screen: the selected tab's (unless the
    // ribbon is minimised) and the right-aligned ones. A control whose command no target
    // handles is disabled.
    void UpdateControls();
    // A popup is about to show: its galleries refill and its controls are updated.
    void OnPopupOpening(RibbonPopupBar& popup);

    void SetSite(IRibbonBarSite* site) { m_site = site; }
    IRibbonBarSite* GetSite() const { return m_site; }
    void ClosePopups();
    RibbonControl* GetHotControl() const;
    RibbonTabBase* GetHotTab() const { return m_hotTab; }
    RibbonControl* GetPressedControl() const;

    // The mouse, in the view's coordinates.
    virtual void OnLButtonDown(const QPoint& point);
    virtual void OnLButtonUp(const QPoint& point);
    virtual void OnLButtonDblClk(const QPoint& point);
    virtual void OnMouseMove(const QPoint& point);
    virtual void OnRButtonUp(const QPoint& point);

    // The ribbon's context menu; its own entry minimises or expands the ribbon, any other
    // goes to the command routing.
    virtual MenuTable CreateContextMenu() const;
    void TrackContextMenu(const QPoint& screenPos);

    // Batches a run of changes: selection changes inside a batch have their effects (the tab's
    // preparation, the update pass, the notification) once, at its end, for the tab then
    // selected, so tabs selected only for a moment are never prepared.
    class Batch
    {
    public:
        explicit Batch(RibbonBarBase& ribbon);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        RibbonBarBase& m_ribbon;
    };

    // Called by the tabs, groups and controls of this ribbon.
    void NotifyChanged();
    void OnTabVisibilityChanged(RibbonTabBase& tab);
    void OnSelectionChanged(RibbonTabBase* previous);

signals:
    void changed();

protected:
    // The selected tab changed: tells the command routing (tab control id, selection-change
    // notification). The new tab is already prepared and its controls updated.
    virtual void OnTabChanged(RibbonTabBase* previous);
    // Installs a tab control of a derived class; only before the first tab is added.
    void ReplaceTabControl(std::unique_ptr<RibbonTabControl> tabControl);

private:
    void RunSelectionEffects(RibbonTabBase* previous);
    void UpdateControl(CmdTarget& target, RibbonControl& control);
    void UpdatePopup(CmdTarget& target, RibbonPopupBar& popup);

    QString m_name;
    CommandBars* m_commandBars = nullptr;
    std::unique_ptr<RibbonTabControl> m_tabControl;
    std::unique_ptr<RibbonControl> m_systemButton;
    MenuTable m_systemMenu;
    std::vector<std::unique_ptr<RibbonControl>> m_rightAligned;
    bool m_minimized = false;
    IRibbonBarSite* m_site = nullptr;
    QPointer<RibbonControl> m_hotControl;
    RibbonTabBase* m_hotTab = nullptr;
    QPointer<RibbonControl> m_pressedControl;
    bool m_updating = false;
    int m_batchDepth = 0;
    RibbonTabBase* m_selectedBeforeBatch = nullptr;
};
