#pragma once
// The consumer of the quote-table library. Almost every operation acts on the current (active)
// table and does nothing (false, 0 or empty) when no table is open; instruments are named by
// their id in the table, 0 meaning every instrument or none selected.

#include "platform/modules/Asset.h"
#include "platform/modules/AssetsGroupId.h"
#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ConsumerBase.h"
#include "platform/modules/DataForConnectedWindow.h"
#include "platform/modules/TableFieldType.h"
#include "platform/modules/TableItemInfo.h"
#include "platform/modules/TableSettings.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <vector>

class StyleBase;

class TableConsumer : public ConsumerBase
{
public:
    // Windows
    virtual bool ShowNewTable(QWidget* view) = 0;
    virtual bool IsOpenedAtLeastOneTable() const = 0;
    virtual bool IsPtrTableWindow(const QWidget* window) const = 0;
    virtual TableSettings* GetActiveTableProperties() = 0;
    virtual bool RedrawCurrentTable() = 0;
    virtual bool ForceRedrawCurrentTable() = 0;
    virtual bool RecalcStrings() = 0;
    virtual bool InvalidateHeights() = 0;
    virtual bool ShowScrollbar(bool show) = 0;
    virtual bool SetRowCursor(bool on) = 0;
    virtual bool IsRowCursor() const = 0;
    virtual std::optional<QString> GetTableName() const = 0;
    virtual bool SetTableName(const QString& name) = 0;
    virtual bool CopyToClipboard(bool ddeLinks) = 0;
    virtual bool IsLogTableStateAvailable() const = 0;
    virtual bool LogTablesState() = 0;
    virtual std::shared_ptr<StyleBase> DefaultStyle() const = 0;

    // Instruments
    virtual std::uint32_t GetSelectedInstrument() const = 0;
    virtual bool GetAllAssetsAndAssetsGroupId(std::set<Asset>& assets, std::set<AssetsGroupId>& groups) const = 0;
    virtual bool AddRemoveAssets(const std::set<Asset>& assets, const std::set<AssetsGroupId>& groups) = 0;
    virtual bool DeleteInstrument(std::uint32_t id, int mode) = 0;
    virtual bool MoveInstrumentUp() = 0;
    virtual bool MoveInstrumentDown() = 0;
    virtual bool MoveInstrumentToBegin() = 0;
    virtual bool MoveInstrumentToEnd() = 0;
    virtual bool ShowInstrument(std::uint32_t id, bool show) = 0;
    virtual bool IsInstrumentVisible(std::uint32_t id) const = 0;
    virtual bool HasHiddenInstruments() const = 0;
    virtual std::vector<TableItemInfo> GetHiddenInstruments() const = 0;
    virtual bool SearchInTable() = 0;
    virtual bool IsSearchVisible() const = 0;
    virtual bool SetOfferLines(std::uint32_t id, int lines) = 0;
    virtual int GetOfferLines(std::uint32_t id) const = 0;
    virtual bool ResetPositions(std::uint32_t id) = 0;
    virtual bool IsCurrentInstrumentPinned() const = 0;
    virtual bool HasPinnedInstruments() const = 0;

    // Columns
    virtual bool AddColumn(bool before) = 0;
    virtual bool RemoveColumn() = 0;
    virtual bool CanRemoveColumn() const = 0;
    virtual bool HideSelectedColumn() = 0;
    virtual bool CanHideColumn() const = 0;
    virtual bool ShowColumn(std::uint32_t id, bool show) = 0;
    virtual bool HasHiddenColumns() const = 0;
    virtual std::vector<TableItemInfo> GetHiddenColumns() const = 0;
    virtual bool MoveColumnToLeft() = 0;
    virtual bool MoveColumnToRight() = 0;
    virtual bool CanMoveColumnToLeft() const = 0;
    virtual bool CanMoveColumnToRight() const = 0;
    virtual std::optional<QString> GetColumnHeader() const = 0;
    virtual bool SetColumnHeader(const QString& header) = 0;
    virtual bool LockColumns(bool lock) = 0;
    virtual bool AreColumnsLocked() const = 0;
    virtual bool MergeSelection() = 0;
    virtual bool CanMergeFields() const = 0;
    virtual bool HasMergedFieldsInSelection() const = 0;
    virtual bool ShowConfigTypeFieldsWnd(bool show) = 0;
    virtual bool IsConfigTypeFieldsWndVisible() const = 0;
    virtual void SetConfigTypeFieldsWndParent(QWidget* view) = 0;
    virtual bool RefreshCurrTableAfterFieldsEdition() = 0;

    // Comments
    virtual bool EditComment() = 0;
    virtual bool RemoveSelectedComment() = 0;
    virtual bool RemoveComments() = 0;
    virtual bool IsCommentCellSelected() const = 0;
    virtual bool IsCommentCellFilled() const = 0;
    virtual bool AreCommentsInTable() const = 0;

    // Sorting
    virtual bool SortAsc() = 0;
    virtual bool SortDesc() = 0;
    virtual bool SortSwitch() = 0;
    virtual bool SortBy(const TableFieldType& field) = 0;
    virtual bool EnableAutoSort(bool enable) = 0;
    virtual bool IsAutoSort() const = 0;
    virtual std::vector<TableFieldType> GetSortableTableFields() const = 0;
    virtual std::optional<TableFieldType> GetSortableTableField() const = 0;

    // Display parameters of the table's elements (context, parameter, value) and their styles
    // (element kinds 1 table, 2 column, 3 instrument, 4 and 5 the two cell styles).
    virtual bool ChangeTdsParams(int context, int parameter, int value) = 0;
    virtual int GetTdsParams(int context, int parameter) const = 0;
    virtual bool CancelTdsParams() = 0;
    virtual bool ApplyTdsParams() = 0;
    virtual bool ResetTdsParams(int kind) = 0;
    virtual std::shared_ptr<StyleBase> GetAutoStyle(int kind) const = 0;
    virtual int GetTableFieldStyleId(int kind) const = 0;
    virtual bool SetTableFieldStyle(int kind, int styleId) = 0;
    virtual bool CancelTableFieldStyle() = 0;
    virtual bool ApplyTableFieldStyle() = 0;

    // Connected windows: tables can follow the instrument of other module windows.
    virtual void UpdateConnectedWindowData(const std::vector<ConnectedWindowData>& windows) = 0;
    virtual std::vector<DataForConnectedWindow> GetInfoForConnectedWindow(const QWidget* window) const = 0;
};
