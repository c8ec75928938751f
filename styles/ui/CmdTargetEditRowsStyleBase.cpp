#include "styles/ui/CmdTargetEditRowsStyleBase.h"

#include "platform/modules/ModuleWndBase.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/StyleTextField.h"
#include "styles/ui/ChartStyleCommandIds.h"
#include "styles/ui/IStyleEditHost.h"
#include "styles/ui/StyleEditModeHandler.h"

#include <cstdint>

CmdTargetEditRowsStyleBase::CmdTargetEditRowsStyleBase(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                                                       SaveInSettings saveInSettings, const General& general,
                                                       std::vector<RowGroup> rows)
    : CmdTargetEditStyleBase(std::move(style), handler)
    , m_saveInSettings(std::move(saveInSettings))
    , m_rows(std::move(rows))
{
    AddGeneral(general);
    for (const RowGroup& row : m_rows)
        AddRow(row);
    if (ModuleWndBase* window = handler.GetHost().GetActiveModuleWnd())
        window->ShowEditedStyle(GetEditedStyle());
}

void CmdTargetEditRowsStyleBase::AddGeneral(const General& g)
{
    OnCommand(ChartStyleCmd::ID_DISCARD_ANY, [this] { Discard(true); });
    AddChangeCommands(g.discard, g.save);
    const Command commands[] = {
        {g.penColour, Edit::PenColour, 0}, {g.penType, Edit::PenType, 0}, {g.penWidth, Edit::PenWidth, 0},
        {g.copyFrom, Edit::CopyFrom},       {g.name, Edit::Name},
    };
    AddCommands(commands);
    OnNotify(g.copyFrom, NotifyCodes::SpecialStylesRequest, [this](NotifyInfo& info) { AnswerCopyFrom(info); });
    OnUpdate(g.colouring, [](CmdUI& cmdUI) { cmdUI.Enable(true); });

    for (const auto& [id, parameter] : {std::pair{g.horizontalGrid, g.horizontalParameter},
                                        std::pair{g.verticalGrid, g.verticalParameter}})
    {
        OnCommand(id, [this, parameter = parameter] {
            StyleBase& style = *GetEditedStyle();
            style.SetValue(parameter, style.GetValue(parameter) == 0 ? 1 : 0);
            OnStyleCopied();
            RedrawActiveModuleWindow();
        });
        OnUpdate(id, [this, parameter = parameter](CmdUI& cmdUI) {
            cmdUI.Enable(true);
            cmdUI.SetCheck(GetEditedStyle()->GetValue(parameter) != 0 ? 1 : 0);
        });
    }
    const int choice = g.choiceParameter;
    for (const auto& [id, value] : {std::pair{g.choiceOne, 1}, std::pair{g.choiceZero, 0}})
    {
        OnCommand(id, [this, choice, value = value] {
            GetEditedStyle()->SetValue(choice, value);
            OnStyleCopied();
            RedrawActiveModuleWindow();
        });
        OnUpdate(id, [this, choice, value = value](CmdUI& cmdUI) {
            cmdUI.SetCheck(GetEditedStyle()->GetValue(choice) == value ? 1 : 0);
        });
    }

    // A style the container does not keep (an own style) means nothing to new windows.
    OnUpdate(g.saveInSettings, [this](CmdUI& cmdUI) {
        cmdUI.Enable(GetEditedStyle()->GetId() != StyleBase::kOwnStyleId && m_saveInSettings != nullptr);
    });
    OnCommand(g.saveInSettings, [this] {
        const int id = GetEditedStyle()->GetId();
        if (id != StyleBase::kOwnStyleId && m_saveInSettings)
            m_saveInSettings(id);
    });
}

void CmdTargetEditRowsStyleBase::AddRow(const RowGroup& row)
{
    using T = StyleTextField;
    const int r = row.relation;
    const Command commands[] = {
        {row.styleGallery, Edit::TextFieldStyle, r},
        {row.fontName, Edit::FontName, T::ParamFont, r},
        {row.fontSize, Edit::FontSize, T::ParamFont, r},
        {row.colours[0], Edit::Colour, T::ParamFontColor, r},
        {row.colours[1], Edit::Colour, T::ParamFontColorRise, r},
        {row.colours[2], Edit::Colour, T::ParamFontColorFall, r},
        {row.colours[3], Edit::Colour, T::ParamBkColor, r},
        {row.colours[4], Edit::Colour, T::ParamBkColorRise, r},
        {row.colours[5], Edit::Colour, T::ParamBkColorFall, r},
        {row.copyFrom, Edit::CopyFrom, 0, r},
    };
    AddCommands(commands);
    OnNotify(row.copyFrom, NotifyCodes::SpecialStylesRequest, [this](NotifyInfo& info) { AnswerCopyFrom(info); });
    OnNotify(row.styleGallery, NotifyCodes::SpecialStylesRequest, [this, r](NotifyInfo& info) {
        auto galleryInfo = std::make_shared<SpecialStylesInfo>();
        galleryInfo->firstStyle = GetEditedStyle()->GetOwnStyle(r);
        galleryInfo->checkedStyleId = StyleBase::SafeGetId(GetEditedStyle()->GetRelatedStyle(r));
        Answer(info, std::move(galleryInfo));
    });
}

void CmdTargetEditRowsStyleBase::AnswerCopyFrom(NotifyInfo& info)
{
    auto galleryInfo = std::make_shared<SpecialStylesInfo>();
    const StyleBase& edited = *GetEditedStyle();
    for (const RowGroup& row : m_rows)
    {
        if (StyleBase::SafeGetId(edited.GetRelatedStyle(row.relation)) != StyleBase::kOwnStyleId)
            continue;
        const std::shared_ptr<StyleBase> own = edited.GetOwnStyle(row.relation);
        if (std::shared_ptr<StyleBase> copy = own ? own->Copy() : nullptr)
        {
            copy->SetName(row.ownCopyName);
            galleryInfo->styles.push_back(std::move(copy));
        }
    }
    Answer(info, std::move(galleryInfo));
}

void CmdTargetEditRowsStyleBase::Answer(NotifyInfo& info, std::shared_ptr<SpecialStylesInfo> galleryInfo)
{
    m_galleryInfo = std::move(galleryInfo);
    info.result = reinterpret_cast<std::intptr_t>(m_galleryInfo.get());
}
