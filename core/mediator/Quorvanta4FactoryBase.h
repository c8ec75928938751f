#pragma once
// The edition factory: everything that differs between editions of the program is made here,
// so no caller names an edition class. The application mediator makes one for the whole run and
// hands out shared copies. Every operation makes a new object on each call, except
// GetAboutDlgData; products are shared unless the operation says the caller owns a raw one.
// A product whose part of the program is not there yet is null, and its callers go on without it.

#include "core/engine/ConsumerManager.h"

#include <QString>

#include <memory>
#include <vector>

class AboutDlgData;
class ArgumentParser;
class ChooseAssetChartParams;
class CrashHandlerBase;
class CmdTarget;
class CmdTargetGeneralProcessor;
class DataVersionUpdater;
class HelpQ4Classic;
class IGlobalSettings;
class IInProcessOrdersSheet;
class IMainFrame;
class IUpdatesHandler;
class QuorvantaRibbonBar;
class RibbonsFactory;
class RibbonTabsCreator;
class StylePreviewGalleryHelper;

class Quorvanta4FactoryBase
{
public:
    using TabsCreator = std::shared_ptr<RibbonTabsCreator>;

    static constexpr int kProductKind = 1;

    Quorvanta4FactoryBase();
    virtual ~Quorvanta4FactoryBase();
    Quorvanta4FactoryBase(const Quorvanta4FactoryBase&) = delete;
    Quorvanta4FactoryBase& operator=(const Quorvanta4FactoryBase&) = delete;

    // The tab creators of each window kind, made with the ribbon objects the ribbons factory passes.
    virtual TabsCreator CreateMainTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual TabsCreator CreateChartsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual TabsCreator CreateTransListsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual TabsCreator CreateTransactionsMonitorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual TabsCreator CreateOffersTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual TabsCreator CreateDetailsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual TabsCreator CreateOrdersSheetTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual TabsCreator CreatePAPTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);
    virtual TabsCreator CreateSessionStatisticsTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    virtual TabsCreator CreateTablesTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) = 0;
    // The main frame, owned by the caller; its window is made by IMainFrame::LoadFrame.
    virtual IMainFrame* CreatePulpitFrame() = 0;
    // Style-preview gallery helpers, owned by the caller.
    virtual StylePreviewGalleryHelper* CreateStylePreviewGalleryHelper(int styleKind, bool first, bool second) = 0;
    virtual StylePreviewGalleryHelper* CreateStylePreviewGalleryHelperWithFlag(int styleKind, bool flag) = 0;
    virtual StylePreviewGalleryHelper* CreateStylePreviewGalleryHelperWithArgs(int styleKind, const QString& kindText) = 0;
    virtual std::shared_ptr<CmdTargetGeneralProcessor> CreateCmdTargetGeneralProcessor() = 0;
    virtual std::shared_ptr<ChooseAssetChartParams> CreateChooseAssetChartParams() = 0;
    virtual std::shared_ptr<CmdTarget> CreateCmdTargetChartProcessor() = 0;
    // Making the global settings checks the data version.
    virtual std::shared_ptr<IGlobalSettings> CreateGlobalSettings() = 0;
    // hooks: what the consumer manager needs of the application (the mediator gives them).
    virtual std::shared_ptr<ConsumerManager> CreateConsumerManager(ConsumerManager::Hooks hooks) = 0;
    virtual std::shared_ptr<IInProcessOrdersSheet> CreateOrdersSheetManager();
    virtual std::shared_ptr<ArgumentParser> CreateArgumentParser();
    // Appends the style-editing tab creators to the list, which is not cleared.
    virtual void CreateStyleEditTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                                     std::vector<TabsCreator>& creators) = 0;
    // The same object on every call; null while the program has no about box.
    virtual std::shared_ptr<AboutDlgData> GetAboutDlgData();
    virtual std::shared_ptr<HelpQ4Classic> CreateHelp() = 0;
    virtual std::shared_ptr<IUpdatesHandler> CreateUpdateHandler();
    virtual std::shared_ptr<CrashHandlerBase> CreateCrashReportHandler();
    virtual std::shared_ptr<DataVersionUpdater> CreateDataVersionUpdater();

    // "Quorvanta 4"; the user's data, documents and installed-settings folders are named with it.
    QString GetProductName() const { return m_productName; }
    int GetProductKind() const { return m_productKind; }

private:
    const int m_productKind = kProductKind;
    const QString m_productName;
};
