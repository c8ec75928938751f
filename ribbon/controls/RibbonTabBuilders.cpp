#include "ribbon/controls/RibbonTabBuilders.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/ui/StringTable.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonControlBuilders.h"

QString RibbonCaptionOf(std::uint32_t stringId)
{
    const QString text = StringTable::Instance().Get(stringId);
    const qsizetype lineBreak = text.lastIndexOf(QLatin1Char('\n'));
    return lineBreak < 0 ? text : text.mid(lineBreak + 1);
}

RibbonGroupBase* AddCaptionedGroup(RibbonsFactory& factory, QuorvantaTab& tab, std::uint32_t captionId,
                                   std::uint32_t icon)
{
    RibbonGroupBase* group = tab.AddGroup(RibbonCaptionOf(captionId), captionId);
    if (group && icon != 0)
        SetRibbonIcons(factory, captionId, icon, 0);
    return group;
}

RibbonControl* AddIconControl(RibbonsFactory& factory, RibbonGroupBase* group, int type, std::uint32_t id,
                              std::uint32_t icon16, std::uint32_t icon32, bool newBlock)
{
    RibbonControl* control = AddRibbonControl(group, type, id);
    if (!control)
        return nullptr;
    if (icon16 != 0 || icon32 != 0)
        SetRibbonIcons(factory, id, icon16, icon32);
    control->SetStyle(icon32 != 0 ? RibbonControlStyle::Large : RibbonControlStyle::Small);
    if (newBlock)
        control->SetBeginGroup(true);
    return control;
}
