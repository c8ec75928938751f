#pragma once
// The base of the windows of the details, offers and transaction-list libraries: a module
// window on one instrument of a provider that takes the instrument's quotes on a repaint timer
// (kRepaintMs), paints its rows with the text-field styles of its window style, and keeps its
// column lock and scroll-bar choice. Its state goes into window files and panels. Main thread
// only; the provider's thread reaches only the FeedLink.

#include "modulelibs/windows/FeedLink.h"
#include "modulelibs/windows/WindowStyleParams.h"
#include "platform/modules/IInstrumentFollower.h"
#include "platform/modules/ModuleWndBase.h"

#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class ConsumerBase;
class QScrollBar;
class Settings;

class FeedWindow : public ModuleWndBase, public IInstrumentFollower
{
    Q_OBJECT

public:
    static constexpr int kRepaintMs = 100;
    // Room beside a cell's text: its margins and a little air.
    static constexpr int kCellPadding = 16;

    FeedWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, int textFieldGroups,
               QWidget* parent);
    ~FeedWindow() override;

    IGenericModule* GetModule() const override;
    CmdTarget* GetCmdTarger() const override;

    // Follows the instrument; false when its provider does not deliver it (the window stays empty).
    bool SetAsset(const Asset& asset);
    const Asset& GetAsset() const { return m_asset; }
    Asset GetWindowInstrument() const override { return m_asset; }
    // A quote table this window is connected to moved its selection.
    bool FollowInstrument(const Asset& asset) override;

    WindowStyleParams& StyleParams() { return m_style; }
    const WindowStyleParams& StyleParams() const { return m_style; }

    // While its style is edited the window shows the edited style, taken anew at every redraw
    // the editing asks for; on leaving it follows the style as the editing left it.
    void ShowEditedStyle(const std::shared_ptr<StyleBase>& style) override;
    void RedrawAfterLayoutMayChanged() override;
    void LeaveEditStyleMode() override;

    bool AreColumnsLocked() const { return m_columnsLocked; }
    void LockColumns(bool locked) { m_columnsLocked = locked; }
    bool IsScrollHidden() const { return m_scrollHidden; }
    void HideScroll(bool hidden);

    // Takes what the feed delivered and repaints; the timer runs it, tests call it directly.
    void Pump();
    // Called when the user activates the window.
    void SetActivationHandler(std::function<void(FeedWindow*)> handler) { m_onActivated = std::move(handler); }

    void SaveState(Settings& node) const;
    // Style resolution: the container's style of the id, or empty to keep the current one.
    bool LoadState(const Settings& node, const std::function<std::shared_ptr<StyleBase>(int)>& resolveStyle);

protected:
    // Follows the instrument's feed; false when its provider does not deliver it.
    virtual bool Subscribe(const Asset& asset) { return m_link.Subscribe(asset); }
    // Takes what the feed delivered into the window; true when anything came.
    virtual bool TakeFeed();
    // What came on the one instrument's link; a window fed otherwise takes its feed in TakeFeed.
    virtual void Absorb(FeedLink::Batch&& batch) {}
    // The width at which every column shows its texts whole.
    int ContentWidth() const;
    // The window's caption on its instrument: its kind's name, then the instrument.
    virtual QString Caption() const;
    virtual QString KindName() const { return {}; }
    // The window moved to another instrument: what it kept of the last one goes.
    virtual void ForgetInstrumentData() = 0;
    // Header, then rows of cells; the row group of each row (0 odd, 1 even, more for kinds
    // that colour rises and falls) chooses its text field.
    virtual QStringList Header() const = 0;
    virtual int RowCount() const = 0;
    virtual QStringList Row(int index) const = 0;
    virtual int RowGroup(int index) const { return index % 2; }
    // True when the style colours alternate columns instead of alternate rows: a cell then takes
    // the text field of its column's group (0 odd, 1 even).
    virtual bool ColoursColumns() const { return false; }
    // +1 when the row's value rose at the last change, -1 when it fell: painted with the rise
    // or fall colours of its text field.
    virtual int RowTrend(int index) const { return 0; }
    virtual int SelectedRow() const { return -1; }
    // The style parameters of the grid lines (pen, horizontal and vertical switches); kinds
    // whose style has none draw no grid.
    struct GridParams
    {
        int pen = 0;
        int horizontal = 0;
        int vertical = 0;
    };
    virtual std::optional<GridParams> Grid() const { return std::nullopt; }
    virtual void SaveOwnState(Settings& node) const {}
    virtual void LoadOwnState(const Settings& node) {}
    // The first row shown; kinds with many rows scroll.
    int FirstVisibleRow() const;
    int VisibleRowCount() const;
    int RowHeight() const;
    void UpdateScrollRange();

    void paintEvent(QPaintEvent* event) override;
    void PaintGrid(QPainter& painter, const QRect& area, int rows, int columnWidth, int columns) const;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    virtual void OnRowClicked(int row) {}

private:
    ConsumerBase& m_consumer;
    WindowStyleParams m_style;
    Asset m_asset;
    std::shared_ptr<StyleBase> m_editedStyle;
    FeedLink m_link;
    QTimer m_timer;
    QScrollBar* m_scroll = nullptr;
    bool m_columnsLocked = false;
    bool m_scrollHidden = false;
    std::function<void(FeedWindow*)> m_onActivated;
};
