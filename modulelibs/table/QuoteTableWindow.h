#pragma once
// The window of one quote table in a panel: it paints its table (header, rows with their
// offer lines, the selection, what changed a moment ago as its style's colouring mode says)
// and feeds it from the provider. The provider calls OnQuote and OnOrderBook on its
// own thread; they only leave the newest state of each instrument in a queue under the
// window's lock, and a main-thread timer takes the queue into the table and repaints, so a
// burst of quotes costs one repaint. Everything else runs on the main thread.

#include "modulelibs/table/QuoteTableConnections.h"
#include "modulelibs/table/QuoteTableFrame.h"
#include "modulelibs/table/QuoteTableModel.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/IQuotesReceiver.h"
#include "platform/modules/ModuleWndBase.h"

#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

class DDBaseDataObject;
class QLineEdit;
class QPainter;
class QScrollBar;
class ProviderBase;
class TableModuleConsumer;

class QuoteTableWindow : public ModuleWndBase, public IQuotesReceiver
{
    Q_OBJECT

public:
    static constexpr int kDrainIntervalMs = 50;

    QuoteTableWindow(TableModuleConsumer& consumer, QWidget* parent);
    ~QuoteTableWindow() override;

    IGenericModule* GetModule() const override;
    CmdTarget* GetCmdTarger() const override;

    // The table's style: grid lines, cursor colour, how changes show, row heights and the odd
    // and even rows' text-field styles. The style edit mode hands the edited style in, and the table keeps it.
    const std::shared_ptr<StyleBase>& GetStyle() const { return m_style; }
    void ShowEditedStyle(const std::shared_ptr<StyleBase>& style) override;
    // The table style gallery: shows a stored table style in place of the table's, null for the
    // style the table had before the preview; kept by Apply, dropped by Cancel.
    void PreviewStyle(const std::shared_ptr<StyleBase>& style);
    void CancelStylePreview();
    void ApplyStylePreview();

    QuoteTableModel& Model() { return m_model; }
    const QuoteTableModel& Model() const { return m_model; }

    // Makes the table show exactly these instruments, following each on its provider.
    void SetInstruments(const std::vector<Asset>& assets);
    // Follows every instrument of the table (after the table was loaded from a file).
    void Subscribe();
    // Takes what the feed delivered since the last time; true when the table changed.
    bool DrainFeed();
    // Repaints now when the table changed, or when a highlight has run out.
    void Redraw(bool force);
    // Formats the rows on view whose data changed, as a paint would first; gives how many.
    int FormatFrame();

    // Provider thread.
    void OnQuote(const Asset& asset, const CurrentState& state) override;
    void OnOrderBook(const Asset& asset, const OrderBook& book) override;

    void ShowSearch(bool show);
    bool IsSearchVisible() const;
    void SetRowCursor(bool on);
    bool IsRowCursor() const { return m_rowCursor; }
    void ShowScrollbar(bool show);
    void InvalidateHeights();
    // The name the caption shows.
    void UpdateCaption();

    // The module windows that follow the table's selected instrument; the ribbon connects and
    // disconnects them with a ConnectWindowEvent.
    const QuoteTableConnections& Connections() const { return m_connections; }

    // Geometry the tests and the ribbon use: the row and field at a point (0 when none).
    int RowHeight(const QuoteTableRow& row) const;
    int HeaderHeight() const;
    std::pair<std::uint32_t, int> HitTest(const QPoint& point) const;

    // A numeric cell dragged out carries its field of its instrument as an alert argument. The
    // default starter brings the main window up and runs a QDrag; tests give their own.
    using ArgumentDragStarter = std::function<void(QWidget& source, const DDBaseDataObject& object)>;
    void SetArgumentDragStarter(ArgumentDragStarter starter) { m_dragStarter = std::move(starter); }
    // The argument of the cell at the point; false for a header, a text field or no cell.
    bool ArgumentAt(const QPoint& point, DDBaseDataObject& object) const;
    // Opens a chart of the selected instrument through the application (its new-chart
    // parameters); false without a selected instrument or when no chart opened.
    bool OpenChartOfSelected();

    // The instrument of the selected row.
    Asset GetWindowInstrument() const override { return SelectedAsset(); }
    // The selected row's instrument becomes the active one while this table is the active window.
    void PublishSelectedInstrument() const;

signals:
    void Activated(QuoteTableWindow* window);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // What waits of one instrument. Each instrument keeps its place between frames, so that a
    // quote on the provider's thread finds it by a hash and allocates nothing.
    struct Pending
    {
        Asset asset;
        std::optional<CurrentState> state;
        std::optional<OrderBook> book;
        bool queued = false;
    };
    // Under the pending lock: the instrument's place, made when it has none.
    Pending& PendingOf(const Asset& asset);

    void Unsubscribe();
    void UpdateScrollRange();
    void Search(const QString& text);
    void EnsureSelectedVisible();
    int BaseRowHeight() const;
    int HighlightTimeMs() const;
    bool HasLiveHighlights(std::int64_t now) const;
    Asset SelectedAsset() const;
    QuoteTableFrame::View FrameView() const;

    TableModuleConsumer& m_consumer;
    QuoteTableModel m_model;
    // The instruments followed now, each on its own provider.
    std::vector<Asset> m_followed;
    QuoteTableConnections m_connections;

    SafeCriticalSection m_pendingLock;
    std::unordered_map<Asset, std::size_t, AssetHash> m_pendingPlaces;
    std::vector<Pending> m_pending;
    // The places with something waiting, in the order it came.
    std::vector<std::size_t> m_pendingQueued;

    std::shared_ptr<StyleBase> m_style;
    QuoteTableFrame m_frame;
    // The style before a gallery preview, while one runs.
    std::shared_ptr<StyleBase> m_styleBeforePreview;
    QTimer m_drainTimer;
    QScrollBar* m_scrollBar = nullptr;
    QLineEdit* m_search = nullptr;
    int m_firstRow = 0;
    bool m_rowCursor = false;
    bool m_dirty = true;
    bool m_highlightsShown = false;
    // Where the left button went down, while a drag may still start from there.
    std::optional<QPoint> m_dragFrom;
    ArgumentDragStarter m_dragStarter;
};
