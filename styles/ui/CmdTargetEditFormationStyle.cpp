#include "styles/ui/CmdTargetEditFormationStyle.h"

#include "styles/engine/StyleFormation.h"
#include "styles/ui/ChartStyleCommandIds.h"

using namespace ChartStyleCmd;

CmdTargetEditFormationStyle::CmdTargetEditFormationStyle(std::shared_ptr<StyleBase> style,
                                                         StyleEditModeHandler& handler, ActiveObjects activeObjects)
    : CmdTargetEditChartStyleBase(std::move(style), handler, std::move(activeObjects))
{
    OnCommand(ID_DISCARD_ANY, [this] { Discard(true); });
    AddChangeCommands(ID_FORMATION_DISCARD, ID_FORMATION_SAVE);

    using F = StyleFormation;
    static const Command commands[] = {
        {ID_FORMATION_NAME, Edit::Name},
        {ID_FORMATION_COPY_FROM, Edit::CopyFrom},
        {ID_BASE_COLOUR, Edit::PenColour, F::ParamBaseLinePen},
        {ID_BASE_TYPE, Edit::PenType, F::ParamBaseLinePen},
        {ID_BASE_WIDTH, Edit::PenWidth, F::ParamBaseLinePen},
        {ID_EXTENSION_COLOUR, Edit::PenColour, F::ParamExtensionPen},
        {ID_EXTENSION_TYPE, Edit::PenType, F::ParamExtensionPen},
        {ID_EXTENSION_WIDTH, Edit::PenWidth, F::ParamExtensionPen},
        {ID_FORMATION_FONT, Edit::FontName, F::ParamFont},
        {ID_FORMATION_FONT_SIZE, Edit::FontSize, F::ParamFont},
        {ID_TEXT_COLOUR, Edit::Colour, F::ParamTextColor},
        {ID_LABEL_TEXT_COLOUR, Edit::Colour, F::ParamLabelTextColor},
        {ID_LABEL_BK_COLOUR, Edit::Colour, F::ParamLabelBkColor},
        {ID_LABEL_FRAME_COLOUR, Edit::Colour, F::ParamLabelFrameColor},
        {ID_CONNECTOR_COLOUR, Edit::Colour, F::ParamConnectorColor},
        {ID_FILL_COLOUR, Edit::Colour, F::ParamFillColor},
    };
    AddCommands(commands);
    AddCopyFromInfo(ID_FORMATION_COPY_FROM);
}
