#include "styles/ui/CmdTargetEditDetailsStyle.h"

#include "styles/engine/StyleDetails.h"

namespace
{
const CmdTargetEditRowsStyleBase::General kGeneral{
    33145, StyleDetails::ParamHorizontalGrid, 33146, StyleDetails::ParamVerticalGrid, 33147, 33148, 33149,
    32951, 32952, StyleDetails::ParamChoice, 33150, 33151, 33152, 33153, 33154, 33155};

std::vector<CmdTargetEditRowsStyleBase::RowGroup> Rows()
{
    return {
        {StyleDetails::RelationOdd, QStringLiteral("nieparzysty"), 33159, 33160, 33161,
         {33162, 33163, 33164, 33165, 33166, 33167}, 33168},
        {StyleDetails::RelationEven, QStringLiteral("parzysty"), 33169, 33170, 33171,
         {33172, 33173, 33174, 33175, 33176, 33177}, 33178},
    };
}
}

CmdTargetEditDetailsStyle::CmdTargetEditDetailsStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                                                     SaveInSettings saveInSettings)
    : CmdTargetEditRowsStyleBase(std::move(style), handler, std::move(saveInSettings), kGeneral, Rows())
{
}
