#pragma once
// The quote-table library's consumer: it opens quote-table windows in panels on the running
// provider, keeps them, and carries out every operation on the current table, the one the
// user last activated (the application's active module window when that is a table). With no
// table open, an operation on the current table does nothing and answers false, 0 or nothing.
// It is also the library's source of alert arguments (the numeric fields of instruments), whose
// operations the alert module may call on any thread. Everything else: main thread only.

#include "modulelibs/common/ModuleConsumer.h"
#include "modulelibs/table/TableAlertArguments.h"
#include "platform/modules/IAlertArgumentSource.h"
#include "platform/modules/TableConsumer.h"

#include <QPointer>

#include <functional>
#include <optional>

class QuoteTableFieldsWnd;
class QuoteTableModel;
class QuoteTableWindow;

class TableModuleConsumer : public ModuleConsumer<TableConsumer>, public IAlertArgumentSource
{
public:
    // Asks for a text (the caption, the current text); empty when the user cancels.
    using TextPrompt = std::function<std::optional<QString>(QWidget* parent, const QString& caption, const QString& text)>;

    TableModuleConsumer();
    ~TableModuleConsumer() override;

    bool ShowNewTable(QWidget* view) override;
    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override;
    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override;
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override;
    void ShutDown() override;
    void Refresh() override;

    bool IsOpenedAtLeastOneTable() const override;
    bool IsPtrTableWindow(const QWidget* window) const override;
    TableSettings* GetActiveTableProperties() override;
    bool RedrawCurrentTable() override;
    bool ForceRedrawCurrentTable() override;
    bool RecalcStrings() override;
    bool InvalidateHeights() override;
    bool ShowScrollbar(bool show) override;
    bool SetRowCursor(bool on) override;
    bool IsRowCursor() const override;
    std::optional<QString> GetTableName() const override;
    bool SetTableName(const QString& name) override;
    bool CopyToClipboard(bool ddeLinks) override;
    bool IsLogTableStateAvailable() const override { return true; }
    bool LogTablesState() override;
    std::shared_ptr<StyleBase> DefaultStyle() const override { return {}; }

    std::uint32_t GetSelectedInstrument() const override;
    bool GetAllAssetsAndAssetsGroupId(std::set<Asset>& assets, std::set<AssetsGroupId>& groups) const override;
    bool AddRemoveAssets(const std::set<Asset>& assets, const std::set<AssetsGroupId>& groups) override;
    bool DeleteInstrument(std::uint32_t id, int mode) override;
    bool MoveInstrumentUp() override;
    bool MoveInstrumentDown() override;
    bool MoveInstrumentToBegin() override;
    bool MoveInstrumentToEnd() override;
    bool ShowInstrument(std::uint32_t id, bool show) override;
    bool IsInstrumentVisible(std::uint32_t id) const override;
    bool HasHiddenInstruments() const override;
    std::vector<TableItemInfo> GetHiddenInstruments() const override;
    bool SearchInTable() override;
    bool IsSearchVisible() const override;
    bool SetOfferLines(std::uint32_t id, int lines) override;
    int GetOfferLines(std::uint32_t id) const override;
    bool ResetPositions(std::uint32_t id) override;
    bool IsCurrentInstrumentPinned() const override;
    bool HasPinnedInstruments() const override;

    bool AddColumn(bool before) override;
    bool RemoveColumn() override;
    bool CanRemoveColumn() const override;
    bool HideSelectedColumn() override;
    bool CanHideColumn() const override;
    bool ShowColumn(std::uint32_t id, bool show) override;
    bool HasHiddenColumns() const override;
    std::vector<TableItemInfo> GetHiddenColumns() const override;
    bool MoveColumnToLeft() override;
    bool MoveColumnToRight() override;
    bool CanMoveColumnToLeft() const override;
    bool CanMoveColumnToRight() const override;
    std::optional<QString> GetColumnHeader() const override;
    bool SetColumnHeader(const QString& header) override;
    bool LockColumns(bool lock) override;
    bool AreColumnsLocked() const override;
    bool MergeSelection() override;
    bool CanMergeFields() const override;
    bool HasMergedFieldsInSelection() const override;
    bool ShowConfigTypeFieldsWnd(bool show) override;
    bool IsConfigTypeFieldsWndVisible() const override;
    void SetConfigTypeFieldsWndParent(QWidget* view) override;
    bool RefreshCurrTableAfterFieldsEdition() override;

