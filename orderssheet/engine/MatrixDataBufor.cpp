#include "orderssheet/engine/MatrixDataBufor.h"

#include <bit>
#include <functional>
#include <string_view>

void MatrixDataBufor::RowDataBufor::Reset(std::size_t cellCount)
{
    m_cellCount = static_cast<std::uint8_t>(std::min(cellCount, kMaxCells));
    for (CellDataBufor& cell : m_cells)
    {
        cell.value = kNoValue;
        cell.state = eNew;
    }
    timeLastChange = 0;
    rowIndex = -1;
    peg = false;
}

bool MatrixDataBufor::RowDataBufor::HasText(std::size_t cell) const
{
    return cell >= kFirstTextCell && cell < kFirstTextCell + kTextCells && cell < m_cellCount;
}

const QString& MatrixDataBufor::RowDataBufor::Text(std::size_t cell) const
{
    static const QString none;
    return HasText(cell) ? m_texts[cell - kFirstTextCell] : none;
}

QString* MatrixDataBufor::RowDataBufor::TextOf(std::size_t cell)
{
    return HasText(cell) ? &m_texts[cell - kFirstTextCell] : nullptr;
}

void MatrixDataBufor::Clear()
{
    m_rows.clear();
    m_keyIndex.clear();
    m_uniqueKeyIndex = false;
}

void MatrixDataBufor::MakeRows(std::size_t count, std::size_t cellCount)
{
    Clear();
    m_rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        m_rows.emplace_back(cellCount);
}

void MatrixDataBufor::ReuseRows(std::size_t count, std::size_t cellCount)
{
    m_keyIndex.clear();
    m_uniqueKeyIndex = false;
    if (m_rows.size() > count)
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(count), m_rows.end());
    m_rows.reserve(count);
    while (m_rows.size() < count)
        m_rows.emplace_back(cellCount);
}

std::size_t MatrixDataBufor::HashOf(const QString& rowKey)
{
    return std::hash<std::u16string_view>()(
        std::u16string_view(reinterpret_cast<const char16_t*>(rowKey.utf16()), static_cast<std::size_t>(rowKey.size())));
}

void MatrixDataBufor::RebuildKeyIndex()
{
    m_keyIndex.assign(std::bit_ceil(m_rows.size() * 2 + 1), KeySlot());
    m_uniqueKeyIndex = true;
    const std::size_t mask = m_keyIndex.size() - 1;
    for (std::size_t position = 0; position < m_rows.size(); ++position)
    {
        const QString& rowKey = m_rows[position].rowKey;
        const std::size_t hash = HashOf(rowKey);
        const auto high = static_cast<std::uint32_t>(std::uint64_t{hash} >> 32);
        std::size_t slot = hash & mask;
        for (; m_keyIndex[slot].position >= 0; slot = (slot + 1) & mask)
        {
            const KeySlot& taken = m_keyIndex[slot];
            if (taken.hash == high && m_rows[static_cast<std::size_t>(taken.position)].rowKey == rowKey)
            {
                // A later row of the same key takes the slot over.
                if (!rowKey.isEmpty())
                    m_uniqueKeyIndex = false;
                break;
            }
        }
        m_keyIndex[slot] = {static_cast<int>(position), high};
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
    const std::size_t hash = HashOf(rowKey);
    const auto high = static_cast<std::uint32_t>(std::uint64_t{hash} >> 32);
    const std::size_t mask = m_keyIndex.size() - 1;
    for (std::size_t slot = hash & mask; m_keyIndex[slot].position >= 0; slot = (slot + 1) & mask)
    {
        const KeySlot& taken = m_keyIndex[slot];
        if (taken.hash != high)
            continue;
        const RowDataBufor& row = m_rows[static_cast<std::size_t>(taken.position)];
        if (row.rowKey == rowKey)
            return row.rowIndex;
    }
    return -1;
}
