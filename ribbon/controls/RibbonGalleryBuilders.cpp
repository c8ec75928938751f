#include "ribbon/controls/RibbonGalleryBuilders.h"

#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "ribbon/controls/RibbonControlBuilders.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/galleries/ControlGalleryEx.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "ribbon/galleries/MainStylesGalleryCtrl.h"

using namespace RibbonGalleryBuilders;

GalleryControl* AddRibbonGallery(std::unique_ptr<GalleryControl> gallery, RibbonControl* popup, std::uint32_t id,
                                 RibbonGalleryList* owner)
{
    if (popup == nullptr)
        return nullptr;
    if (!gallery)
        gallery = std::make_unique<ControlGalleryEx>(id);
    gallery->SetWidth(kGalleryWidth);
    gallery->SetHeight(kGalleryHeight);
    gallery->SetShowLabels(true);
    gallery->SetShowScrollBar(true);
    RibbonPopupBar* bar = popup->GetCommandBar();
    if (bar == nullptr)
        bar = popup->SetCommandBar(std::make_unique<RibbonPopupBar>());
    auto* added = static_cast<GalleryControl*>(bar->Add(std::move(gallery), id));
    if (owner)
        owner->emplace_back(added);
    return added;
}

DynamicGallery* AddDynamicGallery(RibbonControl* popup, RibbonGalleryList* owner,
                                  std::shared_ptr<IDynamicGalleryHelper> helper, std::uint32_t id)
{
    if (popup == nullptr)
        return nullptr;
    return static_cast<DynamicGallery*>(
        AddRibbonGallery(std::make_unique<DynamicGallery>(std::move(helper), id), popup, id, owner));
}

MainStylesGalleryCtrl* AddAppStylesGallery(RibbonControl* popup, std::uint32_t id)
{
    if (popup == nullptr)
        return nullptr;
    RibbonPopupBar* bar = popup->GetCommandBar();
    if (bar == nullptr)
        bar = popup->SetCommandBar(std::make_unique<RibbonPopupBar>());
    return static_cast<MainStylesGalleryCtrl*>(bar->Add(std::make_unique<MainStylesGalleryCtrl>(id), id));
}

RibbonControl* AddStylePopupControl(RibbonGroupBase* group, std::uint32_t id, int styleKind, const QString& kindText)
{
    RibbonControl* popup = AddRibbonControl(group, RibbonControlPopup, id);
    if (popup == nullptr)
        return nullptr;
    popup->SetCommandBar(std::make_unique<RibbonPopupBar>());
    AddDynamicGallery(popup, nullptr, CreateStylePreviewGalleryHelper(styleKind, kindText), id);
    return popup;
}

RibbonControl* AddStylePopupButtonSmall(RibbonGroupBase* group, std::uint32_t id, int styleKind,
                                        const QString& kindText)
{
    RibbonControl* popup = AddStylePopupControl(group, id, styleKind, kindText);
    if (popup)
        SetSharedSmallIcon(id);
    return popup;
}

RibbonControl* AddRibbonPopupButton(RibbonGroupBase* group, std::uint32_t id, int styleKind, const QString& kindText)
{
    RibbonControl* popup = AddStylePopupButtonSmall(group, id, styleKind, kindText);
    if (popup)
    {
        AddControlToolTip(popup);
        SetSharedLargeIcon(id);
    }
    return popup;
}
