#include "platform/toolkit/RibbonGroupBase.h"

#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonControlFactory.h"
#include "platform/toolkit/RibbonPopupBar.h"

RibbonGroupBase::RibbonGroupBase(std::uint32_t id, const QString& caption)
    : m_id(id)
    , m_caption(caption)
{
}

RibbonGroupBase::~RibbonGroupBase() = default;

void RibbonGroupBase::SetCaption(const QString& caption)
{
    m_caption = caption;
    Changed();
}

void RibbonGroupBase::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    Changed();
}

RibbonControl* RibbonGroupBase::Add(int type, std::uint32_t id, const QString& caption)
{
    return Add(RibbonControlFactory::CreateCaptioned(type, id, caption), id);
}

RibbonControl* RibbonGroupBase::Add(std::unique_ptr<RibbonControl> control, std::uint32_t id)
{
    if (!control)
        return nullptr;
    control->SetID(id);
    control->AttachRibbon(m_ribbon);
    m_controls.push_back(std::move(control));
    Changed();
    return m_controls.back().get();
}

RibbonControl* RibbonGroupBase::FindControl(std::uint32_t id) const
{
    return FindRibbonControl(m_controls, id);
}

void RibbonGroupBase::AttachTab(RibbonTabBase* tab, RibbonBarBase* ribbon)
{
    m_tab = tab;
    m_ribbon = ribbon;
    for (const auto& control : m_controls)
        control->AttachRibbon(ribbon);
}

void RibbonGroupBase::Changed()
{
    if (m_ribbon)
        m_ribbon->NotifyChanged();
}
