#pragma once
// What the ribbon-control builders reach of the main frame: its ribbons factory (the ribbon bar
// and the image manager of its command bars) and its tooltip management, both set when the
// frame is built; and the edition's maker of the style-preview gallery helpers that the style
// popups show. The frame's objects are held weakly: once the frame is gone, the builders skip
// what needs them. Main thread only.

#include <QString>

#include <functional>
#include <memory>

class IDynamicGalleryHelper;
class RibbonsFactory;
class RibbonToolTipsManagement;

void SetGlobalRibbonsFactory(const std::shared_ptr<RibbonsFactory>& factory);
// Null before the frame set it or after the frame is gone.
std::shared_ptr<RibbonsFactory> GetGlobalRibbonsFactory();

void SetGlobalRibbonToolTipsManagement(const std::shared_ptr<RibbonToolTipsManagement>& management);
// Null while there is no main frame.
std::shared_ptr<RibbonToolTipsManagement> GetRibbonToolTipsManagement();

// Makes the helper of a style popup's gallery for a style kind and the kind's text.
using StylePreviewGalleryHelperMaker =
    std::function<std::shared_ptr<IDynamicGalleryHelper>(int styleKind, const QString& kindText)>;
void SetStylePreviewGalleryHelperMaker(StylePreviewGalleryHelperMaker maker);
// Null when no edition set a maker (logged) or the maker gave none.
std::shared_ptr<IDynamicGalleryHelper> CreateStylePreviewGalleryHelper(int styleKind, const QString& kindText);
