#include "ribbon/details/RibbonDetailsTabsQ4Classic.h"

#include "platform/modules/DetailsCons.h"
#include "platform/toolkit/RibbonDefs.h"
#include "ribbon/details/DetailsOffersMainTabs.h"

namespace
{
constexpr std::uint32_t ID_TAB_DETAILS = 101;
constexpr std::uint32_t ID_GROUP_CONTENT = 328;
constexpr std::uint32_t ID_GROUP_DISPLAY = 94;
}

RibbonDetailsTabsQ4Classic::RibbonDetailsTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                                       DetailsCons* details, TableConsumer* tables)
    : RibbonWindowTabs(factory, ribbonBar, details, tables, {ID_TAB_DETAILS, QStringLiteral("Szczegóły")})
{
}

std::unique_ptr<QuorvantaTab> RibbonDetailsTabsQ4Classic::MakeTab()
{
    return std::make_unique<DetailsMainTab>(*this);
}

bool RibbonDetailsTabsQ4Classic::CreateMainTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* content = AddGroup(tab, ID_GROUP_CONTENT, 1428);
    const bool built = AddControl(content, RibbonControlButton, 32942, 885, 886) && AddLinkGallery(content, 33678) &&
                       AddControl(content, RibbonControlButton, 32953, 426, 0, true) &&
                       AddControl(content, RibbonControlButton, 32954, 427, 0) && OnContentGroup(tab);
    return built && AddStyleGroup(tab, ID_GROUP_DISPLAY, 33071);
}
