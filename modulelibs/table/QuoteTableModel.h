#pragma once
// What one quote table holds, apart from its window: its instruments as rows with their last
// state, its columns, the selection, the sort order with the rows the user pinned in place,
// the hidden rows and columns, notes, offer lines, its display settings and the display
// parameters of its parts. It knows nothing of threads or widgets: the window feeds it on the
// main thread and paints from it. Rows are named by an id the table gives (never 0).

#include "platform/modules/Asset.h"
#include "platform/modules/CurrentState.h"
#include "platform/modules/OrderBook.h"
#include "platform/modules/TableItemInfo.h"
#include "platform/modules/TableSettings.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <vector>

class Settings;
class Q5Settings;
class StyleBase;

struct QuoteTableRow
{
    std::uint32_t id = 0;
    Asset asset;
    CurrentState state;
    OrderBook book;
    bool hidden = false;
    // Kept at its place by sorting.
    bool pinned = false;
    int offerLines = 1;
    QString comment;
    // Field id -> (milliseconds of the last change, +1 rise or -1 fall).
    std::map<int, std::pair<std::int64_t, int>> changes;
    // New for every state and book the row takes, unique in the process: a window keeps what
    // it formatted of a row while this stays.
    std::uint64_t version = 0;
};

struct QuoteTableColumn
{
    int fieldId = 0;
    // Empty: the field's own caption.
    QString header;
    bool hidden = false;
    int width = 80;
    // The next visible column is shown within this one.
    bool mergedWithNext = false;
};

class QuoteTableModel
{
public:
    // Display-parameter contexts and parameters.
    enum Context
    {
        kOddRows = 0,
        kEvenRows = 1,
        kColumn = 2,
        kInstrument = 3,
        kCell = 4,
        kSiblingCells = 5,
    };
    enum Parameter
    {
        kFontColor = 2,
        kBackColor = 3,
        kRiseFontColor = 4,
        kRiseBackColor = 5,
        kFallFontColor = 6,
        kFallBackColor = 7,
        kFontSize = 12,
    };
    static constexpr int kOwnValue = 0x7FFFFFFF;
    static constexpr int kStepLarger = 0x7FFFFFFE;
    static constexpr int kStepSmaller = 0x7FFFFFFD;
    static constexpr int kMaxOfferLines = 9;
    static constexpr int kMinFontSize = 6;
    static constexpr int kMaxFontSize = 30;
    // The parameters a table keeps; any other is neither changed nor read from a table file.
    static bool IsKnownParameter(int parameter);

    QuoteTableModel();

    // The table's display style (a table style): its odd and even elements' text-field styles
    // give the rows' colours where the table has none of its own. Null: the built-in colours.
    void SetStyle(std::shared_ptr<const StyleBase> style) { m_style = std::move(style); }
    const std::shared_ptr<const StyleBase>& GetStyle() const { return m_style; }
    // The text-field style of the odd or even rows; null for another context or without style.
    const StyleBase* RowStyle(int context) const;

    // Instruments
    // The new row's id; 0 when the instrument is in the table already or names nothing.
    std::uint32_t AddInstrument(const Asset& asset);
    bool RemoveInstrument(std::uint32_t id);
    // Makes the table hold exactly these instruments, keeping the rows it had of them.
    void SetInstruments(const std::vector<Asset>& assets);
    std::vector<Asset> Instruments() const;
    const std::vector<QuoteTableRow>& Rows() const { return m_rows; }
    std::vector<const QuoteTableRow*> VisibleRows() const;
    const QuoteTableRow* FindRow(std::uint32_t id) const;
    const QuoteTableRow* FindRow(const Asset& asset) const;

    // The feed. Both false for an instrument the table does not hold.
    bool ApplyQuote(const Asset& asset, const CurrentState& state, std::int64_t nowMs);
    bool ApplyOrderBook(const Asset& asset, const OrderBook& book);

    // Selection: a row, a column, both or none (0).
    std::uint32_t SelectedInstrument() const { return m_selectedRow; }
    int SelectedField() const { return m_selectedField; }
    void Select(std::uint32_t rowId, int fieldId);

    bool MoveInstrument(int steps);
    bool MoveInstrumentToEdge(bool toBegin);
    bool ShowInstrument(std::uint32_t id, bool show);
    bool IsInstrumentVisible(std::uint32_t id) const;
    std::vector<TableItemInfo> HiddenInstruments() const;
    // 0: every instrument.
    bool ResetPositions(std::uint32_t id);
    bool HasPinned() const;
    bool SetOfferLines(std::uint32_t id, int lines);
    int GetOfferLines(std::uint32_t id) const;

