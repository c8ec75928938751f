#pragma once
// The visible-columns gallery of the sheet's tab: one check box per column of the current
// window's mode in display order ("Cena arkusza" is never listed), ticked while the column is
// shown. Ticking shows or hides the column at that display position; the last shown column
// cannot be hidden.

#include "orderssheet/ui/CmdTargetOrdersSheet.h"
#include "ribbon/galleries/IDynamicGalleryHelper.h"

class ShowColumnsListOrdersSheet : public IDynamicGalleryHelper
{
public:
    static constexpr int kItemWidth = 150;
    static constexpr int kItemHeight = 25;

    explicit ShowColumnsListOrdersSheet(CmdTargetOrdersSheet::WindowSource window);

    // Without a current window the gallery is left as it is.
    void Fill(DynamicGallery& gallery) override;
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;

private:
    CmdTargetOrdersSheet::WindowSource m_window;
};
