#pragma once
// The display rows of one side of a sheet in one sheet mode, as the row generator makes them:
// each row with its cells (a number and a change state), the texts of its date and time cells,
// its key, the time of its last change and its index, plus an index from row key to row.

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
        double value = kNoValue;
        int state = eNew;
    };

    // A refresh walks thousands of rows, so a row keeps what it holds inside it, in four whole
    // cache lines.
    struct alignas(64) RowDataBufor
    {
        // Only the orders mode's date and time cells have texts.
        static constexpr std::size_t kFirstTextCell = 5;
        static constexpr std::size_t kTextCells = 2;

        // At most kMaxCells cells.
        explicit RowDataBufor(std::size_t cellCount)
            : m_cellCount(static_cast<std::uint8_t>(std::min(cellCount, kMaxCells)))
        {
        }

        // Values and states as in a new row of cellCount cells; the row key and the texts are
        // kept.
        void Reset(std::size_t cellCount);

        std::span<CellDataBufor> Cells() { return {m_cells.data(), m_cellCount}; }
        std::span<const CellDataBufor> Cells() const { return {m_cells.data(), m_cellCount}; }
        // The cell's text; a null one for a cell without a text.
        const QString& Text(std::size_t cell) const;
        // Where the cell's text is kept; null for a cell that has none.
        QString* TextOf(std::size_t cell);

        QString rowKey;
        // Tick time (OSTickClock) of the last change; 0 for none.
        std::uint64_t timeLastChange = 0;
        int rowIndex = -1;
        bool peg = false;

    private:
        bool HasText(std::size_t cell) const;

        std::array<CellDataBufor, kMaxCells> m_cells;
        std::uint8_t m_cellCount;
        std::array<QString, kTextCells> m_texts;
    };

    // Drops every row and the key index.
    void Clear();
    // Replaces the rows by count new rows of cellCount new cells.
    void MakeRows(std::size_t count, std::size_t cellCount);
    // count rows for a generator that resets each row before it writes it, as it goes: the rows
    // the matrix holds stay as they are, so that their texts keep their memory.
    void ReuseRows(std::size_t count, std::size_t cellCount);
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
    // The key index is built and no two rows share a key that is not empty: a row found by
    // its key some other way is the row FindRow finds.
    bool HasUniqueKeyIndex() const { return m_uniqueKeyIndex; }

private:
    static std::size_t HashOf(const QString& rowKey);

    // By value: a refresh makes thousands of rows, and nothing outlives its matrix.
    std::vector<RowDataBufor> m_rows;
    // A row's position (-1 free) and the high half of its key's hash, which spares comparing
    // the keys of most other rows met on the way.
    struct KeySlot
    {
        int position = -1;
        std::uint32_t hash = 0;
    };

    // An open-addressed table of row positions by key hash, twice the rows in size: a refresh
    // indexes every row and looks rows of the next refresh up, and the keys stay in their rows.
    std::vector<KeySlot> m_keyIndex;
    bool m_uniqueKeyIndex = false;
};