    // Columns (by field id)
    const std::vector<QuoteTableColumn>& Columns() const { return m_columns; }
    std::vector<const QuoteTableColumn*> VisibleColumns() const;
    QString HeaderOf(const QuoteTableColumn& column) const;
    bool AddColumn(bool before);
    bool CanRemoveColumn() const;
    bool RemoveColumn();
    bool HideSelectedColumn();
    bool ShowColumn(int fieldId, bool show);
    std::vector<TableItemInfo> HiddenColumns() const;
    bool CanMoveColumn(int direction) const;
    bool MoveColumn(int direction);
    std::optional<QString> ColumnHeader() const;
    bool SetColumnHeader(const QString& header);
    bool LockColumns(bool lock);
    bool AreColumnsLocked() const { return m_columnsLocked; }
    bool CanMergeFields() const;
    bool HasMergedFieldsInSelection() const;
    bool MergeSelection();
    bool SetColumnWidth(int fieldId, int width);

    // Notes
    bool IsCommentCellSelected() const;
    bool SetComment(std::uint32_t id, const QString& comment);
    bool RemoveComments();
    bool AreCommentsInTable() const;

    // Sorting: field 0 means the table's own order.
    bool SortBy(int fieldId, bool ascending);
    bool SortSwitch();
    int SortField() const { return m_sortField; }
    bool SortAscending() const { return m_sortAscending; }
    void EnableAutoSort(bool enable);
    bool IsAutoSort() const { return m_autoSort; }
    void Sort();

    // Display parameters: a colour previews until Apply keeps or Cancel drops the previews; a
    // font size is kept at once.
    bool ChangeTdsParams(int context, int parameter, int value);
    int GetTdsParams(int context, int parameter) const;
    void CancelTdsParams();
    void ApplyTdsParams();
    bool ResetTdsParams(int kind);
    // The value that paints a cell: the cell's own, its column's siblings', its instrument's,
    // its column's, then its row's.
    int EffectiveParam(const QuoteTableRow& row, int fieldId, bool oddRow, int parameter) const;

    // Element styles by kind (1 table, 2 column, 3 instrument, 4 cell, 5 sibling cells); -1 none.
    int GetFieldStyleId(int kind) const;
    bool SetFieldStyle(int kind, int styleId);
    void CancelFieldStyle();
    void ApplyFieldStyle();

    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    TableSettings& GetSettings() { return m_settings; }
    const TableSettings& GetSettings() const { return m_settings; }

    // The window file. Load reads into a new table and fails (leaving this one) on a file
    // without columns; resolve finds an instrument of the file again (empty: it is dropped).
    void Save(Settings& node) const;
    bool Load(const Settings& node, const std::function<std::optional<Asset>(const Asset&)>& resolve,
              QString* error);
    void SaveToQ5Format(Q5Settings& node) const;

    // (context, row id, field id, parameter); unused parts are 0.
    using ParamKey = std::tuple<int, std::uint32_t, int, int>;
    using ParamMap = std::map<ParamKey, int>;
    // The display parameters the table's parts have of their own, previews included.
    const ParamMap& DisplayParams() const { return Params(); }

private:
    // (kind, row id, field id).
    using StyleKey = std::tuple<int, std::uint32_t, int>;
    using StyleMap = std::map<StyleKey, int>;

    QuoteTableRow* Row(std::uint32_t id);
    int RowIndex(std::uint32_t id) const;
    void RebuildPlaces() const;
    int ColumnIndex(int fieldId) const;
    int NeighbourColumn(int index, int direction) const;
    bool KeyFor(int context, ParamKey& key, int parameter) const;
    bool StyleKeyFor(int kind, StyleKey& key) const;
    int DefaultParam(int context, int parameter) const;
    const ParamMap& Params() const { return m_paramsPreview ? *m_paramsPreview : m_params; }
    const StyleMap& Styles() const { return m_stylesPreview ? *m_stylesPreview : m_styles; }

    std::vector<QuoteTableRow> m_rows;
    // Where each instrument's row is, as last read; checked before it is trusted.
    mutable std::unordered_map<Asset, std::size_t, AssetHash> m_placeOfAsset;
    mutable std::map<std::uint32_t, std::size_t> m_placeOfId;
    std::vector<QuoteTableColumn> m_columns;
    std::uint32_t m_nextRowId = 1;
    std::uint32_t m_selectedRow = 0;
    int m_selectedField = 0;
    int m_sortField = 0;
    bool m_sortAscending = true;
    bool m_autoSort = false;
    bool m_columnsLocked = false;
    int m_offerLines = 1;
    QString m_name;
    TableSettings m_settings;
    ParamMap m_params;
    std::optional<ParamMap> m_paramsPreview;
    StyleMap m_styles;
    std::optional<StyleMap> m_stylesPreview;
    std::shared_ptr<const StyleBase> m_style;
};
