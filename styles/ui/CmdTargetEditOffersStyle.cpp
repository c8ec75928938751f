#include "styles/ui/CmdTargetEditOffersStyle.h"

#include "styles/engine/StyleOffers.h"

namespace
{
const CmdTargetEditRowsStyleBase::General kGeneral{
    33193, StyleOffers::ParamHorizontalGrid, 33194, StyleOffers::ParamVerticalGrid, 33195, 33196, 33197,
    32935, 32936, StyleOffers::ParamChoice, 33198, 33199, 33200, 33201, 33202, 33203};

std::vector<CmdTargetEditRowsStyleBase::RowGroup> Rows()
{
    return {
        {StyleOffers::RelationOdd, QStringLiteral("Nieparzysty"), 33207, 33208, 33209,
         {33210, 33211, 33212, 33213, 33214, 33215}, 33216},
        {StyleOffers::RelationEven, QStringLiteral("Parzysty"), 33217, 33218, 33219,
         {33220, 33221, 33222, 33223, 33224, 33225}, 33226},
        {StyleOffers::RelationPriceRow, QStringLiteral("W. ceny"), 33205, 33183, 33184,
         {33185, 33186, 33187, 33188, 33189, 33190}, 33191},
    };
}
}

CmdTargetEditOffersStyle::CmdTargetEditOffersStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                                                   SaveInSettings saveInSettings)
    : CmdTargetEditRowsStyleBase(std::move(style), handler, std::move(saveInSettings), kGeneral, Rows())
{
}
