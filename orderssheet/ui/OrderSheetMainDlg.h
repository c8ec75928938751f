#pragma once
// The orders-sheet window, hosted in a panel: the order book of one instrument in two tables
// (supply above, demand below, the current value between), each side's summary and the summary
// chart, in the panes of its pane manager. It runs on an instrument through the instrument's
// sheet instance, whose processing thread refreshes the data sets; the instance tells the window
// on the main thread (OnNewDataSetState) and the window repaints its panes. A 350 ms timer
// repaints tables whose change marks are fading. Closing hides the window and stops its
// receiver; removing it deletes it through the module. A window without an instrument shows
// empty tables. Main thread only.

#include "orderssheet/engine/IOrdersSheetWindow.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "platform/modules/Asset.h"
#include "platform/modules/IInstrumentFollower.h"
#include "platform/modules/ModuleWndBase.h"

#include <QTimer>

#include <memory>

class IOrdersSheetModule;
class OSContextMenu;
class OrdersSheetAssetInstance;
class OrdersSheetPaneManager;
class PriceLevelElement;
class Q5Settings;
class QMimeData;
class Settings;
class TableDataSetOrdersSheet;
class TableHandlerCommon;

class OrderSheetMainDlg : public ModuleWndBase, public IOrdersSheetWindow, public IInstrumentFollower
{
    Q_OBJECT

public:
    static constexpr int kRedrawTimerMs = 350;
    static constexpr int kMinimumWidth = 133;
    static inline const QString kUnattachedTitle = QStringLiteral("Arkusz zleceń");

    // settings: the module's template the window starts from; checkActiveAsset: the window
    // runs on the application's active instrument when there is one.
    OrderSheetMainDlg(IOrdersSheetModule& module, const OrdersSheetSettings& settings, bool checkActiveAsset,
                      QWidget* parent);
    ~OrderSheetMainDlg() override;

    // ModuleWndBase
    IGenericModule* GetModule() const override;
    CmdTarget* GetCmdTarger() const override;
    bool ShowHideMechanismOn() const override { return true; }
    void RedrawAfterLayoutMayChanged() override;
    // The style edit mode's style: the window draws with it until the mode ends.
    void ShowEditedStyle(const std::shared_ptr<StyleBase>& style) override;
    void LeaveEditStyleMode() override;

    // IOrdersSheetWindow
    bool HasWindowHandle() const override { return true; }
    void OnNewDataSetState() override;
    void PublishArgumentValues(const std::shared_ptr<const AlertExprArgList>&) override {}
    int GetStyleId() const override;
    // The instrument it runs on; empty while it runs on none.
    Asset GetWindowInstrument() const override { return m_running ? m_asset : Asset(); }

    // Runs on the application's active instrument; false when there is none or this window is
    // the active module window.
    bool CheckActiveAsset();
    // Runs on the instrument; the same instrument with a running receiver changes nothing. False,
    // logged, when the instrument has no provider or its instance cannot start.
    bool RunOnAsset(const Asset& asset);
    // A linked quote table's selected instrument: the window runs on it.
    bool FollowInstrument(const Asset& asset) override { return RunOnAsset(asset); }
    // Insert: the quick-add popup at the cursor; the instrument chosen there replaces the
    // window's. False when there is no mediator to show it.
    bool OpenQuickAdd();
    // A dragged instrument dropped on the window: the one the window runs on changes nothing,
    // another moves the window to it. False when the data names no instrument the provider knows.
    bool DropData(const QMimeData* data);
    bool IsRunning() const { return m_running; }
    const Asset& GetAsset() const { return m_asset; }
    int GetWindowNumber() const { return m_windowNumber; }
    QString GetMainStyleMenuDescrPart() const { return QStringLiteral("arkusza zleceń"); }
    // The instance the window runs in; null when not running.
    OrdersSheetAssetInstance* GetInstance() const;

    // Shows the window and starts its receiver; Hide stops it.
    void Show();
    void Hide();
    // Removes the window: the module deletes it after this call returns to the event loop.
    void RequestRemove();
    void UpdateTitle();

    void SerializeState(Settings& node, bool embedStyles) const;
    // False when the state names an instrument but there is no provider to find it in.
    bool UnSerializeState(const Settings& node);
    void SaveToQ5Format(Q5Settings& node) const;

