#include "modulelibs/table/QuoteTableModel.h"

#include "modulelibs/table/TableFields.h"
#include "styles/engine/GdiObject.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace
{
constexpr int kDefaultFontSize = 9;
// Style fonts are kept in pixels of a 96 dpi screen, as the style editor writes them.
constexpr int kStyleDpi = 96;

int StyleFontSize(const StyleBase* rows)
{
    const GdiObject object = rows ? rows->GetGdiObject(StyleTextField::ParamFont) : GdiObject();
    const LogFont* font = object.Font();
    if (!font || font->lfHeight == 0)
        return kDefaultFontSize;
    const int points = (std::abs(font->lfHeight) * 72 + kStyleDpi / 2) / kStyleDpi;
    return std::clamp(points, QuoteTableModel::kMinFontSize, QuoteTableModel::kMaxFontSize);
}

std::uint64_t NextRowVersion()
{
    static std::atomic<std::uint64_t> last = 0;
    return ++last;
}

// Colours are 0x00BBGGRR.
int DefaultColour(int context, int parameter)
{
    switch (parameter)
    {
    case QuoteTableModel::kFontColor:
        return 0x000000;
    case QuoteTableModel::kBackColor:
        return context == QuoteTableModel::kEvenRows ? 0xF4F0EE : 0xFFFFFF;
    case QuoteTableModel::kRiseFontColor:
        return 0x008000;
    case QuoteTableModel::kRiseBackColor:
        return 0xD8F4D8;
    case QuoteTableModel::kFallFontColor:
        return 0x0000C0;
    case QuoteTableModel::kFallBackColor:
        return 0xD8D8F8;
    default:
        return 0;
    }
}

bool IsKnownParameter(int parameter)
{
    return (parameter >= QuoteTableModel::kFontColor && parameter <= QuoteTableModel::kFallBackColor)
           || parameter == QuoteTableModel::kFontSize;
}

QuoteTableColumn ColumnOf(int fieldId)
{
    QuoteTableColumn column;
    column.fieldId = fieldId;
    return column;
}
}

QuoteTableModel::QuoteTableModel()
{
    for (const int field : TableFields::DefaultColumns())
        m_columns.push_back(ColumnOf(field));
}

// Instruments

std::uint32_t QuoteTableModel::AddInstrument(const Asset& asset)
{
    if (asset.IsEmpty() || FindRow(asset))
        return 0;
    QuoteTableRow row;
    row.id = m_nextRowId++;
    row.asset = asset;
    row.offerLines = m_offerLines;
    row.version = NextRowVersion();
    m_rows.push_back(std::move(row));
    if (m_placeOfAsset.size() + 1 == m_rows.size())
    {
        m_placeOfAsset.emplace(m_rows.back().asset, m_rows.size() - 1);
        m_placeOfId.emplace(m_rows.back().id, m_rows.size() - 1);
    }
    return m_rows.back().id;
}

bool QuoteTableModel::RemoveInstrument(std::uint32_t id)
{
    const int index = RowIndex(id);
    if (index < 0)
        return false;
    m_rows.erase(m_rows.begin() + index);
    m_placeOfAsset.clear();
    m_placeOfId.clear();
    if (m_selectedRow == id)
        m_selectedRow = 0;
    std::erase_if(m_params, [id](const auto& entry) { return std::get<1>(entry.first) == id; });
    std::erase_if(m_styles, [id](const auto& entry) { return std::get<1>(entry.first) == id; });
    return true;
}

void QuoteTableModel::SetInstruments(const std::vector<Asset>& assets)
{
    std::vector<std::uint32_t> gone;
    for (const QuoteTableRow& row : m_rows)
    {
        if (std::find(assets.begin(), assets.end(), row.asset) == assets.end())
            gone.push_back(row.id);
    }
    for (const std::uint32_t id : gone)
        RemoveInstrument(id);
    for (const Asset& asset : assets)
        AddInstrument(asset);
    Sort();
}

