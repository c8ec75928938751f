#pragma once
// A style command target for tests: a text-field style edited by itself, with its font colour
// (a colour gallery), its font's face and size (combos) and its name (an edit), and "Odrzuć"
// and "Zapisz"; it counts the times the edited style took new settings.

#include "styles/engine/StyleTextField.h"
#include "styles/ui/CmdTargetEditStyleBase.h"

namespace TestTextFieldIds
{
inline constexpr std::uint32_t MAIN_TAB = 34101;
inline constexpr std::uint32_t TEXT_FIELD_TAB = 33084;
inline constexpr std::uint32_t ID_COLOUR = 33089;
inline constexpr std::uint32_t ID_FONT_NAME = 33086;
inline constexpr std::uint32_t ID_FONT_SIZE = 33088;
inline constexpr std::uint32_t ID_NAME = 33096;
inline constexpr std::uint32_t ID_DISCARD = 33097;
inline constexpr std::uint32_t ID_SAVE = 33098;
}

class TestTextFieldTarget : public CmdTargetEditStyleBase
{
public:
    TestTextFieldTarget(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler)
        : CmdTargetEditStyleBase(std::move(style), handler)
    {
        using namespace TestTextFieldIds;
        static const Command commands[] = {
            {ID_COLOUR, Edit::Colour, StyleTextField::ParamFontColor},
            {ID_FONT_NAME, Edit::FontName, StyleTextField::ParamFont},
            {ID_FONT_SIZE, Edit::FontSize, StyleTextField::ParamFont},
            {ID_NAME, Edit::Name},
        };
        AddCommands(commands);
        AddChangeCommands(ID_DISCARD, ID_SAVE);
    }

    void OnStyleCopied() override
    {
        ++copiedCount;
        CmdTargetEditStyleBase::OnStyleCopied();
    }

    int copiedCount = 0;
};
