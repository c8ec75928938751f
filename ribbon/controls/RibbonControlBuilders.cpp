#include "ribbon/controls/RibbonControlBuilders.h"

#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/StringTable.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonLog.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/controls/RibbonGroup.h"
#include "ribbon/controls/RibbonToolTipsManagement.h"

#include <algorithm>
#include <vector>

using namespace RibbonBuilderIds;

namespace
{
constexpr QChar kNoBreakSpace(0x00A0);
constexpr int kSharedSmallPosition = 4;
constexpr int kSharedLargePosition = 2;

// Placeholder positions up to the wanted one, the id at it.
std::vector<std::uint32_t> SharedStripIds(std::uint32_t id, int position)
{
    std::vector<std::uint32_t> ids(static_cast<std::size_t>(position), ID_ICON_PLACEHOLDER);
    ids.push_back(id);
    return ids;
}
}

void AddControlToolTip(RibbonControl* control)
{
    if (control == nullptr)
        return;
    if (const std::shared_ptr<RibbonToolTipsManagement> toolTips = GetRibbonToolTipsManagement())
        toolTips->AddControlToolTipStrings(*control, control->GetID());
}

void SetGalleryItemToolTip(GalleryItem* item, std::uint32_t stringId)
{
    if (item == nullptr)
        return;
    if (const std::shared_ptr<RibbonToolTipsManagement> toolTips = GetRibbonToolTipsManagement())
        toolTips->SetGalleryItemToolTip(*item, stringId);
}

RibbonControl* AddRibbonControl(RibbonGroupBase* group, int type, std::uint32_t id)
{
    if (group == nullptr)
        return nullptr;
    RibbonControl* control = group->Add(type, id);
    AddControlToolTip(control);
    return control;
}

RibbonControl* AddRibbonControlObject(RibbonGroupBase* group, std::unique_ptr<RibbonControl> control,
                                      std::uint32_t id)
{
    if (group == nullptr || !control)
        return nullptr;
    RibbonControl* added = group->Add(std::move(control), id);
    AddControlToolTip(added);
    return added;
}

RibbonControl* AddRibbonButton(RibbonGroupBase* group, std::uint32_t id, bool keepPlain)
{
    RibbonControl* button = AddRibbonControl(group, RibbonControlButton, id);
    if (auto* own = dynamic_cast<RibbonGroup*>(group); own && button && !keepPlain)
        own->AddOwnControl(button);
    return button;
}

RibbonGroupBase* InsertRibbonGroup(RibbonTabBase* tab, std::uint32_t captionStringId)
{
    const StringTable& strings = StringTable::Instance();
    if (tab == nullptr || !strings.Contains(captionStringId))
        return nullptr;
    const QString text = strings.Get(captionStringId);
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    const QString caption = lineBreak < 0 ? text : text.mid(lineBreak + 1);
    return tab->AddGroup(std::make_unique<RibbonGroup>(captionStringId, caption));
}

void ReplaceCaptionUnderscores(RibbonControl* control)
{
    // Replacing an empty caption would put the new one between every two characters.
    if (control == nullptr || control->GetCaption().isEmpty())
        return;
    const QString oldCaption = control->GetCaption();
    const QString newCaption = QString(oldCaption).replace(QLatin1Char('_'), kNoBreakSpace);
    const QString toolTip = QString(control->GetTooltip()).replace(oldCaption, newCaption);
    const QString description = QString(control->GetDescription()).replace(oldCaption, newCaption);
    control->SetCaption(newCaption);
    control->SetTooltip(toolTip);
    control->SetDescription(description);
}

bool SetBitmapIcons(std::uint32_t bitmapId, std::span<const std::uint32_t> ids, bool large)
{
    const std::shared_ptr<RibbonsFactory> factory = GetGlobalRibbonsFactory();
    const QuorvantaRibbonBar* ribbonBar = factory ? factory->GetRibbonBar() : nullptr;
    CommandBars* commandBars = ribbonBar ? ribbonBar->GetCommandBars() : nullptr;
    if (commandBars == nullptr)
    {
        qCWarning(lcRibbon) << "SetBitmapIcons: no ribbon for the images of bitmap" << bitmapId;
        return false;
    }
    std::vector<std::uint32_t> mapped(ids.begin(), ids.end());
    std::replace(mapped.begin(), mapped.end(), ID_ICON_PLACEHOLDER, 0u);
    return commandBars->GetImageManager().SetIcons(bitmapId, mapped,
                                                   large ? RibbonImageManager::kLarge : RibbonImageManager::kSmall);
}

void SetRibbonIcons(std::uint32_t id, std::uint32_t bitmap16, std::uint32_t bitmap32)
{
    if (const std::shared_ptr<RibbonsFactory> factory = GetGlobalRibbonsFactory())
        SetRibbonIcons(*factory, id, bitmap16, bitmap32);
    else
        qCWarning(lcRibbon) << "SetRibbonIcons: no ribbon for the icons of command" << id;
}

void SetSharedSmallIcon(std::uint32_t id)
{
    SetBitmapIcons(IDB_SHARED_SMALL, SharedStripIds(id, kSharedSmallPosition), false);
}

void SetSharedLargeIcon(std::uint32_t id)
{
    SetBitmapIcons(IDB_SHARED_LARGE, SharedStripIds(id, kSharedLargePosition), true);
}

void SetSharedBitmapIcons(std::uint32_t id)
{
    SetSharedSmallIcon(id);
    SetSharedLargeIcon(id);
}
