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

#include <map>

namespace
{
ActiveObjectsContainer* ActiveChartObjects()
{
    ChartConsumer* charts = GetChartConsumer();
    return charts ? charts->GetActiveObjects() : nullptr;
}

// The style new windows of the kind open with: one kept style, so that what the user edits
// through the library's "Styl" command stays for the session.
std::shared_ptr<StyleBase>& ModuleStyle(StyleType kind)
{
    static std::map<StyleType, std::shared_ptr<StyleBase>> styles;
    return styles[kind];
}

void KeepModuleStyle(StyleType kind)
{
    ModuleStyle(kind) = StyleKinds::Create(kind);
    StyleKinds::SetDefaultStyleSource(kind, [kind] { return ModuleStyle(kind); });
}

CmdTargetEditRowsStyleBase::SaveInSettings SaveAsModuleStyle(StyleType kind)
{
    return [kind](int styleId) {
        if (std::shared_ptr<StyleBase> style = StylesContainer::Instance().FindStyle(styleId, kind))
            ModuleStyle(kind) = std::move(style);
    };
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
    KeepModuleStyle(StyleDetails::Type);
    KeepModuleStyle(StyleOffers::Type);
    handler.RegisterCmdTarget(StyleTypes::Details, [](const std::shared_ptr<StyleBase>& style,
                                                      StyleEditModeHandler& owner) {
        return std::make_shared<CmdTargetEditDetailsStyle>(style, owner, SaveAsModuleStyle(StyleDetails::Type));
    });
    handler.RegisterCmdTarget(StyleTypes::Offers, [](const std::shared_ptr<StyleBase>& style,
                                                     StyleEditModeHandler& owner) {
        return std::make_shared<CmdTargetEditOffersStyle>(style, owner, SaveAsModuleStyle(StyleOffers::Type));
    });
}
