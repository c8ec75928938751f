#include "styles/ui/CmdTargetEditTableStyle.h"

#include "platform/ui/CmdUI.h"
#include "styles/engine/StyleTable.h"
#include "styles/ui/StyleEditListCmdIds.h"

using namespace StyleEditListCmdIds;

CmdTargetEditTableStyle::CmdTargetEditTableStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler)
    : CmdTargetEditGridStyleBase(std::move(style), handler, [](int relation) {
        return relation == StyleTable::RelationOdd ? QStringLiteral("P. nieparzysty") : QStringLiteral("P. parzysty");
    })
{
    if (GetEditedStyle() == nullptr)
        return;
    OnCommand(ID_DISCARD_AND_LEAVE, [this] { Discard(false); });
    // The highlighting colour means something only in the colouring mode 0; this update comes
    // before the colour command's own, which it stands for.
    OnUpdate(ID_TABLE_HIGHLIGHT_COLOUR, [this](CmdUI& cmdUI) {
        if (GetEditedStyle()->GetValue(StyleTable::ParamColouringMode) == 0)
            StyleEditCmdHelper::UpdateCheckedGalleryValue(*GetEditedStyle(), StyleTable::ParamRowHighlightColor, cmdUI);
        else
            cmdUI.Enable(false);
    });
    static const Command commands[] = {
        {ID_TABLE_GRID_COLOUR, Edit::PenColour, StyleTable::ParamGridPen},
        {ID_TABLE_LINE_TYPE, Edit::PenType, StyleTable::ParamGridPen},
        {ID_TABLE_LINE_WIDTH, Edit::PenWidth, StyleTable::ParamGridPen},
        {ID_TABLE_HIGHLIGHT_COLOUR, Edit::Colour, StyleTable::ParamRowHighlightColor},
        {ID_TABLE_CURSOR_COLOUR, Edit::Colour, StyleTable::ParamCursorColor},
        {ID_TABLE_COPY_FROM, Edit::CopyFrom},
        {ID_TABLE_STYLE_NAME, Edit::Name},
    };
    AddCommands(commands);
    AddChangeCommands(ID_TABLE_DISCARD, ID_TABLE_SAVE, false);
    for (const std::uint32_t id : {ID_TABLE_HIGHLIGHT_CHANGES, ID_TABLE_COLOURING})
        OnUpdate(id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });

    AddTextFieldGroup(ConsecutiveGroup(StyleTable::RelationOdd, ID_TABLE_ODD_STYLE));
    AddTextFieldGroup(ConsecutiveGroup(StyleTable::RelationEven, ID_TABLE_EVEN_STYLE));

    AddToggle(ID_TABLE_HORIZONTAL_GRID, StyleTable::ParamHorizontalGrid);
    AddToggle(ID_TABLE_VERTICAL_GRID, StyleTable::ParamVerticalGrid);
    for (const qint32 mode : {0, 1, 2})
        AddChoice(ID_TABLE_COLOURING_MODE_0 + static_cast<std::uint32_t>(mode), StyleTable::ParamColouringMode, mode);
    AddToggle(ID_TABLE_OPTION_6, StyleTable::ParamOption6, false);
    AddToggle(ID_TABLE_ANIMATE, StyleTable::ParamAnimate, false);
    AddToggle(ID_TABLE_BOLD_CHANGES, StyleTable::ParamBoldChanges, false);
    AddChoice(ID_TABLE_OPTION_11_ON, StyleTable::ParamOption11, 1);
    AddChoice(ID_TABLE_OPTION_11_OFF, StyleTable::ParamOption11, 0);
}