std::vector<Asset> QuoteTableModel::Instruments() const
{
    std::vector<Asset> assets;
    for (const QuoteTableRow& row : m_rows)
        assets.push_back(row.asset);
    return assets;
}

std::vector<const QuoteTableRow*> QuoteTableModel::VisibleRows() const
{
    std::vector<const QuoteTableRow*> rows;
    for (const QuoteTableRow& row : m_rows)
    {
        if (!row.hidden)
            rows.push_back(&row);
    }
    return rows;
}

const QuoteTableRow* QuoteTableModel::FindRow(std::uint32_t id) const
{
    const int index = RowIndex(id);
    return index < 0 ? nullptr : &m_rows[index];
}

const QuoteTableRow* QuoteTableModel::FindRow(const Asset& asset) const
{
    // The maps always name exactly the rows (a count that differs reads them again); a place is
    // checked before it is trusted, so no change of order can leave it wrong.
    if (m_placeOfAsset.size() != m_rows.size())
        RebuildPlaces();
    auto found = m_placeOfAsset.find(asset);
    if (found == m_placeOfAsset.end())
        return nullptr;
    if (found->second >= m_rows.size() || !(m_rows[found->second].asset == asset))
    {
        RebuildPlaces();
        found = m_placeOfAsset.find(asset);
    }
    return &m_rows[found->second];
}

void QuoteTableModel::RebuildPlaces() const
{
    m_placeOfAsset.clear();
    m_placeOfId.clear();
    for (std::size_t i = 0; i < m_rows.size(); ++i)
    {
        m_placeOfAsset.emplace(m_rows[i].asset, i);
        m_placeOfId.emplace(m_rows[i].id, i);
    }
}

QuoteTableRow* QuoteTableModel::Row(std::uint32_t id)
{
    const int index = RowIndex(id);
    return index < 0 ? nullptr : &m_rows[index];
}

int QuoteTableModel::RowIndex(std::uint32_t id) const
{
    if (id == 0)
        return -1;
    if (m_placeOfId.size() != m_rows.size())
        RebuildPlaces();
    auto found = m_placeOfId.find(id);
    if (found == m_placeOfId.end())
        return -1;
    if (found->second >= m_rows.size() || m_rows[found->second].id != id)
    {
        RebuildPlaces();
        found = m_placeOfId.find(id);
    }
    return static_cast<int>(found->second);
}

bool QuoteTableModel::ApplyQuote(const Asset& asset, const CurrentState& state, std::int64_t nowMs)
{
    auto* row = const_cast<QuoteTableRow*>(FindRow(asset));
    if (!row)
        return false;
    for (const TableFields::FieldInfo& field : TableFields::All())
    {
        if (field.series < 0 || field.id == TableFields::kTime)
            continue;
        const ValueCS* before = row->state.Find(field.series);
        const ValueCS* after = state.Find(field.series);
        if (!after || !after->HasValue() || !before || !before->HasValue() || before->GetDouble() == after->GetDouble())
            continue;
        row->changes[field.id] = {nowMs, after->GetDouble() > before->GetDouble() ? 1 : -1};
    }
    row->state = state;
    row->version = NextRowVersion();
    if (m_autoSort)
        Sort();
    return true;
}

bool QuoteTableModel::ApplyOrderBook(const Asset& asset, const OrderBook& book)
{
    auto* row = const_cast<QuoteTableRow*>(FindRow(asset));
    if (!row)
        return false;
    row->book = book;
    row->version = NextRowVersion();
    return true;
}

void QuoteTableModel::Select(std::uint32_t rowId, int fieldId)
{
    m_selectedRow = RowIndex(rowId) >= 0 ? rowId : 0;
    m_selectedField = ColumnIndex(fieldId) >= 0 ? fieldId : 0;
}

