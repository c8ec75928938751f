#pragma once
// An edition factory for tests: the consumer manager over the test consumers, a fake main frame,
// the orders sheet a test sets, the real argument parser unless a test sets another, a
// recording updater and a recording data-version updater. It tells what it makes to the shared
// event list.

#include "core/help/IUpdatesHandler.h"
#include "core/engine/ConsumerManagerQ4Classic.h"
#include "core/mediator/ArgumentParser.h"
#include "core/mediator/Quorvanta4FactoryBase.h"
#include "core/settings/DataVersionUpdater.h"
#include "tests/core/mediator/MediatorFakes.h"
#include "tests/core/mediator/TestConsumers.h"

class RecordingUpdater : public IUpdatesHandler
{
public:
    void UpdateHidden() override { Tell(QStringLiteral("Updater"), QStringLiteral("UpdateHidden")); }
    void AskToUpdate() override { Tell(QStringLiteral("Updater"), QStringLiteral("AskToUpdate")); }
    void CheckForUpdates() override { Tell(QStringLiteral("Updater"), QStringLiteral("CheckForUpdates")); }
};

// Tells both provider steps; the first answers as a test sets, the second as the program's does.
class RecordingDataVersionUpdater : public DataVersionUpdater
{
public:
    bool UpdateProviderSettings(Settings& providerSettings, const QString& providerName) override
    {
        Tell(QStringLiteral("DataVersionUpdater"), QStringLiteral("UpdateProviderSettings(%1)").arg(providerName));
        return providerStepAnswer;
    }
    bool UpdateOnLineProviderSettings(Settings& providerSettings, const QString& providerName) override
    {
        Tell(QStringLiteral("DataVersionUpdater"), QStringLiteral("UpdateOnLineProviderSettings(%1)").arg(providerName));
        return DataVersionUpdater::UpdateOnLineProviderSettings(providerSettings, providerName);
    }

    bool providerStepAnswer = false;
};

// Answers ParseOptions as a test sets, and tells both of its operations.
class RecordingParser : public ArgumentParser
{
public:
    bool ParseOptions(const QStringList& arguments, bool& extendedMode) override
    {
        Tell(QStringLiteral("Parser"), QStringLiteral("ParseOptions"));
        return parseAnswer && ArgumentParser::ParseOptions(arguments, extendedMode);
    }
    bool OpenCommandLineFile(const QStringList& arguments, AppMediator& mediator) override
    {
        Tell(QStringLiteral("Parser"), QStringLiteral("OpenCommandLineFile"));
        return ArgumentParser::OpenCommandLineFile(arguments, mediator);
    }

    bool parseAnswer = true;
};

class TestFactory : public Quorvanta4FactoryBase
{
public:
    TabsCreator CreateMainTabs(RibbonsFactory&, QuorvantaRibbonBar&) override { return nullptr; }
    TabsCreator CreateChartsTabs(RibbonsFactory&, QuorvantaRibbonBar&) override { return nullptr; }
    TabsCreator CreateTransListsTabs(RibbonsFactory&, QuorvantaRibbonBar&) override { return nullptr; }
    TabsCreator CreateTransactionsMonitorTabs(RibbonsFactory&, QuorvantaRibbonBar&) override { return nullptr; }
    TabsCreator CreateOffersTabs(RibbonsFactory&, QuorvantaRibbonBar&) override { return nullptr; }
    TabsCreator CreateDetailsTabs(RibbonsFactory&, QuorvantaRibbonBar&) override { return nullptr; }
    TabsCreator CreateOrdersSheetTabs(RibbonsFactory&, QuorvantaRibbonBar&) override { return nullptr; }
    TabsCreator CreateSessionStatisticsTabs(RibbonsFactory&, QuorvantaRibbonBar&) override { return nullptr; }
    TabsCreator CreateTablesTabs(RibbonsFactory&, QuorvantaRibbonBar&) override { return nullptr; }
    IMainFrame* CreatePulpitFrame() override
    {
        Tell(QStringLiteral("Factory"), QStringLiteral("CreatePulpitFrame"));
        if (!makesFrame)
            return nullptr;
        frame = new FakeMainFrame;
        frame->loadFrameAnswer = loadFrameAnswer;
        frame->loadSessionAnswer = loadSessionAnswer;
        return frame;
    }
    StylePreviewGalleryHelper* CreateStylePreviewGalleryHelper(int, bool, bool) override { return nullptr; }
    StylePreviewGalleryHelper* CreateStylePreviewGalleryHelperWithFlag(int, bool) override { return nullptr; }
    StylePreviewGalleryHelper* CreateStylePreviewGalleryHelperWithArgs(int, const QString&) override { return nullptr; }
    std::shared_ptr<CmdTargetGeneralProcessor> CreateCmdTargetGeneralProcessor() override { return nullptr; }
    std::shared_ptr<ChooseAssetChartParams> CreateChooseAssetChartParams() override { return nullptr; }
    std::shared_ptr<CmdTarget> CreateCmdTargetChartProcessor() override { return nullptr; }
    std::shared_ptr<IGlobalSettings> CreateGlobalSettings() override { return nullptr; }
    std::shared_ptr<ConsumerManager> CreateConsumerManager(ConsumerManager::Hooks hooks) override
    {
        Tell(QStringLiteral("Factory"), QStringLiteral("CreateConsumerManager"));
        return std::make_shared<ConsumerManagerQ4Classic>(TestConsumers::Accessors(), std::move(hooks));
    }
    std::shared_ptr<IInProcessOrdersSheet> CreateOrdersSheetManager() override
    {
        return makesOrdersSheet ? std::make_shared<FakeOrdersSheet>() : nullptr;
    }
    std::shared_ptr<ArgumentParser> CreateArgumentParser() override { return parser; }
    void CreateStyleEditTabs(RibbonsFactory&, QuorvantaRibbonBar&, std::vector<TabsCreator>&) override {}
    std::shared_ptr<HelpQ4Classic> CreateHelp() override { return nullptr; }
    std::shared_ptr<IUpdatesHandler> CreateUpdateHandler() override { return std::make_shared<RecordingUpdater>(); }
    std::shared_ptr<DataVersionUpdater> CreateDataVersionUpdater() override
    {
        Tell(QStringLiteral("Factory"), QStringLiteral("CreateDataVersionUpdater"));
        return std::make_shared<RecordingDataVersionUpdater>();
    }

    bool makesFrame = true;
    bool loadFrameAnswer = true;
    int loadSessionAnswer = 0;
    bool makesOrdersSheet = true;
    std::shared_ptr<RecordingParser> parser = std::make_shared<RecordingParser>();
    // The last frame made; owned by whoever asked for it.
    FakeMainFrame* frame = nullptr;
};
