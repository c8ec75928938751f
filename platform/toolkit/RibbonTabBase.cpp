#include "platform/toolkit/RibbonTabBase.h"

#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonGroupBase.h"

RibbonTabBase::RibbonTabBase() = default;

RibbonTabBase::~RibbonTabBase() = default;

void RibbonTabBase::SetCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    Changed();
}

void RibbonTabBase::SetContextColor(int color)
{
    m_contextColor = color;
    Changed();
}

void RibbonTabBase::SetContextCaption(const QString& caption)
{
    if (m_contextCaption == caption)
        return;
    m_contextCaption = caption;
    Changed();
}

void RibbonTabBase::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    if (m_ribbon)
        m_ribbon->OnTabVisibilityChanged(*this);
}

bool RibbonTabBase::IsSelected() const
{
    return m_ribbon && m_ribbon->GetSelectedTab() == this;
}

RibbonGroupBase* RibbonTabBase::AddGroup(const QString& caption, std::uint32_t id)
{
    return AddGroup(std::make_unique<RibbonGroupBase>(id, caption));
}

RibbonGroupBase* RibbonTabBase::AddGroup(std::unique_ptr<RibbonGroupBase> group)
{
    if (!group)
        return nullptr;
    group->AttachTab(this, m_ribbon);
    m_groups.push_back(std::move(group));
    Changed();
    return m_groups.back().get();
}

RibbonGroupBase* RibbonTabBase::FindGroup(std::uint32_t id) const
{
    for (const auto& group : m_groups)
    {
        if (group->GetID() == id)
            return group.get();
    }
    return nullptr;
}

RibbonControl* RibbonTabBase::FindControl(std::uint32_t id) const
{
    for (const auto& group : m_groups)
    {
        if (RibbonControl* control = group->FindControl(id))
            return control;
    }
    return nullptr;
}

void RibbonTabBase::AttachRibbon(RibbonBarBase* ribbon)
{
    m_ribbon = ribbon;
    for (const auto& group : m_groups)
        group->AttachTab(this, ribbon);
}

void RibbonTabBase::OnBeforeShow()
{
}

void RibbonTabBase::Changed()
{
    if (m_ribbon)
        m_ribbon->NotifyChanged();
}