bool QuoteTableModel::MoveInstrument(int steps)
{
    int index = RowIndex(m_selectedRow);
    if (index < 0)
        return false;
    const int direction = steps < 0 ? -1 : 1;
    bool moved = false;
    for (int step = 0; step < std::abs(steps); ++step)
    {
        // Hidden rows are stepped over, so a move is always one visible place.
        int target = index + direction;
        while (target >= 0 && target < static_cast<int>(m_rows.size()) && m_rows[target].hidden)
            target += direction;
        if (target < 0 || target >= static_cast<int>(m_rows.size()))
            break;
        std::swap(m_rows[index], m_rows[target]);
        index = target;
        moved = true;
    }
    if (moved)
        m_rows[index].pinned = true;
    return moved;
}

bool QuoteTableModel::MoveInstrumentToEdge(bool toBegin)
{
    const int index = RowIndex(m_selectedRow);
    if (index < 0)
        return false;
    QuoteTableRow row = std::move(m_rows[index]);
    m_rows.erase(m_rows.begin() + index);
    row.pinned = true;
    if (toBegin)
        m_rows.insert(m_rows.begin(), std::move(row));
    else
        m_rows.push_back(std::move(row));
    return true;
}

bool QuoteTableModel::ShowInstrument(std::uint32_t id, bool show)
{
    QuoteTableRow* row = Row(id);
    if (!row)
        return false;
    row->hidden = !show;
    if (!show && m_selectedRow == id)
        m_selectedRow = 0;
    return true;
}

bool QuoteTableModel::IsInstrumentVisible(std::uint32_t id) const
{
    const QuoteTableRow* row = FindRow(id);
    return row && !row->hidden;
}

std::vector<TableItemInfo> QuoteTableModel::HiddenInstruments() const
{
    std::vector<TableItemInfo> items;
    for (const QuoteTableRow& row : m_rows)
    {
        if (row.hidden)
            items.push_back({row.id, row.asset.GetShortName()});
    }
    return items;
}

bool QuoteTableModel::ResetPositions(std::uint32_t id)
{
    bool changed = false;
    for (QuoteTableRow& row : m_rows)
    {
        if ((id == 0 || row.id == id) && row.pinned)
        {
            row.pinned = false;
            changed = true;
        }
    }
    if (changed)
        Sort();
    return changed;
}

bool QuoteTableModel::HasPinned() const
{
    return std::any_of(m_rows.begin(), m_rows.end(), [](const QuoteTableRow& row) { return row.pinned; });
}

bool QuoteTableModel::SetOfferLines(std::uint32_t id, int lines)
{
    if (lines < 1 || lines > kMaxOfferLines)
        return false;
    if (id == 0)
    {
        m_offerLines = lines;
        for (QuoteTableRow& row : m_rows)
            row.offerLines = lines;
        return true;
    }
    QuoteTableRow* row = Row(id);
    if (!row)
        return false;
    row->offerLines = lines;
    return true;
}

int QuoteTableModel::GetOfferLines(std::uint32_t id) const
{
    if (id == 0)
        return m_offerLines;
    const QuoteTableRow* row = FindRow(id);
    return row ? row->offerLines : 0;
}

// Columns

std::vector<const QuoteTableColumn*> QuoteTableModel::VisibleColumns() const
{
    std::vector<const QuoteTableColumn*> columns;
    for (const QuoteTableColumn& column : m_columns)
    {
        if (!column.hidden)
            columns.push_back(&column);
    }
    return columns;
}

QString QuoteTableModel::HeaderOf(const QuoteTableColumn& column) const
{
    if (!column.header.isEmpty())
        return column.header;
    const TableFields::FieldInfo* info = TableFields::Find(column.fieldId);
    return info ? info->caption : QString();
}

int QuoteTableModel::ColumnIndex(int fieldId) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i)
    {
        if (m_columns[i].fieldId == fieldId)
            return static_cast<int>(i);
    }
    return -1;
}

