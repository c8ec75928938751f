#pragma once
// A mediator for one test over fakes: the test factory, fake settings, modules, cloud, poster
// and popups, a temporary home and an executable folder whose "Providers" hold the test
// providers a test asks for. The mediator and every plug-in event are gone after the test.

#include "core/mediator/AppMediator.h"
#include "platform/modules/AssetsGroupId.h"
#include "tests/core/engine/PluginFolder.h"
#include "tests/core/mediator/MediatorFakes.h"
#include "tests/core/mediator/TestFactory.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

class MediatorFixture : public ::testing::Test
{
protected:
    MediatorFixture();
    ~MediatorFixture() override;

    // Copies the test providers into the executable folder's "Providers".
    void AddProviders(const QStringList& plugins);
    // The mediator over the fakes; withFrame attaches the fake frame.
    AppMediator& Make(bool withFrame = true);
    // Made and initialised, with one provider.
    AppMediator& MakeInitialised(bool withFrame = true);

    TempHome home;
    PluginFolder folder;
    std::shared_ptr<TestFactory> factory = std::make_shared<TestFactory>();
    std::shared_ptr<FakeMediatorSettings> settings = std::make_shared<FakeMediatorSettings>();
    std::shared_ptr<RecordingPoster> poster = std::make_shared<RecordingPoster>();
    std::shared_ptr<RecordingPopups> popups = std::make_shared<RecordingPopups>();
    // False: the program runs without the alert module.
    bool makesAlertModule = true;
    std::shared_ptr<FakeStyleEditModeHandler> styleEdit = std::make_shared<FakeStyleEditModeHandler>();
    // The choice of many instruments: empty keeps the program's dialog.
    std::function<bool(QWidget*, std::set<Asset>&, std::set<AssetsGroupId>&)> chooseManyAssets;
    std::shared_ptr<FakeAlertModule> alertModule;
    std::shared_ptr<FakeSessionStatistics> sessionStatistics;
    std::shared_ptr<FakeCloudModule> cloud;
    FakeApplicationObject application;
    std::unique_ptr<FakeMainFrame> frame;
    AppMediator* mediator = nullptr;
};
