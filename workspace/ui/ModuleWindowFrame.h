#pragma once
// The frame a panel draws around one of its module windows: a caption with the window's text
// and a close button above it, and a border on every side. Dragging the caption moves the
// window, dragging the border or a corner resizes it, a click anywhere activates it. The frame
// is a sibling of the window in the panel's view, kept right under it in the stacking order and
// following its geometry; the window itself keeps its own rectangle, which is what desktops
// save. Hidden with the window, for a maximised window and while a style is edited. Main
// thread only.

#include "workspace/engine/ModuleWindowPlacement.h"

#include <QPointer>
#include <QWidget>

class ModuleWndBase;
class PanelView;

class ModuleWindowFrame : public QWidget
{
    Q_OBJECT

public:
    ModuleWindowFrame(ModuleWndBase& window, PanelView& view);

    ModuleWndBase* GetWindow() const { return m_window.data(); }
    // The frame's margins at the current font.
    static ModuleWindowPlacement Placement(const QWidget& view);

    // Follows the window: its rectangle, visibility, place in the stacking order and caption.
    void Sync();
    QRect CloseButtonRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Which edges a drag from the point moves; none (0) on the caption, which moves them all.
    enum Edge
    {
        Left = 1,
        Top = 2,
        Right = 4,
        Bottom = 8
    };
    int EdgesAt(const QPoint& point) const;
    void UpdateCursor(int edges);
    bool IsActive() const;
    bool ShouldShow() const;
    QRect Dragged(const QPoint& globalPoint) const;

    QPointer<ModuleWndBase> m_window;
    PanelView& m_view;
    ModuleWindowPlacement m_placement;
    bool m_dragging = false;
    int m_dragEdges = 0;
    QPoint m_dragStart;
    QRect m_startOuter;
    bool m_closePressed = false;
    bool m_closeHot = false;
};
