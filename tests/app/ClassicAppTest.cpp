#include "app/MessagePopupsQ4Classic.h"
#include "app/Quorvanta4ClassicFactory.h"
#include "core/about/AboutDlg.h"
#include "core/app/AppCommandIds.h"
#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "core/settings/DataVersionUpdater.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "platform/modules/ProviderBase.h"
#include "ribbon/messages/MessagePopup.h"
#include "tests/app/ClassicAppFixture.h"
#include "tests/support/ui/TestApplication.h"
#include "platform/settings/Settings.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/ui/Menu.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonCommandIds.h"
#include "workspace/ui/PulpitFrame.h"
#include "workspace/ui/TabClientWnd.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QProgressBar>
#include <QPushButton>

#include <thread>

class ClassicAppTest : public ClassicAppFixture
{
protected:
    std::vector<MessagePopup*> OpenPopups() const { return Popups().GetManager().GetOpenPopups(); }
};

TEST_F(ClassicAppTest, StartsToItsWindowOnTheSimulatedFeedAndClosesCleanly)
{
    ASSERT_TRUE(Start());

    AppMediator* mediator = &Mediator();
    ProviderBase* feed = mediator->GetDefaultProvider();
    ASSERT_NE(feed, nullptr);
    EXPECT_EQ(feed->GetName(), QStringLiteral("Kelvora OnLine"));
    IMainFrame* frame = App().GetPulpitFrame();
    ASSERT_NE(frame, nullptr);
    QWidget* window = frame->GetWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvanta 4"));

    // A worker's message and progress reach the window through the main thread; the message
    // shows as the program's popup, its text as written.
    std::thread([mediator] {
        mediator->ShowError(QStringLiteral("Test"), QStringLiteral("z wątku <b>"));
        mediator->AddOperationsToDoToProgress(4);
        mediator->SetOperationsDidToProgress(1);
    }).join();
    auto* progress = window->findChild<QProgressBar*>();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return OpenPopups().size() == 1 && progress->value() == 25; }));
    EXPECT_TRUE(progress->isVisible());
    ASSERT_EQ(OpenPopups().size(), 1u);
    EXPECT_TRUE(OpenPopups().front()->GetRichText().contains(QStringLiteral("z wątku &lt;b&gt;")));

    window->close();
    EXPECT_FALSE(feed->IsRunning());
    EXPECT_TRUE(OpenPopups().empty());
    Exit();
    EXPECT_EQ(AppMediator::Instance(), nullptr);

    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral("START QUORVANTA")));
    EXPECT_TRUE(log.contains(QStringLiteral("STOP QUORVANTA")));
    EXPECT_FALSE(log.contains(QStringLiteral("Program działa bez"))) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral("BŁĄD"))) << log.toStdString();
}

TEST_F(ClassicAppTest, TheEditionFactoryMakesTheStandardEditionsProducts)
{
    Quorvanta4ClassicFactory factory;
    EXPECT_EQ(factory.GetProductName(), QStringLiteral("Quorvanta 4"));
    EXPECT_EQ(factory.GetProductKind(), 1);
    const std::shared_ptr<ConsumerManager> first = factory.CreateConsumerManager({});
    const std::shared_ptr<ConsumerManager> second = factory.CreateConsumerManager({});
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_NE(factory.CreateArgumentParser(), factory.CreateArgumentParser());
    const std::unique_ptr<IMainFrame> frame(factory.CreatePulpitFrame());
    EXPECT_NE(dynamic_cast<PulpitFrame*>(frame.get()), nullptr);

    const std::shared_ptr<IGlobalSettings> globals = factory.CreateGlobalSettings();
    EXPECT_NE(std::dynamic_pointer_cast<GlobalSettingsQ4Classic>(globals), nullptr);
    EXPECT_NE(factory.CreateGlobalSettings(), globals);
    const std::shared_ptr<DataVersionUpdater> updater = factory.CreateDataVersionUpdater();
    ASSERT_NE(updater, nullptr);
    EXPECT_NE(factory.CreateDataVersionUpdater(), updater);
    EXPECT_NE(factory.CreateHelp(), nullptr);
    EXPECT_NE(factory.CreateUpdateHandler(), nullptr);
    // The about box's data is made once; the crash reporter needs the running mediator.
    ASSERT_NE(factory.GetAboutDlgData(), nullptr);
    EXPECT_EQ(factory.GetAboutDlgData(), factory.GetAboutDlgData());
    EXPECT_EQ(factory.CreateCrashReportHandler(), nullptr);
}