int QuoteTableModel::NeighbourColumn(int index, int direction) const
{
    for (int i = index + direction; i >= 0 && i < static_cast<int>(m_columns.size()); i += direction)
    {
        if (!m_columns[i].hidden)
            return i;
    }
    return -1;
}

bool QuoteTableModel::AddColumn(bool before)
{
    const auto& fields = TableFields::All();
    const auto free = std::find_if(fields.begin(), fields.end(), [this](const TableFields::FieldInfo& field) { return ColumnIndex(field.id) < 0; });
    if (free == fields.end())
        return false;
    const int selected = ColumnIndex(m_selectedField);
    const int at = selected < 0 ? static_cast<int>(m_columns.size()) : selected + (before ? 0 : 1);
    m_columns.insert(m_columns.begin() + at, ColumnOf(free->id));
    m_selectedField = free->id;
    return true;
}

bool QuoteTableModel::CanRemoveColumn() const
{
    const int index = ColumnIndex(m_selectedField);
    return index >= 0 && !m_columns[index].hidden && VisibleColumns().size() > 1;
}

bool QuoteTableModel::RemoveColumn()
{
    if (!CanRemoveColumn())
        return false;
    const int index = ColumnIndex(m_selectedField);
    // A column merged into the one before it stands alone again.
    if (const int previous = NeighbourColumn(index, -1); previous >= 0)
        m_columns[previous].mergedWithNext = false;
    m_columns.erase(m_columns.begin() + index);
    std::erase_if(m_params, [this](const auto& entry) { return std::get<2>(entry.first) == m_selectedField; });
    if (m_sortField == m_selectedField)
        m_sortField = 0;
    m_selectedField = 0;
    return true;
}

bool QuoteTableModel::HideSelectedColumn()
{
    if (!CanRemoveColumn())
        return false;
    const int index = ColumnIndex(m_selectedField);
    if (const int previous = NeighbourColumn(index, -1); previous >= 0)
        m_columns[previous].mergedWithNext = false;
    m_columns[index].hidden = true;
    m_columns[index].mergedWithNext = false;
    m_selectedField = 0;
    return true;
}

bool QuoteTableModel::ShowColumn(int fieldId, bool show)
{
    int index = ColumnIndex(fieldId);
    if (index < 0)
    {
        if (!show || !TableFields::Find(fieldId))
            return false;
        m_columns.push_back(ColumnOf(fieldId));
        return true;
    }
    if (!show && VisibleColumns().size() <= 1 && !m_columns[index].hidden)
        return false;
    m_columns[index].hidden = !show;
    if (!show && m_selectedField == fieldId)
        m_selectedField = 0;
    return true;
}

std::vector<TableItemInfo> QuoteTableModel::HiddenColumns() const
{
    std::vector<TableItemInfo> items;
    for (const QuoteTableColumn& column : m_columns)
    {
        if (column.hidden)
            items.push_back({static_cast<std::uint32_t>(column.fieldId), HeaderOf(column)});
    }
    return items;
}

bool QuoteTableModel::CanMoveColumn(int direction) const
{
    const int index = ColumnIndex(m_selectedField);
    return !m_columnsLocked && index >= 0 && !m_columns[index].hidden && NeighbourColumn(index, direction) >= 0;
}

bool QuoteTableModel::MoveColumn(int direction)
{
    if (!CanMoveColumn(direction))
        return false;
    const int index = ColumnIndex(m_selectedField);
    const int target = NeighbourColumn(index, direction);
    // Merging follows places, not fields: a move splits what it passes through.
    m_columns[index].mergedWithNext = false;
    m_columns[target].mergedWithNext = false;
    if (const int previous = NeighbourColumn(std::min(index, target), -1); previous >= 0)
        m_columns[previous].mergedWithNext = false;
    std::swap(m_columns[index], m_columns[target]);
    return true;
}

std::optional<QString> QuoteTableModel::ColumnHeader() const
{
    const int index = ColumnIndex(m_selectedField);
    if (index < 0)
        return std::nullopt;
    return HeaderOf(m_columns[index]);
}

