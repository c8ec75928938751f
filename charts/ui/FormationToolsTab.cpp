#include "charts/ui/FormationToolsTab.h"

#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/FormationSymbolsGalleryHelper.h"
#include "platform/toolkit/RibbonControl.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "styles/engine/StyleFormation.h"

#include <initializer_list>

using namespace FormationCommandIds;

namespace
{

bool AddButtons(QuorvantaTab& tab, std::uint32_t groupId, std::initializer_list<std::uint32_t> ids)
{
    RibbonGroupBase* group = InsertRibbonGroup(&tab, groupId);
    if (!group)
        return false;
    for (const std::uint32_t id : ids)
        if (!AddRibbonControl(group, RibbonControlButton, id))
            return false;
    return true;
}

}

FormationToolsTab::FormationToolsTab(RibbonTabsCreator& creator)
    : QuorvantaTab(RibbonTabLevelContext, &creator)
{
}

bool FormationToolsTab::CreateGroups()
{
    if (!AddButtons(*this, GROUP_LINES, {33522, 33523, 33524, 33525, 33526, 33527, 33528, 33529, 33614})
        || !AddButtons(*this, GROUP_SHAPES, {33530, 33531, 33532, 33537, 33536, 33538, 33539}))
        return false;
    // The symbol the "Symbole" tool places, chosen from the chart library's symbols.
    RibbonControl* symbols = AddRibbonControl(FindGroup(GROUP_SHAPES), RibbonControlPopup, ID_SYMBOLS_GALLERY);
    if (!AddDynamicGallery(symbols, nullptr, std::make_shared<FormationSymbolsGalleryHelper>(), ID_SYMBOLS_GALLERY))
        return false;
    if (!AddButtons(*this, GROUP_FIBONACCI, {33533, 33534, 33535, 33541, 33540, 33542})
        || !AddButtons(*this, GROUP_GANN, {33543, 33544, 33545})
        || !AddButtons(*this, GROUP_DRAWING,
                       {ID_MODE_FREE, ID_MODE_SNAP, ID_MODE_AUTO, ID_SHOW_LABELS, 33521, ID_REMOVE_ALL}))
        return false;
    // The style new formations are drawn in, chosen from the stored formation styles.
    RibbonControl* style = AddStylePopupControl(FindGroup(GROUP_DRAWING), ID_DEFAULT_STYLE_GALLERY, StyleFormation::Type,
                                                QStringLiteral("formacji"));
    if (!style)
        return false;
    style->SetBeginGroup(true);
    return true;
}
