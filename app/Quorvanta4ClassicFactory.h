#pragma once
// The standard edition's factory, the only edition of this program. The ribbon's tab creators
// come from the ribbon's own creators of the edition; the global settings answer to the running
// program through the factory's host; products whose part of the program is not there yet are
// null.

#include "app/GlobalSettingsHostQ4Classic.h"
#include "app/RibbonTabsCreatorsClassicEdition.h"
#include "core/mediator/Quorvanta4FactoryBase.h"

class Quorvanta4ClassicFactory : public Quorvanta4FactoryBase
{
public:
    TabsCreator CreateMainTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    TabsCreator CreateChartsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    TabsCreator CreateTransListsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    TabsCreator CreateTransactionsMonitorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    TabsCreator CreateOffersTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    TabsCreator CreateDetailsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    TabsCreator CreateOrdersSheetTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    TabsCreator CreateSessionStatisticsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    TabsCreator CreateTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) override;
    IMainFrame* CreatePulpitFrame() override;
    StylePreviewGalleryHelper* CreateStylePreviewGalleryHelper(int styleKind, bool first, bool second) override;
    StylePreviewGalleryHelper* CreateStylePreviewGalleryHelperWithFlag(int styleKind, bool flag) override;
    StylePreviewGalleryHelper* CreateStylePreviewGalleryHelperWithArgs(int styleKind, const QString& kindText) override;
    std::shared_ptr<CmdTargetGeneralProcessor> CreateCmdTargetGeneralProcessor() override;
    std::shared_ptr<ChooseAssetChartParams> CreateChooseAssetChartParams() override;
    std::shared_ptr<CmdTarget> CreateCmdTargetChartProcessor() override;
    std::shared_ptr<IGlobalSettings> CreateGlobalSettings() override;
    std::shared_ptr<ConsumerManager> CreateConsumerManager(ConsumerManager::Hooks hooks) override;
    std::shared_ptr<IInProcessOrdersSheet> CreateOrdersSheetManager() override;
    void CreateStyleEditTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar, std::vector<TabsCreator>& creators) override;
    std::shared_ptr<HelpQ4Classic> CreateHelp() override;
    std::shared_ptr<AboutDlgData> GetAboutDlgData() override;
    std::shared_ptr<IUpdatesHandler> CreateUpdateHandler() override;
    std::shared_ptr<CrashHandlerBase> CreateCrashReportHandler() override;
    std::shared_ptr<DataVersionUpdater> CreateDataVersionUpdater() override;

private:
    RibbonTabsCreatorsClassicEdition m_ribbonTabs;
    GlobalSettingsHostQ4Classic m_globalSettingsHost;
    std::shared_ptr<AboutDlgData> m_aboutDlgData;
};