bool QuoteTableModel::SetColumnHeader(const QString& header)
{
    const int index = ColumnIndex(m_selectedField);
    if (index < 0)
        return false;
    const TableFields::FieldInfo* info = TableFields::Find(m_selectedField);
    // The field's own caption is kept as no header of its own, so that it follows the field.
    m_columns[index].header = info && header == info->caption ? QString() : header.trimmed();
    return true;
}

bool QuoteTableModel::LockColumns(bool lock)
{
    m_columnsLocked = lock;
    return true;
}

bool QuoteTableModel::CanMergeFields() const
{
    const int index = ColumnIndex(m_selectedField);
    return index >= 0 && !m_columns[index].hidden && !HasMergedFieldsInSelection() && NeighbourColumn(index, 1) >= 0;
}

bool QuoteTableModel::HasMergedFieldsInSelection() const
{
    const int index = ColumnIndex(m_selectedField);
    if (index < 0 || m_columns[index].hidden)
        return false;
    const int previous = NeighbourColumn(index, -1);
    return m_columns[index].mergedWithNext || (previous >= 0 && m_columns[previous].mergedWithNext);
}

bool QuoteTableModel::MergeSelection()
{
    const int index = ColumnIndex(m_selectedField);
    if (index < 0)
        return false;
    if (HasMergedFieldsInSelection())
    {
        m_columns[index].mergedWithNext = false;
        if (const int previous = NeighbourColumn(index, -1); previous >= 0)
            m_columns[previous].mergedWithNext = false;
        return true;
    }
    if (!CanMergeFields())
        return false;
    m_columns[index].mergedWithNext = true;
    return true;
}

bool QuoteTableModel::SetColumnWidth(int fieldId, int width)
{
    const int index = ColumnIndex(fieldId);
    if (index < 0 || width < 16)
        return false;
    m_columns[index].width = width;
    return true;
}

// Notes

bool QuoteTableModel::IsCommentCellSelected() const
{
    return m_selectedField == TableFields::kComment && FindRow(m_selectedRow);
}

bool QuoteTableModel::SetComment(std::uint32_t id, const QString& comment)
{
    QuoteTableRow* row = Row(id);
    if (!row)
        return false;
    row->comment = comment;
    return true;
}

bool QuoteTableModel::RemoveComments()
{
    for (QuoteTableRow& row : m_rows)
        row.comment.clear();
    return true;
}

bool QuoteTableModel::AreCommentsInTable() const
{
    return std::any_of(m_rows.begin(), m_rows.end(), [](const QuoteTableRow& row) { return !row.comment.isEmpty(); });
}

// Sorting

bool QuoteTableModel::SortBy(int fieldId, bool ascending)
{
    if (fieldId != 0 && (!TableFields::Find(fieldId) || fieldId == TableFields::kComment))
        return false;
    m_sortField = fieldId;
    m_sortAscending = ascending;
    Sort();
    return true;
}

bool QuoteTableModel::SortSwitch()
{
    const int field = m_selectedField != 0 ? m_selectedField : m_sortField;
    if (field == 0)
        return false;
    return SortBy(field, field == m_sortField ? !m_sortAscending : true);
}

void QuoteTableModel::EnableAutoSort(bool enable)
{
    m_autoSort = enable;
    if (enable)
        Sort();
}

void QuoteTableModel::Sort()
{
    if (m_sortField == 0)
        return;
    std::vector<QuoteTableRow> loose;
    std::vector<int> looseSlots;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
    {
        if (!m_rows[i].pinned)
        {
            looseSlots.push_back(static_cast<int>(i));
            loose.push_back(std::move(m_rows[i]));
        }
    }
    const int field = m_sortField;
    const bool ascending = m_sortAscending;
    const int precision = m_settings.pricePrecision;
    auto less = [field, precision](const QuoteTableRow& a, const QuoteTableRow& b) {
        if (TableFields::IsNumeric(field))
            return TableFields::Number(field, a.state) < TableFields::Number(field, b.state);
        return TableFields::Text(field, a.asset, a.state, precision) < TableFields::Text(field, b.asset, b.state, precision);
    };
    std::stable_sort(loose.begin(), loose.end(), [&](const QuoteTableRow& a, const QuoteTableRow& b) {
        return ascending ? less(a, b) : less(b, a);
    });
    for (std::size_t i = 0; i < loose.size(); ++i)
        m_rows[looseSlots[i]] = std::move(loose[i]);
}

