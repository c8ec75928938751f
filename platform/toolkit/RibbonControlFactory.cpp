#include "platform/toolkit/RibbonControlFactory.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonEditControl.h"

std::unique_ptr<RibbonControl> RibbonControlFactory::Create(int type, std::uint32_t id)
{
    switch (type)
    {
    case RibbonControlEdit:
        return std::make_unique<RibbonEditControl>(id);
    case RibbonControlComboBox:
        return std::make_unique<RibbonComboBoxControl>(id);
    case RibbonControlGallery:
        return std::make_unique<GalleryControl>(id);
    default:
        return std::make_unique<RibbonControl>(type, id);
    }
}

std::unique_ptr<RibbonControl> RibbonControlFactory::CreateCaptioned(int type, std::uint32_t id, const QString& caption)
{
    std::unique_ptr<RibbonControl> control = Create(type, id);
    if (caption.isEmpty())
        control->LoadStrings();
    else
        control->SetCaption(caption);
    return control;
}
