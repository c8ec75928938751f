// A quote table's rows: its instruments in their places, the quotes and order books that
// change them, moving, hiding and pinning them, their offer lines and their notes.

#include "modulelibs/table/QuoteTableModel.h"

#include "modulelibs/table/TableFields.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace
{
std::uint64_t NextRowVersion()
{
    static std::atomic<std::uint64_t> last = 0;
    return ++last;
}
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
