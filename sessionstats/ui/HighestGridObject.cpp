#include "sessionstats/ui/HighestGridObject.h"

#include "platform/toolkit/ITableView.h"
#include "sessionstats/engine/AssetStatisticsContainer.h"
#include "sessionstats/ui/IGridLineManager.h"
#include "sessionstats/ui/StatisticsTextStyle.h"

#include <algorithm>

void HighestGridObject::Initialise(ITableView* view, int kind, const AssetStatisticsContainer& container)
{
    Clear();
    SetView(view);
    m_kind = kind;
    m_container = &container;
    for (int index = 0; index < kRows; ++index)
    {
        auto row = std::make_shared<HighestGridRow>();
        row->index = index;
        row->slot = &container.Slot(static_cast<std::size_t>(index));
        m_rows.push_back(row);
        if (view)
            view->AddItem(static_cast<quintptr>(index));
    }
    SortBy(m_sortColumn);
}

void HighestGridObject::Clear()
{
    m_rows.clear();
    SetView(nullptr);
}

const HighestGridRow* HighestGridObject::RowOf(quintptr itemData) const
{
    return itemData < m_rows.size() ? m_rows[itemData].get() : nullptr;
}

void HighestGridObject::SortBy(int column)
{
    m_sortColumn = column >= 0 && column < AssetStatisticsWrapper::kColumns ? column : -1;
    if (!m_container)
        return;
    std::vector<const AssetStatisticsWrapper*> ordered;
    for (std::size_t index = 0; index < AssetStatisticsContainer::kSlots; ++index)
        ordered.push_back(&m_container->Slot(index));
    if (m_sortColumn >= 0)
        std::stable_sort(ordered.begin(), ordered.end(), [this](const AssetStatisticsWrapper* a, const AssetStatisticsWrapper* b) {
            return AssetStatisticsWrapper::Precedes(*a, *b, m_sortColumn);
        });
    for (std::size_t index = 0; index < m_rows.size() && index < ordered.size(); ++index)
        m_rows[index]->slot = ordered[index];
}

void HighestGridObject::RefreshTexts()
{
    if (m_sortColumn >= 0)
        SortBy(m_sortColumn);
    const QFont font = StatisticsTextStyle::Font(GetTextStyle().get());
    const int lineWidth = GetGridLineManager().GetGridLineWidth();
    ITableView* view = GetView();
    for (const std::shared_ptr<HighestGridRow>& row : m_rows)
    {
        if (!row->slot)
            continue;
        for (int column = 0; column < AssetStatisticsWrapper::kColumns; ++column)
        {
            const int width = view ? view->GetColumnWidth(column) - 4 - (lineWidth + 4) : 0;
            row->texts[column] = row->slot->Text(column, &font, std::max(0, width));
        }
    }
}
