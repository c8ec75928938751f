#include "core/app/AppCommandIds.h"
#include "core/app/HandOverChannel.h"
#include "core/app/HandOverMessage.h"
#include "core/app/Quorvanta4App.h"
#include "core/mediator/AppMediator.h"
#include "platform/base/AppPaths.h"
#include "platform/base/LogBuffer.h"
#include "platform/modules/PluginBase.h"
#include "platform/ui/RegisteredMessages.h"
#include "platform/ui/StringTable.h"
#include "tests/core/app/FakeApplicationStyles.h"
#include "tests/core/engine/PluginFolder.h"
#include "tests/core/mediator/TestFactory.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{
QString MessageName()
{
    return Quorvanta4App::BuildRunAssocFileMessageName(QCoreApplication::applicationFilePath());
}

// The events that tell the order of the start and the exit, without the module libraries'.
QStringList OrderEvents(const QStringList& events)
{
    QStringList kept;
    for (const QString& event : events)
        if (!event.startsWith(QStringLiteral("Settings:AddGroup")))
            kept.append(event);
    return kept;
}
}

class Quorvanta4AppTest : public ::testing::Test
{
protected:
    Quorvanta4AppTest()
    {
        TestApplication::Ensure();
        TestConsumers::Instance().Reset();
        folder.Add(QStringLiteral("Providers"), QStringLiteral("provider_good"));
        TakePluginEvents();
    }
    ~Quorvanta4AppTest() override
    {
        app.reset();
        TakePluginEvents();
    }

    Quorvanta4App& MakeApp(const QStringList& arguments = {})
    {
        Quorvanta4AppSetup setup;
        setup.mediator.factory = factory;
        setup.mediator.settings = settings;
        setup.mediator.makeCloudModule = [] { return std::make_shared<FakeCloudModule>(); };
        setup.mediator.popups = popups;
        setup.styles = styles;
        app = std::make_unique<Quorvanta4App>(std::move(setup), arguments);
        return *app;
    }

