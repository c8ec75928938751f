#include "modulelibs/windows/WindowStyleParams.h"

#include "platform/settings/Settings.h"
#include "styles/engine/GdiObject.h"
#include "styles/engine/StyleBase.h"
#include "styles/engine/StyleTextField.h"

#include <algorithm>
#include <cstdlib>

namespace
{
bool IsColourParam(int param)
{
    return param >= StyleTextField::ParamFontColor && param <= StyleTextField::ParamBkColorFall;
}

int FontPixels(const StyleBase& field)
{
    const GdiObject object = field.GetGdiObject(StyleTextField::ParamFont);
    const LogFont* font = object.Font();
    return font && font->lfHeight != 0 ? std::abs(font->lfHeight) : 13;
}

void SetFontPixels(StyleBase& field, int pixels)
{
    const GdiObject object = field.GetGdiObject(StyleTextField::ParamFont);
    LogFont font = object.Font() ? *object.Font() : LogFont{};
    font.lfHeight = -pixels;
    field.SetGdiObject(StyleTextField::ParamFont, GdiObject(font));
}
}

WindowStyleParams::WindowStyleParams(std::shared_ptr<StyleBase> style, int textFieldGroups)
    : m_textFieldGroups(textFieldGroups)
{
    Follow(style);
}

std::shared_ptr<StyleBase> WindowStyleParams::OwnCopy(const StyleBase& style)
{
    std::shared_ptr<StyleBase> copy = style.Copy();
    if (copy)
        copy->MakeRelatedStylesOwn();
    return copy;
}

void WindowStyleParams::Follow(const std::shared_ptr<StyleBase>& style)
{
    if (!style)
        return;
    m_followed = OwnCopy(*style);
    m_committed = OwnCopy(*m_followed);
    m_working = OwnCopy(*m_followed);
    m_previewFollowed.reset();
}

int WindowStyleParams::FollowedStyleId() const
{
    return m_followed ? m_followed->GetId() : StyleBase::kOwnStyleId;
}

StyleBase* WindowStyleParams::Target(StyleBase& style, int group) const
{
    if (group == m_textFieldGroups)
        return &style;
    if (group < 0 || group > m_textFieldGroups)
        return nullptr;
    return style.GetRelatedStyle(group + 1).get();
}

const StyleBase* WindowStyleParams::TextField(int group) const
{
    if (group < 0 || group >= m_textFieldGroups)
        return nullptr;
    return m_working->GetRelatedStyle(group + 1).get();
}

bool WindowStyleParams::ChangeParam(int group, int param, std::int32_t value)
{
    StyleBase* target = Target(*m_working, group);
    const StyleBase* base = Target(*m_followed, group);
    if (!target || !base)
        return false;
    if (group == m_textFieldGroups)
    {
        target->SetValue(param, value == kStyleValue ? base->GetValue(param) : value);
        return true;
    }
    if (param == kFontSize)
    {
        int pixels = FontPixels(*target);
        if (value == kStyleValue)
            pixels = FontPixels(*base);
        else if (value == kStepLarger)
            ++pixels;
        else if (value == kStepSmaller)
            --pixels;
        else
            pixels = value;
        SetFontPixels(*target, std::clamp(pixels, kMinFontPixels, kMaxFontPixels));
        return true;
    }
    if (!IsColourParam(param))
        return false;
    target->SetValue(param, value == kStyleValue ? base->GetValue(param) : value);
    return true;
}

std::int32_t WindowStyleParams::GetParam(int group, int param) const
{
    const StyleBase* target = Target(*m_working, group);
    if (!target)
        return 0;
    if (group != m_textFieldGroups && param == kFontSize)
        return FontPixels(*target);
    return target->GetValue(param);
}

void WindowStyleParams::Cancel()
{
    m_working = OwnCopy(*m_committed);
}

void WindowStyleParams::Apply()
{
    m_committed = OwnCopy(*m_working);
}

void WindowStyleParams::Restore()
{
    m_committed = OwnCopy(*m_followed);
    m_working = OwnCopy(*m_followed);
}

bool WindowStyleParams::PreviewStyle(const std::shared_ptr<StyleBase>& style)
{
    if (!style || style->GetType() != m_followed->GetType())
        return false;
    m_previewFollowed = style;
    m_working = OwnCopy(*style);
    return true;
}

void WindowStyleParams::CancelPreviewStyle()
{
    m_previewFollowed.reset();
    m_working = OwnCopy(*m_committed);
}

void WindowStyleParams::ApplyPreviewStyle()
{
    if (const std::shared_ptr<StyleBase> chosen = std::move(m_previewFollowed))
        Follow(chosen);
}

void WindowStyleParams::ShowEdited(const std::shared_ptr<StyleBase>& style)
{
    if (!style || style->GetType() != m_followed->GetType())
        return;
    m_edited = style;
    m_working = style;
}

void WindowStyleParams::EndEdited()
{
    if (const std::shared_ptr<StyleBase> edited = std::move(m_edited))
        Follow(edited);
}

void WindowStyleParams::Save(Settings& node) const
{
    node["StyleId"] = static_cast<std::int32_t>(FollowedStyleId());
    Settings& own = node["OwnStyle"];
    own.Clear();
    m_committed->Serialize(own);
}

void WindowStyleParams::Load(const Settings& node, const std::shared_ptr<StyleBase>& followed)
{
    if (followed)
        Follow(followed);
    const Settings& own = node["OwnStyle"];
    if (!own.IsValid() || own["Type"].ToString() != m_committed->GetTypeName())
        return;
    StyleBase::SafeUnserialize(m_committed, own);
    m_committed->MakeRelatedStylesOwn();
    m_working = OwnCopy(*m_committed);
}