// Display parameters

bool QuoteTableModel::KeyFor(int context, ParamKey& key, int parameter) const
{
    switch (context)
    {
    case kOddRows:
    case kEvenRows:
        key = {context, 0, 0, parameter};
        return true;
    case kColumn:
    case kSiblingCells:
        if (ColumnIndex(m_selectedField) < 0)
            return false;
        key = {context, 0, m_selectedField, parameter};
        return true;
    case kInstrument:
        if (!FindRow(m_selectedRow))
            return false;
        key = {context, m_selectedRow, 0, parameter};
        return true;
    case kCell:
        if (!FindRow(m_selectedRow) || ColumnIndex(m_selectedField) < 0)
            return false;
        key = {context, m_selectedRow, m_selectedField, parameter};
        return true;
    default:
        return false;
    }
}

int QuoteTableModel::DefaultParam(int context, int parameter) const
{
    // The style's own size is its rows' font; the columns, instruments and cells start from the odd rows'.
    if (parameter == kFontSize)
        return StyleFontSize(RowStyle(context == kEvenRows ? kEvenRows : kOddRows));
    // The text-field styles keep their colours under the same parameter ids.
    if (const StyleBase* rows = RowStyle(context))
        return rows->GetValue(parameter);
    return DefaultColour(context, parameter);
}

const StyleBase* QuoteTableModel::RowStyle(int context) const
{
    if (!m_style || (context != kOddRows && context != kEvenRows))
        return nullptr;
    return m_style->GetRelatedStyle(context == kOddRows ? StyleTable::RelationOdd : StyleTable::RelationEven).get();
}

bool QuoteTableModel::ChangeTdsParams(int context, int parameter, int value)
{
    ParamKey key;
    if (!IsKnownParameter(parameter) || !KeyFor(context, key, parameter))
        return false;
    if ((value == kStepLarger || value == kStepSmaller) && parameter != kFontSize)
        return false;
    int size = 0;
    if (value == kStepLarger || value == kStepSmaller)
        size = std::clamp(GetTdsParams(context, parameter) + (value == kStepLarger ? 1 : -1), kMinFontSize, kMaxFontSize);
    auto write = [&](ParamMap& params) {
        if (value == kOwnValue)
            params.erase(key);
        else
            params[key] = value == kStepLarger || value == kStepSmaller ? size : value;
    };
    // Font sizes change by command, not by a gallery's preview: they are kept at once.
    if (parameter == kFontSize)
    {
        write(m_params);
        if (m_paramsPreview)
            write(*m_paramsPreview);
        return true;
    }
    if (!m_paramsPreview)
        m_paramsPreview = m_params;
    write(*m_paramsPreview);
    return true;
}

int QuoteTableModel::GetTdsParams(int context, int parameter) const
{
    ParamKey key;
    if (!KeyFor(context, key, parameter))
        return DefaultParam(context, parameter);
    const ParamMap& params = Params();
    if (const auto found = params.find(key); found != params.end())
        return found->second;
    if (context == kOddRows || context == kEvenRows)
        return DefaultParam(context, parameter);
    // A part without its own value shows the rows' value.
    const auto row = params.find(ParamKey{kOddRows, 0, 0, parameter});
    return row != params.end() ? row->second : DefaultParam(kOddRows, parameter);
}

void QuoteTableModel::CancelTdsParams()
{
    m_paramsPreview.reset();
}

