#include "ribbon/controls/RibbonGlobals.h"

#include "ribbon/RibbonLog.h"

namespace
{
struct Globals
{
    std::weak_ptr<RibbonsFactory> factory;
    std::weak_ptr<RibbonToolTipsManagement> toolTips;
    StylePreviewGalleryHelperMaker styleHelperMaker;
};

Globals& Instance()
{
    static Globals globals;
    return globals;
}
}

void SetGlobalRibbonsFactory(const std::shared_ptr<RibbonsFactory>& factory)
{
    Instance().factory = factory;
}

std::shared_ptr<RibbonsFactory> GetGlobalRibbonsFactory()
{
    return Instance().factory.lock();
}

void SetGlobalRibbonToolTipsManagement(const std::shared_ptr<RibbonToolTipsManagement>& management)
{
    Instance().toolTips = management;
}

std::shared_ptr<RibbonToolTipsManagement> GetRibbonToolTipsManagement()
{
    return Instance().toolTips.lock();
}

void SetStylePreviewGalleryHelperMaker(StylePreviewGalleryHelperMaker maker)
{
    Instance().styleHelperMaker = std::move(maker);
}

std::shared_ptr<IDynamicGalleryHelper> CreateStylePreviewGalleryHelper(int styleKind, const QString& kindText)
{
    const StylePreviewGalleryHelperMaker& maker = Instance().styleHelperMaker;
    if (!maker)
    {
        qCWarning(lcRibbon) << "No edition makes the style galleries' helpers; style kind" << styleKind
                            << "gets an empty gallery";
        return nullptr;
    }
    return maker(styleKind, kindText);
}
