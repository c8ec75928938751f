#include "sessionstats/ui/SummaryGridObject.h"

#include "platform/toolkit/ITableView.h"
#include "sessionstats/engine/AssetStatisticsContainer.h"

void SummaryGridObject::Initialise(ITableView* view, const std::array<AssetStatisticsContainer, 4>& highest)
{
    Clear();
    SetView(view);
    const auto slot = [&highest](int kind, int index) { return &highest[kind].Slot(static_cast<std::size_t>(index)); };
    m_rows.push_back(std::make_shared<SummaryGridHeaderRow>(*this, true));
    for (int index = 0; index < kDataRowsPerHalf; ++index)
        m_rows.push_back(std::make_shared<SummaryGridTopDataRow>(*this, slot(0, index), slot(2, index)));
    m_rows.push_back(std::make_shared<SummaryGridHeaderRow>(*this, false));
    for (int index = 0; index < kDataRowsPerHalf; ++index)
        m_rows.push_back(std::make_shared<SummaryGridBottomDataRow>(*this, slot(1, index), slot(3, index)));
    if (view)
    {
        for (int index = 0; index < kRows; ++index)
            view->AddItem(static_cast<quintptr>(index));
    }
}

void SummaryGridObject::Clear()
{
    m_rows.clear();
    SetView(nullptr);
}

SummaryGridRowBase* SummaryGridObject::RowOf(quintptr itemData) const
{
    return itemData < m_rows.size() ? m_rows[itemData].get() : nullptr;
}

void SummaryGridObject::Update()
{
    for (const std::shared_ptr<SummaryGridRowBase>& row : m_rows)
        row->Update();
}