void QuoteTableModel::ApplyTdsParams()
{
    if (m_paramsPreview)
        m_params = std::move(*m_paramsPreview);
    m_paramsPreview.reset();
}

bool QuoteTableModel::ResetTdsParams(int kind)
{
    ParamMap& params = m_paramsPreview ? *m_paramsPreview : m_params;
    auto dropContext = [&params](int context, std::uint32_t row, int field) {
        std::erase_if(params, [&](const auto& entry) {
            return std::get<0>(entry.first) == context && std::get<1>(entry.first) == row && std::get<2>(entry.first) == field;
        });
    };
    switch (kind)
    {
    case 0:
        params.clear();
        m_styles.clear();
        return true;
    case 1:
        dropContext(kOddRows, 0, 0);
        dropContext(kEvenRows, 0, 0);
        return true;
    case 2:
        if (ColumnIndex(m_selectedField) < 0)
            return false;
        dropContext(kColumn, 0, m_selectedField);
        return true;
    case 3:
        if (!FindRow(m_selectedRow))
            return false;
        dropContext(kInstrument, m_selectedRow, 0);
        return true;
    case 4:
        if (!FindRow(m_selectedRow) || ColumnIndex(m_selectedField) < 0)
            return false;
        dropContext(kCell, m_selectedRow, m_selectedField);
        return true;
    case 5:
        if (ColumnIndex(m_selectedField) < 0)
            return false;
        dropContext(kSiblingCells, 0, m_selectedField);
        return true;
    default:
        return false;
    }
}

int QuoteTableModel::EffectiveParam(const QuoteTableRow& row, int fieldId, bool oddRow, int parameter) const
{
    const ParamMap& params = Params();
    for (const ParamKey& key : {ParamKey{kCell, row.id, fieldId, parameter}, ParamKey{kSiblingCells, 0, fieldId, parameter},
                                ParamKey{kInstrument, row.id, 0, parameter}, ParamKey{kColumn, 0, fieldId, parameter}})
    {
        if (const auto found = params.find(key); found != params.end())
            return found->second;
    }
    const int context = oddRow ? kOddRows : kEvenRows;
    const auto found = params.find(ParamKey{context, 0, 0, parameter});
    return found != params.end() ? found->second : DefaultParam(context, parameter);
}

// Element styles

bool QuoteTableModel::StyleKeyFor(int kind, StyleKey& key) const
{
    switch (kind)
    {
    case 1:
        key = {kind, 0, 0};
        return true;
    case 2:
    case 5:
        if (ColumnIndex(m_selectedField) < 0)
            return false;
        key = {kind, 0, m_selectedField};
        return true;
    case 3:
        if (!FindRow(m_selectedRow))
            return false;
        key = {kind, m_selectedRow, 0};
        return true;
    case 4:
        if (!FindRow(m_selectedRow) || ColumnIndex(m_selectedField) < 0)
            return false;
        key = {kind, m_selectedRow, m_selectedField};
        return true;
    default:
        return false;
    }
}

int QuoteTableModel::GetFieldStyleId(int kind) const
{
    StyleKey key;
    if (!StyleKeyFor(kind, key))
        return -1;
    const StyleMap& styles = Styles();
    const auto found = styles.find(key);
    return found == styles.end() ? -1 : found->second;
}

bool QuoteTableModel::SetFieldStyle(int kind, int styleId)
{
    StyleKey key;
    if (!StyleKeyFor(kind, key))
        return false;
    if (!m_stylesPreview)
        m_stylesPreview = m_styles;
    if (styleId < 0)
        m_stylesPreview->erase(key);
    else
        (*m_stylesPreview)[key] = styleId;
    return true;
}

void QuoteTableModel::CancelFieldStyle()
{
    m_stylesPreview.reset();
}

void QuoteTableModel::ApplyFieldStyle()
{
    if (m_stylesPreview)
        m_styles = std::move(*m_stylesPreview);
    m_stylesPreview.reset();
}
