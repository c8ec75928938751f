#include "app/Quorvanta4ClassicFactory.h"

#include "app/ClassicBuiltInConsumers.h"
#include "app/CmdTargetChartProcessorQ4Classic.h"
#include "app/CmdTargetGeneral.h"
#include "app/CmdTargetGeneralProcessorQ4Classic.h"
#include "app/GeneralCommandsHost.h"
#include "app/ModuleCmdTargetsQ4Classic.h"
#include "app/OrdersSheetManagerQ4Classic.h"
#include "app/RibbonTabsCreatorsClassicEdition.h"
#include "charts/ui/ChooseAssetChartParamsQ4Classic.h"
#include "core/about/AboutDlgData.h"
#include "core/crash/Quorvanta4CrashReportHandler.h"
#include "core/engine/ConsumerManagerQ4Classic.h"
#include "core/help/HelpQ4Classic.h"
#include "core/help/QuorvantaUpateHandler.h"
#include "core/mediator/AppMediator.h"
#include "core/settings/DataVersionUpdater.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "platform/ui/DialogServices.h"
#include "platform/modules/ISessionStatisticsModule.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonTabsCreator.h"
#include "charts/ui/FormationCmdTargetsCollection.h"
#include "sessionstats/ui/CmdTargetSessionStatistics.h"
#include "styles/ui/StyleEditTabsQ4Classic.h"
#include "styles/ui/StylePreviewGalleryHelper.h"
#include "workspace/ui/CmdTargetKFL.h"
#include "workspace/ui/PulpitFrameQ4Classic.h"

#include <utility>

using TabsCreator = Quorvanta4FactoryBase::TabsCreator;

TabsCreator Quorvanta4ClassicFactory::CreateMainTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return m_ribbonTabs.CreateMainTabs(factory, ribbonBar);
}

TabsCreator Quorvanta4ClassicFactory::CreateChartsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return m_ribbonTabs.CreateChartsTabs(factory, ribbonBar);
}

TabsCreator Quorvanta4ClassicFactory::CreateTransListsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return m_ribbonTabs.CreateTransListsTabs(factory, ribbonBar);
}

TabsCreator Quorvanta4ClassicFactory::CreateTransactionsMonitorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return m_ribbonTabs.CreateTransactionsMonitorTabs(factory, ribbonBar);
}

TabsCreator Quorvanta4ClassicFactory::CreateOffersTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return m_ribbonTabs.CreateOffersTabs(factory, ribbonBar);
}

TabsCreator Quorvanta4ClassicFactory::CreateDetailsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return m_ribbonTabs.CreateDetailsTabs(factory, ribbonBar);
}

TabsCreator Quorvanta4ClassicFactory::CreateOrdersSheetTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return m_ribbonTabs.CreateOrdersSheetTabs(factory, ribbonBar);
}

TabsCreator Quorvanta4ClassicFactory::CreateSessionStatisticsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return m_ribbonTabs.CreateSessionStatisticsTabs(factory, ribbonBar);
}

TabsCreator Quorvanta4ClassicFactory::CreateTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar)
{
    return m_ribbonTabs.CreateTablesTabs(factory, ribbonBar);
}

IMainFrame* Quorvanta4ClassicFactory::CreatePulpitFrame()
{
    // The frame's other command targets come with their parts of the program.
    PulpitFrame::CmdTargetMakers makers;
    makers.general = [this](PulpitFrame&) {
        return std::make_shared<CmdTargetGeneral>(std::make_shared<GeneralCommandsHost>(), CreateCmdTargetGeneralProcessor());
    };
    // The frame owns its targets, so the target never outlives the frame it asks.
    makers.sessionStatistics = [](PulpitFrame&) {
        return std::make_shared<CmdTargetSessionStatistics>([]() -> ISessionStatisticsModule* {
            AppMediator* mediator = AppMediator::Instance();
            return mediator ? mediator->GetSessionStatisticsInterface() : nullptr;
        });
    };
    // The sheet's commands act on its current window, whichever window is active.
    makers.ordersSheet = [](PulpitFrame&) {
        return std::make_shared<CmdTargetOrdersSheet>(&OrdersSheetManagerQ4Classic::MediatorCurrentWindow,
                                                      OrdersSheetManagerQ4Classic::MediatorCmdServices());
    };
    makers.formations = [](PulpitFrame&) { return std::make_shared<FormationCmdTargetsCollection>(); };
    makers.alerts = [](PulpitFrame& frame) { return MakeCmdTargetAlertsQ4Classic(frame); };
    makers.formulaLanguage = [](PulpitFrame& frame) {
        return std::make_shared<CmdTargetKFL>(
            [] {
                const AppMediator* mediator = AppMediator::Instance();
                return mediator ? mediator->GetFormulaLanguage() : nullptr;
            },
            [&frame]() -> RibbonBarBase* { return frame.GetRibbonBar(); });
    };
    return new PulpitFrameQ4Classic(std::make_shared<RibbonTabsCreatorsClassicEdition>(), std::move(makers));
}

