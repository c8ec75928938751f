#include "ribbon/details/RibbonOffersTabsQ4Classic.h"

#include "platform/modules/OffersConsumer.h"
#include "platform/toolkit/RibbonDefs.h"
#include "ribbon/details/DetailsOffersMainTabs.h"

namespace
{
constexpr std::uint32_t ID_TAB_OFFERS = 92;
constexpr std::uint32_t ID_GROUP_CONTENT = 326;
constexpr std::uint32_t ID_GROUP_DISPLAY = 93;
}

RibbonOffersTabsQ4Classic::RibbonOffersTabsQ4Classic(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                                     OffersConsumer* offers, TableConsumer* tables)
    : RibbonWindowTabs(factory, ribbonBar, offers, tables, {ID_TAB_OFFERS, QStringLiteral("Oferty")})
{
}

std::unique_ptr<QuorvantaTab> RibbonOffersTabsQ4Classic::MakeTab()
{
    return std::make_unique<OffersMainTab>(*this);
}

bool RibbonOffersTabsQ4Classic::CreateMainTabGroups(QuorvantaTab& tab)
{
    RibbonGroupBase* content = AddGroup(tab, ID_GROUP_CONTENT, 0);
    const bool built = AddControl(content, RibbonControlButton, 32937, 885, 886) &&
                       AddControl(content, RibbonControlButton, 33689, 873, 875) && AddLinkGallery(content, 33679) &&
                       OnContentGroup(tab);
    return built && AddStyleGroup(tab, ID_GROUP_DISPLAY, 33075);
}
