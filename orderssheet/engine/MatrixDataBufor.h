#pragma once
// The display rows of one side of a sheet in one sheet mode, as the row generator makes them:
// each row with its cells (a number, a text and a change state), its key, the time of its last
// change and its index, plus an index from row key to row.

#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class MatrixDataBufor
{
public:
    static constexpr double kNoValue = -1.0;

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
        explicit RowDataBufor(std::size_t cellCount)
            : cells(cellCount)
        {
        }

        std::vector<CellDataBufor> cells;
        QString rowKey;
        // Tick time (OSTickClock) of the last change; 0 for none.
        std::uint64_t timeLastChange = 0;
        int rowIndex = -1;
        bool peg = false;
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
    std::vector<std::shared_ptr<RowDataBufor>>& Rows() { return m_rows; }
    const std::vector<std::shared_ptr<RowDataBufor>>& Rows() const { return m_rows; }
    // The index of the row with the key; -1 when the key is empty or no row has it.
    int FindRow(const QString& rowKey) const;

private:
    std::vector<std::shared_ptr<RowDataBufor>> m_rows;
    // Hashed: a refresh builds it for every row and looks every row of the next one up.
    QHash<QString, int> m_keyIndex;
};
