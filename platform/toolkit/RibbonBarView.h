#pragma once
// The ribbon on screen: paints a RibbonBarBase and hands it the mouse. Edits and combo boxes
// are real child widgets over their places; popups are menus shown through the program's menu
// tracker. While shown it asks the update-UI handlers of the controls on screen every 250 ms,
// as the idle loop did; the model asks again whenever a tab or popup opens. The view may
// outlive its ribbon (a frame's members die before its child widgets); it then shows nothing.
// It paints in the toolkit's current look and repaints when the look changes.

#include "platform/toolkit/IRibbonBarSite.h"
#include "platform/toolkit/RibbonLayout.h"
#include "platform/ui/Wnd.h"

#include <QHash>
#include <QMenu>
#include <QPointer>
#include <QWidget>

class RibbonBarBase;
class RibbonImageManager;
class RibbonTabBase;

class RibbonBarView : public QWidget, public Wnd, public IRibbonBarSite
{
    Q_OBJECT

public:
    static constexpr std::uint32_t kUpdateTimerId = 1;
    static constexpr int kUpdatePeriodMs = 250;

    explicit RibbonBarView(RibbonBarBase& ribbon, QWidget* parent = nullptr);
    ~RibbonBarView() override;

    // The layout of the current size and state.
    const RibbonLayout& Layout();
    // The child editor of an edit or combo box control; null when it is not shown.
    QWidget* EditorOf(const RibbonControl* control) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    RibbonHit HitTest(const QPoint& point) const override;
    QPoint MapToGlobal(const QPoint& point) const override;
    QRect ScreenRect(const RibbonControl& control) const override;
    void TrackPopup(RibbonControl& control) override;
    // Opens a collapsed group's controls under its button.
    void TrackGroupPopup(const RibbonLayout::GroupItem& group);
    void ClosePopups() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void OnTimer(std::uint32_t id) override;

private:
    const RibbonImageManager& Images() const;
    void OnRibbonChanged();
    void EnsureLayout() const;
    void PlaceEditors();
    bool ShowToolTip(const QPoint& point, const QPoint& globalPos);
    // Moves the groups of a tab wider than the ribbon by the pixels (to the right when positive).
    void ScrollGroups(int pixels);

    QPointer<RibbonBarBase> m_ribbon;
    mutable RibbonLayout m_layout;
    mutable bool m_layoutValid = false;
    // The groups' scroll belongs to the tab it was made on: another tab starts unscrolled.
    mutable int m_groupScroll = 0;
    mutable const RibbonTabBase* m_scrolledTab = nullptr;
    QHash<const RibbonControl*, QPointer<QWidget>> m_editors;
    QPointer<QMenu> m_activeMenu;
};