    QString LogText() const
    {
        QFile file(QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("Log.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TempHome home;
    PluginFolder folder;
    ScopedFakeDialogs dialogs;
    std::shared_ptr<TestFactory> factory = std::make_shared<TestFactory>();
    std::shared_ptr<FakeMediatorSettings> settings = std::make_shared<FakeMediatorSettings>();
    std::shared_ptr<FakeApplicationStyles> styles = std::make_shared<FakeApplicationStyles>();
    std::shared_ptr<RecordingPopups> popups = std::make_shared<RecordingPopups>();
    std::unique_ptr<Quorvanta4App> app;
};

TEST_F(Quorvanta4AppTest, TheStartAndTheExitRunTheirStepsInOrder)
{
    MakeApp({QStringLiteral("/d/wykres.q4c")});
    ASSERT_TRUE(app->InitInstance());
    EXPECT_TRUE(app->IsStarted());
    EXPECT_EQ(OrderEvents(TakePluginEvents()),
              (QStringList{QStringLiteral("Factory:CreateConsumerManager"),
                           QStringLiteral("Styles:EnableFontConversion(1)"),
                           QStringLiteral("Styles:LoadStyles(Styles,1)"),
                           QStringLiteral("Styles:LoadStyles(Styles,0)"),
                           QStringLiteral("Settings:CreateGlobalSettings"),
                           QStringLiteral("Cloud:made"),
                           QStringLiteral("Testowy Dostawca:Accept(Testowy Dostawca)"),
                           QStringLiteral("OrdersSheet:made"),
                           QStringLiteral("Settings:SetDefaultProviderName(Testowy Dostawca)"),
                           QStringLiteral("Settings:ApplyTimeSourceProvider"),
                           QStringLiteral("Parser:ParseOptions"),
                           QStringLiteral("Styles:LoadApplicationThemes"),
                           QStringLiteral("Styles:MakeAllRelatedStylesAsOwn"),
                           QStringLiteral("Factory:CreatePulpitFrame"),
                           QStringLiteral("Frame:LoadFrame"),
                           QStringLiteral("Frame:ShowFrame"),
                           QStringLiteral("Parser:OpenCommandLineFile"),
                           // A window file waits for the session's panels.
                           QStringLiteral("Frame:StartSession"),
                           QStringLiteral("Chart:Open(/d/wykres.q4c)"),
                           QStringLiteral("Updater:UpdateHidden")}));
    EXPECT_EQ(AppMediator::Instance()->GetMainFrame(), app->GetPulpitFrame());

    app->ExitInstance();
    EXPECT_EQ(OrderEvents(TakePluginEvents()),
              (QStringList{QStringLiteral("Styles:CopyRelatedStylesToOwn"), QStringLiteral("Styles:SaveStyles(Styles,1)"),
                           QStringLiteral("Settings:ReleaseGlobalSettings"), QStringLiteral("Testowy Dostawca:StopWork"),
                           QStringLiteral("Testowy Dostawca:ShutDown"), QStringLiteral("Styles:Release"),
                           QStringLiteral("Updater:AskToUpdate")}));
    EXPECT_EQ(AppMediator::Instance(), nullptr);
    EXPECT_EQ(PluginBase::GetAppMediator(), nullptr);
    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral("| Quorvanta4App::Quorvanta4App (99) | START QUORVANTA")));
    EXPECT_TRUE(log.contains(QStringLiteral("STOP QUORVANTA")));
}

TEST_F(Quorvanta4AppTest, AStartThatStopsSavesNoStylesEndsThePlugInsItLoadedAndStillOffersTheUpdate)
{
    const struct
    {
        const char* what;
        std::function<void()> prepare;
        // Whether a provider was loaded, to be stopped before the mediator goes.
        bool providerLoaded;
    } cases[] = {
        {"no provider", [this] { QFile::remove(folder.Path(QStringLiteral("Providers"), QStringLiteral("provider_good.so"))); },
         false},
        {"global settings", [this] { settings->createAnswer = false; }, false},
        {"options", [this] { factory->parser->parseAnswer = false; }, true},
        {"themes", [this] { styles->themesLoad = false; }, true},
        {"no frame", [this] { factory->makesFrame = false; }, true},
        {"frame window", [this] { factory->loadFrameAnswer = false; }, true},
    };
    for (const auto& testCase : cases)
    {
        factory = std::make_shared<TestFactory>();
        settings = std::make_shared<FakeMediatorSettings>();
        styles = std::make_shared<FakeApplicationStyles>();
        if (!QFile::exists(folder.Path(QStringLiteral("Providers"), QStringLiteral("provider_good.so"))))
            folder.Add(QStringLiteral("Providers"), QStringLiteral("provider_good"));
        testCase.prepare();
        MakeApp();
        EXPECT_FALSE(app->InitInstance()) << testCase.what;
        EXPECT_FALSE(app->IsStarted()) << testCase.what;
        app->ExitInstance();
        app.reset();
        const QStringList events = TakePluginEvents();
        EXPECT_FALSE(events.contains(QStringLiteral("Styles:SaveStyles(Styles,1)"))) << testCase.what;
        EXPECT_FALSE(events.contains(QStringLiteral("Styles:CopyRelatedStylesToOwn"))) << testCase.what;
        EXPECT_FALSE(events.contains(QStringLiteral("Frame:StartSession"))) << testCase.what;
        EXPECT_TRUE(events.contains(QStringLiteral("Updater:AskToUpdate"))) << testCase.what;
        EXPECT_TRUE(events.contains(QStringLiteral("Cloud:ReleaseHttpThread")) ||
                    !events.contains(QStringLiteral("Cloud:made")))
            << testCase.what;
        if (testCase.providerLoaded)
        {
            // Stopped, then shut down, before the mediator goes.
            const qsizetype stopped = events.indexOf(QStringLiteral("Testowy Dostawca:StopWork"));
            const qsizetype shutDown = events.indexOf(QStringLiteral("Testowy Dostawca:ShutDown"));
            EXPECT_TRUE(stopped >= 0 && stopped < shutDown && shutDown < events.indexOf(QStringLiteral("Settings:ReleaseGlobalSettings")))
                << testCase.what;
        }
        const QString log = LogText();
        EXPECT_TRUE(log.contains(QStringLiteral("BŁĄD"))) << testCase.what;
        EXPECT_TRUE(log.contains(QStringLiteral("STOP QUORVANTA"))) << testCase.what;
    }
}

TEST_F(Quorvanta4AppTest, ASecondStartHandsItsFileToTheRunningInstanceAndEnds)
{
    // The first instance: its lock and its channel, served by this thread's event loop.
    AppRunningDetector first;
    ASSERT_FALSE(first.IsAppAlreadyRunning());
    QStringList handedOver;
    HandOverChannel channel(MessageName(), RegisteredMessages::Register(MessageName()));
    ASSERT_TRUE(channel.Listen([&](std::uint32_t id, const QByteArray& bytes) {
        handedOver.append(HandOverMessage::PathFromBytes(bytes));
        return id != 0;
    }));

    // The second start runs whole on a thread of its own, as another process would.
    const QString relative = QStringLiteral("okna/wykres.q4c");
    std::atomic<bool> ended = false;
    bool started = true;
    std::thread second([&] {
        Quorvanta4AppSetup setup;
        setup.mediator.factory = factory;
        setup.styles = styles;
        Quorvanta4App secondApp(std::move(setup), {relative});
        started = secondApp.InitInstance();
        secondApp.ExitInstance();
        ended = true;
    });
    TestApplication::ProcessEventsUntil([&] { return ended.load(); }, 10000);
    second.join();

    EXPECT_FALSE(started);
    // Made absolute: the running instance works in a folder of its own.
    EXPECT_EQ(handedOver, QStringList{QDir::current().absoluteFilePath(relative)});
    const QStringList events = TakePluginEvents();
    EXPECT_TRUE(events.contains(QStringLiteral("Updater:AskToUpdate")));
    EXPECT_FALSE(events.contains(QStringLiteral("Testowy Dostawca:Accept(Testowy Dostawca)")));
    EXPECT_FALSE(events.contains(QStringLiteral("Factory:CreatePulpitFrame")));
}

TEST_F(Quorvanta4AppTest, AHandedOverFileOpensAsADesktopFirstThenInItsModule)
{
    MakeApp();
    ASSERT_TRUE(app->InitInstance());
    TakePluginEvents();
    const std::uint32_t id = RegisteredMessages::Register(MessageName());
    const auto bytesOf = [](const QString& path) { return HandOverMessage::Decode(HandOverMessage::Encode(MessageName(), path))->pathBytes; };

    EXPECT_TRUE(app->HandleRunAssocFileCopyData(id, bytesOf(QStringLiteral("/d/wykres.q4c"))));
    EXPECT_EQ(TakePluginEvents(), (QStringList{QStringLiteral("Frame:ActivateFrame"), QStringLiteral("Chart:Open(/d/wykres.q4c)")}));
    EXPECT_FALSE(app->IsHandOverInProgress());

    // With a panel view active the frame stays as it is.
    QWidget view;
    app->SetActivePanelView(&view);
    EXPECT_FALSE(app->HandleRunAssocFileCopyData(id, bytesOf(QStringLiteral("/d/Pulpit.q4s"))));
    EXPECT_EQ(TakePluginEvents(), QStringList{QStringLiteral("Frame:LoadSession(/d/Pulpit.q4s)")});

    // Another install's message, or no path at all, opens nothing.
    EXPECT_FALSE(app->HandleRunAssocFileCopyData(id + 1, bytesOf(QStringLiteral("/d/wykres.q4c"))));
    EXPECT_FALSE(app->HandleRunAssocFileCopyData(0, bytesOf(QStringLiteral("/d/wykres.q4c"))));
    EXPECT_FALSE(app->HandleRunAssocFileCopyData(id, QByteArray("abc")));
    EXPECT_TRUE(TakePluginEvents().isEmpty());
    EXPECT_FALSE(app->IsHandOverInProgress());
}

TEST_F(Quorvanta4AppTest, TheRunningInstanceTakesFilesFromLaterStartsThroughItsChannel)
{
    MakeApp();
    ASSERT_TRUE(app->InitInstance());
    TakePluginEvents();
    std::atomic<bool> done = false;
    bool opened = false;
    std::thread second([&] {
        opened = HandOverChannel::Send(MessageName(), QStringLiteral("/d/tabela.q4t"));
        done = true;
    });
    TestApplication::ProcessEventsUntil([&] { return done.load(); }, 10000);
    second.join();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(TakePluginEvents().contains(QStringLiteral("Table:Open(/d/tabela.q4t)")));
}

TEST_F(Quorvanta4AppTest, ExtendedModeKeepsRelatedStylesAndEnablesTheThemeExport)
{
    MakeApp({QStringLiteral("--extended")});
    ASSERT_TRUE(app->InitInstance());
    EXPECT_TRUE(app->IsExtendedMode());
    const QStringList events = TakePluginEvents();
    EXPECT_FALSE(events.contains(QStringLiteral("Styles:MakeAllRelatedStylesAsOwn")));
    // The option is no file to open.
    EXPECT_FALSE(events.contains(QStringLiteral("Frame:LoadSession(--extended)")));

    // Every module of the test has its own style or no window: the user is told, nothing is asked.
    EXPECT_TRUE(app->ExecuteCommand(ID_EXPORT_THEME));
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), 1u);
    EXPECT_TRUE(dialogs.MessageBox().Boxes()[0].text.startsWith(QStringLiteral("Moduły\n")));
    EXPECT_TRUE(dialogs.FileDialog().Requests().empty());
}

