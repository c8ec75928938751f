#include "app/ClassicEditionSetup.h"

#include "app/AlertModuleEx.h"
#include "app/ApplicationStylesQ4Classic.h"
#include "app/ChartAndQuoteStyleTargetsQ4Classic.h"
#include "app/CloudAlertManagerQ4Classic.h"
#include "app/CloudMainWindowQ4Classic.h"
#include "app/CloudMediatorQ4Classic.h"
#include "app/MediatorSettingsQ4Classic.h"
#include "app/MessagePopupsQ4Classic.h"
#include "app/Quorvanta4ClassicFactory.h"
#include "app/SessionStatisticsQ4Classic.h"
#include "app/StyleEditHostQ4Classic.h"
#include "cloud/engine/CloudManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IInProcessOrdersSheet.h"
#include "modulelibs/formula/FormulaModule.h"
#include "orderssheet/settings/StyleOrdersSheet.h"
#include "orderssheet/ui/CmdTargetOrdersSheetStyle.h"
#include "sessionstats/ui/CmdTargetEditSessionStatisticsStyle.h"
#include "sessionstats/ui/StyleSessionStatistics.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "styles/ui/StyleEditListCmdTargets.h"
#include "styles/ui/StyleEditModeHandler.h"
#include "styles/ui/StylePreviewGalleryHelper.h"

Quorvanta4AppSetup MakeClassicEditionSetup()
{
    Quorvanta4AppSetup setup;
    setup.mediator.factory = std::make_shared<Quorvanta4ClassicFactory>();
    // The style popups of the ribbon show the styles through the edition's gallery helpers.
    SetStylePreviewGalleryHelperMaker([edition = std::weak_ptr<Quorvanta4FactoryBase>(setup.mediator.factory)](
                                          int styleKind, const QString& kindText) {
        const std::shared_ptr<Quorvanta4FactoryBase> factory = edition.lock();
        return std::shared_ptr<IDynamicGalleryHelper>(
            factory ? factory->CreateStylePreviewGalleryHelperWithArgs(styleKind, kindText) : nullptr);
    });
    setup.mediator.settings = std::make_shared<MediatorSettingsQ4Classic>(setup.mediator.factory);
    setup.mediator.makeAlertModule = [] { return std::make_shared<AlertModuleEx>(); };
    setup.mediator.makeSessionStatistics = [] { return std::make_shared<SessionStatisticsQ4Classic>(); };
    setup.mediator.makeCloudModule = [] {
        // The one cloud object of the process, connected anew for each run of the program.
        std::shared_ptr<CloudManager> cloud = CloudManager::SharedInstance();
        cloud->SetMediator(std::make_shared<CloudMediatorQ4Classic>());
        cloud->SetMainWindow(std::make_shared<CloudMainWindowQ4Classic>());
        ConnectCloudAlertsQ4Classic(*cloud);
        return cloud;
    };
    setup.mediator.formulaLanguage = GetKFLFasade();
    setup.mediator.popups = std::make_shared<MessagePopupsQ4Classic>();
    setup.styles = std::make_shared<ApplicationStylesQ4Classic>();
    setup.mediator.styleEditMode =
        std::make_shared<StyleEditModeHandler>(std::make_shared<StyleEditHostQ4Classic>(setup.styles));
    RegisterListStyleCmdTargets(static_cast<StyleEditModeHandler&>(*setup.mediator.styleEditMode));
    static_cast<StyleEditModeHandler&>(*setup.mediator.styleEditMode)
        .RegisterCmdTarget(StyleSessionStatistics::Type, [](const std::shared_ptr<StyleBase>& style,
                                                            StyleEditModeHandler& handler) {
            return std::make_shared<CmdTargetEditSessionStatisticsStyle>(style, handler);
        });
    RegisterChartAndQuoteStyleTargets(static_cast<StyleEditModeHandler&>(*setup.mediator.styleEditMode));
    static_cast<StyleEditModeHandler&>(*setup.mediator.styleEditMode)
        .RegisterCmdTarget(StyleOrdersSheet::Type, [](const std::shared_ptr<StyleBase>& style,
                                                      StyleEditModeHandler& handler) {
            // A stored style saved in the settings becomes the one new sheet windows show.
            return std::make_shared<CmdTargetOrdersSheetStyle>(style, handler, [](int styleId) {
                AppMediator* mediator = AppMediator::Instance();
                IInProcessOrdersSheet* sheets = mediator ? mediator->GetOrdersSheetManager() : nullptr;
                if (sheets && styleId != StyleBase::kOwnStyleId)
                    sheets->FindWindowStyle(styleId);
            });
        });
    // The styles load before the modules are made: the orders sheet's kind must be known by then.
    StyleOrdersSheet::RegisterKind(QStringLiteral("Arkusz zlecen"));
    return setup;
}
