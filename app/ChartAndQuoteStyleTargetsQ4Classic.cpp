#include "app/ChartAndQuoteStyleTargetsQ4Classic.h"

#include "app/ModuleStyleSettingsGroupQ4Classic.h"
#include "modulelibs/chart/ChartModule.h"
#include "modulelibs/details/DetailsModule.h"
#include "modulelibs/offers/OffersModule.h"
#include "modulelibs/translist/TransListModule.h"
#include "platform/modules/DetailsCons.h"
#include "platform/modules/OffersConsumer.h"
#include "platform/modules/TransListCons.h"
#include "platform/modules/ConsumerBase.h"
#include "platform/modules/ChartConsumer.h"
#include "styles/engine/StyleDetails.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleOffers.h"
#include "styles/engine/StyleTransactionList.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/CmdTargetEditChartElementStyle.h"
#include "styles/ui/CmdTargetEditChartWindowStyle.h"
#include "styles/ui/CmdTargetEditDetailsStyle.h"
#include "styles/ui/CmdTargetEditFormationStyle.h"
#include "styles/ui/CmdTargetEditOffersStyle.h"
#include "styles/ui/CmdTargetEditTransactionsStyle.h"
#include "styles/ui/StyleEditModeHandler.h"

#include <functional>
#include <memory>

namespace
{
// The libraries' general-settings groups; the application's own are 0, 10 and 11.
constexpr unsigned kDetailsGroup = 20;
constexpr unsigned kOffersGroup = 21;
constexpr unsigned kTransListGroup = 22;

ActiveObjectsContainer* ActiveChartObjects()
{
    ChartConsumer* charts = GetChartConsumer();
    return charts ? charts->GetActiveObjects() : nullptr;
}

// New windows of a library open with the style "Zapisz w ustawieniach" chose, kept in the library's
// general-settings group and found again by its id at every opening: a style removed since gives way
// to the kind's own default.
std::function<void(int)> KeepSavedStyleAsDefault(ConsumerBase* consumer, StyleType kind, unsigned groupId,
                                                 const QString& folder, const QString& extension)
{
    auto group = std::make_shared<ModuleStyleSettingsGroupQ4Classic>(groupId, kind, folder, extension);
    if (!consumer || !consumer->SetGeneralSettingsGroupManager(group))
        return {};
    StyleKinds::SetDefaultStyleSource(kind, [group] { return group->DefaultStyle(); });
    return [consumer, kind](int styleId) {
        if (const std::shared_ptr<GeneralSettingsGroupManagerBase> settings = consumer->GeneralSettingsGroupManager())
            settings->OnStyleChanged(static_cast<int>(kind), styleId);
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
    const CmdTargetEditRowsStyleBase::SaveInSettings saveDetails =
        KeepSavedStyleAsDefault(GetDetailsConsumer(), StyleDetails::Type, kDetailsGroup, QStringLiteral("DetailsModule"),
                                QStringLiteral(".q4d"));
    const CmdTargetEditRowsStyleBase::SaveInSettings saveOffers =
        KeepSavedStyleAsDefault(GetOffersConsumer(), StyleOffers::Type, kOffersGroup, QStringLiteral("OffersModule"),
                                QStringLiteral(".q4o"));
    const std::function<void(int)> saveTransactions =
        KeepSavedStyleAsDefault(GetTransListConsumer(), StyleTransactionList::Type, kTransListGroup,
                                QStringLiteral("TransListModule"), QStringLiteral(".q4tl"));
    handler.RegisterCmdTarget(StyleTransactionList::Type, [saveTransactions](const std::shared_ptr<StyleBase>& style,
                                                                             StyleEditModeHandler& owner) {
        CmdTargetEditTransactionsStyle::SaveAsDefault save;
        if (saveTransactions)
            save = [saveTransactions](int styleId) {
                saveTransactions(styleId);
                return true;
            };
        return std::make_shared<CmdTargetEditTransactionsStyle>(style, owner, save);
    });
    handler.RegisterCmdTarget(StyleTypes::Details, [saveDetails](const std::shared_ptr<StyleBase>& style,
                                                                 StyleEditModeHandler& owner) {
        return std::make_shared<CmdTargetEditDetailsStyle>(style, owner, saveDetails);
    });
    handler.RegisterCmdTarget(StyleTypes::Offers, [saveOffers](const std::shared_ptr<StyleBase>& style,
                                                               StyleEditModeHandler& owner) {
        return std::make_shared<CmdTargetEditOffersStyle>(style, owner, saveOffers);
    });
}
