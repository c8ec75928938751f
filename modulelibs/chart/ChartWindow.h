#pragma once
// A chart window in a panel: one instrument's bars from its provider's history, extended by its
// live transactions, drawn in the chart types of its series, with the panels, axes, records and
// drawn objects of its document. The mouse and keys scroll and zoom it, select panels, series
// and drawn objects, and work the chart tools the consumer has switched on (drawing a trend line,
// the zoom tool, the ruler, the inspector and its cross). Made by the chart consumer; main thread.

#include "modulelibs/chart/ChartActiveObjects.h"
#include "modulelibs/chart/ChartBars.h"
#include "modulelibs/chart/ChartDocument.h"
#include "modulelibs/chart/ChartFeed.h"
#include "modulelibs/chart/ChartOverlay.h"
#include "modulelibs/chart/IChartHost.h"
#include "platform/modules/Asset.h"
#include "platform/modules/IInstrumentFollower.h"
#include "platform/modules/ModuleWndBase.h"

#include <optional>

class ChartLayout;
class ChartModuleConsumer;

class ChartWindow : public ModuleWndBase, public IInstrumentFollower, private IChartHost
{
    Q_OBJECT

public:
    ChartWindow(ChartModuleConsumer& consumer, ChartDocument document, QWidget* parent);
    ~ChartWindow() override;

    IGenericModule* GetModule() const override;
    CmdTarget* GetCmdTarger() const override;

    ChartActiveObjects& ActiveObjects() { return m_activeObjects; }
    const ChartDocument& Document() const { return m_document; }
    const ChartBars& Bars() const { return m_bars; }
    // The instrument found at the provider the document names; empty when it was not found.
    const Asset& GetAsset() const { return m_asset; }
    Asset GetWindowInstrument() const override { return m_asset; }
    // Finds the instrument, asks its provider for history and starts the live ticks; false when
    // the provider or the instrument is not there (the window then says so).
    bool LoadData();
    // Whether live transactions reach the chart; a chart of past sessions takes none.
    bool IsLive() const { return m_feed.IsRunning(); }
    // The chart of another instrument, in the same intervals and series; false when it has no provider.
    bool ShowAsset(const Asset& asset);
    // A quote table the chart is linked with shows its selected instrument here.
    bool FollowInstrument(const Asset& asset) override;
    // The user picks another instrument in the application's instrument choice and the chart
    // shows it; false when the choice was cancelled or the instrument cannot be shown.
    bool ChooseOtherInstrument();
    // Live transactions as the feed hands them over; tests call it directly.
    void AppendTransactions(const std::vector<Transaction>& transactions);
    // Scrolls by bars (positive: towards older bars).
    void ScrollBars(int bars);

    // IChartHost
    void Redraw() override;
    void ReloadData() override;
    bool CurrentScale(int viewId, double& minimum, double& maximum) const override;
    int BarCount() const override { return m_bars.Count(); }
    bool AskNumber(const QString& title, const QString& label, int value, int minimum, int maximum,
                   int& result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class Drag
    {
        None,
        Pan,
        Draw,
        Zoom,
        Ruler,
        MovePoint,
        MoveFormation,
    };

    ChartLayout Layout() const;
    void SelectAt(const QPoint& point);
    // The formation under the point (-1 for none), and the anchor of the active one near it.
    int FormationAt(const QPoint& point) const;
    int ActiveHandleAt(const QPoint& point) const;
    // Starts the armed tool at the point; false when the click drew nothing.
    bool StartFormation(const QPoint& point);
    void DragFormation(const QPoint& point);
    void FinishFormation(const QPoint& to);
    // Esc or the right button: the armed tool is put down.
    void StopDrawing();
    // The point as the drawing mode places it: free, snapped to the bar's prices, or on its close.
    FormationPoint PlacedPoint(const QPoint& point) const;
    void FinishZoom(const QPoint& to);
    void UpdateCaption();

    ChartModuleConsumer& m_consumer;
    ChartDocument m_document;
    ChartBars m_bars;
    ChartActiveObjects m_activeObjects;
    ChartFeed m_feed;
    Asset m_asset;
    ChartOverlay m_overlay;
    Drag m_drag = Drag::None;
    QPoint m_pressPoint;
    int m_pressOffset = 0;
    // The anchor dragged, and the points as they were at the press.
    int m_dragPoint = -1;
    std::vector<FormationPoint> m_pressPoints;
    bool m_menuSuppressed = false;
};
