#include "tests/core/mediator/MediatorFixture.h"

#include "platform/modules/PluginBase.h"
#include "tests/support/ui/TestApplication.h"

MediatorFixture::MediatorFixture()
{
    TestApplication::Ensure();
    TestConsumers::Instance().Reset();
    TakePluginEvents();
}

MediatorFixture::~MediatorFixture()
{
    AppMediator::DestroyInstance();
    PluginBase::NullifyAppMediator();
    TakePluginEvents();
}

void MediatorFixture::AddProviders(const QStringList& plugins)
{
    for (const QString& plugin : plugins)
        folder.Add(QStringLiteral("Providers"), plugin);
}

AppMediator& MediatorFixture::Make(bool withFrame)
{
    AppMediatorSetup setup;
    setup.factory = factory;
    setup.settings = settings;
    if (makesAlertModule)
        setup.makeAlertModule = [this] { return alertModule = std::make_shared<FakeAlertModule>(); };
    setup.makeSessionStatistics = [this] { return sessionStatistics = std::make_shared<FakeSessionStatistics>(); };
    setup.makeCloudModule = [this] { return cloud = std::make_shared<FakeCloudModule>(); };
    setup.popups = popups;
    setup.poster = poster;
    setup.styleEditMode = styleEdit;
    setup.chooseManyAssets = chooseManyAssets;
    mediator = AppMediator::Create(std::move(setup));
    mediator->SetApplicationObject(&application);
    if (withFrame)
    {
        frame = std::make_unique<FakeMainFrame>();
        mediator->SetMainFrame(frame.get());
    }
    return *mediator;
}

AppMediator& MediatorFixture::MakeInitialised(bool withFrame)
{
    AddProviders({QStringLiteral("provider_good")});
    Make(withFrame);
    EXPECT_TRUE(mediator->Init());
    TakePluginEvents();
    return *mediator;
}
