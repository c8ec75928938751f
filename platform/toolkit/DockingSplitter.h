#pragma once
// A splitter between docking panes. Its handles ask the pane manager whether the pane next to
// them (the pane left of or above the handle, under the mouse) may be resized by dragging;
// a refused handle ignores presses and keeps the arrow cursor. Accepted drags are reported to
// the manager at their start and end. Handles are painted in the manager's splitter colour.

#include <QSplitter>
#include <QSplitterHandle>

class DockingPaneManager;

class DockingSplitter : public QSplitter
{
    Q_OBJECT

public:
    DockingSplitter(Qt::Orientation orientation, DockingPaneManager& manager);

    DockingPaneManager& Manager() const { return m_manager; }

protected:
    QSplitterHandle* createHandle() override;

private:
    DockingPaneManager& m_manager;
};

class DockingSplitterHandle : public QSplitterHandle
{
    Q_OBJECT

public:
    DockingSplitterHandle(Qt::Orientation orientation, DockingSplitter* parent);

    // The pane beside the handle at a global point (left of or above it); -1 for none.
    int PaneAt(const QPoint& globalPos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    DockingSplitter& Owner() const;
    bool CanDrag(const QPoint& globalPos) const;
    void UpdateCursor(const QPoint& globalPos);

    int m_draggedPane = -1;
};