TEST_F(ClassicAppTest, TheAboutCommandShowsOneAboutBoxWithTheVersion)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(App().ExecuteCommand(ID_APP_ABOUT));
    EXPECT_TRUE(App().ExecuteCommand(ID_APP_ABOUT));
    const QList<AboutDlg*> boxes = App().GetPulpitFrame()->GetWindow()->findChildren<AboutDlg*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0]->isVisible());
    EXPECT_EQ(boxes[0]->GetVersionText(), QStringLiteral("Wersja: 4.2.210.1"));
}

TEST_F(ClassicAppTest, AnExitWithTheWindowStillOpenClosesItInOrderFirst)
{
    ASSERT_TRUE(Start());
    Mediator().ShowInfo(QStringLiteral("Test"), QStringLiteral("otwarty"));
    ASSERT_EQ(OpenPopups().size(), 1u);

    Exit(false);
    // The window's closing closed the popups before the mediator went.
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_TRUE(LogText().contains(QStringLiteral("STOP QUORVANTA")));
}

TEST_F(ClassicAppTest, CommandsShowTheirStateOnTheRibbonAndInTheApplicationMenu)
{
    ASSERT_TRUE(Start());
    auto* frame = dynamic_cast<PulpitFrame*>(App().GetPulpitFrame());
    ASSERT_NE(frame, nullptr);
    QuorvantaRibbonBar* ribbon = frame->GetRibbonBar();
    ASSERT_NE(ribbon, nullptr);

    const struct
    {
        std::uint32_t id;
        bool enabled;
    } cases[] = {
        {RibbonCommandIds::ID_SAVE_WINDOW, false},
        {RibbonCommandIds::ID_SAVE_WINDOW_Q5, false},
        {RibbonCommandIds::ID_CLOSE_ALL_WINDOWS, false},
        {RibbonCommandIds::ID_PRINT, false},
        // The chart library is there, so its tools are offered.
        {RibbonCommandIds::ID_INSPECTOR, true},
        {RibbonCommandIds::ID_INSPECTOR_CROSS, true},
        {RibbonCommandIds::ID_RULER, true},
        {RibbonCommandIds::ID_OPEN_DESKTOP, true},
        {RibbonCommandIds::ID_SAVE_DESKTOP, true},
        {RibbonCommandIds::ID_OPTIONS, true},
        // The application object's own command.
        {RibbonCommandIds::ID_APP_ABOUT, true},
    };
    // Each tab's controls are updated as it is selected.
    for (int index = 0; index < ribbon->GetTabCount(); ++index)
        ribbon->SetCurrentTab(ribbon->GetTab(index));
    const Menu menu(ribbon->GetSystemMenu());
    Menu::UpdateMenu(*menu.Get(), *frame);
    for (const auto& item : cases)
    {
        const RibbonControl* control = ribbon->FindControl(item.id);
        ASSERT_NE(control, nullptr) << item.id;
        EXPECT_EQ(control->GetEnabled(), item.enabled) << item.id;
        if (const QAction* action = menu.FindItem(item.id))
        {
            EXPECT_EQ(action->isEnabled(), item.enabled) << item.id;
        }
    }
    Exit();
}

TEST_F(ClassicAppTest, TheScreensTabPositionFromTheOptionsIsAppliedAtOnce)
{
    ASSERT_TRUE(Start());
    auto* frame = dynamic_cast<PulpitFrame*>(App().GetPulpitFrame());
    ASSERT_NE(frame, nullptr);
    auto* globals = dynamic_cast<GlobalSettingsQ4Classic*>(Mediator().GetGlobalSettingsObject());
    ASSERT_NE(globals, nullptr);

    // A choice, then the factory's top as restoring the defaults saves it.
    for (const unsigned position : {2u, 3u, 0u})
    {
        auto changed = std::make_shared<::Settings>();
        (*changed)["PulpitTab"] = position;
        ASSERT_TRUE(globals->SaveGroup(changed));
        EXPECT_EQ(frame->GetTabClient()->GetTabPosition(), static_cast<int>(position));
    }
    EXPECT_FALSE(LogText().contains(QStringLiteral("Nie zmieniono położenia zakładek")));
    Exit();
}

TEST_F(ClassicAppTest, QtsStandardButtonsSpeakPolish)
{
    ASSERT_TRUE(Start());
    QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Tak"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::No)->text(), QStringLiteral("&Nie"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Anuluj"));
    Exit();
}
