#include "orderssheet/ui/RibbonOrdersSheetQ4Classic.h"

#include "orderssheet/ui/OrdersSheetCommandIds.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "ribbon/galleries/ConnectedTableGaleryHalper.h"

using namespace OrdersSheetCommandIds;

bool RibbonOrdersSheetQ4Classic::AddLinkAndArrangement(RibbonGroupBase* contents)
{
    // The gallery links the active module window, which is the sheet while its tab shows.
    RibbonControl* link = AddRibbonControl(contents, RibbonControlPopup, ID_LINK_TABLE);
    if (link)
        SetRibbonIcons(GetRibbonsFactory(), ID_LINK_TABLE, IDB_LINK_TABLE, 0);
    bool added = link && AddDynamicGallery(link, nullptr, std::make_shared<ConnectedTableGaleryHalper>(m_tables),
                                           ID_LINK_TABLE);
    RibbonControl* automatic = AddRibbonControl(contents, RibbonControlButton, ID_ARRANGE_AUTOMATIC);
    if (automatic)
        automatic->SetBeginGroup(true);
    added = added && automatic;
    for (std::uint32_t id : {ID_ARRANGE_COLUMNS, ID_ARRANGE_ROWS})
        added = AddRibbonControl(contents, RibbonControlButton, id) && added;
    return added;
}
