#include "ribbon/details/RibbonWindowTabs.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGalleryBuilders.h"
#include "ribbon/controls/RibbonTabBuilders.h"
#include "ribbon/galleries/ConnectedTableGaleryHalper.h"

namespace
{
constexpr std::uint32_t kLinkIcon16 = 843;
constexpr std::uint32_t kLinkIcon32 = 842;
constexpr std::uint32_t kStyleGroupIcon = 33804;
}

RibbonWindowTabs::RibbonWindowTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, IGenericModule* module,
                                   TableConsumer* tables, TabInfo info)
    : RibbonTabsCreator(factory, ribbonBar)
    , m_module(module)
    , m_tables(tables)
    , m_info(std::move(info))
{
}

bool RibbonWindowTabs::CreateTabs()
{
    if (!m_module)
        return false;
    QuorvantaTab* tab = GetRibbonBar().AddTab(m_info.stringId, MakeTab());
    if (!tab)
        return false;
    GetRibbonsFactory().AddModuleTab(m_info.stringId, m_module, tab);
    tab->SetContextColor(RibbonContextColorGreen);
    tab->SetContextCaption(m_info.contextText);
    return true;
}

RibbonGroupBase* RibbonWindowTabs::AddGroup(QuorvantaTab& tab, std::uint32_t captionId, std::uint32_t icon)
{
    return AddCaptionedGroup(GetRibbonsFactory(), tab, captionId, icon);
}

RibbonControl* RibbonWindowTabs::AddControl(RibbonGroupBase* group, int type, std::uint32_t id, std::uint32_t icon16,
                                            std::uint32_t icon32, bool newBlock)
{
    return AddIconControl(GetRibbonsFactory(), group, type, id, icon16, icon32, newBlock);
}

bool RibbonWindowTabs::AddLinkGallery(RibbonGroupBase* group, std::uint32_t id)
{
    RibbonControl* link = AddControl(group, RibbonControlPopup, id, kLinkIcon16, kLinkIcon32);
    return link && AddDynamicGallery(link, nullptr, std::make_shared<ConnectedTableGaleryHalper>(m_tables), id);
}

bool RibbonWindowTabs::AddStyleGroup(QuorvantaTab& tab, std::uint32_t captionId, std::uint32_t styleCommandId)
{
    RibbonGroupBase* options = AddGroup(tab, captionId, kStyleGroupIcon);
    RibbonControl* change = AddRibbonControl(options, RibbonControlButton, styleCommandId);
    if (!change)
        return false;
    change->SetCaption(QStringLiteral("Zmień"));
    change->SetBeginGroup(true);
    change->SetStyle(RibbonControlStyle::Large);
    SetSharedBitmapIcons(styleCommandId);
    return true;
}
