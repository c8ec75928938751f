#include "core/engine/ConsumerManager.h"
#include "platform/modules/KFLFasade.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "tests/core/mediator/MediatorFixture.h"

#include <QDir>

namespace
{
// A formula language whose module keeps a state; everything else it cannot do.
class FakeFormulaLanguage : public KFLFasade
{
public:
    bool ToggleIDE(QWidget*) override { return false; }
    bool IsIDEOpended() const override { return false; }
    bool OpenStrategyTesterIDE(QWidget*) override { return false; }
    bool EditScript(const QString&, QWidget*) override { return false; }
    void ForEachAvailableUDI(const std::function<void(const ScriptFileInfo&)>& callback) const override
    {
        for (const ScriptFileInfo& indicator : indicators)
            callback(indicator);
    }
    IGenericModule* Module() override { return &module; }
    void NotifySaveModuleState() override { Tell(QStringLiteral("Formula"), QStringLiteral("NotifySaveModuleState")); }
    void CleanupKFLLibrary() override {}
    KFLExplorer* GetExplorer() override { return nullptr; }
    KFLEditor* GetEditor() override { return nullptr; }

    FakeModule<IGenericModule> module{QStringLiteral("KFL")};
    std::vector<ScriptFileInfo> indicators;
};

QStringList Names(const std::vector<IGenericModule*>& modules)
{
    QStringList names;
    for (const IGenericModule* module : modules)
        names.append(module ? module->GetModuleName() : QStringLiteral("null"));
    return names;
}
}

class AppMediatorModulesTest : public MediatorFixture
{
protected:
    // Made and initialised, with the formula language.
    AppMediator& MakeWithFormula()
    {
        AddProviders({QStringLiteral("provider_good")});
        AppMediatorSetup setup;
        setup.factory = factory;
        setup.settings = settings;
        setup.makeAlertModule = [this] { return alertModule = std::make_shared<FakeAlertModule>(); };
        setup.makeSessionStatistics = [this] { return sessionStatistics = std::make_shared<FakeSessionStatistics>(); };
        setup.makeCloudModule = [this] { return cloud = std::make_shared<FakeCloudModule>(); };
        setup.formulaLanguage = &formula;
        setup.poster = poster;
        setup.popups = popups;
        mediator = AppMediator::Create(std::move(setup));
        mediator->SetApplicationObject(&application);
        EXPECT_TRUE(mediator->Init());
        TakePluginEvents();
        return *mediator;
    }

    FakeOrdersSheet& OrdersSheet() const
    {
        return static_cast<FakeOrdersSheet&>(*mediator->GetModuleByName(QStringLiteral("OrdersSheet")));
    }

    FakeFormulaLanguage formula;
};

TEST_F(AppMediatorModulesTest, AFileOpensInTheModuleWhoseExtensionEndsItsName)
{
    MakeInitialised();
    frame->loadSessionAnswer = 1;
    QWidget view;
    application.activeView = &view;
    const struct
    {
        const char* path;
        bool asDesktop;
        const char* opened;  // the event, empty when nothing opens
        bool result;
    } cases[] = {
        {"/home/u/Pulpit.q4s", true, "Frame:LoadSession(/home/u/Pulpit.q4s)", true},
        // Every window file's extension begins like the desktop's: only the ending counts.
        {"/home/u/arkusz.q4sOS", true, "", false},
        {"/home/u/Pulpit.q4s", false, "", false},
        {"/home/u/arkusz.q4sOS", false, "OrdersSheet:Open(/home/u/arkusz.q4sOS)", true},
        {"/home/u/arkusz.q4ssOS", false, "OrdersSheet:Open(/home/u/arkusz.q4ssOS)", true},
        {"/home/u/wykres.q4c", false, "Chart:Open(/home/u/wykres.q4c)", true},
        {"/home/u/tabela.q4t", false, "Table:Open(/home/u/tabela.q4t)", true},
        {"/home/u/lista.q4tl", false, "TransList:Open(/home/u/lista.q4tl)", true},
        {"/home/u/monitor.q4tm", false, "TransactionsMonitor:Open(/home/u/monitor.q4tm)", true},
        {"/home/u/szczegoly.q4d", false, "Details:Open(/home/u/szczegoly.q4d)", true},
        {"/home/u/oferty.q4o", false, "Offers:Open(/home/u/oferty.q4o)", true},
        {"/home/u/pliki.q4fg", false, "FilesGenerator:Open(/home/u/pliki.q4fg)", true},
        {"/home/u/arkusz.q4sOS.bak", false, "", false},
        {"/home/u/okna.q4c/notatki.txt", false, "", false},
        {"/home/u/WYKRES.Q4C", false, "", false},
    };
    for (const auto& testCase : cases)
    {
        const QString path = QString::fromUtf8(testCase.path);
        EXPECT_EQ(mediator->OpenFileByExtension(path, testCase.asDesktop), testCase.result) << testCase.path;
        const QStringList expected = *testCase.opened ? QStringList{QString::fromUtf8(testCase.opened)} : QStringList();
        EXPECT_EQ(TakePluginEvents(), expected) << testCase.path;
    }
    EXPECT_EQ(OrdersSheet().openedIn, &view);
    EXPECT_TRUE(folder.LogText().contains(QStringLiteral("Nie otwarto pliku \"/home/u/okna.q4c/notatki.txt\"")));
}