    // The ribbon's colour and font services on the window's own style. Kinds: 0 odd rows, 1 even
    // rows, 4 the current-value row, and the cursor kinds below; another kind answers 0 and
    // changes nothing. Parameter 12
    // steps the font one size (value 1 larger, 0 smaller) instead of storing the value.
    static constexpr int kFontStepParameter = 12;
    qint32 GetStyleValue(int kind, int parameterId) const;
    void SetStyleValue(int kind, int parameterId, qint32 value);
    // The row style of a kind in the window's own style; null for another kind.
    std::shared_ptr<StyleBase> GetRowKindStyle(int kind) const;
    // Kinds 0, 1 and 4 take the parameter back from the style the window's style comes from;
    // the cursor kinds from the named style of the cursor column or row.
    void RestoreStyleParameter(int kind, int parameterId);
    // Every column and every order row takes its parameters back from its named style.
    void RestoreAllStyles();

    // The cell under the cursor, in either table: its column (kind 2 of the colour and font
    // services above) and its order row (kind 3). Without a cursor cell the services below do
    // nothing and answer empty.
    static constexpr int kCursorColumnKind = 2;
    static constexpr int kCursorRowKind = 3;
    bool HasCursorCell() const;
    int GetCursorColumnStyleId() const;
    int GetCursorRowStyleId() const;
    // The own style of the cursor column / order row, made when missing; the column then paints
    // with it (starting from its named style).
    std::shared_ptr<StyleBase> GetCursorColumnStyle();
    std::shared_ptr<StyleBase> GetCursorRowStyle();
    // preview true shows the named style on the cursor column / row, the state before the first
    // preview kept; id 0 with false leaves the preview and gives that state back.
    void SetCursorColumnStyle(int styleId, bool preview);
    void SetCursorRowStyle(int styleId, bool preview);
    // The previewed style stays.
    void ApplyCursorColumnStyle();
    void ApplyCursorRowStyle();

    // Repaints tables that ask for it; the timer runs it, tests call it.
    void OnTimer();

    OrdersSheetSettings& GetSettings() { return m_settings; }
    const OrdersSheetSettings& GetSettings() const { return m_settings; }
    OrdersSheetPaneManager& Panes() const { return *m_panes; }
    OSContextMenu& ContextMenu() const { return *m_contextMenu; }
    bool IsRedrawTimerActive() const { return m_timer.isActive(); }
    bool IsSubscribed() const { return m_subscribed; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The table whose handler has the cursor cell; null without one.
    const TableHandlerCommon* CursorHandler() const;
    // The key of the row shown under the cursor; empty without one.
    QString CursorRowKey() const;
    const OrdersSheetTableSettings::ColumnProperties* CursorColumn() const;
    OrdersSheetTableSettings::ColumnProperties* CursorColumn();
    // The sheet's row style that paints the cursor row when nothing else does.
    std::shared_ptr<StyleBase> CursorParityStyle() const;
    qint32 GetCursorStyleValue(int kind, int parameterId) const;
    // The cursor column's / row's parameter from its named style, else from the sheet's row style.
    void RestoreCursorParameter(int kind, int parameterId);
    bool RunInstrument(const Asset& asset);
    // The row styles of the shown mode keep only the rows the book still has.
    void PruneRowStyles();
    void UseOwnDataSets();
    void UpdateUnattachedTitle();
    void OnLayoutChanged();
    void SetCaption(const QString& caption);

    IOrdersSheetModule& m_module;
    OrdersSheetSettings m_settings;
    const int m_priceLevelId;
    std::shared_ptr<PriceLevelElement> m_priceLevel;
    std::unique_ptr<TableDataSetOrdersSheet> m_ownDataSet0;
    std::unique_ptr<TableDataSetOrdersSheet> m_ownDataSet1;
    OrdersSheetPaneManager* m_panes = nullptr;
    std::unique_ptr<OSContextMenu> m_contextMenu;
    Asset m_asset;
    int m_windowNumber = 1;
    bool m_running = false;
    bool m_subscribed = false;
    bool m_removing = false;
    QTimer m_timer;
};
