#pragma once
// The display rows of one side of a sheet in one sheet mode, as the row generator makes them:
// each row with its cells (a number, a text and a change state), its key, the time of its last
// change and its index, plus an index from row key to row.

#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class MatrixDataBufor
{
public:
    static constexpr double kNoValue = -1.0;
    static constexpr std::size_t kMaxCells = 10;

    // Change states of a cell.
    enum ChangeState
    {
        eNew = 0,
        eRose = 1,
        eFell = 2,
        eUnchanged = 3,
    };

    struct CellDataBufor
    {
        QString text;
        double value = kNoValue;
        int state = eNew;
    };

    struct RowDataBufor
    {
        // At most kMaxCells cells.
        explicit RowDataBufor(std::size_t cellCount)
            : m_cellCount(std::min(cellCount, kMaxCells))
        {
        }

        std::span<CellDataBufor> Cells() { return {m_cells.data(), m_cellCount}; }
        std::span<const CellDataBufor> Cells() const { return {m_cells.data(), m_cellCount}; }

        QString rowKey;
        // Tick time (OSTickClock) of the last change; 0 for none.
        std::uint64_t timeLastChange = 0;
        int rowIndex = -1;
        bool peg = false;

    private:
        // Inside the row: a refresh makes thousands of rows.
        std::array<CellDataBufor, kMaxCells> m_cells;
        std::size_t m_cellCount;
    };

    // Drops every row and the key index.
    void Clear();
    // Replaces the rows by count new rows of cellCount new cells.
    void MakeRows(std::size_t count, std::size_t cellCount);
    void RebuildKeyIndex();

    std::size_t RowCount() const { return m_rows.size(); }
    // Null outside the matrix.
    RowDataBufor* Row(int index);
    const RowDataBufor* Row(int index) const;
    std::vector<RowDataBufor>& Rows() { return m_rows; }
    const std::vector<RowDataBufor>& Rows() const { return m_rows; }
    // The index of the row with the key (the last such row); -1 when the key is empty or no
    // row has it. Valid once the key index is rebuilt after the rows were made.
    int FindRow(const QString& rowKey) const;

private:
    static std::size_t HashOf(const QString& rowKey);

    // By value: a refresh makes thousands of rows, and nothing outlives its matrix.
    std::vector<RowDataBufor> m_rows;
    // An open-addressed table of row positions by key hash (-1 free), twice the rows in size:
    // a refresh indexes every row and looks every row of the next refresh up, and the keys
    // stay in their rows.
    std::vector<int> m_keyIndex;
};
