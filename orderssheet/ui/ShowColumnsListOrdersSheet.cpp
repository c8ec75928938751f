#include "orderssheet/ui/ShowColumnsListOrdersSheet.h"

#include "orderssheet/settings/OrdersSheetTableSettings.h"
#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "orderssheet/ui/OrdersSheetPaneManager.h"
#include "ribbon/galleries/CheckBoxGalleryControl.h"
#include "ribbon/galleries/CheckBoxGalleryControlItem.h"

ShowColumnsListOrdersSheet::ShowColumnsListOrdersSheet(CmdTargetOrdersSheet::WindowSource window)
    : m_window(std::move(window))
{
}

void ShowColumnsListOrdersSheet::Fill(DynamicGallery& gallery)
{
    auto* checkBoxes = dynamic_cast<CheckBoxGalleryControl*>(&gallery);
    OrderSheetMainDlg* window = m_window ? m_window() : nullptr;
    if (!checkBoxes || !window)
        return;
    checkBoxes->RemoveAll();
    const OrdersSheetTableSettings& table = window->GetSettings().GetTableSettings();
    const int mode = table.GetMode();
    const QSize size(kItemWidth, kItemHeight);
    // An item's id is its display position plus one.
    for (int pos = 0; pos < OrdersSheetTableSettings::GetDisplayCount(mode); ++pos)
    {
        const auto& column = table.GetColumnForDisplayPos(mode, pos);
        GalleryItem* item = checkBoxes->AddItem(std::make_unique<CheckBoxGalleryControlItem>(
            std::uint32_t(pos + 1), OrdersSheetTableSettings::GetColumnCaption(mode, column.kind), column.visible));
        item->SetSize(size);
    }
    checkBoxes->SetItemSize(size);
    checkBoxes->SetWidth(kItemWidth);
    checkBoxes->SetHeight(kItemHeight * checkBoxes->GetItemCount());
}

void ShowColumnsListOrdersSheet::OnItemExecute(DynamicGallery& gallery, GalleryItem& item)
{
    auto* checkBoxes = dynamic_cast<CheckBoxGalleryControl*>(&gallery);
    auto* checkBox = dynamic_cast<CheckBoxGalleryControlItem*>(&item);
    OrderSheetMainDlg* window = m_window ? m_window() : nullptr;
    if (!checkBoxes || !checkBox || !window || checkBoxes->GetItemCount() == 0)
        return;
    if (checkBoxes->GetCheckedItems().empty())
    {
        checkBox->SetChecked(true);
        return;
    }
    const bool visible = checkBox->IsChecked();
    window->Panes().SetColumnVisible(int(item.GetID()) - 1, &visible);
}