StylePreviewGalleryHelper* Quorvanta4ClassicFactory::CreateStylePreviewGalleryHelper(int styleKind, bool, bool)
{
    return new StylePreviewGalleryHelper(styleKind);
}

StylePreviewGalleryHelper* Quorvanta4ClassicFactory::CreateStylePreviewGalleryHelperWithFlag(int styleKind, bool)
{
    return new StylePreviewGalleryHelper(styleKind);
}

StylePreviewGalleryHelper* Quorvanta4ClassicFactory::CreateStylePreviewGalleryHelperWithArgs(int styleKind,
                                                                                            const QString& kindText)
{
    return new StylePreviewGalleryHelper(styleKind, kindText, [](const std::shared_ptr<StyleBase>& style,
                                                                 const QString& title) {
        AppMediator* mediator = AppMediator::Instance();
        if (IStyleEditModeHandler* handler = mediator ? mediator->GetStyleEditModeHandler() : nullptr)
            handler->BeginEditStyle(style, title);
    });
}

std::shared_ptr<CmdTargetGeneralProcessor> Quorvanta4ClassicFactory::CreateCmdTargetGeneralProcessor()
{
    // The command shows checked while the sheet window is visible.
    return std::make_shared<CmdTargetGeneralProcessorQ4Classic>([] {
        const AppMediator* mediator = AppMediator::Instance();
        const IInProcessOrdersSheet* sheets = mediator ? mediator->GetOrdersSheetManager() : nullptr;
        return sheets && sheets->IsOrdersSheetWindowVisible();
    });
}

std::shared_ptr<ChooseAssetChartParams> Quorvanta4ClassicFactory::CreateChooseAssetChartParams()
{
    return std::make_shared<ChooseAssetChartParamsQ4Classic>();
}

std::shared_ptr<CmdTarget> Quorvanta4ClassicFactory::CreateCmdTargetChartProcessor()
{
    return std::make_shared<CmdTargetChartProcessorQ4Classic>();
}

std::shared_ptr<IGlobalSettings> Quorvanta4ClassicFactory::CreateGlobalSettings()
{
    return std::make_shared<GlobalSettingsQ4Classic>(m_globalSettingsHost);
}

std::shared_ptr<ConsumerManager> Quorvanta4ClassicFactory::CreateConsumerManager(ConsumerManager::Hooks hooks)
{
    if (!hooks.makeCmdTarget)
        hooks.makeCmdTarget = &MakeModuleCmdTargetQ4Classic;
    return std::make_shared<ConsumerManagerQ4Classic>(ClassicBuiltInConsumers(), std::move(hooks));
}

void Quorvanta4ClassicFactory::CreateStyleEditTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                                   std::vector<TabsCreator>& creators)
{
    CreateStyleEditTabsQ4Classic(factory, ribbonBar, creators);
}

std::shared_ptr<HelpQ4Classic> Quorvanta4ClassicFactory::CreateHelp()
{
    return std::make_shared<HelpQ4Classic>(DialogServices::Shell(), DialogServices::MessageBox());
}

std::shared_ptr<AboutDlgData> Quorvanta4ClassicFactory::GetAboutDlgData()
{
    if (!m_aboutDlgData)
        m_aboutDlgData = AboutDlgData::ForProductKind(kProductKind);
    return m_aboutDlgData;
}

std::shared_ptr<IUpdatesHandler> Quorvanta4ClassicFactory::CreateUpdateHandler()
{
    return std::make_shared<QuorvantaUpateHandler>(DialogServices::Shell(), DialogServices::MessageBox());
}

std::shared_ptr<IInProcessOrdersSheet> Quorvanta4ClassicFactory::CreateOrdersSheetManager()
{
    return std::make_shared<OrdersSheetManagerQ4Classic>();
}

std::shared_ptr<CrashHandlerBase> Quorvanta4ClassicFactory::CreateCrashReportHandler()
{
    AppMediator* mediator = AppMediator::Instance();
    if (mediator == nullptr)
        return nullptr;
    return std::make_shared<Quorvanta4CrashReportHandler>(*mediator);
}

std::shared_ptr<DataVersionUpdater> Quorvanta4ClassicFactory::CreateDataVersionUpdater()
{
    return std::make_shared<DataVersionUpdater>();
}
