#include "styles/ui/CmdTargetEditGridStyleBase.h"

#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"

CmdTargetEditGridStyleBase::TextFieldGroup CmdTargetEditGridStyleBase::ConsecutiveGroup(int relation,
                                                                                        std::uint32_t firstId)
{
    return SplitGroup(relation, firstId, firstId + 9, firstId + 1);
}

CmdTargetEditGridStyleBase::TextFieldGroup CmdTargetEditGridStyleBase::SplitGroup(int relation, std::uint32_t gallery,
                                                                                  std::uint32_t copyFrom,
                                                                                  std::uint32_t font)
{
    return {relation, gallery, font, font + 1, {font + 2, font + 3, font + 4, font + 5, font + 6, font + 7}, copyFrom};
}

CmdTargetEditGridStyleBase::CmdTargetEditGridStyleBase(std::shared_ptr<StyleBase> style,
                                                       StyleEditModeHandler& handler,
                                                       std::function<QString(int relation)> ownCopyName)
    : CmdTargetEditStyleBase(std::move(style), handler)
    , m_ownCopyName(std::move(ownCopyName))
{
}

void CmdTargetEditGridStyleBase::AddToggle(std::uint32_t id, int parameter, bool afterChange)
{
    OnCommand(id, [this, parameter, afterChange] {
        const std::shared_ptr<StyleBase>& style = GetEditedStyle();
        style->SetValue(parameter, style->GetValue(parameter) != 0 ? 0 : 1);
        if (afterChange)
            AfterChange();
        else
            RedrawActiveModuleWindow();
    });
    OnUpdate(id, [this, parameter](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(GetEditedStyle()->GetValue(parameter) != 0 ? 1 : 0);
    });
}

void CmdTargetEditGridStyleBase::AddChoice(std::uint32_t id, int parameter, qint32 value)
{
    OnCommand(id, [this, parameter, value] {
        GetEditedStyle()->SetValue(parameter, value);
        AfterChange();
    });
    OnUpdate(id, [this, parameter, value](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(GetEditedStyle()->GetValue(parameter) == value ? 1 : 0);
    });
}

void CmdTargetEditGridStyleBase::AddTextFieldGroup(const TextFieldGroup& group)
{
    const int relation = group.relation;
    std::vector<Command> commands = {
        {group.gallery, Edit::TextFieldStyle, relation},
        {group.font, Edit::FontName, 0, relation},
        {group.size, Edit::FontSize, 0, relation},
    };
    for (std::size_t index = 0; index < group.colours.size(); ++index)
        commands.push_back({group.colours[index], Edit::Colour, kColourParameters[index], relation});
    commands.push_back({group.copyFrom, Edit::CopyFrom, 0, relation});
    AddCommands(commands);
    OnNotify(group.gallery, NotifyCodes::SpecialStylesRequest,
             [this, relation](NotifyInfo& info) { DescribeRelation(info, relation); });
    OnNotify(group.copyFrom, NotifyCodes::SpecialStylesRequest, [this](NotifyInfo& info) { DescribeOwnCopies(info); });
}

void CmdTargetEditGridStyleBase::AfterChange()
{
    OnStyleCopied();
    RedrawActiveModuleWindow();
}

void CmdTargetEditGridStyleBase::DescribeRelation(NotifyInfo& info, int relation)
{
    const std::shared_ptr<StyleBase>& style = GetEditedStyle();
    m_specialStyles = std::make_shared<SpecialStylesInfo>();
    m_specialStyles->firstStyle = style->GetOwnStyle(relation);
    m_specialStyles->checkedStyleId = StyleBase::SafeGetId(style->GetRelatedStyle(relation));
    info.result = reinterpret_cast<std::intptr_t>(m_specialStyles.get());
}

void CmdTargetEditGridStyleBase::DescribeOwnCopies(NotifyInfo& info)
{
    m_specialStyles = std::make_shared<SpecialStylesInfo>();
    // The relations in ascending order; only those without a style of the container.
    for (const auto& [relation, related] : GetRelatedStyles())
    {
        if (related == nullptr || related->GetId() != StyleBase::kOwnStyleId)
            continue;
        const std::shared_ptr<StyleBase> own = GetEditedStyle()->GetOwnStyle(static_cast<int>(relation));
        if (std::shared_ptr<StyleBase> copy = own ? own->Copy() : nullptr)
        {
            copy->SetName(m_ownCopyName(static_cast<int>(relation)));
            m_specialStyles->styles.push_back(std::move(copy));
        }
    }
    info.result = reinterpret_cast<std::intptr_t>(m_specialStyles.get());
}