TEST_F(Quorvanta4AppTest, WithoutExtendedModeTheThemeExportDoesNothing)
{
    MakeApp();
    ASSERT_TRUE(app->InitInstance());
    EXPECT_TRUE(app->ExecuteCommand(ID_EXPORT_THEME));
    EXPECT_TRUE(dialogs.MessageBox().Boxes().empty());
    EXPECT_TRUE(dialogs.FileDialog().Requests().empty());
}

TEST_F(Quorvanta4AppTest, SavingTheAdditionalLogBufferTellsTheUserFirstAndWritesTheFile)
{
    MakeApp();
    ASSERT_TRUE(app->InitInstance());
    LogBuffer::AddLog(QStringLiteral("wpis dodatkowy"), QStringLiteral("Test"), QStringLiteral("Test::Run"), 1);
    EXPECT_TRUE(app->ExecuteCommand(ID_SAVE_ADDITIONAL_LOG_BUFFER));
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), 1u);
    EXPECT_EQ(dialogs.MessageBox().Boxes()[0].text, QStringLiteral("Zapisanie zawartości bufora logów dodatkowych"));
    QFile file(QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("LogAdditionalBuffer.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("wpis dodatkowy")));
}

TEST_F(Quorvanta4AppTest, TheLevelFilesStartAnewEachRunButThoseOfARunningInstanceStay)
{
    const QString dataFolder = AppPaths::AppDataFolder();
    for (const char* name : {"LogError.txt", "LogWarning.txt", "LogInfo.txt", "Log.txt"})
    {
        QFile file(QDir(dataFolder).filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("z poprzedniego uruchomienia\n");
    }
    const auto errors = [&dataFolder] {
        QFile file(QDir(dataFolder).filePath(QStringLiteral("LogError.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    {
        AppRunningDetector running;
        ASSERT_FALSE(running.IsAppAlreadyRunning());
        MakeApp();
        app.reset();
        EXPECT_TRUE(errors().contains(QStringLiteral("z poprzedniego uruchomienia")));
    }
    MakeApp();
    EXPECT_FALSE(errors().contains(QStringLiteral("z poprzedniego uruchomienia")));
    EXPECT_TRUE(LogText().startsWith(QStringLiteral("z poprzedniego uruchomienia\n")));
}

TEST_F(Quorvanta4AppTest, ALogThatCannotBeWrittenIsToldOnceWithoutStoppingTheStart)
{
    // A folder stands where "Log.txt" goes.
    const QString logPath = QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("Log.txt"));
    ASSERT_TRUE(QDir().mkpath(logPath));
    ::testing::internal::CaptureStderr();
    MakeApp();
    const bool started = app->InitInstance();
    const QString standardError = QString::fromStdString(::testing::internal::GetCapturedStderr());
    ASSERT_TRUE(started);
    ASSERT_EQ(popups->shown.size(), 1u);
    EXPECT_TRUE(popups->shown.front().text.contains(logPath));
    EXPECT_TRUE(standardError.contains(QStringLiteral("START QUORVANTA")));
    app->ExitInstance();
}

TEST(Quorvanta4AppCommandsTest, TheApplicationsCommandsHaveTheirTexts)
{
    EXPECT_EQ(StringTable::Instance().Caption(ID_EXPORT_THEME), QStringLiteral("Eksportuj motyw"));
    EXPECT_EQ(StringTable::Instance().Caption(ID_SAVE_ADDITIONAL_LOG_BUFFER), QStringLiteral("Zapisz bufor logów"));
}
