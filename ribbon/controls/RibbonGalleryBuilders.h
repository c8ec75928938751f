#pragma once
// The builders of galleries in the popups of ribbon controls, and of the style popups whose
// gallery the edition's style-preview helper fills. A gallery takes the id it is added under.

#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class DynamicGallery;
class GalleryControl;
class IDynamicGalleryHelper;
class MainStylesGalleryCtrl;
class RibbonControl;
class RibbonGroupBase;

// The galleries a tab or creator made, so that it can reach them later.
using RibbonGalleryList = std::vector<QPointer<GalleryControl>>;

namespace RibbonGalleryBuilders
{
inline constexpr int kGalleryWidth = 128;
inline constexpr int kGalleryHeight = 145;
}

// Adds the gallery (a new ControlGalleryEx when none is given) to the popup of the control,
// making the popup when the control has none, sized 128 x 145 with labels and scroll column
// on, and records it in the owner's list. Null when the control is null.
GalleryControl* AddRibbonGallery(std::unique_ptr<GalleryControl> gallery, RibbonControl* popup, std::uint32_t id,
                                 RibbonGalleryList* owner = nullptr);
// A DynamicGallery sharing the helper (an empty helper leaves it unfilled), added as above.
DynamicGallery* AddDynamicGallery(RibbonControl* popup, RibbonGalleryList* owner,
                                  std::shared_ptr<IDynamicGalleryHelper> helper, std::uint32_t id);

// The application-styles gallery in the popup of the control, one preview per application style
// and sized to them. Null when the control is null.
MainStylesGalleryCtrl* AddAppStylesGallery(RibbonControl* popup, std::uint32_t id);

// A popup whose gallery shows the styles of the kind, filled by the edition's style-preview
// helper.
RibbonControl* AddStylePopupControl(RibbonGroupBase* group, std::uint32_t id, int styleKind, const QString& kindText);
// The same with the shared strip's 16 px icon.
RibbonControl* AddStylePopupButtonSmall(RibbonGroupBase* group, std::uint32_t id, int styleKind,
                                        const QString& kindText);
// The same with the shared strip's 32 px icon as well.
RibbonControl* AddRibbonPopupButton(RibbonGroupBase* group, std::uint32_t id, int styleKind, const QString& kindText);