TEST_F(AppMediatorModulesTest, ModulesAreFoundByNameConsumersInAnyCaseTheOthersExactly)
{
    MakeInitialised();
    const struct
    {
        const char* name;
        const char* found;
    } cases[] = {
        {"table", "Table"},         {"CHART", "Chart"},           {"OrdersSheet", "OrdersSheet"},
        {"AlertModule", "AlertModule"}, {"CloudAlerts", "CloudAlerts"}, {"SessionStatistics", "SessionStatistics"},
        {"sessionstatistics", ""}, {"ordersSheet", ""},           {"Nic", ""},
    };
    for (const auto& testCase : cases)
    {
        const IGenericModule* module = mediator->GetModuleByName(QString::fromUtf8(testCase.name));
        EXPECT_EQ(module ? module->GetModuleName() : QString(), QString::fromUtf8(testCase.found)) << testCase.name;
    }
    EXPECT_EQ(mediator->GetAlertArgumentSourceByName(QStringLiteral("SessionStatistics")),
              reinterpret_cast<IAlertArgumentSource*>(&g_statisticsSource));
    EXPECT_EQ(mediator->GetAlertArgumentSourceByName(QStringLiteral("OrdersSheet")),
              reinterpret_cast<IAlertArgumentSource*>(&g_ordersSource));
    // The module libraries of this program offer no alert arguments.
    EXPECT_EQ(mediator->GetAlertArgumentSourceByName(QStringLiteral("Chart")), nullptr);
    EXPECT_EQ(mediator->GetAlertArgumentSourceByName(QStringLiteral("sessionStatistics")), nullptr);
}

TEST_F(AppMediatorModulesTest, WindowFileModulesComeInTheDialogsOrderWithoutTheFilesGenerator)
{
    MakeInitialised();
    std::vector<IGenericModule*> modules;
    mediator->GetWindowFileModules(modules);
    EXPECT_EQ(Names(modules), (QStringList{QStringLiteral("Table"), QStringLiteral("Details"), QStringLiteral("TransList"),
                                           QStringLiteral("Offers"), QStringLiteral("Chart"), QStringLiteral("OrdersSheet"),
                                           QStringLiteral("SessionStatistics"), QStringLiteral("TransactionsMonitor")}));
}

