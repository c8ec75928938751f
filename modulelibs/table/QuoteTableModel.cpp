#include "modulelibs/table/QuoteTableModel.h"

#include "modulelibs/table/TableFields.h"

#include <algorithm>

namespace
{
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
