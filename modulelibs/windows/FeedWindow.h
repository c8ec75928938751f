#pragma once
// The base of the windows of the details, offers and transaction-list libraries: a module
// window on one instrument of a provider that takes the instrument's quotes on a repaint timer
// (kRepaintMs), paints its rows with the text-field styles of its window style, and keeps its
// column lock and scroll-bar choice. Its state goes into window files and panels. Main thread
// only; the provider's thread reaches only the FeedLink.

#include "modulelibs/windows/FeedLink.h"
#include "modulelibs/windows/WindowStyleParams.h"
#include "platform/modules/ModuleWndBase.h"

#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

class ConsumerBase;
class QScrollBar;
class Settings;

class FeedWindow : public ModuleWndBase
{
    Q_OBJECT

public:
    static constexpr int kRepaintMs = 100;

    FeedWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, int textFieldGroups,
               QWidget* parent);
    ~FeedWindow() override;

    IGenericModule* GetModule() const override;
    CmdTarget* GetCmdTarger() const override;

    // Follows the instrument; false when its provider does not deliver it (the window stays empty).
    bool SetAsset(const Asset& asset);
    const Asset& GetAsset() const { return m_link.GetAsset(); }

    WindowStyleParams& StyleParams() { return m_style; }
    const WindowStyleParams& StyleParams() const { return m_style; }

    bool AreColumnsLocked() const { return m_columnsLocked; }
    void LockColumns(bool locked) { m_columnsLocked = locked; }
    bool IsScrollHidden() const { return m_scrollHidden; }
    void HideScroll(bool hidden);

    // Takes what the feed delivered and repaints; the timer runs it, tests call it directly.
    void Pump();
    // Called when the user activates the window.
    void SetActivationHandler(std::function<void(FeedWindow*)> handler) { m_onActivated = std::move(handler); }

    // The style edit mode: the window draws the edited style, then follows it.
    void ShowEditedStyle(const std::shared_ptr<StyleBase>& style) override;
    void LeaveEditStyleMode() override;

    void SaveState(Settings& node) const;
    // Style resolution: the container's style of the id, or empty to keep the current one.
    bool LoadState(const Settings& node, const std::function<std::shared_ptr<StyleBase>(int)>& resolveStyle);

protected:
    virtual void Absorb(FeedLink::Batch&& batch) = 0;
    // Header, then rows of cells; the row group of each row (0 odd, 1 even, more for kinds
    // that colour rises and falls) chooses its text field.
    virtual QStringList Header() const = 0;
    virtual int RowCount() const = 0;
    virtual QStringList Row(int index) const = 0;
    virtual int RowGroup(int index) const { return index % 2; }
    // +1 when the row's value rose at the last change, -1 when it fell: painted with the rise
    // or fall colours of its text field.
    virtual int RowTrend(int index) const { return 0; }
    virtual int SelectedRow() const { return -1; }
    virtual void SaveOwnState(Settings& node) const {}
    virtual void LoadOwnState(const Settings& node) {}
    // The first row shown; kinds with many rows scroll.
    int FirstVisibleRow() const;
    int VisibleRowCount() const;
    int RowHeight() const;
    void UpdateScrollRange();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    virtual void OnRowClicked(int row) {}

private:
    ConsumerBase& m_consumer;
    WindowStyleParams m_style;
    FeedLink m_link;
    QTimer m_timer;
    QScrollBar* m_scroll = nullptr;
    bool m_columnsLocked = false;
    bool m_scrollHidden = false;
    std::function<void(FeedWindow*)> m_onActivated;
};