TEST_F(AppMediatorModulesTest, ModuleStatesRoundTripThroughASessionNodeInTheirOrder)
{
    MakeWithFormula();
    TestConsumers& consumers = TestConsumers::Instance();
    consumers.chart.value = QStringLiteral("wykres");
    alertModule->value = QStringLiteral("alerty");
    sessionStatistics->value = QStringLiteral("statystyki");
    OrdersSheet().value = QStringLiteral("arkusz");
    formula.module.value = QStringLiteral("formuły");

    Settings session;
    mediator->SerialiseModulesStates(session);
    EXPECT_EQ(TakePluginEvents(), QStringList{QStringLiteral("Formula:NotifySaveModuleState")});
    const Settings& states = std::as_const(session)[AppMediator::kModulesStatesNode];
    ASSERT_TRUE(states.IsValid());
    for (const char* name : {"Consumers", "AlertModule", "SessionStatistics", "OrdersSheet", "KFL"})
        EXPECT_TRUE(states.Exists(QString::fromUtf8(name))) << name;

    consumers.chart.value.clear();
    alertModule->value.clear();
    sessionStatistics->value.clear();
    OrdersSheet().value.clear();
    formula.module.value.clear();
    QWidget view;
    mediator->UnserialiseModulesStates(states[QStringLiteral("Consumers")], states);
    mediator->PostUnserialiseModulesStates(states[QStringLiteral("Consumers")], states, &view);

    EXPECT_EQ(consumers.chart.value, QStringLiteral("wykres"));
    EXPECT_EQ(alertModule->value, QStringLiteral("alerty"));
    EXPECT_EQ(sessionStatistics->value, QStringLiteral("statystyki"));
    EXPECT_EQ(OrdersSheet().value, QStringLiteral("arkusz"));
    EXPECT_EQ(formula.module.value, QStringLiteral("formuły"));
    QStringList modulesEvents;
    for (const QString& event : TakePluginEvents())
        if (!event.startsWith(QStringLiteral("Chart:")) && !event.startsWith(QStringLiteral("Table:")) &&
            !event.startsWith(QStringLiteral("Trans")) && !event.startsWith(QStringLiteral("Details:")) &&
            !event.startsWith(QStringLiteral("Offers:")) && !event.startsWith(QStringLiteral("FilesGenerator:")))
            modulesEvents.append(event);
    EXPECT_EQ(modulesEvents, (QStringList{QStringLiteral("AlertModule:UnserialisePanelState"),
                                          QStringLiteral("SessionStatistics:UnserialisePanelState"),
                                          QStringLiteral("OrdersSheet:UnserialisePanelState"), QStringLiteral("KFL:UnserialisePanelState"),
                                          QStringLiteral("AlertModule:PostUnserialisePanelState"),
                                          QStringLiteral("SessionStatistics:PostUnserialisePanelState"),
                                          QStringLiteral("OrdersSheet:PostUnserialisePanelState"),
                                          QStringLiteral("KFL:PostUnserialisePanelState")}));
}

TEST_F(AppMediatorModulesTest, OnlyInExtendedModeASessionWithModuleStatesRegistersTheOrdersSheetGroupAgain)
{
    MakeInitialised();
    Settings session;
    mediator->SerialiseModulesStates(session);
    const Settings& states = std::as_const(session)[AppMediator::kModulesStatesNode];
    const std::size_t groupsBefore = settings->groups.size();

    mediator->PostUnserialiseModulesStates(states[QStringLiteral("Consumers")], states, nullptr);
    EXPECT_EQ(settings->groups.size(), groupsBefore);

    application.extendedMode = true;
    mediator->PostUnserialiseModulesStates(states[QStringLiteral("Consumers")], states, nullptr);
    ASSERT_EQ(settings->groups.size(), groupsBefore + 1);
    EXPECT_EQ(settings->groups.back(), OrdersSheet().group);

    mediator->PostUnserialiseModulesStates(states[QStringLiteral("Consumers")], Settings::InvalidVariable(), nullptr);
    EXPECT_EQ(settings->groups.size(), groupsBefore + 1);
}

TEST_F(AppMediatorModulesTest, ASessionWithoutModuleStatesLeavesTheModulesButTheConsumersGetTheirPart)
{
    MakeInitialised();
    Settings consumersPart;
    consumersPart[QStringLiteral("Chart")][QStringLiteral("Value")] = QStringLiteral("z sesji");
    alertModule->value = QStringLiteral("bez zmian");

    mediator->UnserialiseModulesStates(std::as_const(consumersPart), Settings::InvalidVariable());
    EXPECT_EQ(TestConsumers::Instance().chart.value, QStringLiteral("z sesji"));
    EXPECT_EQ(alertModule->value, QStringLiteral("bez zmian"));
    EXPECT_FALSE(TakePluginEvents().contains(QStringLiteral("AlertModule:UnserialisePanelState")));
}

