#include "orderssheet/ui/OSCursorRibbonControls.h"

#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "ribbon/tables/TableStyleRibbonControls.h"
#include "platform/toolkit/RibbonDefs.h"
#include "styles/engine/StyleTextField.h"

using namespace OrdersSheetCommandIds;

bool OSCursorRibbonControls::AddStyleGalleries(RibbonGroupBase* group)
{
    bool added = true;
    for (std::uint32_t id : {ID_COLUMN_STYLE, ID_ROW_STYLE})
    {
        const bool control =
            AddStylePopupControl(group, id, StyleTextField::Type, TableStyleRibbonControls::TextFieldKindText()) != nullptr;
        if (control)
            SetSharedBitmapIcons(id);
        added = added && control;
    }
    return added;
}

bool OSCursorRibbonControls::AddColorsAndFonts(RibbonGroupBase* group)
{
    bool added = true;
    for (const RowColorCommand& command : kCursorColorCommands)
        added = added && AddColorPopupButtonWithDefault(group, command.id);
    for (std::uint32_t id : {ID_COLUMN_FONT_LARGER, ID_COLUMN_FONT_SMALLER, ID_COLUMN_FONT_RESTORE, ID_ROW_FONT_LARGER,
                             ID_ROW_FONT_SMALLER, ID_ROW_FONT_RESTORE})
        added = added && AddRibbonControl(group, RibbonControlButton, id);
    return added;
}
