#include "ribbon/tables/RibbonTablesTabsQ4Classic.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "styles/engine/StyleTable.h"

namespace
{
constexpr std::uint32_t ID_TABLE_STYLE_GALLERY = 33069;
// The group takes the id of the gallery it holds; the Parts give it none.
constexpr std::uint32_t ID_STYLE_GROUP = ID_TABLE_STYLE_GALLERY;
}

bool RibbonTablesTabsQ4Classic::OnMainTabContent(QuorvantaTab& tab)
{
    RibbonGroupBase* style = tab.AddGroup(QStringLiteral("Styl"), ID_STYLE_GROUP);
    return AddStylePopupControl(style, ID_TABLE_STYLE_GALLERY, StyleTable::Type, QStringLiteral("tabeli")) != nullptr;
}

bool RibbonTablesTabsQ4Classic::AddAssetDisplayOptions(QuorvantaTab& tab)
{
    RibbonGroupBase* options = AddGroup(tab, 20, 824);
    RibbonControl* lines = AddControl(options, RibbonControlPopup, 345, 610, 609);
    QStringList captions;
    for (int count = 1; count <= 9; ++count)
        captions << QString::number(count);
    return AddPopupItems(lines, 33056, captions);
}

bool RibbonTablesTabsQ4Classic::AddColumnHeader(QuorvantaTab& tab)
{
    RibbonGroupBase* header = AddGroup(tab, 23, 827);
    if (!header)
        return false;
    header->SetCaption(QStringLiteral("Nagłówek"));
    auto name = std::make_unique<RibbonEditControl>(32815);
    name->SetTooltip(QStringLiteral("Nazwa kolumny"));
    name->SetWidth(120);
    return AddRibbonControlObject(header, std::move(name), 32815) != nullptr;
}
