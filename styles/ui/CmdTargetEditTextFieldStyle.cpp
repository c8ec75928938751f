#include "styles/ui/CmdTargetEditTextFieldStyle.h"

#include "styles/engine/StyleTextField.h"
#include "styles/ui/StyleEditListCmdIds.h"

using namespace StyleEditListCmdIds;

CmdTargetEditTextFieldStyle::CmdTargetEditTextFieldStyle(std::shared_ptr<StyleBase> style,
                                                         StyleEditModeHandler& handler)
    : CmdTargetEditStyleBase(std::move(style), handler)
{
    if (GetEditedStyle() == nullptr)
        return;
    OnCommand(ID_DISCARD_AND_LEAVE, [this] { Discard(false); });
    static const Command commands[] = {
        {ID_FIELD_FONT, Edit::FontName, StyleTextField::ParamFont},
        {ID_FIELD_SIZE, Edit::FontSize, StyleTextField::ParamFont},
        {ID_FIELD_FONT_COLOUR, Edit::Colour, StyleTextField::ParamFontColor},
        {ID_FIELD_FONT_COLOUR_RISE, Edit::Colour, StyleTextField::ParamFontColorRise},
        {ID_FIELD_FONT_COLOUR_FALL, Edit::Colour, StyleTextField::ParamFontColorFall},
        {ID_FIELD_BACK_COLOUR_FALL, Edit::Colour, StyleTextField::ParamBkColorFall},
        {ID_FIELD_BACK_COLOUR_RISE, Edit::Colour, StyleTextField::ParamBkColorRise},
        {ID_FIELD_BACK_COLOUR, Edit::Colour, StyleTextField::ParamBkColor},
        {ID_FIELD_COPY_FROM, Edit::CopyFrom},
        {ID_FIELD_STYLE_NAME, Edit::Name},
    };
    AddCommands(commands);
    AddChangeCommands(ID_FIELD_DISCARD, ID_FIELD_SAVE, false);
}
