#include "orderssheet/engine/MatrixDataBufor.h"

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
        m_rows.push_back(std::make_shared<RowDataBufor>(cellCount));
}

void MatrixDataBufor::RebuildKeyIndex()
{
    m_keyIndex.clear();
    m_keyIndex.reserve(static_cast<qsizetype>(m_rows.size()));
    for (const auto& row : m_rows)
        m_keyIndex.insert(row->rowKey, row->rowIndex);
}

MatrixDataBufor::RowDataBufor* MatrixDataBufor::Row(int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < m_rows.size() ? m_rows[static_cast<std::size_t>(index)].get()
                                                                          : nullptr;
}

const MatrixDataBufor::RowDataBufor* MatrixDataBufor::Row(int index) const
{
    return const_cast<MatrixDataBufor*>(this)->Row(index);
}

int MatrixDataBufor::FindRow(const QString& rowKey) const
{
    if (rowKey.isEmpty())
        return -1;
    return m_keyIndex.value(rowKey, -1);
}
