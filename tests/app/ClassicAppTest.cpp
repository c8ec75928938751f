#include "app/ClassicEditionSetup.h"
#include "app/Quorvanta4ClassicFactory.h"
#include "core/app/Quorvanta4App.h"
#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/SimpleMessagePopups.h"
#include "platform/base/AppPaths.h"
#include "platform/modules/ProviderBase.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/ui/PulpitFrame.h"

#include <QDir>
#include <QFile>
#include <QProgressBar>

#include <gtest/gtest.h>

#include <thread>

class ClassicAppTest : public ::testing::Test
{
protected:
    ClassicAppTest()
    {
        TestApplication::Ensure();
        // The build's own "Providers" folder, with the simulated feed.
        AppPaths::SetExecutableFolder(QStringLiteral(Q4_BIN_DIR));
    }
    ~ClassicAppTest() override { AppPaths::SetExecutableFolder(QString()); }

    QString LogText() const
    {
        QFile file(QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("Log.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TempHome home;
};

TEST_F(ClassicAppTest, StartsToItsWindowOnTheSimulatedFeedAndClosesCleanly)
{
    Quorvanta4AppSetup setup = MakeClassicEditionSetup();
    auto popups = std::make_shared<SimpleMessagePopups>();
    setup.mediator.popups = popups;
    Quorvanta4App app(std::move(setup), {});
    ASSERT_TRUE(app.InitInstance());

    AppMediator* mediator = AppMediator::Instance();
    ProviderBase* feed = mediator->GetDefaultProvider();
    ASSERT_NE(feed, nullptr);
    EXPECT_EQ(feed->GetName(), QStringLiteral("Kelvora OnLine"));
    IMainFrame* frame = app.GetPulpitFrame();
    ASSERT_NE(frame, nullptr);
    QWidget* window = frame->GetWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvanta 4"));

    // A worker's message and progress reach the window through the main thread.
    std::thread([mediator] {
        mediator->ShowError(QStringLiteral("Test"), QStringLiteral("z wątku"));
        mediator->AddOperationsToDoToProgress(4);
        mediator->SetOperationsDidToProgress(1);
    }).join();
    auto* progress = window->findChild<QProgressBar*>();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return popups->OpenCount() == 1 && progress->value() == 25; }));
    EXPECT_TRUE(progress->isVisible());

    window->close();
    EXPECT_FALSE(feed->IsRunning());
    EXPECT_EQ(popups->OpenCount(), 0);
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(AppMediator::Instance(), nullptr);

    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral("START QUORVANTA")));
    EXPECT_TRUE(log.contains(QStringLiteral("STOP QUORVANTA")));
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
}

TEST_F(ClassicAppTest, AnExitWithTheWindowStillOpenClosesItInOrderFirst)
{
    Quorvanta4AppSetup setup = MakeClassicEditionSetup();
    auto popups = std::make_shared<SimpleMessagePopups>();
    setup.mediator.popups = popups;
    Quorvanta4App app(std::move(setup), {});
    ASSERT_TRUE(app.InitInstance());
    AppMediator::Instance()->ShowInfo(QStringLiteral("Test"), QStringLiteral("otwarty"));
    ASSERT_EQ(popups->OpenCount(), 1);

    app.ExitInstance();
    // The window's closing released the popups before the mediator went.
    EXPECT_EQ(popups->OpenCount(), 0);
    EXPECT_TRUE(LogText().contains(QStringLiteral("STOP QUORVANTA")));
}
