#pragma once
// The quote-table library's consumer. Its windows come with the quote-table command target;
// until then no table is open, so every operation on the current table does nothing and
// answers false, 0 or nothing.

#include "modulelibs/common/ModuleConsumer.h"
#include "platform/modules/TableConsumer.h"

class TableModuleConsumer : public ModuleConsumer<TableConsumer>
{
public:
    TableModuleConsumer();

    bool ShowNewTable(QWidget* view) override;
    bool IsOpenedAtLeastOneTable() const override { return false; }
    bool IsPtrTableWindow(const QWidget* window) const override { return false; }
    TableSettings* GetActiveTableProperties() override { return nullptr; }
    bool RedrawCurrentTable() override { return false; }
    bool ForceRedrawCurrentTable() override { return false; }
    bool RecalcStrings() override { return false; }
    bool InvalidateHeights() override { return false; }
    bool ShowScrollbar(bool show) override { return false; }
    bool SetRowCursor(bool on) override { return false; }
    bool IsRowCursor() const override { return false; }
    std::optional<QString> GetTableName() const override { return std::nullopt; }
    bool SetTableName(const QString& name) override { return false; }
    bool CopyToClipboard(bool ddeLinks) override { return false; }
    bool IsLogTableStateAvailable() const override { return false; }
    bool LogTablesState() override { return false; }
    std::shared_ptr<StyleBase> DefaultStyle() const override { return {}; }

    std::uint32_t GetSelectedInstrument() const override { return 0; }
    bool GetAllAssetsAndAssetsGroupId(std::set<Asset>& assets, std::set<AssetsGroupId>& groups) const override;
    bool AddRemoveAssets(const std::set<Asset>& assets, const std::set<AssetsGroupId>& groups) override { return false; }
    bool DeleteInstrument(std::uint32_t id, int mode) override { return false; }
    bool MoveInstrumentUp() override { return false; }
    bool MoveInstrumentDown() override { return false; }
    bool MoveInstrumentToBegin() override { return false; }
    bool MoveInstrumentToEnd() override { return false; }
    bool ShowInstrument(std::uint32_t id, bool show) override { return false; }
    bool IsInstrumentVisible(std::uint32_t id) const override { return false; }
    bool HasHiddenInstruments() const override { return false; }
    std::vector<TableItemInfo> GetHiddenInstruments() const override { return {}; }
    bool SearchInTable() override { return false; }
    bool IsSearchVisible() const override { return false; }
    bool SetOfferLines(std::uint32_t id, int lines) override { return false; }
    int GetOfferLines(std::uint32_t id) const override { return 0; }
    bool ResetPositions(std::uint32_t id) override { return false; }
    bool IsCurrentInstrumentPinned() const override { return false; }
    bool HasPinnedInstruments() const override { return false; }

    bool AddColumn(bool before) override { return false; }
    bool RemoveColumn() override { return false; }
    bool CanRemoveColumn() const override { return false; }
    bool HideSelectedColumn() override { return false; }
    bool CanHideColumn() const override { return false; }
    bool ShowColumn(std::uint32_t id, bool show) override { return false; }
    bool HasHiddenColumns() const override { return false; }
    std::vector<TableItemInfo> GetHiddenColumns() const override { return {}; }
    bool MoveColumnToLeft() override { return false; }
    bool MoveColumnToRight() override { return false; }
    bool CanMoveColumnToLeft() const override { return false; }
    bool CanMoveColumnToRight() const override { return false; }
    std::optional<QString> GetColumnHeader() const override { return std::nullopt; }
    bool SetColumnHeader(const QString& header) override { return false; }
    bool LockColumns(bool lock) override { return false; }
    bool AreColumnsLocked() const override { return false; }
    bool MergeSelection() override { return false; }
    bool CanMergeFields() const override { return false; }
    bool HasMergedFieldsInSelection() const override { return false; }
    bool ShowConfigTypeFieldsWnd(bool show) override { return false; }
    bool IsConfigTypeFieldsWndVisible() const override { return false; }
    void SetConfigTypeFieldsWndParent(QWidget* view) override {}
    bool RefreshCurrTableAfterFieldsEdition() override { return false; }

    bool EditComment() override { return false; }
    bool RemoveSelectedComment() override { return false; }
    bool RemoveComments() override { return false; }
    bool IsCommentCellSelected() const override { return false; }
    bool IsCommentCellFilled() const override { return false; }
    bool AreCommentsInTable() const override { return false; }

    bool SortAsc() override { return false; }
    bool SortDesc() override { return false; }
    bool SortSwitch() override { return false; }
    bool SortBy(const TableFieldType& field) override { return false; }
    bool EnableAutoSort(bool enable) override { return false; }
    bool IsAutoSort() const override { return false; }
    std::vector<TableFieldType> GetSortableTableFields() const override { return {}; }
    std::optional<TableFieldType> GetSortableTableField() const override { return std::nullopt; }

    bool ChangeTdsParams(int context, int parameter, int value) override { return false; }
    int GetTdsParams(int context, int parameter) const override { return 0; }
    bool CancelTdsParams() override { return false; }
    bool ApplyTdsParams() override { return false; }
    bool ResetTdsParams(int kind) override { return false; }
    std::shared_ptr<StyleBase> GetAutoStyle(int kind) const override { return {}; }
    int GetTableFieldStyleId(int kind) const override { return 0; }
    bool SetTableFieldStyle(int kind, int styleId) override { return false; }
    bool CancelTableFieldStyle() override { return false; }
    bool ApplyTableFieldStyle() override { return false; }

    void UpdateConnectedWindowData(const std::vector<ConnectedWindowData>& windows) override;
    std::vector<DataForConnectedWindow> GetInfoForConnectedWindow(const QWidget* window) const override { return {}; }

    // The module windows that tables can follow, as the application last told.
    const std::vector<ConnectedWindowData>& ConnectedWindows() const { return m_connectedWindows; }

private:
    std::vector<ConnectedWindowData> m_connectedWindows;
};
