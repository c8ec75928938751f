#include "orderssheet/engine/MatrixDataBufor.h"

#include <bit>
#include <functional>
#include <string_view>

void MatrixDataBufor::Clear()
{
    m_rows.clear();
    m_keyIndex.clear();
}

void MatrixDataBufor::MakeRows(std::size_t count, std::size_t cellCount)
{
    Clear();
    m_rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        m_rows.emplace_back(cellCount);
}

std::size_t MatrixDataBufor::HashOf(const QString& rowKey)
{
    return std::hash<std::u16string_view>()(
        std::u16string_view(reinterpret_cast<const char16_t*>(rowKey.utf16()), static_cast<std::size_t>(rowKey.size())));
}

void MatrixDataBufor::RebuildKeyIndex()
{
    m_keyIndex.assign(std::bit_ceil(m_rows.size() * 2 + 1), -1);
    const std::size_t mask = m_keyIndex.size() - 1;
    for (std::size_t position = 0; position < m_rows.size(); ++position)
    {
        const QString& rowKey = m_rows[position].rowKey;
        std::size_t slot = HashOf(rowKey) & mask;
        // A later row of the same key takes the slot over.
        while (m_keyIndex[slot] >= 0 && m_rows[static_cast<std::size_t>(m_keyIndex[slot])].rowKey != rowKey)
            slot = (slot + 1) & mask;
        m_keyIndex[slot] = static_cast<int>(position);
    }
}

MatrixDataBufor::RowDataBufor* MatrixDataBufor::Row(int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < m_rows.size() ? &m_rows[static_cast<std::size_t>(index)]
                                                                          : nullptr;
}

const MatrixDataBufor::RowDataBufor* MatrixDataBufor::Row(int index) const
{
    return const_cast<MatrixDataBufor*>(this)->Row(index);
}

int MatrixDataBufor::FindRow(const QString& rowKey) const
{
    if (rowKey.isEmpty() || m_keyIndex.empty())
        return -1;
    const std::size_t mask = m_keyIndex.size() - 1;
    for (std::size_t slot = HashOf(rowKey) & mask; m_keyIndex[slot] >= 0; slot = (slot + 1) & mask)
    {
        const RowDataBufor& row = m_rows[static_cast<std::size_t>(m_keyIndex[slot])];
        if (row.rowKey == rowKey)
            return row.rowIndex;
    }
    return -1;
}
