#pragma once
// The lower pane of the session-statistics window: the overall figures of the session in
// three items, "Zmiany", "Obroty" and "Transakcje". Dragging a segment of an item's bar drags
// the alert argument of that figure (source "SessionStatistics", id 10 × item + segment + 1).
// Main thread only.

#include "sessionstats/ui/OverallWindowItemBase.h"
#include "sessionstats/ui/OverallWindowPainter.h"

#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class DDBaseDataObject;
class ITableContextMenuHandler;
class ObjectWithStyle;
class SessionStatisticsContextMenu;
class StyleSessionStatistics;

class OverallWnd : public QWidget
{
    Q_OBJECT

public:
    // Starts the drag of an alert argument; the default brings the main window up and runs a QDrag.
    using ArgumentDragStarter = std::function<void(QWidget& source, const DDBaseDataObject& object)>;

    explicit OverallWnd(QWidget* parent = nullptr);
    ~OverallWnd() override;

    // The module whose style the bar shows.
    void SetModule(const ObjectWithStyle* module) { m_module = module; }
    void SetContextMenu(SessionStatisticsContextMenu* menu) { m_contextMenu = menu; }
    void SetArgumentDragStarter(ArgumentDragStarter starter) { m_dragStarter = std::move(starter); }

    // The overall-bar part of the module's style, read again after MarkStyleStale; null
    // without a module.
    const IOverallWindowStyle* GetOverallStyle() const;
    void MarkStyleStale() { m_styleStale = true; }
    // The figures of the three items.
    void UpdateItems(const OverallStatisticsWrapper& overall);

    OverallWindowPainter& Painter() { return m_painter; }
    const std::vector<OverallWindowItemBase*>& Items() const { return m_itemPointers; }
    // The argument of the segment under the point; false when none is there.
    bool ArgumentAt(const QPoint& point, DDBaseDataObject& object) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void StartArgumentDrag();

    std::vector<std::unique_ptr<OverallWindowItemBase>> m_items;
    std::vector<OverallWindowItemBase*> m_itemPointers;
    const ObjectWithStyle* m_module = nullptr;
    OverallWindowPainter m_painter;
    mutable std::shared_ptr<const StyleSessionStatistics> m_style;
    mutable bool m_styleStale = true;
    bool m_buttonDown = false;
    bool m_dragArmed = true;
    QPoint m_downPoint;
    SessionStatisticsContextMenu* m_contextMenu = nullptr;
    ArgumentDragStarter m_dragStarter;
};
