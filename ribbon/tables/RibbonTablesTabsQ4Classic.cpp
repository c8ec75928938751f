#include "ribbon/tables/RibbonTablesTabsQ4Classic.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "ribbon/tables/TableStyleRibbonControls.h"
#include "styles/engine/StyleTable.h"

using namespace TableStyleRibbonControls;

namespace
{
// The element style buttons and the galleries under them.
constexpr std::uint32_t ID_INSTRUMENT_STYLE = 32801;
constexpr std::uint32_t ID_COLUMN_STYLE = 32816;
constexpr std::uint32_t ID_CELL_STYLE = 32824;
constexpr std::uint32_t ID_SIBLING_CELLS_STYLE = 32932;
constexpr std::uint32_t ID_INSTRUMENT_STYLE_GALLERY = 32840;
constexpr std::uint32_t ID_COLUMN_STYLE_GALLERY = 32841;
constexpr std::uint32_t ID_CELL_STYLE_GALLERY = 32933;
constexpr std::uint32_t ID_SIBLING_CELLS_STYLE_GALLERY = 32842;
constexpr std::uint32_t ID_TABLE_STYLE_GALLERY = 33069;
// The group takes the id of the gallery it holds; the Parts give it none.
constexpr std::uint32_t ID_STYLE_GROUP = ID_TABLE_STYLE_GALLERY;
}

bool RibbonTablesTabsQ4Classic::OnMainTabContent(QuorvantaTab& tab)
{
    RibbonGroupBase* style = tab.AddGroup(QStringLiteral("Styl"), ID_STYLE_GROUP);
    RibbonControl* gallery = AddStylePopupControl(style, ID_TABLE_STYLE_GALLERY, StyleTable::Type, QStringLiteral("tabeli"));
    if (!gallery)
        return false;
    gallery->SetStyle(RibbonControlStyle::Large);
    return AddMoreOptions(style,
                          {{u"Wiersze nieparzyste", {33699, 33700, 33701, 33702, 33703, 33704}},
                           {u"Wiersze parzyste", {33705, 33706, 33707, 33708, 33709, 33710}}},
                          {33716, 33717, 33751}, {33787, 33786});
}

bool RibbonTablesTabsQ4Classic::AddAssetDisplayOptions(QuorvantaTab& tab)
{
    RibbonGroupBase* options = AddGroup(tab, 20, 824);
    RibbonControl* lines = AddControl(options, RibbonControlPopup, 345, 610, 609);
    QStringList captions;
    for (int count = 1; count <= 9; ++count)
        captions << QString::number(count);
    if (!AddPopupItems(lines, 33056, captions))
        return false;
    RibbonControl* style = AddElementStylePopup(options, ID_INSTRUMENT_STYLE, ID_INSTRUMENT_STYLE_GALLERY);
    if (!style)
        return false;
    style->SetBeginGroup(true);
    return AddMoreOptions(options, {{nullptr, {33726, 33727, 33728, 33729, 33730, 33731}}}, {33732, 33733, 33753}, {33789});
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
    if (!AddRibbonControlObject(header, std::move(name), 32815))
        return false;
    RibbonGroupBase* style = tab.AddGroup(QStringLiteral("Styl"), ID_COLUMN_STYLE);
    return AddElementStylePopup(style, ID_COLUMN_STYLE, ID_COLUMN_STYLE_GALLERY)
           && AddMoreOptions(style, {{nullptr, {33742, 33743, 33744, 33745, 33746, 33747}}}, {33748, 33749, 33755}, {33791});
}

bool RibbonTablesTabsQ4Classic::OnCellTabCopy(QuorvantaTab& tab)
{
    RibbonGroupBase* style = tab.AddGroup(QStringLiteral("Styl"), ID_CELL_STYLE);
    return AddElementStylePopup(style, ID_CELL_STYLE, ID_CELL_STYLE_GALLERY)
           && AddElementStylePopup(style, ID_SIBLING_CELLS_STYLE, ID_SIBLING_CELLS_STYLE_GALLERY)
           && AddMoreOptions(style,
                             {{u"Zaznaczona komórka", {33758, 33759, 33760, 33776, 33777, 33778}},
                              {u"Komórki siostrzane", {33767, 33768, 33769, 33779, 33780, 33781}}},
                             {33764, 33765, 33766, 33773, 33774, 33775}, {33792, 33793});
}
