#include "platform/toolkit/RibbonPopupBar.h"

#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonControlFactory.h"

RibbonPopupBar::RibbonPopupBar() = default;

RibbonPopupBar::~RibbonPopupBar() = default;

RibbonControl* RibbonPopupBar::Add(int type, std::uint32_t id, const QString& caption)
{
    return Add(RibbonControlFactory::CreateCaptioned(type, id, caption), id);
}

RibbonControl* RibbonPopupBar::Add(std::unique_ptr<RibbonControl> control, std::uint32_t id)
{
    if (!control)
        return nullptr;
    control->SetID(id);
    control->AttachRibbon(m_ribbon);
    if (auto* gallery = qobject_cast<GalleryControl*>(control.get()))
        gallery->SetParentBar(this);
    m_controls.push_back(std::move(control));
    return m_controls.back().get();
}

RibbonControl* RibbonPopupBar::FindControl(std::uint32_t id) const
{
    return FindRibbonControl(m_controls, id);
}

RibbonControl* FindRibbonControl(const std::vector<std::unique_ptr<RibbonControl>>& controls, std::uint32_t id)
{
    for (const auto& control : controls)
    {
        if (control->GetID() == id)
            return control.get();
        if (RibbonPopupBar* popup = control->GetCommandBar())
        {
            if (RibbonControl* found = popup->FindControl(id))
                return found;
        }
    }
    return nullptr;
}

void RibbonPopupBar::LoadMenu(const MenuTable& table, CommandBars* commandBars)
{
    bool beginGroup = false;
    for (const MenuItem& item : table)
    {
        if (item.IsSeparator())
        {
            beginGroup = !m_controls.empty();
            continue;
        }
        RibbonControl* control = nullptr;
        if (!item.popup.empty())
        {
            control = Add(RibbonControlPopup, item.id, item.text);
            auto popup = std::make_unique<RibbonPopupBar>();
            popup->LoadMenu(item.popup, commandBars);
            control->SetCommandBar(std::move(popup));
        }
        else
        {
            std::unique_ptr<RibbonControl> own = commandBars ? commandBars->RequestControl(item.id) : nullptr;
            control = own ? Add(std::move(own), item.id) : Add(RibbonControlButton, item.id, item.text);
            control->SetEnabled(!item.grayed);
        }
        control->SetBeginGroup(beginGroup);
        beginGroup = false;
    }
}

void RibbonPopupBar::AttachRibbon(RibbonBarBase* ribbon)
{
    m_ribbon = ribbon;
    for (const auto& control : m_controls)
        control->AttachRibbon(ribbon);
}
