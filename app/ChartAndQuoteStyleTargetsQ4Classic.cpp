#include "app/ChartAndQuoteStyleTargetsQ4Classic.h"

#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ChartConsumer.h"
#include "styles/engine/StyleDetails.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleOffers.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/CmdTargetEditChartElementStyle.h"
#include "styles/ui/CmdTargetEditChartWindowStyle.h"
#include "styles/ui/CmdTargetEditDetailsStyle.h"
#include "styles/ui/CmdTargetEditFormationStyle.h"
#include "styles/ui/CmdTargetEditOffersStyle.h"
#include "styles/ui/StyleEditModeHandler.h"

#include <memory>

namespace
{
ActiveObjectsContainer* ActiveChartObjects()
{
    ChartConsumer* charts = GetChartConsumer();
    return charts ? charts->GetActiveObjects() : nullptr;
}

// New windows of the kind open with the style "Zapisz w ustawieniach" chose, found again by its id at
// every opening: a style removed since gives way to the kind's own default.
CmdTargetEditRowsStyleBase::SaveInSettings KeepSavedStyleAsDefault(StyleType kind)
{
    auto savedId = std::make_shared<int>(StyleBase::kOwnStyleId);
    StyleKinds::SetDefaultStyleSource(kind, [kind, savedId] {
        return StylesContainer::Instance().FindStyle(*savedId, kind);
    });
    return [savedId](int styleId) { *savedId = styleId; };
}
}

void RegisterChartAndQuoteStyleTargets(StyleEditModeHandler& handler)
{
    handler.RegisterCmdTarget(StyleTypes::ChartWindow, [](const std::shared_ptr<StyleBase>& style,
                                                          StyleEditModeHandler& owner) {
        return std::make_shared<CmdTargetEditChartWindowStyle>(style, owner, ActiveChartObjects);
    });
    handler.RegisterCmdTarget(StyleTypes::ChartElement, [](const std::shared_ptr<StyleBase>& style,
                                                           StyleEditModeHandler& owner) {
        return std::make_shared<CmdTargetEditChartElementStyle>(style, owner, ActiveChartObjects);
    });
    handler.RegisterCmdTarget(StyleTypes::Formation, [](const std::shared_ptr<StyleBase>& style,
                                                        StyleEditModeHandler& owner) {
        return std::make_shared<CmdTargetEditFormationStyle>(style, owner, ActiveChartObjects);
    });
    CmdTargetEditRowsStyleBase::SaveInSettings saveDetails = KeepSavedStyleAsDefault(StyleDetails::Type);
    CmdTargetEditRowsStyleBase::SaveInSettings saveOffers = KeepSavedStyleAsDefault(StyleOffers::Type);
    handler.RegisterCmdTarget(StyleTypes::Details, [saveDetails](const std::shared_ptr<StyleBase>& style,
                                                                 StyleEditModeHandler& owner) {
        return std::make_shared<CmdTargetEditDetailsStyle>(style, owner, saveDetails);
    });
    handler.RegisterCmdTarget(StyleTypes::Offers, [saveOffers](const std::shared_ptr<StyleBase>& style,
                                                               StyleEditModeHandler& owner) {
        return std::make_shared<CmdTargetEditOffersStyle>(style, owner, saveOffers);
    });
}