    bool EditComment() override;
    bool RemoveSelectedComment() override;
    bool RemoveComments() override;
    bool IsCommentCellSelected() const override;
    bool IsCommentCellFilled() const override;
    bool AreCommentsInTable() const override;

    bool SortAsc() override;
    bool SortDesc() override;
    bool SortSwitch() override;
    bool SortBy(const TableFieldType& field) override;
    bool EnableAutoSort(bool enable) override;
    bool IsAutoSort() const override;
    std::vector<TableFieldType> GetSortableTableFields() const override;
    std::optional<TableFieldType> GetSortableTableField() const override;

    bool ChangeTdsParams(int context, int parameter, int value) override;
    int GetTdsParams(int context, int parameter) const override;
    bool CancelTdsParams() override;
    bool ApplyTdsParams() override;
    bool ResetTdsParams(int kind) override;
    // The table style gallery's first entry: the current table's own style, when it follows
    // none of the stored ones; the element styles have none.
    std::shared_ptr<StyleBase> GetAutoStyle(int kind) const override;
    int GetTableFieldStyleId(int kind) const override;
    bool SetTableFieldStyle(int kind, int styleId) override;
    bool CancelTableFieldStyle() override;
    bool ApplyTableFieldStyle() override;

    void UpdateConnectedWindowData(const std::vector<ConnectedWindowData>& windows) override;
    std::vector<DataForConnectedWindow> GetInfoForConnectedWindow(const QWidget* window) const override;

    void PublishArgumentValues(std::shared_ptr<const AlertExprArgList> values) override;
    void NotifyArgumentDestroyed(const AlertExprArgDesc& argument) override;
    bool IsArgumentValid(const AlertExprArgDesc& argument) override;
    bool AddArgumentUsage(const AlertExprArgDesc& argument) override;
    void RemoveArgumentUsage(const AlertExprArgDesc& argument) override;
    TableAlertArguments& AlertArguments() { return m_alertArguments; }

    // The module windows that tables can follow, as the application last told.
    const std::vector<ConnectedWindowData>& ConnectedWindows() const { return m_connectedWindows; }

    // The current table; null when none is open.
    QuoteTableWindow* CurrentTable() const;
    std::vector<QuoteTableWindow*> Tables() const;
    // The prompt of notes; the default asks with a Qt input dialog.
    void SetTextPrompt(TextPrompt prompt) { m_textPrompt = std::move(prompt); }

private:
    QuoteTableWindow* MakeWindow(QWidget* view);
    void Adopt(QuoteTableWindow* window);
    ProviderBase* RunningProvider() const;
    std::optional<Asset> Resolve(const Asset& stored) const;
    void UpdateFieldsWnd();
    bool Redraw(bool force);
    QuoteTableWindow* OwnWindow(QWidget* window) const;
    // Runs the operation on the current table and repaints it when it did something.
    bool OnCurrent(const std::function<bool(QuoteTableModel&)>& operation);

    std::vector<QPointer<QuoteTableWindow>> m_tables;
    QPointer<QuoteTableWindow> m_current;
    QPointer<QuoteTableFieldsWnd> m_fieldsWnd;
    QPointer<QWidget> m_fieldsWndParent;
    TextPrompt m_textPrompt;
    std::vector<ConnectedWindowData> m_connectedWindows;
    TableAlertArguments m_alertArguments;
};
