#pragma once
// The main frame's tooltips of ribbon controls and gallery items, from the string entries of
// their ids. The ribbon view shows a control's tooltip title in bold over its description.

#include "ribbon/controls/ToolTipsHTMLBase.h"

class GalleryItem;
class RibbonControl;

class RibbonToolTipsManagement : public ToolTipsHTMLBase
{
public:
    // The control's tooltip title and description from the id's entry, its caption untouched;
    // false, and nothing changed, when the string table has no entry.
    bool AddControlToolTipStrings(RibbonControl& control, std::uint32_t id) const;
    // The item's rich-text tooltip, caption and description from the id's entry; false, and
    // nothing changed, when the string table has no entry.
    bool SetGalleryItemToolTip(GalleryItem& item, std::uint32_t id) const;
};
