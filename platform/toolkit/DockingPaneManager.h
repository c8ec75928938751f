#pragma once
// The docking panes of a module window. Panes are made beside a neighbour pane (or at a side
// of the whole area) and split the space with it; panes can share a place as tabs, be hidden
// and shown, and be given a size. Splitters between them can be refused to the user pane by
// pane (a filter), and drags that start and end on them are reported. The arrangement with its
// sizes, tabs and hidden panes is kept in a Settings node and brought back from one; a node
// that does not describe exactly this manager's panes is refused and changes nothing.
// Main thread only.

#include <QColor>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class DockingPane;
class DockingSplitter;
class DockingTabGroup;
class Settings;

class DockingPaneManager : public QWidget
{
    Q_OBJECT

public:
    enum DockDirection
    {
        DockLeftOf,
        DockRightOf,
        DockTopOf,
        DockBottomOf
    };

    explicit DockingPaneManager(QWidget* parent = nullptr);
    ~DockingPaneManager() override;

    // A new pane on the given side of the neighbour (of the whole area without one), taking
    // size's width (left, right) or height (top, bottom) from it. Null when the id is taken
    // or the neighbour is not this manager's.
    DockingPane* CreatePane(int id, const QString& title, const QSize& size, DockDirection direction,
                            DockingPane* neighbour = nullptr);
    DockingPane* FindPane(int id) const;
    // In the order they were made.
    const std::vector<DockingPane*>& GetPanes() const { return m_panes; }

    // The pane joins the target's place as a tab; false for the same pane or a stranger.
    bool AttachToTab(DockingPane* pane, DockingPane* target);
    // The tab group of a pane; null when it has its place alone.
    DockingTabGroup* TabGroupOf(const DockingPane* pane) const;

    void ShowPane(int id, bool show);
    bool IsPaneHidden(int id) const;

    // Geometry of a pane in this widget's coordinates (empty for an unknown or hidden pane).
    QRect GetPaneRect(int id) const;
    QSize GetPaneSize(int id) const { return GetPaneRect(id).size(); }
    // The splitters around the pane give it that width and height, taken from (or given to)
    // the neighbour after it (before it when it is last), within every pane's track sizes.
    void SetPaneSize(int id, const QSize& size);
    // The pane whose rectangle holds a point of this widget; -1 for none.
    int PaneAt(const QPoint& point) const;

    void SetCaptionsVisible(bool visible);
    void SetSplitterColor(const QColor& color);
    QColor GetSplitterColor() const { return m_splitterColor; }
    void SetSplitterWidth(int width);
    int GetSplitterWidth() const { return m_splitterWidth; }
    // Asked with the pane beside a splitter the user presses; false refuses the drag.
    void SetSplitterDragFilter(std::function<bool(int paneId)> filter) { m_dragFilter = std::move(filter); }
    bool CanDragSplitter(int paneId) const;
    void NotifySplitterDrag(int paneId, bool started);
    // The sizes a splitter's places have now are what they ask for from then on.
    void RememberSizes(DockingSplitter& splitter);

    // The arrangement into the node (replacing what it held under "Root").
    void SaveState(Settings& node) const;
    // Brings back an arrangement SaveState wrote; false (nothing changed) for a node without
    // one, a damaged one, or one of other panes.
    bool LoadState(const Settings& node);

    // The panes inside a place (a pane, a tab group or a splitter), in order.
    static std::vector<DockingPane*> PanesIn(QWidget* place);

signals:
    void SplitterDragStarted(int paneId);
    void SplitterDragEnded(int paneId);
    void PaneVisibilityChanged(int paneId, bool visible);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct PlaceState;

    QWidget* PlaceOf(DockingPane* pane) const;
    DockingSplitter* SplitterOf(QWidget* place) const;
    void WrapRootContent(Qt::Orientation orientation);
    void SetExtent(DockingSplitter& splitter, QWidget* place, int extent);
    static int Along(const QSize& size, Qt::Orientation orientation);
    static QSize HintOf(const QWidget* place);
    static void SetHint(QWidget* place, const QSize& hint);
    void TakeExcessFrom(DockingSplitter& splitter, int donor);
    void ApplyHints(DockingSplitter& splitter);
    static void RefreshUpwards(DockingSplitter& splitter);
    void TakeOut(DockingPane* pane);
    void Tidy();
    void ApplyPaneState(DockingPane* pane);
    void ApplySplitterLook(QWidget* place);
    void SavePlace(QWidget* place, Settings& node, int extent) const;
    bool ReadPlace(const Settings& node, PlaceState& state, int depth, std::vector<int>& ids) const;
    QWidget* BuildPlace(const PlaceState& state);

    DockingSplitter* m_root = nullptr;
    std::vector<DockingPane*> m_panes;
    std::vector<int> m_hidden;
    std::function<bool(int)> m_dragFilter;
    QColor m_splitterColor;
    int m_splitterWidth = 4;
    bool m_captionsVisible = true;
};
