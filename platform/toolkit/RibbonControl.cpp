#include "platform/toolkit/RibbonControl.h"

#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/StringTable.h"
#include "platform/ui/UiLog.h"

RibbonControl::RibbonControl(int type, std::uint32_t id)
    : m_type(type)
    , m_id(id)
{
}

RibbonControl::~RibbonControl() = default;

bool RibbonControl::HasPopupType() const
{
    return m_type == RibbonControlPopup || m_type == RibbonControlButtonPopup
           || m_type == RibbonControlSplitButtonPopup;
}

void RibbonControl::LoadStrings()
{
    const StringTable& strings = StringTable::Instance();
    const QString text = strings.Get(m_id);
    const bool hasBreak = text.contains(QLatin1Char('\n'));
    m_caption = hasBreak ? strings.Caption(m_id) : text;
    m_description = hasBreak ? strings.Description(m_id) : QString();
    m_tooltip = m_caption;
    Changed();
}

void RibbonControl::SetCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    Changed();
}

void RibbonControl::SetTooltip(const QString& tooltip)
{
    m_tooltip = tooltip;
}

void RibbonControl::SetDescription(const QString& description)
{
    m_description = description;
}

void RibbonControl::SetEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    Changed();
}

void RibbonControl::SetChecked(int checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    Changed();
}

void RibbonControl::SetVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    Changed();
}

void RibbonControl::SetBeginGroup(bool begin)
{
    if (m_beginGroup == begin)
        return;
    m_beginGroup = begin;
    Changed();
}

void RibbonControl::SetStyle(RibbonControlStyle style)
{
    if (m_style == style)
        return;
    m_style = style;
    Changed();
}

void RibbonControl::SetWidth(int width)
{
    if (m_width == width)
        return;
    m_width = width;
    Changed();
}

void RibbonControl::SetHeight(int height)
{
    if (m_height == height)
        return;
    m_height = height;
    Changed();
}

RibbonPopupBar* RibbonControl::SetCommandBar(std::unique_ptr<RibbonPopupBar> bar)
{
    m_commandBar = std::move(bar);
    if (m_commandBar)
        m_commandBar->AttachRibbon(m_ribbon);
    Changed();
    return m_commandBar.get();
}

void RibbonControl::AttachRibbon(RibbonBarBase* ribbon)
{
    m_ribbon = ribbon;
    if (m_commandBar)
        m_commandBar->AttachRibbon(ribbon);
}

void RibbonControl::OnExecute()
{
    if (m_ribbon == nullptr)
        return;
    if (m_type == RibbonControlEdit || m_type == RibbonControlComboBox || m_type == RibbonControlGallery)
        Notify(NotifyCodes::Execute);
    else if (CmdTarget* target = m_ribbon->GetCommandTarget())
        target->ExecuteCommand(m_id);
    else
        qCWarning(lcUi) << "RibbonControl: no command routing for command" << m_id;
    m_ribbon->ClosePopups();
}

void RibbonControl::Changed()
{
    if (m_ribbon)
        m_ribbon->NotifyChanged();
}

bool RibbonControl::Notify(int code, std::intptr_t* result)
{
    CmdTarget* target = m_ribbon ? m_ribbon->GetCommandTarget() : nullptr;
    if (target == nullptr)
        return false;
    NotifyInfo info(m_id, code, this);
    const bool handled = target->SendNotify(info);
    if (result)
        *result = info.result;
    return handled;
}
