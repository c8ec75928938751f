#pragma once
// The tab control of the alerts window: its pages are the window's views, each known by its
// control id (SetViewControlId). Activating a view tells the owner which tab is active (id 1
// gives 0, id 2 gives 1, other ids nothing); every change of the selected tab is followed by
// the owner's tab-change work and one update-ribbon request posted to the main frame, the
// tab control's top-level window. The keyboard focus given to the tab control goes on to the
// active view. Main thread only.

#include <QTabWidget>

#include <cstdint>

class ITabCtrlExOwner;

class TabCtrlEx : public QTabWidget
{
    Q_OBJECT

public:
    static constexpr int kDefinedAlertsViewId = 1;
    static constexpr int kGeneratedAlertsViewId = 2;

    explicit TabCtrlEx(QWidget* parent = nullptr);
    ~TabCtrlEx() override;

    ITabCtrlExOwner* GetOwner() const { return m_owner; }
    // The owner must outlive the control or be cleared first.
    void SetOwner(ITabCtrlExOwner* owner) { m_owner = owner; }

    static void SetViewControlId(QWidget* view, int id);
    // 0 for a view without one.
    static int GetViewControlId(const QWidget* view);

    // Tells the owner, then shows the view when it is one of the pages.
    virtual void ActivateView(QWidget* view);
    // The id of "PulpitFrame_UpdateRibbon_message".
    static std::uint32_t UpdateRibbonMessage();

protected:
    // After the selection changed: the view is activated, the owner does its part, the ribbon
    // update is posted.
    virtual void OnSelChange();
    void focusInEvent(QFocusEvent* event) override;

private:
    void NoteActiveView(const QWidget* view);
    void PostUpdateRibbonMessage();

    ITabCtrlExOwner* m_owner = nullptr;
};