TEST_F(AppMediatorModulesTest, TheNextGenerationExportHoldsNoAlertModule)
{
    MakeInitialised();
    Q5Settings session;
    mediator->SerialiseModulesStatesToQ5Format(session);
    const QString path = QDir(home.Path()).filePath(QStringLiteral("sesja.q5"));
    ASSERT_TRUE(session.SaveToFile(path, "Settings"));

    Settings read;
    ASSERT_TRUE(read.LoadFromFile(path, QStringLiteral("Settings")));
    const Settings& states = std::as_const(read)[AppMediator::kModulesStatesNode];
    EXPECT_TRUE(states.Exists(QStringLiteral("Consumers")));
    EXPECT_TRUE(states.Exists(QStringLiteral("SessionStatisticsQ5")));
    EXPECT_TRUE(states.Exists(QStringLiteral("OrdersSheetQ5")));
    EXPECT_FALSE(states.Exists(QStringLiteral("AlertModule")));
    EXPECT_FALSE(states.Exists(QStringLiteral("AlertModuleQ5")));
}

TEST_F(AppMediatorModulesTest, AfterTheModulesAreReleasedNoLookupFindsThemButTheCloudStays)
{
    MakeInitialised();
    mediator->ReleaseModules();
    EXPECT_EQ(TakePluginEvents(), QStringList{QStringLiteral("SessionStatistics:Shutdown")});
    EXPECT_EQ(mediator->GetAlertsInterface(), nullptr);
    EXPECT_EQ(mediator->GetSessionStatisticsInterface(), nullptr);
    for (const char* name : {"OrdersSheet", "AlertModule", "SessionStatistics"})
        EXPECT_EQ(mediator->GetModuleByName(QString::fromUtf8(name)), nullptr) << name;
    EXPECT_EQ(mediator->GetAlertArgumentSourceByName(QStringLiteral("SessionStatistics")), nullptr);
    EXPECT_NE(mediator->GetModuleByName(QStringLiteral("CloudAlerts")), nullptr);
    std::vector<IGenericModule*> modules;
    mediator->GetWindowFileModules(modules);
    EXPECT_EQ(modules.size(), 6u);
}

TEST_F(AppMediatorModulesTest, TheQuoteTablesLearnTheWindowsOfTheOrdersSheet)
{
    MakeInitialised();
    mediator->UpdateConnectedWindowsData();
    EXPECT_EQ(TestConsumers::Instance().table.ConnectedWindows(), (std::vector<ConnectedWindowData>{{7, nullptr}}));
}

TEST_F(AppMediatorModulesTest, TheUserIndicatorsGalleryListsTheFormulaLanguagesIndicators)
{
    formula.indicators = {{QStringLiteral("Rsi2"), QString(), QStringLiteral("RSI2"), true},
                          {QStringLiteral("rsi2"), QString(), QStringLiteral("rsi2"), false},
                          {QStringLiteral("Macd"), QString(), QStringLiteral("MACDx"), true}};
    AppMediator& mediator = MakeWithFormula();
    GalleryControl gallery;
    gallery.AddItem(99, QStringLiteral("stara pozycja"));
    mediator.FillUserIndicatorsGallery(gallery);
    ASSERT_EQ(gallery.GetItemCount(), 2);
    EXPECT_EQ(gallery.GetItem(0)->GetCaption(), QStringLiteral("MACDx"));
    EXPECT_TRUE(gallery.GetItem(0)->IsEnabled());
    // The later spelling's flag wins, the first spelling stays.
    EXPECT_EQ(gallery.GetItem(1)->GetCaption(), QStringLiteral("RSI2"));
    EXPECT_FALSE(gallery.GetItem(1)->IsEnabled());
}
